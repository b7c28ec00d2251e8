#pragma once

/// \file
/// The AES cipher of the host's utility library.

#include <tc/host/tchost_export.h>

#include <cstdint>

namespace utils {

/// AES-128 over byte buffers, length-preserving: n bytes in give exactly n bytes out, for every n
/// from 0 to 2^31 - 1. Buffers of 16 bytes or more use CBC with ciphertext stealing (the CS3 form,
/// which also swaps the last two blocks of a whole number of blocks); shorter ones use CFB-128.
/// The AES key is the first 16 bytes of the SHA-256 of the key given to init, the initialisation
/// vector the last 16.
///
/// What it protects: the content of the bytes against readers without the key. What it does not:
/// it is deterministic (the same key and bytes always give the same output, so equal buffers are
/// recognisable), and it checks no integrity: a wrong key or altered input decrypts to other
/// bytes, never to an error.
///
/// Objects are cheap; keyed cipher state is kept per thread for the last key used, so calls with
/// one key after another skip the key setup.
class TCHOST_EXPORT AESCipher
{
public:
    /// Results of encrypt and decrypt.
    enum Result {
        Success = 0,        ///< the output holds inputLength bytes
        NotKeyed = 1,       ///< init has not succeeded on this object
        BadArgument = 2,    ///< a null pointer where bytes are needed, or a null outputLength
        OutputTooSmall = 3, ///< `*outputLength` is below inputLength
        TooLong = 4,        ///< inputLength is 2^31 or more
        CipherFailed = 5,   ///< OpenSSL refused (no AES in the loaded providers)
    };

    /// An unkeyed cipher: encrypt and decrypt give NotKeyed until init succeeds.
    AESCipher();
    virtual ~AESCipher();
    /// Copies the key, keyed or not.
    AESCipher(const AESCipher&);
    /// Copies the key, keyed or not.
    AESCipher& operator=(const AESCipher&);

    /// Keys the object with keyLength bytes from key (any length from 1). False, leaving the object
    /// unkeyed, for a null key or a length below 1.
    bool init(unsigned char* key, int keyLength);

    /// Encrypts inputLength bytes from input into output, which has room for `*outputLength`
    /// bytes; on Success `*outputLength` becomes inputLength; on failure it is unchanged. input and
    /// output may be the same buffer; they must not overlap otherwise. Returns a Result.
    virtual int encrypt(const char* input, const uint64_t& inputLength, char* output,
                        uint64_t* outputLength);
    /// The inverse of encrypt with the same key; the same contract.
    virtual int decrypt(const char* input, const uint64_t& inputLength, char* output,
                        uint64_t* outputLength);

private:
    unsigned char m_material[32]; // AES key, then initialisation vector
    bool m_keyed = false;
};

} // namespace utils

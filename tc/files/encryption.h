#pragma once

/// \file
/// Encrypting and decrypting byte buffers with the host's AES cipher (utils::AESCipher).

#include <tc/tcutils_export.h>

#include <cstdint>
#include <string>

namespace TC {

// The cipher's key is 8 bytes: a fixed base, to which the first 8 bytes of key are added byte by
// byte modulo 256 (a shorter key leaves the rest of the base as it is, an empty one all of it),
// so keys that agree in their first 8 bytes encrypt alike. The output holds exactly the cipher's
// bytes, with no header, padding or integrity check of this library's: decrypting with another
// key succeeds and gives other bytes. With the host stand-in, output is as long as the input.
//
// Both return true when the cipher succeeds, output then holding its result. When the cipher
// fails (with the stand-in: data is null and length is not 0), false, and output has the size
// offered to the cipher: its former bytes cut or extended with zero bytes, and whatever the cipher
// wrote. A length beyond what a std::string can hold gives false with output unchanged. data may
// point into output.

/// Offers the cipher a buffer of length rounded up to a multiple of 16 (0 stays 0).
TCUTILS_EXPORT bool encrypt(const char* data, uint64_t length, const std::string& key,
                            std::string& output);

/// Offers the cipher a buffer of length bytes.
TCUTILS_EXPORT bool decrypt(const char* data, uint64_t length, const std::string& key,
                            std::string& output);

} // namespace TC

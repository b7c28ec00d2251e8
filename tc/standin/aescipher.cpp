#include <tc/host/aescipher.h>

#include <openssl/core_names.h>
#include <openssl/evp.h>
#include <openssl/params.h>

#include <climits>
#include <cstring>
#include <string>

namespace utils {

namespace {

constexpr int kBlock = 16;
constexpr int kMaterial = 32;

// The algorithms, fetched once from the default providers; null when a provider lacks one.
struct Algorithms
{
    EVP_CIPHER* stealing = EVP_CIPHER_fetch(nullptr, "AES-128-CBC-CTS", nullptr);
    EVP_CIPHER* stream = EVP_CIPHER_fetch(nullptr, "AES-128-CFB", nullptr);
    EVP_MD* digest = EVP_MD_fetch(nullptr, "SHA256", nullptr);

    Algorithms() = default;
    Algorithms(const Algorithms&) = delete;
    Algorithms& operator=(const Algorithms&) = delete;
    ~Algorithms()
    {
        EVP_CIPHER_free(stealing);
        EVP_CIPHER_free(stream);
        EVP_MD_free(digest);
    }
};

const Algorithms& algorithms()
{
    static const Algorithms a;
    return a;
}

// Cipher contexts keyed with the last key material this thread used, one per mode and direction.
// Keying a context costs far more than encrypting a short buffer; a keyed one only needs its
// initialisation vector set again.
class KeyedContexts
{
public:
    KeyedContexts() = default;
    KeyedContexts(const KeyedContexts&) = delete;
    KeyedContexts& operator=(const KeyedContexts&) = delete;
    ~KeyedContexts()
    {
        for (EVP_CIPHER_CTX* ctx : m_contexts)
            EVP_CIPHER_CTX_free(ctx);
    }

    // A context ready for one update with material (key, then vector); null when OpenSSL fails.
    EVP_CIPHER_CTX* ready(const unsigned char* material, bool stealing, bool encrypting)
    {
        if (!m_known || std::memcmp(material, m_material, kMaterial) != 0) {
            std::memcpy(m_material, material, kMaterial);
            m_known = true;
            for (bool& keyed : m_keyed)
                keyed = false;
        }
        const int slot = (stealing ? 2 : 0) + (encrypting ? 1 : 0);
        EVP_CIPHER_CTX*& ctx = m_contexts[slot];
        if (!ctx && !(ctx = EVP_CIPHER_CTX_new())) return nullptr;
        const int enc = encrypting ? 1 : 0;
        if (m_keyed[slot])
            return EVP_CipherInit_ex2(ctx, nullptr, nullptr, material + kBlock, enc, nullptr) == 1
                       ? ctx
                       : nullptr;

        const EVP_CIPHER* cipher = stealing ? algorithms().stealing : algorithms().stream;
        if (!cipher) return nullptr;
        char cs3[] = "CS3"; // swap the last two blocks always, also for a whole number of blocks
        const OSSL_PARAM params[] = {
            OSSL_PARAM_construct_utf8_string(OSSL_CIPHER_PARAM_CTS_MODE, cs3, 0),
            OSSL_PARAM_construct_end()};
        if (EVP_CipherInit_ex2(ctx, cipher, material, material + kBlock, enc,
                               stealing ? params : nullptr) != 1)
            return nullptr;
        m_keyed[slot] = true;
        return ctx;
    }

private:
    bool m_known = false;
    unsigned char m_material[kMaterial] = {};
    bool m_keyed[4] = {};
    EVP_CIPHER_CTX* m_contexts[4] = {};
};

// SHA-256 of the last key this thread derived, for callers that key a new object per buffer.
struct LastDerivation
{
    std::string key;
    unsigned char material[kMaterial] = {};
    bool known = false;
};

// One call of a cipher keyed with material (null when unkeyed).
int process(const unsigned char* material, bool encrypting, const char* input, uint64_t inputLength,
            char* output, uint64_t* outputLength)
{
    if (!outputLength) return AESCipher::BadArgument;
    if (!material) return AESCipher::NotKeyed;
    if (inputLength > 0 && (!input || !output)) return AESCipher::BadArgument;
    if (*outputLength < inputLength) return AESCipher::OutputTooSmall;
    if (inputLength > static_cast<uint64_t>(INT_MAX)) return AESCipher::TooLong;
    if (inputLength == 0) {
        *outputLength = 0;
        return AESCipher::Success;
    }

    thread_local KeyedContexts contexts;
    EVP_CIPHER_CTX* ctx = contexts.ready(material, inputLength >= kBlock, encrypting);
    if (!ctx) return AESCipher::CipherFailed;
    // Ciphertext stealing takes the whole buffer in one update.
    int written = 0;
    int tail = 0;
    auto* out = reinterpret_cast<unsigned char*>(output);
    if (EVP_CipherUpdate(ctx, out, &written, reinterpret_cast<const unsigned char*>(input),
                         static_cast<int>(inputLength)) != 1 ||
        EVP_CipherFinal_ex(ctx, out + written, &tail) != 1)
        return AESCipher::CipherFailed;
    *outputLength = static_cast<uint64_t>(written) + static_cast<uint64_t>(tail);
    return AESCipher::Success;
}

} // namespace

AESCipher::AESCipher() = default;
AESCipher::~AESCipher() = default;
AESCipher::AESCipher(const AESCipher&) = default;
AESCipher& AESCipher::operator=(const AESCipher&) = default;

bool AESCipher::init(unsigned char* key, int keyLength)
{
    m_keyed = false;
    if (!key || keyLength < 1) return false;
    thread_local LastDerivation last;
    const size_t length = static_cast<size_t>(keyLength);
    if (!last.known || last.key.size() != length ||
        std::memcmp(last.key.data(), key, length) != 0) {
        const EVP_MD* sha256 = algorithms().digest;
        unsigned int size = 0;
        if (!sha256 || EVP_Digest(key, length, last.material, &size, sha256, nullptr) != 1 ||
            size != kMaterial) {
            last.known = false;
            return false;
        }
        last.key.assign(reinterpret_cast<const char*>(key), length);
        last.known = true;
    }
    std::memcpy(m_material, last.material, kMaterial);
    m_keyed = true;
    return true;
}

int AESCipher::encrypt(const char* input, const uint64_t& inputLength, char* output,
                       uint64_t* outputLength)
{
    return process(m_keyed ? m_material : nullptr, true, input, inputLength, output, outputLength);
}

int AESCipher::decrypt(const char* input, const uint64_t& inputLength, char* output,
                       uint64_t* outputLength)
{
    return process(m_keyed ? m_material : nullptr, false, input, inputLength, output, outputLength);
}

} // namespace utils

#include <tc/files/encryption.h>

#include <tc/host/aescipher.h>

#include <cstring>
#include <functional>

namespace TC {

namespace {

constexpr int kKeySize = 8;
// The base of every key, in two halves.
constexpr char kBaseHead[4] = {'T', 'c', 'U', 't'};
constexpr char kBaseTail[4] = {'i', 'l', 's', '8'};

void buildKey(const std::string& text, unsigned char (&key)[kKeySize])
{
    std::memcpy(key, kBaseHead, sizeof kBaseHead);
    std::memcpy(key + sizeof kBaseHead, kBaseTail, sizeof kBaseTail);
    for (size_t i = 0; i < kKeySize && i < text.size(); ++i)
        key[i] = static_cast<unsigned char>(key[i] + static_cast<unsigned char>(text[i]));
}

using CipherCall = int (utils::AESCipher::*)(const char*, const uint64_t&, char*, uint64_t*);

bool run(CipherCall call, const char* data, uint64_t length, uint64_t bufferSize,
         const std::string& keyText, std::string& output)
{
    utils::AESCipher cipher;
    unsigned char key[kKeySize];
    buildKey(keyText, key);
    cipher.init(key, kKeySize);

    // Resizing output would free the bytes of data should it point into them.
    std::string copy;
    const std::less<const char*> before;
    if (length > 0 && data && !before(data, output.data()) &&
        before(data, output.data() + output.size())) {
        copy.assign(data, length);
        data = copy.data();
    }
    output.resize(bufferSize);
    uint64_t produced = bufferSize;
    if ((cipher.*call)(data, length, &output[0], &produced) != 0) return false;
    if (output.size() > produced) output.resize(produced);
    return true;
}

} // namespace

bool encrypt(const char* data, uint64_t length, const std::string& key, std::string& output)
{
    if (length > output.max_size() - 15) return false;
    return run(&utils::AESCipher::encrypt, data, length, (length + 15) / 16 * 16, key, output);
}

bool decrypt(const char* data, uint64_t length, const std::string& key, std::string& output)
{
    if (length > output.max_size()) return false;
    return run(&utils::AESCipher::decrypt, data, length, length, key, output);
}

} // namespace TC

#include <tc/host/aescipher.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <thread>

namespace {

unsigned char kKeyA[8] = {'k', 'e', 'y', '-', 'A', 0, 1, 2};
unsigned char kKeyB[8] = {'k', 'e', 'y', '-', 'B', 0, 1, 2};

// Runs one call on a fresh object keyed with key; the output, or "!" and the result code.
std::string apply(bool encrypting, unsigned char* key, const std::string& in)
{
    utils::AESCipher cipher;
    EXPECT_TRUE(cipher.init(key, 8));
    std::string out(in.size(), '\0');
    uint64_t length = out.size();
    const int rc = encrypting ? cipher.encrypt(in.data(), in.size(), &out[0], &length)
                              : cipher.decrypt(in.data(), in.size(), &out[0], &length);
    if (rc != 0) return "!" + std::to_string(rc);
    EXPECT_EQ(length, in.size());
    return out;
}

} // namespace

TEST(AESCipher, RefusesUnkeyedObjectsAndBadBuffers)
{
    utils::AESCipher cipher;
    char out[32] = {};
    uint64_t length = sizeof out;
    const uint64_t five = 5;
    EXPECT_EQ(cipher.encrypt("hello", five, out, &length), utils::AESCipher::NotKeyed);
    EXPECT_FALSE(cipher.init(nullptr, 8));
    EXPECT_FALSE(cipher.init(kKeyA, 0));
    EXPECT_EQ(cipher.decrypt("hello", five, out, &length), utils::AESCipher::NotKeyed);

    ASSERT_TRUE(cipher.init(kKeyA, 8));
    EXPECT_EQ(cipher.encrypt(nullptr, five, out, &length), utils::AESCipher::BadArgument);
    EXPECT_EQ(cipher.encrypt("hello", five, nullptr, &length), utils::AESCipher::BadArgument);
    EXPECT_EQ(cipher.encrypt("hello", five, out, nullptr), utils::AESCipher::BadArgument);
    length = 4;
    EXPECT_EQ(cipher.encrypt("hello", five, out, &length), utils::AESCipher::OutputTooSmall);
    EXPECT_EQ(length, 4u);
    const uint64_t tooLong = uint64_t(1) << 31;
    length = tooLong;
    EXPECT_EQ(cipher.decrypt(out, tooLong, out, &length), utils::AESCipher::TooLong);
    const uint64_t zero = 0;
    length = 9;
    EXPECT_EQ(cipher.encrypt(nullptr, zero, nullptr, &length), utils::AESCipher::Success);
    EXPECT_EQ(length, 0u);
}

TEST(AESCipher, KeepsKeysAndDirectionsApartAcrossCallsAndThreads)
{
    std::mt19937 rng(7);
    std::string plain(100, '\0');
    for (char& c : plain)
        c = static_cast<char>(rng());
    for (const size_t n : {size_t(5), size_t(16), size_t(100)}) {
        const std::string in = plain.substr(0, n);
        const std::string a = apply(true, kKeyA, in);
        const std::string b = apply(true, kKeyB, in);
        EXPECT_NE(a, b);
        EXPECT_NE(a, in);
        // Alternating keys and directions reuses no state of another key or direction.
        EXPECT_EQ(apply(false, kKeyA, a), in);
        EXPECT_EQ(apply(true, kKeyA, in), a);
        EXPECT_EQ(apply(false, kKeyB, b), in);
        EXPECT_NE(apply(false, kKeyB, a), in); // a wrong key is no error, only other bytes
        std::string other;
        std::thread([&] { other = apply(true, kKeyA, in); }).join();
        EXPECT_EQ(other, a);

        // In place.
        utils::AESCipher cipher;
        ASSERT_TRUE(cipher.init(kKeyA, 8));
        std::string buffer = in;
        uint64_t length = n;
        ASSERT_EQ(cipher.encrypt(buffer.data(), n, &buffer[0], &length), 0);
        EXPECT_EQ(buffer, a);
        ASSERT_EQ(cipher.decrypt(buffer.data(), n, &buffer[0], &length), 0);
        EXPECT_EQ(buffer, in);
    }
}

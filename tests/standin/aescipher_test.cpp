#include <tc/host/aescipher.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

unsigned char kKeyA[8] = {'k', 'e', 'y', '-', 'A', 0, 1, 2};
unsigned char kKeyB[8] = {'k', 'e', 'y', '-', 'B', 0, 1, 2};

// One call on a fresh object, as each TC::encrypt makes one.
std::string apply(bool encrypting, unsigned char* key, std::string data)
{
    utils::AESCipher cipher;
    EXPECT_TRUE(cipher.init(key, 8));
    uint64_t length = data.size();
    const int rc = encrypting ? cipher.encrypt(data.data(), data.size(), &data[0], &length)
                              : cipher.decrypt(data.data(), data.size(), &data[0], &length);
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(length, data.size());
    return data; // in place
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
    EXPECT_EQ(cipher.encrypt("hello", five, out, nullptr), utils::AESCipher::BadArgument);
    length = 4;
    EXPECT_EQ(cipher.encrypt("hello", five, out, &length), utils::AESCipher::OutputTooSmall);
    EXPECT_EQ(length, 4u);
    const uint64_t tooLong = uint64_t(1) << 31;
    length = tooLong;
    EXPECT_EQ(cipher.decrypt(out, tooLong, out, &length), utils::AESCipher::TooLong);
}

TEST(AESCipher, KeepsKeysAndDirectionsApartAcrossCallsAndThreads)
{
    const std::string plain = "a buffer of some length, modes CFB and CBC-CTS both";
    for (const size_t n : {size_t(5), size_t(16), plain.size()}) {
        const std::string in = plain.substr(0, n);
        const std::string a = apply(true, kKeyA, in);
        const std::string b = apply(true, kKeyB, in);
        EXPECT_NE(a, in);
        EXPECT_NE(a, b);
        // Alternating keys and directions reuses no state of another key or direction.
        EXPECT_EQ(apply(false, kKeyA, a), in);
        EXPECT_EQ(apply(true, kKeyA, in), a);
        EXPECT_EQ(apply(false, kKeyB, b), in);
        EXPECT_NE(apply(false, kKeyB, a), in); // a wrong key is no error, only other bytes
        std::string other;
        std::thread([&] { other = apply(true, kKeyA, in); }).join();
        EXPECT_EQ(other, a);
    }
}

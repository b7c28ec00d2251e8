#include <tc/files/encryption.h>
#include <tc/host/aescipher.h>

#include "common/datatable.h"
#include "common/printers.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <random>

namespace {

std::string hex(const std::string& bytes)
{
    return QByteArray(bytes.data(), static_cast<int>(bytes.size())).toHex().toStdString();
}

std::string randomBytes(size_t n, uint32_t seed)
{
    std::mt19937 rng(seed);
    std::string s(n, '\0');
    for (char& c : s)
        c = static_cast<char>(rng());
    return s;
}

} // namespace

// tests/data/encryption-kat.tsv, each answer decrypted back too.
TEST(Encrypt, GivesTheKnownAnswers)
{
    const std::vector<testdata::Row> cases = testdata::load("encryption-kat.tsv");
    EXPECT_GE(cases.size(), 8u);
    for (const testdata::Row& c : cases) {
        const std::string &key = c.fields.at(0), &plain = c.fields.at(1);
        std::string out = "previous";
        ASSERT_TRUE(TC::encrypt(plain.data(), plain.size(), key, out));
        EXPECT_EQ(hex(out), c.fields.at(2)) << "encryption-kat.tsv line " << c.line;
        std::string back;
        ASSERT_TRUE(TC::decrypt(out.data(), out.size(), key, back));
        EXPECT_EQ(back, plain);
    }
}

TEST(Encrypt, UsesOnlyTheFirstEightKeyBytesAddedToTheBase)
{
    const std::string plain = "0123456789abcdefg";
    std::string a;
    std::string b;
    ASSERT_TRUE(TC::encrypt(plain.data(), plain.size(), "trader01", a));
    ASSERT_TRUE(TC::encrypt(plain.data(), plain.size(), "trader01 and more", b));
    EXPECT_EQ(a, b);
    ASSERT_TRUE(TC::encrypt(plain.data(), plain.size(), "trader02", b));
    EXPECT_NE(a, b);
    // Adding zero bytes changes nothing: "" and "\0\0" give the bare base.
    ASSERT_TRUE(TC::encrypt(plain.data(), plain.size(), "", a));
    ASSERT_TRUE(TC::encrypt(plain.data(), plain.size(), std::string(2, '\0'), b));
    EXPECT_EQ(a, b);

    // 'T' (0x54) + 0xAC wraps to 0x00: the same as keying the cipher with that byte directly.
    ASSERT_TRUE(TC::encrypt(plain.data(), plain.size(), "\xAC", a));
    unsigned char key[8] = {0x00, 'c', 'U', 't', 'i', 'l', 's', '8'};
    utils::AESCipher cipher;
    ASSERT_TRUE(cipher.init(key, 8));
    std::string direct(plain.size(), '\0');
    uint64_t length = direct.size();
    ASSERT_EQ(cipher.encrypt(plain.data(), plain.size(), &direct[0], &length), 0);
    EXPECT_EQ(a, direct);
}

// Round trips of any short length are the fuzzer's (fuzz/encryption_fuzz.cpp); here sizes it never
// reaches.
TEST(Encrypt, RoundTripsLargeBuffersAndInPlace)
{
    std::string cipher;
    std::string back;
    for (const size_t n : {size_t(1) << 20, (size_t(3) << 20) + 7}) {
        const std::string big = randomBytes(n, static_cast<uint32_t>(n));
        ASSERT_TRUE(TC::encrypt(big.data(), n, "\xff\xfe longer than eight", cipher));
        EXPECT_NE(cipher, big);
        ASSERT_TRUE(TC::decrypt(cipher.data(), n, "\xff\xfe longer than eight", back));
        EXPECT_EQ(back, big);
    }
    // The input may be the output string itself.
    std::string text = "in place, seventeen+";
    ASSERT_TRUE(TC::encrypt(text.data(), text.size(), "k", cipher));
    ASSERT_TRUE(TC::encrypt(text.data(), text.size(), "k", text));
    EXPECT_EQ(text, cipher);
}

TEST(Encrypt, FailsWithTheOfferedBufferWhenTheCipherFails)
{
    // Null data with a length is refused by the cipher; output keeps the size it was offered.
    const std::pair<uint64_t, size_t> sizes[] = {{1, 16}, {15, 16}, {16, 16}, {17, 32}, {32, 32}};
    for (const auto& [length, buffer] : sizes) {
        std::string out;
        EXPECT_FALSE(TC::encrypt(nullptr, length, "k", out));
        EXPECT_EQ(out, std::string(buffer, '\0')) << length;
        EXPECT_FALSE(TC::decrypt(nullptr, length, "k", out));
        EXPECT_EQ(out.size(), length);
    }
    std::string out = "x";
    EXPECT_TRUE(TC::encrypt(nullptr, 0, "k", out));
    EXPECT_EQ(out, "");
    // A length no string can hold: false, output untouched, nothing allocated.
    out = "kept";
    EXPECT_FALSE(TC::encrypt("a", UINT64_MAX, "k", out));
    EXPECT_FALSE(TC::decrypt("a", UINT64_MAX - 1, "k", out));
    EXPECT_EQ(out, "kept");
}

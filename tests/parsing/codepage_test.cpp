// The local 8-bit code page follows the locale's codeset, with the same bytes and texts under
// Qt 5 and Qt 6.
#include <tc/parsing/codepage_p.h>
#include <tc/parsing/textconversions.h>

#include "common/codepageguard.h"
#include "common/printers.h"

#include <gtest/gtest.h>

using namespace utils::detail;

namespace {

QString decodeInBlocks(std::initializer_list<QByteArray> blocks)
{
    StreamDecoder decoder;
    QString text;
    for (const QByteArray& block : blocks)
        text += decoder.decode(block.constData(), block.size());
    return text;
}

} // namespace

TEST(CodePage, IsGbkInAGbkLocale)
{
    CodePageGuard gbk("zh_CN.GBK");
    ASSERT_TRUE(gbk.ok());
    bool ok = false;
    EXPECT_EQ(toLocal8Bit(QStringLiteral("价格"), &ok), QByteArray("\xbc\xdb\xb8\xf1"));
    EXPECT_TRUE(ok);
    // The euro sign is 0x80 in GBK; an emoji is not in it.
    EXPECT_EQ(toLocal8Bit(QStringLiteral("价€😀x"), &ok), QByteArray("\xbc\xdb\x80?x"));
    EXPECT_FALSE(ok);
    EXPECT_TRUE(localCanEncode(QStringLiteral("策"))); // no failure carried over
    EXPECT_FALSE(localCanEncode(QStringLiteral("😀")));
    // 0xFF is no GBK byte (ICU gives U+F8F5); a lead byte cut off at the end is dropped.
    EXPECT_EQ(fromLocal8Bit("\xbc\xdb\x80\xff"
                            "a\xbc",
                            6),
              QStringLiteral("价€\uF8F5a"));
    // ToDBS works on the local bytes of a GBK system.
    const std::string narrow =
        TC::ToDBS(toLocal8Bit(QStringLiteral("全角ＡＢＣ　１２３")).toStdString());
    EXPECT_EQ(fromLocal8Bit(narrow.data(), qsizetype(narrow.size())), QStringLiteral("全角ABC123"));

    // A pair cut by the end of a block; a byte-order mark overrides the code page.
    EXPECT_EQ(decodeInBlocks({"\xbc", "\xdb\xb8", "\xf1"}), QStringLiteral("价格"));
    EXPECT_EQ(decodeInBlocks({"\xef\xbb\xbf\xe4\xbb", "\xb7"}), QStringLiteral("价"));
    EXPECT_EQ(decodeInBlocks({QByteArray("\xff\xfe\xf7", 3), QByteArray("\x4e\x0a\x00", 3)}),
              QStringLiteral("价\n"));
}

TEST(CodePage, IsUtf8InAUtf8OrTheCLocale)
{
    const QString text = QStringLiteral("价€😀x");
    for (const char* locale : {"C.UTF-8", "C"}) {
        CodePageGuard guard(locale);
        ASSERT_TRUE(guard.ok()) << locale;
        bool ok = false;
        EXPECT_EQ(toLocal8Bit(text, &ok), text.toUtf8()) << locale;
        EXPECT_TRUE(ok);
        // A leading byte-order mark is dropped, invalid bytes become U+FFFD.
        EXPECT_EQ(fromLocal8Bit("\xef\xbb\xbfx\xff", 5), QStringLiteral("x\uFFFD")) << locale;
    }
}

#include <tc/host/pinyin.h>
#include <tc/parsing/codepage_p.h>

#include "common/codepageguard.h"
#include "common/datatable.h"
#include "common/printers.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

namespace {

// Texts reach the host in the local 8-bit code page.
std::string local(const char* utf8)
{
    const QByteArray b = utils::detail::toLocal8Bit(QString::fromUtf8(utf8));
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

std::vector<std::string> py(const char* name)
{
    std::vector<std::string> forms;
    KD::getPy(forms, local(name));
    return forms;
}

// The forms meant to be read; the fourth only speeds testPy up.
std::vector<std::string> readable(const char* name)
{
    std::vector<std::string> forms = py(name);
    EXPECT_EQ(forms.size(), 4u);
    EXPECT_EQ(forms.back().size(), 15u);
    forms.resize(3);
    return forms;
}

} // namespace

TEST(Pinyin, FormsHoldTheNaturalInitialsTheFullPinyinAndEveryReading)
{
    EXPECT_EQ(readable("浦发银行"),
              (std::vector<std::string>{"pfyh", "pufayinhang", "Pu Fa Yin Hang/Xing/Heng"}));
    // The same character reads naturally otherwise outside the words that ask for it.
    EXPECT_EQ(py("三人行")[1], "sanrenxing");
    EXPECT_EQ(py("三人行")[2], "San Ren Xing/Hang/Heng");
    EXPECT_EQ(py("*ST 康美-Ａ")[2], "S T Kang Mei A");

    // Letters without a reading, in or out of GBK, stand as '?'; symbols are left out.
    EXPECT_EQ(py("兙")[0], "?");
    EXPECT_EQ(py("𠀀a😀")[0], "?a");
    EXPECT_EQ(readable(""), (std::vector<std::string>{"", "", ""}));

    // The list is replaced, not appended to.
    std::vector<std::string> forms{"old", "forms", "here", "and more"};
    KD::getPy(forms, local("沪铜"));
    EXPECT_EQ(forms, py("沪铜"));
    EXPECT_EQ(readable("沪铜"), (std::vector<std::string>{"ht", "hutong", "Hu Tong"}));
}

TEST(Pinyin, FindsRealInstrumentsByInitialsAndFullPinyin)
{
    const std::vector<testdata::Row> names = testdata::load("pinyin-names.tsv");
    EXPECT_GE(names.size(), 60u);
    for (const testdata::Row& r : names) {
        const std::string &name = r.fields.at(0), &initials = r.fields.at(1),
                          &full = r.fields.at(2);
        SCOPED_TRACE(name);
        const std::vector<std::string> forms = py(name.c_str());
        ASSERT_EQ(forms.size(), 4u);
        EXPECT_EQ(forms[0], initials);
        EXPECT_EQ(forms[1], full);
        EXPECT_EQ(KD::testPy(forms, initials), 0);
        EXPECT_EQ(KD::testPy(forms, full), 0);
        EXPECT_EQ(KD::testPy(forms, QByteArray::fromStdString(initials).toUpper().toStdString()),
                  0);
    }
}

TEST(Pinyin, MatchesEveryReadingAndTypingFormWhereTheMatchStarts)
{
    for (const testdata::Row& r : testdata::load("pinyin-matches.tsv")) {
        const std::vector<std::string> forms = py(r.fields.at(0).c_str());
        const std::string typed = local(r.fields.at(1).c_str());
        SCOPED_TRACE("pinyin-matches.tsv line " + std::to_string(r.line));
        EXPECT_EQ(KD::testPy(forms, typed), std::stoi(r.fields.at(2)));
        // The filter form only passes over names, never changes an answer.
        EXPECT_EQ(KD::testPy({forms[0], forms[1], forms[2]}, typed), std::stoi(r.fields.at(2)));
    }
}

TEST(Pinyin, RefusesInputThatCannotMatchAndSurvivesHostileForms)
{
    const std::vector<std::string> forms = py("浦发银行");
    EXPECT_EQ(KD::testPy(forms, ""), -1);
    EXPECT_EQ(KD::testPy(forms, " '*-"), -1);
    EXPECT_EQ(KD::testPy(forms, local("浦发")), -1); // Chinese typed is not pinyin
    EXPECT_EQ(KD::testPy(forms, local("p浦")), -1);
    // Bytes the code page cannot decode are ignored like punctuation.
    EXPECT_EQ(KD::testPy(forms, std::string("\xff\xfe\x80p", 4)), 0);
    EXPECT_EQ(KD::testPy({}, "p"), -1);
    EXPECT_EQ(KD::testPy({"p", "pu"}, "p"), -1);

    // 64 letters is the longest input.
    const std::vector<std::string> longName = py(std::string(70, 'a').c_str());
    EXPECT_EQ(KD::testPy(longName, std::string(64, 'a')), 0);
    EXPECT_EQ(KD::testPy(longName, std::string(65, 'a')), -1);

    // Forms the client made up itself only have to survive (the fuzzer tries any).
    for (const char* every : {"/", " / ", "a/", "A/ /Z", "A//a ", "?\xff\x01 h", "Zh/"}) {
        const int r = KD::testPy({"", "", every}, "ah");
        EXPECT_TRUE(r >= -1 && r <= 2) << every << " gave " << r;
    }
}

TEST(Pinyin, DecodesTheLocalCodePage)
{
    CodePageGuard guard("zh_CN.GBK");
    ASSERT_TRUE(guard.ok());
    const std::string name = local("浦发银行Ａ");
    EXPECT_EQ(name, std::string("\xc6\xd6\xb7\xa2\xd2\xf8\xd0\xd0\xa3\xc1"));
    std::vector<std::string> forms;
    KD::getPy(forms, name);
    EXPECT_EQ(forms[0], "pfyha");
    EXPECT_EQ(KD::testPy(forms, local("ＰＦＹＨａ")), 0);
}

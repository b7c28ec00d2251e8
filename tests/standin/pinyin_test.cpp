#include <tc/host/pinyin.h>
#include <tc/parsing/codepage_p.h>

#include <literal/pinyin.h>

#include "common/codepageguard.h"
#include "common/printers.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <iterator>
#include <random>
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

int test(const char* name, const char* typed)
{
    return KD::testPy(py(name), local(typed));
}

// Real instruments whose names are full of characters with several readings, with the natural
// pinyin a user reads them with.
struct RealName
{
    const char* name;
    const char* initials;
    const char* full;
};
const RealName kRealNames[] = {
    {"浦发银行", "pfyh", "pufayinhang"},
    {"平安银行", "payh", "pinganyinhang"},
    {"招商银行", "zsyh", "zhaoshangyinhang"},
    {"工商银行", "gsyh", "gongshangyinhang"},
    {"建设银行", "jsyh", "jiansheyinhang"},
    {"农业银行", "nyyh", "nongyeyinhang"},
    {"中国银行", "zgyh", "zhongguoyinhang"},
    {"交通银行", "jtyh", "jiaotongyinhang"},
    {"兴业银行", "xyyh", "xingyeyinhang"},
    {"民生银行", "msyh", "minshengyinhang"},
    {"光大银行", "gdyh", "guangdayinhang"},
    {"华夏银行", "hxyh", "huaxiayinhang"},
    {"北京银行", "bjyh", "beijingyinhang"},
    {"宁波银行", "nbyh", "ningboyinhang"},
    {"重庆银行", "cqyh", "chongqingyinhang"},
    {"长沙银行", "csyh", "changshayinhang"},
    {"厦门银行", "xmyh", "xiamenyinhang"},
    {"成都银行", "cdyh", "chengduyinhang"},
    {"邮储银行", "ycyh", "youchuyinhang"},
    {"渝农商行", "ynsh", "yunongshanghang"},
    {"青农商行", "qnsh", "qingnongshanghang"},
    {"长江证券", "cjzq", "changjiangzhengquan"},
    {"长城汽车", "ccqc", "changchengqiche"},
    {"长安汽车", "caqc", "changanqiche"},
    {"长春高新", "ccgx", "changchungaoxin"},
    {"四川长虹", "scch", "sichuanchanghong"},
    {"长电科技", "cdkj", "changdiankeji"},
    {"长江电力", "cjdl", "changjiangdianli"},
    {"重庆啤酒", "cqpj", "chongqingpijiu"},
    {"重庆钢铁", "cqgt", "chongqinggangtie"},
    {"中国重工", "zgzg", "zhongguozhonggong"},
    {"三一重工", "syzg", "sanyizhonggong"},
    {"厦门象屿", "xmxy", "xiamenxiangyu"},
    {"厦门钨业", "xmwy", "xiamenwuye"},
    {"西藏药业", "xzyy", "xizangyaoye"},
    {"西藏天路", "xztl", "xizangtianlu"},
    {"藏格矿业", "zgky", "zanggekuangye"},
    {"乐视网", "lsw", "leshiwang"},
    {"乐普医疗", "lpyl", "lepuyiliao"},
    {"乐山电力", "lsdl", "leshandianli"},
    {"行动教育", "xdjy", "xingdongjiaoyu"},
    {"首都在线", "sdzx", "shouduzaixian"},
    {"招商地产", "zsdc", "zhaoshangdichan"},
    {"华侨城A", "hqca", "huaqiaochenga"},
    {"万科Ａ", "wka", "wankea"},
    {"深赤湾Ａ", "scwa", "shenchiwana"},
    {"*ST康美", "stkm", "stkangmei"},
    {"沪深300ETF", "hs300etf", "hushen300etf"},
    {"上证50ETF", "sz50etf", "shangzheng50etf"},
    {"银行ETF", "yhetf", "yinhangetf"},
    {"中证500", "zz500", "zhongzheng500"},
    {"TCL科技", "tclkj", "tclkeji"},
    {"京东方A", "jdfa", "jingdongfanga"},
    {"东方财富", "dfcf", "dongfangcaifu"},
    {"广发证券", "gfzq", "guangfazhengquan"},
    {"招商蛇口", "zssk", "zhaoshangshekou"},
    {"贵州茅台", "gzmt", "guizhoumaotai"},
    {"五粮液", "wly", "wuliangye"},
    {"宁德时代", "ndsd", "ningdeshidai"},
    {"朝阳科技", "cykj", "chaoyangkeji"},
    {"成长50", "cz50", "chengzhang50"},
    {"片仔癀", "pzh", "pianzaihuang"},
    {"沪铜", "ht", "hutong"},
    {"沪铝", "hl", "hulv"},
    {"沪银", "hy", "huyin"},
    {"螺纹钢", "lwg", "luowengang"},
    {"热轧卷板", "rzjb", "rezhajuanban"},
    {"铁矿石", "tks", "tiekuangshi"},
    {"焦炭", "jt", "jiaotan"},
    {"豆粕", "dp", "doupo"},
    {"棕榈油", "zly", "zonglvyou"},
    {"菜籽油", "czy", "caiziyou"},
    {"聚丙烯", "jbx", "jubingxi"},
    {"液化石油气", "yhsyq", "yehuashiyouqi"},
    {"不锈钢", "bxg", "buxiugang"},
    {"乙二醇", "yec", "yierchun"},
    {"尿素", "ns", "niaosu"},
    {"碳酸锂", "tsl", "tansuanli"},
    {"十年期国债", "snqgz", "shinianqiguozhai"},
    {"PTA", "pta", "pta"},
    // Readings customary in names: policy banks' 行, 晟, 调整, 弹性, words of single names.
    {"国开行", "gkh", "guokaihang"},
    {"农发行", "nfh", "nongfahang"},
    {"进出口行", "jckh", "jinchukouhang"},
    {"大晟文化", "dswh", "dashengwenhua"},
    {"弹性调整", "txtz", "tanxingtiaozheng"},
    {"重药控股", "cykg", "chongyaokonggu"},
    {"佛山照明", "fszm", "foshanzhaoming"},
    {"苏泊尔", "sbe", "suboer"},
    {"拓普集团", "tpjt", "tuopujituan"},
    {"会稽山", "kjs", "kuaijishan"},
};

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
    ASSERT_GE(std::size(kRealNames), 60u);
    for (const RealName& r : kRealNames) {
        SCOPED_TRACE(r.name);
        const std::vector<std::string> forms = py(r.name);
        ASSERT_EQ(forms.size(), 4u);
        EXPECT_EQ(forms[0], r.initials);
        EXPECT_EQ(forms[1], r.full);
        EXPECT_EQ(KD::testPy(forms, r.initials), 0);
        EXPECT_EQ(KD::testPy(forms, r.full), 0);
        EXPECT_EQ(KD::testPy(forms, QByteArray(r.initials).toUpper().toStdString()), 0);
    }
}

// Where the match starts (-1: none). Partial spellings in general are checked against the plain
// matcher below; these are the readings, initials and typing forms it does not generate.
TEST(Pinyin, MatchesEveryReadingAndTypingFormWhereTheMatchStarts)
{
    // clang-format off
    const struct { const char* name; const char* typed; int at; } cases[] = {
        // The exchanges' mechanical abbreviations and readings outside names.
        {"浦发银行", "pfyx", 0}, {"浦发银行", "pufayinxing", 0}, {"长江证券", "zjzq", 0},
        {"长江证券", "zhangjiangzhengquan", 0}, {"重庆啤酒", "zqpj", 0}, {"中国重工", "zgcg", 0},
        {"厦门象屿", "shamen", 0}, {"西藏药业", "xcyy", 0}, {"乐视网", "yueshiwang", 0},
        {"三人行", "srh", 0},
        // zh as the initial; one syllable or two: xian is 西安 as well as 鲜.
        {"中国平安", "zhgpa", 0}, {"西安银行", "xian", 0}, {"西安银行", "xiany", 0},
        {"西安银行", "xa", 0},
        // Case, full-width letters and separators typed do not matter.
        {"浦发银行", "PuFa YinHang", 0}, {"浦发银行", "ＰＦＹＨ", 0}, {"西安银行", "xi'an", 0},
        {"万科Ａ", "WKA", 0},
        // Later starts; punctuation does not count.
        {"浦发银行", "hang", 3}, {"浦发银行", "yinhan", 2}, {"*ST康美", "km", 2},
        {"沪深300ETF", "300", 2}, {"沪深300ETF", "0etf", 4}, {"中国中铁", "zt", 2},
        // The earliest start wins, even when a later one is shorter to spell.
        {"长安长", "changanc", 0}, {"长长安", "changan", 1},
        // Skipped characters, past the end, starts inside a syllable, syllables no reading has.
        {"浦发银行", "pfh", -1}, {"浦发银行", "pyh", -1}, {"浦发银行", "pfyhx", -1},
        {"浦发银行", "pufayinhangg", -1}, {"浦发银行", "ufa", -1}, {"浦发银行", "ang", -1},
        {"浦发银行", "puafa", -1}, {"浦发银行", "pufayihang", -1}, {"中国平安", "zhonguo", -1},
        {"中国平安", "zgpingg", -1}, {"沪深300ETF", "hs30etf", -1}, {"沪深300ETF", "hs300tf", -1},
        // u-umlaut before e is typed v or u after l and n; lu is not lv.
        {"策略", "celue", 0}, {"策略", "celve", 0}, {"策略", "celu", 0}, {"虐", "nue", 0},
        {"侵略", "lue", 1}, {"绿地", "lvdi", 0}, {"绿地", "lu", -1}, {"绿地", "ludi", -1},
        {"律师", "lueshi", -1}, {"女", "nu", -1},
        // A character without a reading is never skipped.
        {"兙业", "y", 1}, {"乐兙业", "ly", -1},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(test(c.name, c.typed), c.at) << c.name << " " << c.typed;
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

    // Forms the client made up itself only have to survive.
    std::mt19937 rng(7);
    const char alphabet[] = "aAhHzZ /?\0\xff";
    for (int i = 0; i < 20000; ++i) {
        std::string every, typed;
        for (int k = static_cast<int>(rng() % 24); k > 0; --k)
            every += alphabet[rng() % (sizeof alphabet - 1)];
        for (int k = static_cast<int>(rng() % 6); k > 0; --k)
            typed += alphabet[rng() % 6];
        const int r = KD::testPy({"", "", every}, typed);
        EXPECT_GE(r, -1);
        EXPECT_LE(r, static_cast<int>(every.size()));
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

TEST(Pinyin, AgreesWithThePlainMatcher)
{
    std::mt19937 rng(11);
    int matched = 0;
    for (int i = 0; i < 5000; ++i) {
        const RealName& r = kRealNames[rng() % std::size(kRealNames)];
        const std::vector<std::string> forms = py(r.name);
        // Spell a random run of characters under random readings, then perhaps spoil it.
        const QStringList units = QString::fromStdString(forms[2]).split(QLatin1Char(' '));
        std::string typed;
        for (int j = static_cast<int>(rng() % units.size()); j < units.size() && rng() % 4; ++j) {
            const QStringList readings = units[j].split(QLatin1Char('/'));
            const std::string s = readings[rng() % readings.size()].toLower().toStdString();
            typed += s.substr(0, 1 + rng() % s.size());
        }
        if (typed.empty()) continue;
        if (rng() % 3 == 0) typed.erase(rng() % typed.size(), 1);
        if (rng() % 5 == 0)
            typed.insert(rng() % (typed.size() + 1), 1, static_cast<char>('a' + rng() % 26));
        if (typed.empty()) continue;
        const int expected = TC::literal::testPy(forms[2], typed);
        EXPECT_EQ(KD::testPy(forms, typed), expected) << r.name << " " << typed;
        // The filter form only passes over names, never changes an answer.
        EXPECT_EQ(KD::testPy({forms[0], forms[1], forms[2]}, typed), expected);
        matched += expected >= 0;
    }
    EXPECT_GT(matched, 1000); // the spellings are not all spoilt
}

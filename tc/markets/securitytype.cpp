#include <tc/markets/securitytype.h>

#include <tc/markets/marketpredicates_p.h>
#include <tc/markets/securitytype_p.h>

#include <cstdint>

namespace TC {
namespace {

// How one question of the label walk is asked.
enum class Ask {
    Class,             // isTypedStock(typeId) on the row's market, else the caller's
    OptionClass,       // isTypedOptionStock(typeId) on the row's market
    CommodityMarket,   // the caller's market is a commodity futures exchange (no host query)
    StockOptionMarket, // the caller's market is "SHO" or "SZO" (no host query)
    Bond,              // class typeId; a yes ends the walk in the bond questions
    Otherwise,         // always yes
};

struct Question
{
    Ask ask;
    int32_t typeId;
    std::string market; // empty: the caller's market
    QString label;
};

// The questions in the order they are asked; the first yes gives the label. The graded-fund,
// closed-end-fund, enterprise-bond and option questions ask about the code on a fixed market.
// Each list ends in Otherwise.
const Question* typeQuestions()
{
    // clang-format off
    static const Question questions[] = {
        {Ask::Class,              100003, {},    QStringLiteral("股票")},
        {Ask::CommodityMarket,    0,      {},    QStringLiteral("商品期货")},
        {Ask::Class,              30001,  {},    QStringLiteral("股指期货")},
        {Ask::Class,              30002,  {},    QStringLiteral("国债期货")},
        {Ask::Class,              126,    {},    QStringLiteral("回购")},
        {Ask::Class,              100017, {},    QStringLiteral("回购")},
        {Ask::Class,              100024, {},    QStringLiteral("货币基金")},
        {Ask::Class,              170,    "SH",  QStringLiteral("分级基金")},
        {Ask::Class,              10023,  "SZ",  QStringLiteral("分级基金")},
        {Ask::Class,              140,    "SH",  QStringLiteral("封闭式基金")},
        {Ask::Class,              10021,  "SZ",  QStringLiteral("封闭式基金")},
        {Ask::Class,              100004, {},    QStringLiteral("其它基金")},
        {Ask::Class,              100013, {},    QStringLiteral("ETF")},
        {Ask::Class,              100015, {},    QStringLiteral("权证")},
        {Ask::Bond,               100016, {},    QString()},
        {Ask::OptionClass,        100051, "ZFO", QStringLiteral("期权")},
        {Ask::OptionClass,        100052, "DFO", QStringLiteral("期权")},
        {Ask::OptionClass,        100050, "SFO", QStringLiteral("期权")},
        {Ask::OptionClass,        100053, "IFO", QStringLiteral("期权")},
        {Ask::OptionClass,        100058, "INE", QStringLiteral("期权")},
        {Ask::StockOptionMarket,  0,      {},    QStringLiteral("期权")},
        {Ask::Otherwise,          0,      {},    QStringLiteral("其他")},
    };
    // clang-format on
    return questions;
}

// What a bond (class 100016) is; asked instead of the questions after the bond question.
const Question* bondQuestions()
{
    // clang-format off
    static const Question questions[] = {
        {Ask::Class,              130,    {},    QStringLiteral("国债")},
        {Ask::Class,              100009, {},    QStringLiteral("国债")},
        {Ask::Class,              136,    {},    QStringLiteral("地方债")},
        {Ask::Class,              10018,  {},    QStringLiteral("地方债")},
        {Ask::Class,              10014,  "SZ",  QStringLiteral("企业债")},
        {Ask::Class,              134,    "SH",  QStringLiteral("企业债")},
        {Ask::Class,              135,    {},    QStringLiteral("可转债")},
        {Ask::Class,              10019,  {},    QStringLiteral("可转债")},
        {Ask::Class,              115,    {},    QStringLiteral("公司债")},
        {Ask::Class,              10013,  {},    QStringLiteral("公司债")},
        {Ask::Class,              10016,  {},    QStringLiteral("私募债")},
        {Ask::Class,              10025,  {},    QStringLiteral("证券公司次级债")},
        {Ask::Class,              10027,  {},    QStringLiteral("资产支持证券")},
        {Ask::Class,              112,    {},    QStringLiteral("证券公司短期债券挂牌转让")},
        {Ask::Class,              108,    {},    QStringLiteral("可交换公司债券")},
        {Ask::Otherwise,          0,      {},    QStringLiteral("其他债")},
    };
    // clang-format on
    return questions;
}

// The label of the first question from q on that answers yes.
QString walk(const Question* q, const std::string& market, const std::string& code)
{
    for (;; ++q) {
        const std::string& asked = q->market.empty() ? market : q->market;
        switch (q->ask) {
        case Ask::Class:
            if (isTyped(q->typeId, asked, code)) return q->label;
            break;
        case Ask::OptionClass:
            if (isTypedOption(q->typeId, asked, code)) return q->label;
            break;
        case Ask::CommodityMarket:
            if (isCommodityMarket(market)) return q->label;
            break;
        case Ask::StockOptionMarket:
            if (isStockOptionMarket(market)) return q->label;
            break;
        case Ask::Bond:
            if (isTyped(q->typeId, asked, code)) return walk(bondQuestions(), market, code);
            break;
        case Ask::Otherwise:
            return q->label;
        }
    }
}

} // namespace

QString getStockType(std::string& market, std::string& code)
{
    return walk(typeQuestions(), market, code);
}

} // namespace TC

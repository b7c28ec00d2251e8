#include <literal/instrumentsearch.h>

#include <tc/host/pinyin.h>
#include <tc/markets/marketcatalogue.h>
#include <tc/markets/marketpredicates_p.h>
#include <tc/parsing/codepage_p.h>
#include <tc/records/instrumentsearch_p.h>

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <iterator>
#include <random>
#include <tuple>

namespace TC::literal {

namespace {

// Real words of Chinese instrument names: regions and brands, trades, suffixes of share classes
// and funds, futures products.
constexpr const char* kHeads[] = {
    "上海",   "北京", "深圳",   "广州", "天津", "重庆",     "浙江",   "江苏",   "广东",   "山东",
    "四川",   "湖南", "湖北",   "河南", "河北", "安徽",     "福建",   "江西",   "云南",   "贵州",
    "广西",   "陕西", "山西",   "甘肃", "青海", "宁夏",     "新疆",   "西藏",   "吉林",   "辽宁",
    "海南",   "厦门", "长沙",   "长春", "成都", "武汉",     "南京",   "杭州",   "宁波",   "苏州",
    "无锡",   "大连", "青岛",   "合肥", "昆明", "贵阳",     "西安",   "兰州",   "沈阳",   "郑州",
    "济南",   "福州", "南昌",   "太原", "中国", "中华",     "华夏",   "长江",   "长城",   "东方",
    "南方",   "北方", "国泰",   "招商", "平安", "兴业",     "光大",   "民生",   "华泰",   "海通",
    "广发",   "中信", "国信",   "申万", "银河", "方正",     "华安",   "易方达", "嘉实",   "富国",
    "汇添富", "博时", "鹏华",   "工银", "建信", "农银",     "交银",   "中银",   "浦发",   "万科",
    "格力",   "美的", "海尔",   "TCL",  "京东", "三一",     "中联",   "徐工",   "潍柴",   "宁德",
    "比亚迪", "隆基", "通威",   "恒瑞", "复星", "云南白药", "片仔癀", "五粮液", "洋河",   "泸州",
    "汾酒",   "伊利", "蒙牛",   "双汇", "海天", "金龙鱼",   "紫金",   "洛阳",   "江西铜", "宝钢",
    "鞍钢",   "包钢", "首钢",   "马钢", "太钢", "华能",     "大唐",   "国电",   "华电",   "中核",
    "中广核", "三峡", "葛洲坝", "中铁", "中建", "中交",     "中冶",   "中航",   "东航",   "南航",
    "国航",   "春秋", "吉祥",   "顺丰", "圆通", "申通",     "韵达",   "中远",   "招商局", "振华",
    "上汽",   "一汽", "东风",   "广汽", "长安", "江淮",     "北汽",   "乐视",   "乐普",   "音乐",
    "行动",   "朝阳", "六安",   "蚌埠", "番禺", "藏格",     "奇正",   "沪深",   "上证",   "中证",
    "创业板", "科创", "深证",   "恒生",
};
constexpr const char* kTrades[] = {
    "银行", "证券", "保险", "信托", "科技", "电子",   "电气", "电力",   "能源", "环保", "医药",
    "生物", "化工", "材料", "钢铁", "有色", "煤业",   "石油", "燃气",   "汽车", "机械", "重工",
    "建设", "建工", "地产", "置业", "物流", "航空",   "港口", "高速",   "传媒", "文化", "旅游",
    "酒店", "食品", "饮料", "乐器", "农业", "种业",   "牧业", "渔业",   "纺织", "服饰", "家电",
    "电器", "通信", "软件", "信息", "网络", "智能",   "光电", "半导体", "芯片", "精密", "制药",
    "药业", "医疗", "健康", "水务", "交通", "控股",   "实业", "集团",   "发展", "投资", "股份",
    "矿业", "黄金", "稀土", "锂业", "新材", "新能源", "商行", "农商行", "重组", "热轧", "成长",
    "行业", "空调", "调味", "音乐", "人参", "都市",   "地产",
};
constexpr const char* kTails[] = {
    "",     "",     "",     "",     "",   "",         "A",    "B",    "ETF",
    "LOF",  "转债", "50",   "300",  "H",  "联接",     "优选", "价值", "红利",
    "指数", "混合", "债券", "主题", "Ａ", "ETF联接C", "1号",  "2号",
};
constexpr const char* kProducts[] = {
    "沪铜",        "沪铝",       "沪锌",       "沪铅",       "沪镍",     "沪锡",   "沪金",
    "沪银",        "螺纹钢",     "热轧卷板",   "线材",       "铁矿石",   "焦炭",   "焦煤",
    "动力煤",      "豆粕",       "豆油",       "豆一",       "豆二",     "棕榈油", "玉米",
    "玉米淀粉",    "白糖",       "棉花",       "棉纱",       "菜籽油",   "菜粕",   "甲醇",
    "PTA",         "聚丙烯",     "聚乙烯",     "聚氯乙烯",   "塑料",     "橡胶",   "纸浆",
    "沥青",        "原油",       "燃料油",     "鸡蛋",       "苹果",     "红枣",   "生猪",
    "纯碱",        "玻璃",       "尿素",       "硅铁",       "锰硅",     "不锈钢", "液化石油气",
    "乙二醇",      "苯乙烯",     "短纤",       "花生",       "碳酸锂",   "工业硅", "沪深300股指",
    "中证500股指", "上证50股指", "十年期国债", "五年期国债", "集运指数",
};

// The code and exchange of each product above, in the same order.
constexpr struct
{
    const char* code;
    const char* market;
} kProductCodes[] = {
    {"cu", "SF"},  {"al", "SF"}, {"zn", "SF"}, {"pb", "SF"}, {"ni", "SF"}, {"sn", "SF"},
    {"au", "SF"},  {"ag", "SF"}, {"rb", "SF"}, {"hc", "SF"}, {"wr", "SF"}, {"i", "DF"},
    {"j", "DF"},   {"jm", "DF"}, {"ZC", "ZF"}, {"m", "DF"},  {"y", "DF"},  {"a", "DF"},
    {"b", "DF"},   {"p", "DF"},  {"c", "DF"},  {"cs", "DF"}, {"SR", "ZF"}, {"CF", "ZF"},
    {"CY", "ZF"},  {"OI", "ZF"}, {"RM", "ZF"}, {"MA", "ZF"}, {"TA", "ZF"}, {"pp", "DF"},
    {"l", "DF"},   {"v", "DF"},  {"l", "DF"},  {"ru", "SF"}, {"sp", "SF"}, {"bu", "SF"},
    {"sc", "INE"}, {"fu", "SF"}, {"jd", "DF"}, {"AP", "ZF"}, {"CJ", "ZF"}, {"lh", "DF"},
    {"SA", "ZF"},  {"FG", "ZF"}, {"UR", "ZF"}, {"SF", "ZF"}, {"SM", "ZF"}, {"ss", "SF"},
    {"pg", "DF"},  {"eg", "DF"}, {"eb", "DF"}, {"PF", "ZF"}, {"PK", "ZF"}, {"lc", "GF"},
    {"si", "GF"},  {"IF", "IF"}, {"IC", "IF"}, {"IH", "IF"}, {"T", "IF"},  {"TF", "IF"},
    {"ec", "INE"},
};
static_assert(std::size(kProductCodes) == std::size(kProducts));

template <typename Words> QString pick(std::mt19937& rng, const Words& words)
{
    return QString::fromUtf8(words[rng() % std::size(words)]);
}

// Whether the local code page gives character back unchanged.
bool roundTrips(const QString& character)
{
    const QByteArray local = utils::detail::toLocal8Bit(character);
    return utils::detail::fromLocal8Bit(local.constData(), local.size()) == character;
}

// Index of the character number unit in name, as KD::testPy counts them: letters, digits and
// Chinese characters that the local code page carries.
int unitPosition(const QString& name, int unit)
{
    for (int i = 0; i < name.size(); ++i) {
        const int width =
            name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        const QString character = name.mid(i, width);
        uint c = character.toUcs4().value(0);
        if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0;
        if (QChar::isLetterOrNumber(c) && roundTrips(character) && unit-- == 0) return i;
        i += width - 1;
    }
    return static_cast<int>(name.size());
}

std::string local(const QString& s)
{
    return utils::detail::toLocal8Bit(s).toStdString();
}

// The tier and position of the best match of one instrument, as the header of InstrumentSearch
// ranks them; tier 6 for none.
struct Best
{
    int tier = 6;
    int position = 0;
    InstrumentMatch::Kind kind = InstrumentMatch::Code;
};

} // namespace

PlainInstrumentSearch::PlainInstrumentSearch(const QList<CStockInfo>& instruments)
{
    const QRegularExpression contract(QStringLiteral("\\A([A-Za-z]+)[0-9]+\\z"));
    for (const CStockInfo& info : instruments) {
        Row row{CStockInfoWithPy(info),      {},
                search::foldText(info.code), search::foldText(info.market),
                search::foldText(info.name), {},
                unitPosition(info.name, 0)};
        row.natural = row.info.pyList;
        if (row.natural.size() >= 3) {
            QStringList naturalOnly;
            for (const QString& character :
                 QString::fromStdString(row.natural[2]).split(QLatin1Char(' ')))
                naturalOnly << character.section(QLatin1Char('/'), 0, 0);
            row.natural[2] = naturalOnly.join(QLatin1Char(' ')).toStdString();
            row.natural.resize(3);
        }
        const QRegularExpressionMatch m = contract.match(info.code);
        if (m.hasMatch() && isFuturesMarket(info.market.toUtf8().toStdString()))
            row.product = search::foldText(m.captured(1));
        m_rows.push_back(std::move(row));
    }
}

QList<InstrumentMatch> PlainInstrumentSearch::find(const QString& typed, int limit) const
{
    const QString t = search::foldText(typed).trimmed();
    if (t.isEmpty()) return {};
    const std::string input = local(typed);

    std::vector<std::pair<Best, int>> found;
    for (int r = 0; r < static_cast<int>(m_rows.size()); ++r) {
        const Row& row = m_rows[static_cast<size_t>(r)];
        // The market-qualified forms of a code or of its beginning.
        QStringList qualified;
        if (!row.market.isEmpty()) {
            for (const char* sep : {"", ".", "_"}) {
                if (t.startsWith(row.market + QLatin1String(sep)))
                    qualified << t.mid(row.market.size() + static_cast<int>(strlen(sep)));
            }
            if (t.endsWith(QLatin1Char('.') + row.market))
                qualified << t.left(t.size() - row.market.size() - 1);
        }
        qualified.removeAll(QString());

        Best best;
        if (row.code == t || qualified.contains(row.code)) {
            best.tier = 0;
        } else if (!row.product.isEmpty() && row.product == t) {
            best.tier = 1;
        } else if (row.code.startsWith(t) ||
                   std::any_of(qualified.begin(), qualified.end(),
                               [&](const QString& q) { return row.code.startsWith(q); })) {
            best.tier = 2;
        } else {
            const int unit = KD::testPy(row.info.pyList, input);
            if (unit >= 0) {
                best.tier = unit > 0 ? 5 : KD::testPy(row.natural, input) == 0 ? 3 : 4;
                best.position = unitPosition(row.info.name, unit);
                best.kind = InstrumentMatch::Pinyin;
            }
            const int at = static_cast<int>(row.name.indexOf(t));
            const int tier = at <= row.firstCharacter ? 3 : 5;
            if (at >= 0 && std::make_pair(tier, at) < std::make_pair(best.tier, best.position))
                best = {tier, at, InstrumentMatch::Name};
        }
        if (best.tier < 6) found.emplace_back(best, r);
    }
    auto order = [this](const std::pair<Best, int>& a) {
        const CStockInfo& info = m_rows[static_cast<size_t>(a.second)].info;
        return std::make_tuple(a.first.tier, getMarketOrder(info.market), info.name.size(),
                               info.code, a.second);
    };
    std::sort(found.begin(), found.end(),
              [&](const auto& a, const auto& b) { return order(a) < order(b); });
    QList<InstrumentMatch> out;
    for (const auto& [best, row] : found) {
        if (limit > 0 && out.size() == limit) break;
        out.append({row, best.position, best.kind});
    }
    return out;
}

QList<CStockInfo> readInstruments(const QString& csvPath)
{
    QList<CStockInfo> list;
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return list;
    QTextStream in(&file);
#if QT_VERSION_MAJOR < 6
    in.setCodec("UTF-8"); // Qt 6's default
#endif
    in.readLine();
    while (!in.atEnd()) {
        const QStringList f = in.readLine().split(QLatin1Char(','));
        if (f.size() == 3) list.append(CStockInfo(f[0], f[1], f[2]));
    }
    return list;
}

QStringList composedNames(int count, uint32_t seed)
{
    std::mt19937 rng(seed);
    QStringList names;
    QSet<QString> seen;
    while (names.size() < count) {
        QString name;
        if (rng() % 8 == 0)
            name = pick(rng, kProducts) + QString::number(2401 + rng() % 12 + 100 * (rng() % 3));
        else
            name = (rng() % 20 == 0 ? QStringLiteral("*ST") : QString()) + pick(rng, kHeads) +
                   pick(rng, kTrades) + pick(rng, kTails);
        if (!seen.contains(name)) {
            seen.insert(name);
            names.append(name);
        }
    }
    return names;
}

QList<CStockInfo> composedInstruments(int count, uint32_t seed)
{
    const QRegularExpression contract(QStringLiteral("^(\\D+)(\\d{4})$"));
    const QRegularExpression fund(
        QStringLiteral("(ETF|LOF|联接|指数|混合|债券|主题|优选|价值|红利)"));
    QHash<QString, int> productIndex;
    for (int i = 0; i < static_cast<int>(std::size(kProducts)); ++i)
        productIndex.insert(QString::fromUtf8(kProducts[i]), i);
    int share = 0, fundCode = 0, bond = 0, option = 0;
    QSet<QString> keys;
    QList<CStockInfo> out;
    const QStringList names = composedNames(count, seed);
    for (int i = 0; i < names.size() && out.size() < count; ++i) {
        const QString& name = names[i];
        QString market, code, shown = name;
        const QRegularExpressionMatch m = contract.match(name);
        if (m.hasMatch() && productIndex.contains(m.captured(1))) {
            const auto& p = kProductCodes[productIndex.value(m.captured(1))];
            market = QString::fromLatin1(p.market);
            code = QString::fromLatin1(p.code) +
                   (market == QLatin1String("ZF") ? m.captured(2).mid(1) : m.captured(2));
        } else if (name.endsWith(QStringLiteral("转债"))) {
            market = bond % 2 ? QStringLiteral("SZ") : QStringLiteral("SH");
            code = QString::number((bond % 2 ? 123000 : 113000) + bond / 2);
            ++bond;
        } else if (fund.match(name).hasMatch()) {
            market = fundCode % 2 ? QStringLiteral("SZ") : QStringLiteral("SH");
            code = QString::number((fundCode % 2 ? 159000 : 510000) + fundCode / 2);
            ++fundCode;
        } else if (i % 16 == 0) {
            // An option on a fund of the same first words, by month and strike.
            market = QStringLiteral("SHO");
            code = QString::number(10000001 + option);
            shown = name.left(2) + QStringLiteral("ETF") +
                    (option % 2 ? QStringLiteral("购") : QStringLiteral("沽")) +
                    QString::number(1 + option % 12) + QStringLiteral("月") +
                    QString::number(2000 + 50 * (option % 40));
            ++option;
        } else {
            static const char* const kBoards[][2] = {
                {"SH", "600000"}, {"SZ", "000001"}, {"SZ", "300001"}, {"SH", "688001"}};
            const auto& board = kBoards[share % 4];
            market = QString::fromLatin1(board[0]);
            code = QString::number(QByteArray(board[1]).toInt() + share / 4).rightJustified(6, '0');
            ++share;
        }
        if (keys.contains(market + QLatin1Char('.') + code)) continue;
        keys.insert(market + QLatin1Char('.') + code);
        out.append(CStockInfo(market, code, shown));
    }
    return out;
}

} // namespace TC::literal

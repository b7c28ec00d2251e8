// The lookup box over a list of any instruments for any input, in a UTF-8 or a GBK code page:
// InstrumentSearch::find gives exactly what the plain scan gives, all of it and the best few.
// The first byte chooses the code page (bit 0), whether the input is taken as it is or spells
// part of a name's pinyin (bit 1, which random bytes rarely do), and the limit (bits 2 to 4).
// Then the input, and one instrument a piece, "market|code|name"; a few real ones are always
// there.
#include <tc/records/instrumentsearch.h>

#include "fuzzinput.h"

#include <literal/instrumentsearch.h>

#include <QStringList>

namespace {

QList<TC::CStockInfo> instrumentsFrom(const std::vector<std::string>& pieces)
{
    QList<TC::CStockInfo> list = {
        {QStringLiteral("SH"), QStringLiteral("600000"), QStringLiteral("浦发银行")},
        {QStringLiteral("SF"), QStringLiteral("rb2601"), QStringLiteral("螺纹钢2601")},
        {QStringLiteral("SZ"), QStringLiteral("002731"), QStringLiteral("策略精选A")},
        {QStringLiteral("IF"), QStringLiteral("T2603"), QStringLiteral("10年期国债2603")},
    };
    for (size_t i = 2; i < pieces.size(); ++i) {
        const QStringList parts =
            fuzzText(reinterpret_cast<const uint8_t*>(pieces[i].data()), pieces[i].size())
                .split(QLatin1Char('|'));
        list.append(TC::CStockInfo(parts.value(0), parts.value(1), parts.value(2)));
    }
    return list;
}

// Input that spells part of a name's pinyin: the recipe picks the name, the form (initials or
// full pinyin), where to start and how much to type.
QString spelled(const QList<TC::CStockInfo>& list, const std::string& recipe)
{
    if (recipe.size() < 4) return {};
    const auto b = [&recipe](size_t i) { return static_cast<unsigned char>(recipe[i]); };
    const TC::CStockInfoWithPy py(list[static_cast<int>(b(0) % list.size())]);
    const std::string& form = py.pyList[b(1) % 2];
    if (form.empty()) return {};
    const size_t from = b(2) % form.size();
    return QString::fromStdString(form.substr(from, 1 + b(3) % (form.size() - from)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    useLocalCodePage(data[0] & 1);
    const int limit = (data[0] >> 2) & 7;
    const auto pieces = fuzzPieces(data + 1, size - 1, 12);
    const QList<TC::CStockInfo> list = instrumentsFrom(pieces);
    const QString typed = data[0] & 2 ? spelled(list, pieces[0])
                                      : fuzzText(reinterpret_cast<const uint8_t*>(pieces[0].data()),
                                                 pieces[0].size());

    const TC::InstrumentSearch search(list);
    const QList<TC::InstrumentMatch> expected =
        TC::literal::PlainInstrumentSearch(list).find(typed, 0);
    agree(search.find(typed, 0) == expected);
    agree(search.find(typed, limit) == (limit > 0 ? expected.mid(0, limit) : expected));
    return 0;
}

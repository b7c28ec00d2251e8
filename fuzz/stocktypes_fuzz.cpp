// Type tables, market and code from outside bytes: loading never fails but through its result,
// a failed load leaves the tables as they were, and every label is one of the 24.
#include <tc/host/stocktypecenter.h>
#include <tc/markets/nocodestock.h>
#include <tc/markets/securitytype.h>
#include <tc/standin/typetables.h>

#include "fuzzinput.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <unistd.h>

namespace {

const std::string& tablePath()
{
    static const std::string path = [] {
        char name[] = "/tmp/tc-fuzz-types-XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0) std::abort();
        close(fd);
        return std::string(name);
    }();
    return path;
}

bool knownLabel(const QString& label)
{
    static const std::set<QString> labels = [] {
        std::set<QString> s;
        for (const char* l : {"股票",           "商品期货",
                              "股指期货",       "国债期货",
                              "回购",           "货币基金",
                              "分级基金",       "封闭式基金",
                              "其它基金",       "ETF",
                              "权证",           "国债",
                              "地方债",         "企业债",
                              "可转债",         "公司债",
                              "私募债",         "证券公司次级债",
                              "资产支持证券",   "证券公司短期债券挂牌转让",
                              "可交换公司债券", "其他债",
                              "期权",           "其他"})
            s.insert(QString::fromUtf8(l));
        return s;
    }();
    return labels.count(label) == 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto p = fuzzPieces(data, size, 3);
    auto* tables = &standin::typeTables();
    const auto* centre = utils::CSingletonT<ttservice::StockTypeCenter>::instance();
    tables->clear();
    tables->addRange(1, "SH", "600000", "600999");

    FILE* f = std::fopen(tablePath().c_str(), "wb");
    if (!f) std::abort();
    std::fwrite(p[0].data(), 1, p[0].size(), f);
    std::fclose(f);
    const bool loaded = tables->loadTable(tablePath());
    if (loaded != (tables->lastError().line == 0 && tables->lastError().message.empty()))
        std::abort();
    if (!loaded && !centre->isTypedStock(1, "SH", "600123")) std::abort();

    (void)centre->isTypedStock(1, p[1], p[2]);
    (void)centre->isTypedOptionStock(100051, p[1], p[2]);
    if (!knownLabel(TC::getStockType(p[1], p[2]))) std::abort();
    // Name is market followed by code, unless the two-character market cuts a surrogate pair.
    const QString text = QString::fromUtf8(p[1].data(), static_cast<int>(p[1].size()));
    const auto detail = TC::getNoCodeStock(text);
    const bool cutsPair =
        !text.contains(QLatin1Char('_')) && text.size() > 2 && text.at(2).isLowSurrogate();
    if (!detail || (!cutsPair && detail->name != detail->market + detail->code)) std::abort();
    return 0;
}

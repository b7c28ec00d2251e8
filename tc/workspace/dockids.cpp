#include <tc/workspace/dockids.h>

#include <QMap>

#include <utility>

namespace TC {

QString getDockID(int id)
{
    static const std::pair<int, const char*> entries[] = {
        {301, "positionPanel"},
        {302, "buyPositionPanel"},
        {303, "sellPositionPanel"},
        {304, "allowBuyListPanel"},
        {305, "allowSellListPanel"},
        {306, "operationDetailPanel"},
        {307, "historySummarizingPanel"},
        {308, "historySectorSummarizingPanel"},
        {309, "positionAnalyzePanel"},
        {310, "distributionConditionPanel"},
        {311, "F7index"},
        {312, "styleBoxPanel"},
        {313, "brinsonIndustryPanel"},
        {102, "productBaseInfo"},
        {202, "productNetValueImp"},
        {101, "handleFee"},
        {201, "productTableSet"},
    };
    static QMap<int, QString> table;
    if (table.isEmpty()) {
        for (const auto& [node, dock] : entries)
            table.insert(node, QString::fromLatin1(dock));
    }
    return table.value(id);
}

} // namespace TC

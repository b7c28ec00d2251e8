#include <tc/periods/displaynames.h>

#include <QObject>

#include <array>

namespace TC {
namespace {

// The entry at index read unsigned (negative indexes fall outside), else an empty string.
template <std::size_t N> QString entryAt(const std::array<QString, N>& table, int index)
{
    const auto position = static_cast<unsigned>(index);
    return position < N ? table[position] : QString();
}

} // namespace

QString getDrName(int type)
{
    static const char* const names[] = {"不复权", "前复权", "后复权", "等比前复权", "等比后复权"};
    if (type < 0 || type > 4) return QString();
    return QString::fromUtf8(names[type]);
}

QString getWeightName(int mode)
{
    static const std::array<QString, 2> names{QObject::tr("均分"), QObject::tr("自定义")};
    return entryAt(names, mode);
}

QString getFieldCode(int index)
{
    static const std::array<QString, 9> codes{QObject::tr("N"), QObject::tr("G"), QObject::tr("0"),
                                              QObject::tr("1"), QObject::tr("2"), QObject::tr("3"),
                                              QObject::tr("5"), QObject::tr("6"), QObject::tr("7")};
    return entryAt(codes, index);
}

QString getFieldName(int index)
{
    static const std::array<QString, 9> names{
        QObject::tr("跳过"),   QObject::tr("时间"),   QObject::tr("开盘"),
        QObject::tr("最高"),   QObject::tr("最低"),   QObject::tr("收盘"),
        QObject::tr("成交量"), QObject::tr("成交额"), QObject::tr("持仓量")};
    return entryAt(names, index);
}

} // namespace TC

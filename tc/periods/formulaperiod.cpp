#include <tc/periods/formulaperiod.h>

#include <QObject>

#include <array>
#include <cstdint>

namespace TC {
namespace {

constexpr std::array<EFormulaPeriod, 17> kPeriods{
    Period1Min,  Period3Min,     Period5Min,      Period10Min,       Period15Min,   Period30Min,
    Period60Min, PeriodDay,      PeriodWeek,      PeriodMonth,       PeriodQuarter, PeriodHalfYear,
    PeriodYear,  PeriodMultiDay, PeriodMultiHour, PeriodMultiMinute, PeriodTick};

// One more than PeriodDay: the open-ended tail of the extended period list.
constexpr int kExtendedTail = PeriodDay + 1;

std::size_t wrapIndex(int index)
{
    // The sign-extended pattern read unsigned: 2^64 leaves 1 modulo 17, so -1 lands on 0.
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(index)) % kPeriods.size();
}

const std::array<QString, 17>& cycleNames()
{
    static const std::array<QString, 17> names{
        QObject::tr("1分钟"),    QObject::tr("3分钟"),  QObject::tr("5分钟"),
        QObject::tr("10分钟"),   QObject::tr("15分钟"), QObject::tr("30分钟"),
        QObject::tr("60分钟"),   QObject::tr("日线"),   QObject::tr("周线"),
        QObject::tr("月线"),     QObject::tr("季线"),   QObject::tr("半年"),
        QObject::tr("年线"),     QObject::tr("多日线"), QObject::tr("多小时线"),
        QObject::tr("多分钟线"), QObject::tr("分笔线")};
    return names;
}

} // namespace

EFormulaPeriod getPeriod(int index)
{
    return kPeriods[wrapIndex(index)];
}

int getPeriodIndex(EFormulaPeriod period)
{
    for (std::size_t i = 0; i < kPeriods.size(); ++i) {
        if (kPeriods[i] == period) return static_cast<int>(i);
    }
    return -1;
}

EFormulaPeriod getPeriodType(int value)
{
    const auto period = static_cast<EFormulaPeriod>(value);
    return getPeriodIndex(period) >= 0 ? period : PeriodDay;
}

EFormulaPeriod getExtendPeriod(int index)
{
    if (index == 8) return PeriodTick;
    if (index > 8) return static_cast<EFormulaPeriod>(kExtendedTail);
    return getPeriod(index);
}

QString getCycleName(int index)
{
    return cycleNames()[wrapIndex(index)];
}

void getAllPeriodInfo(std::map<int, std::string>& out)
{
    out.clear();
    for (const EFormulaPeriod period : kPeriods) {
        const QByteArray name = getCycleName(getPeriodIndex(period)).toUtf8();
        if (!name.isEmpty()) out[period] = name.toStdString();
    }
}

} // namespace TC

#include <literal/samples.h>

#include <QDate>

#include <algorithm>
#include <random>

namespace TC::literal {

namespace {

// 1234500 as "1,234,500".
QString withThousands(qlonglong value)
{
    QString digits = QString::number(value);
    for (auto at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits;
}

// One character of GBK text: mostly Chinese characters, with ASCII, full-width forms of ASCII,
// full-width spaces and other row-1 symbols mixed in.
void appendGbkCharacter(std::mt19937& rng, std::string& text)
{
    const unsigned kind = rng() % 100;
    if (kind < 70) { // a GB2312 Chinese character
        text += static_cast<char>(0xB0 + rng() % 0x48);
        text += static_cast<char>(0xA1 + rng() % 0x5E);
    } else if (kind < 85) { // ASCII
        text += static_cast<char>(0x20 + rng() % 0x5F);
    } else if (kind < 95) { // a full-width form of ASCII
        text += static_cast<char>(0xA3);
        text += static_cast<char>(0xA1 + rng() % 0x5E);
    } else if (kind < 98) { // the full-width space
        text += "\xA1\xA1";
    } else { // another row-1 symbol, such as the ideographic full stop
        text += static_cast<char>(0xA1);
        text += static_cast<char>(0xA2 + rng() % 0x5D);
    }
}

} // namespace

QStringList barCsvLines(int count, uint32_t seed)
{
    std::mt19937 rng(seed);
    QStringList lines;
    lines.reserve(count);
    QDate day(2016, 1, 4);
    int minute = 0;
    double close = 3000.0;
    for (int i = 0; i < count; ++i) {
        if (++minute == 240) {
            minute = 0;
            day = day.addDays(day.dayOfWeek() == 5 ? 3 : 1);
        }
        const int clock = (minute < 120 ? 9 * 60 + 31 : 13 * 60 + 1 - 120) + minute;
        const double open = close;
        close = open + (static_cast<int>(rng() % 201) - 100) / 10.0;
        const double high = std::max(open, close) + (rng() % 50) / 10.0;
        const double low = std::min(open, close) - (rng() % 50) / 10.0;
        const qlonglong volume = 1000 + rng() % 5000000;
        const double amount = volume * (open + close) / 2;

        QString line = day.toString(QStringLiteral("yyyy-MM-dd")) +
                       QStringLiteral(" %1:%2,")
                           .arg(clock / 60, 2, 10, QLatin1Char('0'))
                           .arg(clock % 60, 2, 10, QLatin1Char('0'));
        line += QString::number(open, 'f', 2) + QLatin1Char(',') + QString::number(high, 'f', 2) +
                QLatin1Char(',') + QString::number(low, 'f', 2) + QLatin1Char(',') +
                QString::number(close, 'f', 2) + QLatin1Char(',');
        if (i % 2 == 0)
            line += QLatin1Char('"') + withThousands(volume) + QLatin1Char('"');
        else
            line += QString::number(volume);
        line += QLatin1Char(',');
        if (i % 3 == 0) {
            int exponent = 0;
            double mantissa = amount;
            while (mantissa >= 10.0) {
                mantissa /= 10.0;
                ++exponent;
            }
            line += QString::number(mantissa, 'f', 4) + QStringLiteral("E+") +
                    QString::number(exponent);
        } else {
            line += QString::number(amount, 'f', 1);
        }
        lines.append(line);
    }
    return lines;
}

QStringList dateTexts(int count, uint32_t seed)
{
    std::mt19937 rng(seed);
    QStringList texts;
    texts.reserve(count);
    const QDate first(2014, 1, 1);
    const int days = static_cast<int>(first.daysTo(QDate(2018, 12, 31))) + 1;
    for (int i = 0; i < count; ++i) {
        const QDate d = first.addDays(rng() % days);
        const QString time = QStringLiteral("%1:%2:00")
                                 .arg(9 + rng() % 6, 2, 10, QLatin1Char('0'))
                                 .arg(rng() % 60, 2, 10, QLatin1Char('0'));
        switch (i % 8) {
        case 0:
            texts.append(d.toString(QStringLiteral("yyyy-MM-dd")));
            break;
        case 1:
            texts.append(d.toString(QStringLiteral("yyyy-M-d")));
            break;
        case 2:
            texts.append(d.toString(QStringLiteral("yyyy-MM")));
            break;
        case 3:
            texts.append(d.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('T') + time);
            break;
        case 4:
            texts.append(d.toString(QStringLiteral("yyyy/MM/dd")));
            break;
        case 5:
            texts.append(d.toString(QStringLiteral("yyyy/M")));
            break;
        case 6:
            texts.append(d.toString(QStringLiteral("yyyyMMdd")));
            break;
        default:
            texts.append(d.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char(' ') + time);
            break;
        }
    }
    return texts;
}

std::string gbkText(int bytes, uint32_t seed)
{
    std::mt19937 rng(seed);
    std::string text;
    text.reserve(static_cast<size_t>(bytes) + 2);
    while (static_cast<int>(text.size()) < bytes)
        appendGbkCharacter(rng, text);
    return text;
}

std::vector<std::string> gbkNames(int count, uint32_t seed)
{
    std::mt19937 rng(seed);
    std::vector<std::string> names(static_cast<size_t>(count));
    for (std::string& name : names) {
        for (int characters = 2 + static_cast<int>(rng() % 7); characters > 0; --characters)
            appendGbkCharacter(rng, name);
    }
    return names;
}

} // namespace TC::literal

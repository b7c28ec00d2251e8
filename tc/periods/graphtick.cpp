#include <tc/periods/graphtick.h>
#include <tc/periods/graphtick_p.h>

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace TC {

double getGraphShowTick(const double& value, const double& tick)
{
    constexpr double eps = 0.00001;
    const double a = std::fabs(value);
    const auto reaches = [a](double bound) { return a - bound >= -eps; };
    // Truncation is the floor here: a is at least 10^4 less the tolerance on these paths.
    const auto log10Floor = [a] {
        const double finite = std::min(a, std::numeric_limits<double>::max());
        return static_cast<int>(std::log10(finite));
    };

    if (std::fabs(tick) <= eps) {
        if (!reaches(1e4)) return tick;
        if (!reaches(1e8)) return 7 - log10Floor();
        return 11 - log10Floor();
    }
    if (tick > eps && reaches(1e12)) return 0.0;
    if (tick > 1.0) {
        if (reaches(1e7) && !reaches(1e8)) return 1.0;
        if (reaches(1e11)) return 1.0;
    }
    return tick;
}

QString enlargeText(QString text, int width, QFont font)
{
    const QFontMetrics metrics(font);
    const int start = metrics.horizontalAdvance(text);
    if (start >= width) return text;

    const QChar space(0x3000);
    const QFontMetricsF exact(font);
    const qreal step =
        exact.horizontalAdvance(QString(2, space)) - exact.horizontalAdvance(QString(space));
    if (!(step > 0)) return text;

    // Widths grow with the number of spaces, so the fewest that reach width can be searched for
    // rather than added one by one. The count the space's advance predicts is exact or one off in
    // practice: it and its neighbour settle the usual case in two measurements.
    const auto reaches = [&](int count) {
        return metrics.horizontalAdvance(text + QString(count, space)) >= width;
    };
    const qreal predicted = std::ceil((static_cast<qreal>(width) - start) / step);
    const int guess = static_cast<int>(std::clamp<qreal>(predicted, 1, kMaxEnlargeSpaces));
    int shortCount = 0; // a count known to fall short
    int reachCount = 0; // a count known to reach width
    if (reaches(guess)) {
        reachCount = guess;
    } else {
        shortCount = guess;
        for (int stride = 1; reachCount == 0; stride *= 2) {
            if (shortCount == kMaxEnlargeSpaces) return text;
            const int next = std::min(kMaxEnlargeSpaces, shortCount + stride);
            if (reaches(next))
                reachCount = next;
            else
                shortCount = next;
        }
    }
    if (reachCount - shortCount > 1 && !reaches(reachCount - 1)) shortCount = reachCount - 1;
    while (reachCount - shortCount > 1) {
        const int middle = shortCount + (reachCount - shortCount) / 2;
        if (reaches(middle))
            reachCount = middle;
        else
            shortCount = middle;
    }
    text.append(QString(reachCount, space));
    return text;
}

} // namespace TC

#include "profile/profiletools.h"

#include "profile/zehntel.h"

#include <QCoreApplication>

#include <algorithm>

namespace fendrimo {

ScaledRates scaleRates(const HourlyRates& rates, int percent, qint32 maximum)
{
    ScaledRates scaled;
    for (int h = 0; h < ProfileContent::Hours; ++h) {
        const qint64 rate = rates.at(size_t(h));
        // 64 bits: a loaded profile can raise the maximum to about two
        // thousand million tenths, three times that overflows 32 bits.
        qint64 next = rate <= 0 ? 0 : (rate * percent + 50) / 100;
        if (rate > 0 && next < 1) {
            next = 1;
            scaled.raisedToFloor.append(h);
        }
        if (next > maximum) {
            next = maximum;
            scaled.heldAtMaximum.append(h);
        }
        scaled.rates.at(size_t(h)) = qint32(next);
    }
    return scaled;
}

QStringList scaleNotices(const ScaledRates& scaled, qint32 maximum)
{
    QStringList notices;
    for (const auto& [first, last] : hourRuns(scaled.heldAtMaximum)) {
        notices << QCoreApplication::translate(
                       "ProfileTools",
                       "%1: auf die höchste einstellbare Rate von %2 IE/h begrenzt.")
                       .arg(hourSpanText(first, last), ZehntelText(maximum));
    }
    for (const auto& [first, last] : hourRuns(scaled.raisedToFloor)) {
        notices << QCoreApplication::translate("ProfileTools", "%1: auf %2 IE/h angehoben.")
                       .arg(hourSpanText(first, last), ZehntelText(1));
    }
    return notices;
}

HourlyRates shiftRates(const HourlyRates& rates, int hours)
{
    constexpr int day = ProfileContent::Hours;
    HourlyRates shifted{};
    const int offset = ((hours % day) + day) % day;
    for (int h = 0; h < day; ++h)
        shifted.at(size_t((h + offset) % day)) = rates.at(size_t(h));
    return shifted;
}

} // namespace fendrimo

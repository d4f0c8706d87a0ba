#include "profile/comparison.h"

#include "profile/zehntel.h"

#include <QCoreApplication>

#include <algorithm>

namespace fendrimo {

QString referenceRateText(qint64 rate)
{
    return QCoreApplication::translate("Comparison", "Vergleich: %1 IE/h").arg(ZehntelText(rate));
}

QString referenceTotalText(qint64 currentTotal, qint64 referenceTotal)
{
    // Both totals are at most 24 × 2^31 tenths: the difference can't overflow.
    const qint64 difference = referenceTotal - currentTotal;
    const QString total = ZehntelText(referenceTotal);
    if (difference == 0)
        //: the comparison's daily total, equal to the profile's
        return QCoreApplication::translate("Comparison", "%1 IE, so viel wie diese Basalrate")
            .arg(total);
    //: the comparison's daily total, then by how much it is higher than the profile's
    return (difference > 0
                ? QCoreApplication::translate("Comparison", "%1 IE, %2 IE mehr als diese Basalrate")
                //: the comparison's daily total, then by how much it is lower than the profile's
                : QCoreApplication::translate("Comparison",
                                              "%1 IE, %2 IE weniger als diese Basalrate"))
        .arg(total, ZehntelText(difference < 0 ? -difference : difference));
}

std::array<bool, ProfileContent::Hours> differingHours(const HourlyRates& rates,
                                                       const ProfileReference& reference)
{
    std::array<bool, ProfileContent::Hours> differing{};
    for (size_t h = 0; h < rates.size(); ++h)
        differing[h] = rates[h] != reference.rates[h];
    return differing;
}

QList<int> DifferingRun::hours() const
{
    QList<int> hours;
    for (int h = first; h <= last; ++h)
        hours << h;
    return hours;
}

QList<DifferingRun> differingRuns(const HourlyRates& rates, const ProfileReference& reference)
{
    QList<DifferingRun> runs;
    for (int h = 0; h < ProfileContent::Hours; ++h) {
        const qint32 current = rates.at(size_t(h));
        const qint32 compared = reference.rates.at(size_t(h));
        if (current == compared)
            continue;
        const int untuned = reference.untunedDays.at(size_t(h));
        if (!runs.isEmpty() && runs.last().last == h - 1 && runs.last().current == current &&
            runs.last().reference == compared) {
            runs.last().last = h;
            runs.last().untunedDays = std::max(runs.last().untunedDays, untuned);
        } else {
            runs.append({h, h, current, compared, untuned});
        }
    }
    return runs;
}

QString differingRunText(const DifferingRun& run)
{
    const QString text = QCoreApplication::translate("Comparison", "%1: %2 → %3 IE/h")
                             .arg(hourSpanText(run.first, run.last), ZehntelText(run.current),
                                  ZehntelText(run.reference));
    if (run.untunedDays <= 0)
        return text;
    // Singular and plural spelled out: German runs without a translator.
    return run.untunedDays == 1
               ? QCoreApplication::translate("Comparison", "%1; autotune: 1 Tag ohne Daten")
                     .arg(text)
               : QCoreApplication::translate("Comparison", "%1; autotune: %2 Tage ohne Daten")
                     .arg(text, QString::number(run.untunedDays));
}

HourlyRates takenRates(HourlyRates rates, const ProfileReference& reference,
                       const QList<int>& hours)
{
    for (const int hour : hours)
        rates.at(size_t(hour)) = reference.rates.at(size_t(hour));
    return rates;
}

} // namespace fendrimo

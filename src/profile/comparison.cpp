#include "profile/comparison.h"

#include "profile/zehntel.h"

namespace fendrimo {

QString referenceRateText(qint64 rate)
{
    return QStringLiteral("Vergleich: ") + ZehntelText(rate) + QStringLiteral(" IE/h");
}

QString referenceTotalText(qint64 currentTotal, qint64 referenceTotal)
{
    // Both totals are at most 24 × 2^31 tenths: the difference can't overflow.
    const qint64 difference = currentTotal - referenceTotal;
    const QString sign = difference > 0   ? QStringLiteral("+")
                         : difference < 0 ? QStringLiteral("\u2212")
                                          : QStringLiteral("±");
    return QStringLiteral("Vergleich: ") + ZehntelText(referenceTotal) + QStringLiteral(" IE (") +
           sign + ZehntelText(difference < 0 ? -difference : difference) + QStringLiteral(" IE)");
}

std::array<bool, ProfileContent::Hours> differingHours(const HourlyRates& rates,
                                                       const ProfileReference& reference)
{
    std::array<bool, ProfileContent::Hours> differing{};
    for (size_t h = 0; h < rates.size(); ++h)
        differing[h] = rates[h] != reference.rates[h];
    return differing;
}

} // namespace fendrimo

#include "glucose/agpcurves.h"

namespace fendrimo {

HourValues smoothedHours(const HourValues& hours)
{
    HourValues smoothed = hours;
    for (size_t h = 0; h < hours.size(); ++h) {
        const std::optional<double>& previous = hours[(h + hours.size() - 1) % hours.size()];
        const std::optional<double>& next = hours[(h + 1) % hours.size()];
        if (!hours[h])
            continue;
        if (previous && next)
            smoothed[h] = (*previous + 4 * *hours[h] + *next) / 6;
        else if (previous || next)
            smoothed[h] = (4 * *hours[h] + (previous ? *previous : *next)) / 5;
    }
    return smoothed;
}

std::array<AgpCurve, kAgpPercentileCount>
agpCurves(const std::array<HourFigures, kHoursPerDay>& hours)
{
    std::array<AgpCurve, kAgpPercentileCount> curves;
    for (size_t p = 0; p < curves.size(); ++p) {
        HourValues raw;
        for (size_t h = 0; h < hours.size(); ++h) {
            if (hours[h].readings > 0)
                raw[h] = hours[h].percentiles[p];
        }
        curves[p].values = smoothedHours(raw);
        for (size_t h = 0; h < hours.size(); ++h) {
            std::optional<double>& value = curves[p].values[h];
            if (value && *value > kAgpDrawnHighestMgPerDl) {
                value = kAgpDrawnHighestMgPerDl;
                curves[p].clamped[h] = true;
            }
        }
    }
    return curves;
}

} // namespace fendrimo

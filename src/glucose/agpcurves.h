#pragma once

// The AGP's percentile curves as drawn: each hour smoothed with its
// neighbours, as Tidepool's AGP report does, and clamped at the top of the
// drawing. The figures themselves (GlucoseStatistics) stay unsmoothed.

#include "glucose/glucosestats.h"

#include <array>
#include <optional>

namespace fendrimo {

// The top of the drawn curves: 350 mg/dL (19.4 mmol/L).
constexpr double kAgpDrawnHighestMgPerDl = 350;

using HourValues = std::array<std::optional<double>, kHoursPerDay>;

// (previous + 4 x own + next) / 6, the day wrapping round; with one
// neighbour empty (4 x own + the other) / 5; an empty hour, or one whose
// neighbours are both empty, keeps its value.
HourValues smoothedHours(const HourValues& hours);

struct AgpCurve
{
    HourValues values;                        // mg/dL, smoothed, at most 350
    std::array<bool, kHoursPerDay> clamped{}; // drawn at 350, the value lies above
};

// The five percentile curves (5th to 95th), empty where an hour has no readings.
std::array<AgpCurve, kAgpPercentileCount>
agpCurves(const std::array<HourFigures, kHoursPerDay>& hours);

} // namespace fendrimo

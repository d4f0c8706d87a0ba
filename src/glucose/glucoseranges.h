#pragma once

// The consensus ranges of glucose (Battelino et al., Diabetes Care 2019) and
// their goals. A value is first rounded to the precision its unit is shown in
// (whole mg/dL, tenths of mmol/L; half to even), then classified, so that a
// value shown as 10.0 mmol/L is never counted as high.

#include "glucose/glucosedata.h"

#include <array>
#include <cstdint>

namespace fendrimo {

enum class GlucoseRange : std::uint8_t { VeryLow, Low, Target, High, VeryHigh };
constexpr int kGlucoseRanges = 5;

// The value as shown in the unit: whole mg/dL or tenths of mmol/L, rounded
// half to even.
int shownValue(double mgPerDlValue, GlucoseUnit shown);

// The range of a value already at its unit's shown precision.
GlucoseRange rangeOfShown(int shown, GlucoseUnit unit);

// A reading's range in the unit shown; Low and High count by their sensor
// limit, which lies below 54 and above 250 mg/dL.
GlucoseRange rangeOf(const GlucoseReading& reading, GlucoseUnit shown);

inline bool isBelowTarget(GlucoseRange range)
{
    return range == GlucoseRange::VeryLow || range == GlucoseRange::Low;
}

inline bool isAboveTarget(GlucoseRange range)
{
    return range == GlucoseRange::High || range == GlucoseRange::VeryHigh;
}

// The five consensus goals, each on a share of the readings.
enum class RangeGoalKind : std::uint8_t {
    InTarget, // 70-180 mg/dL: more than 70 %
    Below70,  // less than 4 %
    Below54,  // less than 1 %
    Above180, // less than 25 %
    Above250  // less than 5 %
};
constexpr int kRangeGoals = 5;

struct RangeGoal
{
    RangeGoalKind kind = RangeGoalKind::InTarget;
    int readings = 0;      // in the ranges the goal is about
    double share = 0;      // of all readings counted, 0..1
    int goalPercent = 0;   // the consensus limit
    bool moreThan = false; // the goal is more than the limit, else less than
    bool met = false;
};

// The goals over readings counted by range; none met without readings.
std::array<RangeGoal, kRangeGoals> rangeGoals(const std::array<int, kGlucoseRanges>& counts);

} // namespace fendrimo

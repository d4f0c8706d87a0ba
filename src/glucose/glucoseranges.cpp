#include "glucose/glucoseranges.h"

#include <cmath>

namespace fendrimo {

namespace {

struct Bounds
{
    int veryLowBelow;  // below: very low
    int lowBelow;      // below: low
    int highAbove;     // above: high
    int veryHighAbove; // above: very high
};

// mg/dL: < 54, 54-69, 70-180, 181-250, > 250; mmol/L in tenths: < 3.0,
// 3.0-3.8, 3.9-10.0, 10.1-13.9, > 13.9.
constexpr Bounds kMgBounds{54, 70, 180, 250};
constexpr Bounds kMmolBounds{30, 39, 100, 139};

struct GoalRule
{
    RangeGoalKind kind;
    GlucoseRange from; // the ranges from..to the goal is about
    GlucoseRange to;
    int percent;
    bool moreThan;
};

constexpr std::array<GoalRule, kRangeGoals> kGoalRules{{
    {RangeGoalKind::InTarget, GlucoseRange::Target, GlucoseRange::Target, 70, true},
    {RangeGoalKind::Below70, GlucoseRange::VeryLow, GlucoseRange::Low, 4, false},
    {RangeGoalKind::Below54, GlucoseRange::VeryLow, GlucoseRange::VeryLow, 1, false},
    {RangeGoalKind::Above180, GlucoseRange::High, GlucoseRange::VeryHigh, 25, false},
    {RangeGoalKind::Above250, GlucoseRange::VeryHigh, GlucoseRange::VeryHigh, 5, false},
}};

} // namespace

int shownValue(double mgPerDlValue, GlucoseUnit shown)
{
    const double value =
        shown == GlucoseUnit::MgPerDl ? mgPerDlValue : mgPerDlValue * 10.0 / kMgPerDlPerMmol;
    // The default rounding mode rounds half to even.
    return int(std::nearbyint(value));
}

GlucoseRange rangeOfShown(int shown, GlucoseUnit unit)
{
    const Bounds& b = unit == GlucoseUnit::MgPerDl ? kMgBounds : kMmolBounds;
    if (shown < b.veryLowBelow)
        return GlucoseRange::VeryLow;
    if (shown > b.veryHighAbove)
        return GlucoseRange::VeryHigh;
    if (shown < b.lowBelow)
        return GlucoseRange::Low;
    if (shown > b.highAbove)
        return GlucoseRange::High;
    return GlucoseRange::Target;
}

GlucoseRange rangeOf(const GlucoseReading& reading, GlucoseUnit shown)
{
    // In its own unit a value is at the shown precision already.
    const int value =
        reading.unit == shown ? int(reading.value) : shownValue(mgPerDl(reading), shown);
    return rangeOfShown(value, shown);
}

std::array<RangeGoal, kRangeGoals> rangeGoals(const std::array<int, kGlucoseRanges>& counts)
{
    int total = 0;
    for (int count : counts)
        total += count;
    std::array<RangeGoal, kRangeGoals> goals;
    for (size_t i = 0; i < kGoalRules.size(); ++i) {
        const GoalRule& rule = kGoalRules[i];
        RangeGoal& goal = goals[i];
        goal.kind = rule.kind;
        for (int r = int(rule.from); r <= int(rule.to); ++r)
            goal.readings += counts[size_t(r)];
        goal.goalPercent = rule.percent;
        goal.moreThan = rule.moreThan;
        goal.share = total > 0 ? double(goal.readings) / total : 0.0;
        // In whole numbers: a share of exactly the limit meets neither kind.
        const std::int64_t scaled = std::int64_t(goal.readings) * 100;
        const std::int64_t limit = std::int64_t(rule.percent) * total;
        goal.met = total > 0 && (rule.moreThan ? scaled > limit : scaled < limit);
    }
    return goals;
}

} // namespace fendrimo

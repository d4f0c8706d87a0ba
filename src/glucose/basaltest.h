#pragma once

// The facts of a basal test: over a block of hours on a chosen day, the
// glucose at each hour's start and end and how it changed. Judging the rate
// is the user's and their diabetes team's; nothing here does it.

#include "glucose/glucosedata.h"

#include <QDate>
#include <QList>

#include <optional>
#include <vector>

namespace fendrimo {

// How far from an hour's start or end the reading taken for it may lie.
constexpr int kBasalTestToleranceSeconds = 15 * 60;

struct GlucosePoint
{
    std::int64_t localSeconds = 0;
    double mgPerDl = 0; // for Low and High the sensor's limit
    ReadingKind kind = ReadingKind::Measured;
};

struct BasalTestHour
{
    int hour = 0; // the clock hour the row starts at
    std::optional<GlucosePoint> start;
    std::optional<GlucosePoint> end;
    // end - start in mg/dL; none when a value is missing or beyond the sensor.
    std::optional<double> change;
};

// From one clock hour to another; an end at or before the start lies on the
// next day (22 to 6 is eight hours), the same hour is a whole day.
struct BasalTestBlock
{
    int fromHour = 0;
    int toHour = 0;
    int hours() const;
};

struct BasalTestDay
{
    QDate day; // the block starts on it
    std::vector<BasalTestHour> hours;
    std::optional<GlucosePoint> start; // nearest the block's start and end
    std::optional<GlucosePoint> end;
    std::optional<double> changePerHour; // mg/dL per hour between the two
    int readings = 0;                    // from the block's start to its end, both included
    int outsideTarget = 0;               // of them outside 70-180 mg/dL (3.9-10.0 mmol/L)
    bool allWithinTarget = false;        // readings, and none outside
};

// One result per valid day, in the order given; hours outside 0..23 are taken
// modulo a day.
std::vector<BasalTestDay> basalTest(const GlucoseData& data, const QList<QDate>& days,
                                    BasalTestBlock block, GlucoseUnit shown,
                                    int toleranceSeconds = kBasalTestToleranceSeconds);

} // namespace fendrimo

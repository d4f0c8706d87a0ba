#pragma once

// The figures of an ambulatory glucose profile over a period: per hour of the
// day and over the whole period (Battelino et al., Diabetes Care 2019). All
// glucose figures are in mg/dL; the ranges are classified in the unit shown.
// Readings below or above the sensor's range (Low, High) count as the
// sensor's limit, which is how they are stored; their number is reported.

#include "glucose/glucosedata.h"
#include "glucose/glucoseperiod.h"
#include "glucose/glucoseranges.h"

#include <array>
#include <optional>

namespace fendrimo {

constexpr int kHoursPerDay = 24;
constexpr int kAgpPercentileCount = 5;
constexpr std::array<double, kAgpPercentileCount> kAgpPercentiles{0.05, 0.25, 0.50, 0.75, 0.95};

// A change within an hour is taken from the readings nearest its start and
// its end, each at most this far from it: a quarter of the hour either side
// still leaves at least half an hour between them.
constexpr int kNearHourEndSeconds = 15 * 60;

struct HourFigures
{
    int readings = 0;
    // 5th, 25th, 50th, 75th, 95th percentile (type 7) and the extremes;
    // only with readings.
    std::array<double, kAgpPercentileCount> percentiles{};
    double minimum = 0;
    double maximum = 0;
    double shareBelow70 = 0; // below the target range, 0..1 of the hour's readings
    double shareAbove180 = 0;
    // The median over the days of the change from the reading nearest the
    // hour's start to the one nearest its end, in mg/dL per hour.
    std::optional<double> medianChangePerHour;
    int changeDays = 0;
    // Days left out of the change: a reading at an end was Low or High, so
    // the change is not known.
    int changeDaysBeyondSensor = 0;
};

struct PeriodFigures
{
    int days = 0; // the period's days that count by its selection
    int daysWithData = 0;
    int readings = 0;
    int belowSensorRange = 0; // Low readings, counted as the sensor's lowest value
    int aboveSensorRange = 0; // High readings, counted as its highest
    // The data's most common spacing in whole minutes (gaps over an hour
    // left out); 0 with fewer than two readings.
    int spacingSeconds = 0;
    // Readings x spacing / the counted days' length (23 or 25 hours on a
    // summer-time change the offsets show); at most 1.
    std::optional<double> timeWithData;
    bool timeWithDataClamped = false; // more readings than the spacing allows
    std::optional<double> mean;       // mg/dL
    std::optional<double> sd;         // mg/dL, n - 1
    std::optional<double> cv;         // sd / mean, 0..1
    std::optional<double> gmi;        // %, 3.31 + 0.02392 x mean
    bool cvGoalMet = false;           // cv at most 36 %
    std::array<int, kGlucoseRanges> rangeReadings{};
    std::array<double, kGlucoseRanges> rangeShares{}; // of the readings, 0..1
    std::array<RangeGoal, kRangeGoals> goals{};
    // The consensus wants 14 days and 70 % of the time with data; a time
    // with data that is not known falls short.
    bool fewerThan14Days = true;
    bool lessThan70PercentData = true;
};

struct GlucoseStatistics
{
    GlucosePeriod period;
    GlucoseUnit shown = GlucoseUnit::MgPerDl;
    PeriodFigures overall;
    std::array<HourFigures, kHoursPerDay> hours{};
};

// Type 7: at position (n - 1) p of the sorted values, interpolated linearly.
double percentile(const double* sorted, size_t count, double p);

GlucoseStatistics glucoseStatistics(const GlucoseData& data, const GlucosePeriod& period,
                                    GlucoseUnit shown);

} // namespace fendrimo

#include "glucose/glucosestats.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace fendrimo {

namespace {

// The readings [begin, end) of one day the period's selection counts.
struct DayRun
{
    std::int64_t day = 0;
    size_t begin = 0;
    size_t end = 0;
};

int commonSpacingSeconds(const std::vector<GlucoseReading>& readings)
{
    // Sensors read every 1, 5 or 15 minutes give or take seconds; longer
    // spacings are gaps.
    std::array<int, 61> byMinutes{};
    for (size_t i = 1; i < readings.size(); ++i) {
        const std::int64_t seconds = readings[i].localSeconds - readings[i - 1].localSeconds;
        const std::int64_t minutes = (seconds + 30) / 60;
        if (minutes >= 1 && minutes <= 60)
            ++byMinutes[size_t(minutes)];
    }
    int most = 0; // of equally common spacings the shortest
    for (int m = 1; m <= 60; ++m) {
        if (byMinutes[size_t(m)] > byMinutes[size_t(most)])
            most = m;
    }
    return most * 60;
}

// A day's length from the offsets of its first and last reading: 23 hours
// when summer time began between them, 25 when it ended; 24 if unknown.
std::int64_t dayLengthSeconds(const GlucoseReading& first, const GlucoseReading& last)
{
    if (first.offsetMinutes == kNoOffset || last.offsetMinutes == kNoOffset)
        return kSecondsPerDay;
    return kSecondsPerDay - (std::int64_t(last.offsetMinutes) - first.offsetMinutes) * 60;
}

std::vector<DayRun> countedDays(const GlucoseData& data, const GlucosePeriod& period)
{
    const auto [begin, end] = periodReadings(data, period);
    std::vector<DayRun> runs;
    for (size_t i = begin; i < end;) {
        DayRun run{localDay(data.readings[i].localSeconds), i, i};
        while (run.end < end && localDay(data.readings[run.end].localSeconds) == run.day)
            ++run.end;
        i = run.end;
        if (dayCounts(period, run.day))
            runs.push_back(run);
    }
    return runs;
}

int countedDayCount(const GlucosePeriod& period)
{
    int days = 0;
    if (period.isValid()) {
        for (std::int64_t d = dayOfDate(period.first); d <= dayOfDate(period.last); ++d)
            days += dayCounts(period, d) ? 1 : 0;
    }
    return days;
}

// Counts by hour, range and sensor limit; returns the counted days' length.
std::int64_t countReadings(const GlucoseData& data, const std::vector<DayRun>& runs,
                           GlucoseStatistics& stats, std::array<int, kHoursPerDay>& below,
                           std::array<int, kHoursPerDay>& above)
{
    PeriodFigures& o = stats.overall;
    std::int64_t length = std::int64_t(o.days - int(runs.size())) * kSecondsPerDay;
    for (const DayRun& run : runs) {
        length += dayLengthSeconds(data.readings[run.begin], data.readings[run.end - 1]);
        for (size_t i = run.begin; i < run.end; ++i) {
            const GlucoseReading& r = data.readings[i];
            const size_t hour = size_t(localHour(r.localSeconds));
            const GlucoseRange range = rangeOf(r, stats.shown);
            ++stats.hours[hour].readings;
            ++o.rangeReadings[size_t(range)];
            below[hour] += isBelowTarget(range) ? 1 : 0;
            above[hour] += isAboveTarget(range) ? 1 : 0;
            o.belowSensorRange += r.kind == ReadingKind::BelowRange ? 1 : 0;
            o.aboveSensorRange += r.kind == ReadingKind::AboveRange ? 1 : 0;
        }
    }
    o.readings = 0;
    for (const HourFigures& hour : stats.hours)
        o.readings += hour.readings;
    return length;
}

bool oneUnit(const GlucoseData& data, const std::vector<DayRun>& runs)
{
    for (const DayRun& run : runs) {
        for (size_t i = run.begin; i < run.end; ++i) {
            if (data.readings[i].unit != data.readings[runs.front().begin].unit)
                return false;
        }
    }
    return true;
}

// Readings of one unit hold whole values (mg/dL or tenths of mmol/L), so a
// count per value orders each hour in one pass, without comparing.
void orderByCounting(const GlucoseData& data, const std::vector<DayRun>& runs,
                     const std::array<size_t, kHoursPerDay + 1>& starts,
                     std::vector<double>& values)
{
    std::vector<std::uint16_t> keys(values.size());
    std::array<size_t, kHoursPerDay> next{};
    std::copy(starts.begin(), starts.end() - 1, next.begin());
    GlucoseReading key; // the data's unit; its value counts up
    std::uint16_t highest = 0;
    for (const DayRun& run : runs) {
        key.unit = data.readings[run.begin].unit;
        for (size_t i = run.begin; i < run.end; ++i) {
            const GlucoseReading& r = data.readings[i];
            keys[next[size_t(localHour(r.localSeconds))]++] = r.value;
            highest = std::max(highest, r.value);
        }
    }
    std::vector<int> counts(size_t(highest) + 1);
    for (size_t h = 0; h < size_t(kHoursPerDay); ++h) {
        for (size_t i = starts[h]; i < starts[h + 1]; ++i)
            ++counts[keys[i]];
        size_t out = starts[h];
        for (size_t v = 0; v < counts.size(); ++v) {
            key.value = std::uint16_t(v);
            for (; counts[v] > 0; --counts[v])
                values[out++] = mgPerDl(key);
        }
    }
}

// The values in mg/dL, sorted within each hour; starts[h] is hour h's first.
std::vector<double> sortedByHour(const GlucoseData& data, const std::vector<DayRun>& runs,
                                 const GlucoseStatistics& stats,
                                 std::array<size_t, kHoursPerDay + 1>& starts)
{
    starts[0] = 0;
    for (size_t h = 0; h < size_t(kHoursPerDay); ++h)
        starts[h + 1] = starts[h] + size_t(stats.hours[h].readings);
    std::vector<double> values(starts[kHoursPerDay]);
    if (oneUnit(data, runs)) {
        orderByCounting(data, runs, starts, values);
        return values;
    }
    std::array<size_t, kHoursPerDay> next{};
    std::copy(starts.begin(), starts.end() - 1, next.begin());
    for (const DayRun& run : runs) {
        for (size_t i = run.begin; i < run.end; ++i) {
            const GlucoseReading& r = data.readings[i];
            values[next[size_t(localHour(r.localSeconds))]++] = mgPerDl(r);
        }
    }
    for (size_t h = 0; h < size_t(kHoursPerDay); ++h)
        std::sort(values.begin() + std::ptrdiff_t(starts[h]),
                  values.begin() + std::ptrdiff_t(starts[h + 1]));
    return values;
}

void setSpread(const std::vector<double>& values, PeriodFigures& o)
{
    if (values.empty())
        return;
    double sum = 0;
    for (double v : values)
        sum += v;
    const double mean = sum / double(values.size());
    o.mean = mean;
    o.gmi = 3.31 + 0.02392 * mean; // Bergenstal et al., Diabetes Care 2018
    if (values.size() < 2)
        return;
    double squares = 0;
    for (double v : values)
        squares += (v - mean) * (v - mean);
    o.sd = std::sqrt(squares / double(values.size() - 1));
    o.cv = *o.sd / mean;
    o.cvGoalMet = *o.cv <= 0.36;
}

void setTimeWithData(std::int64_t length, PeriodFigures& o)
{
    o.fewerThan14Days = o.daysWithData < kAgpDays;
    if (o.spacingSeconds == 0 || length <= 0)
        return;
    const std::int64_t covered = std::int64_t(o.readings) * o.spacingSeconds;
    o.timeWithDataClamped = covered > length;
    o.timeWithData = std::min(1.0, double(covered) / double(length));
    o.lessThan70PercentData = covered * 100 < length * 70;
}

// Per hour, the median over the counted days of the change within it.
void setHourChanges(const GlucoseData& data, const std::vector<DayRun>& runs,
                    std::array<HourFigures, kHoursPerDay>& hours)
{
    std::vector<double> changes;
    changes.reserve(runs.size());
    for (size_t h = 0; h < size_t(kHoursPerDay); ++h) {
        changes.clear();
        for (const DayRun& run : runs) {
            const std::int64_t start = run.day * kSecondsPerDay + std::int64_t(h) * 3600;
            const GlucoseReading* from = nearestReading(data, start, kNearHourEndSeconds);
            const GlucoseReading* to = nearestReading(data, start + 3600, kNearHourEndSeconds);
            if (!from || !to)
                continue;
            if (const std::optional<double> change = changePerHour(*from, *to))
                changes.push_back(*change);
            else
                ++hours[h].changeDaysBeyondSensor;
        }
        std::sort(changes.begin(), changes.end());
        hours[h].changeDays = int(changes.size());
        if (!changes.empty())
            hours[h].medianChangePerHour = percentile(changes.data(), changes.size(), 0.5);
    }
}

} // namespace

double percentile(const double* sorted, size_t count, double p)
{
    if (count == 0)
        return 0;
    const double position = double(count - 1) * p;
    const size_t below = std::min(size_t(position), count - 1);
    if (below + 1 >= count)
        return sorted[below];
    return sorted[below] + (position - double(below)) * (sorted[below + 1] - sorted[below]);
}

GlucoseStatistics glucoseStatistics(const GlucoseData& data, const GlucosePeriod& period,
                                    GlucoseUnit shown)
{
    GlucoseStatistics stats;
    stats.period = period;
    stats.shown = shown;
    PeriodFigures& o = stats.overall;
    const std::vector<DayRun> runs = countedDays(data, period);
    o.days = countedDayCount(period);
    o.daysWithData = int(runs.size());
    o.spacingSeconds = commonSpacingSeconds(data.readings);
    std::array<int, kHoursPerDay> below{};
    std::array<int, kHoursPerDay> above{};
    const std::int64_t length = countReadings(data, runs, stats, below, above);
    setTimeWithData(length, o);
    o.goals = rangeGoals(o.rangeReadings);
    for (size_t r = 0; r < o.rangeShares.size() && o.readings > 0; ++r)
        o.rangeShares[r] = double(o.rangeReadings[r]) / o.readings;

    std::array<size_t, kHoursPerDay + 1> starts{};
    const std::vector<double> values = sortedByHour(data, runs, stats, starts);
    setSpread(values, o);
    for (size_t h = 0; h < size_t(kHoursPerDay); ++h) {
        HourFigures& hour = stats.hours[h];
        if (hour.readings == 0)
            continue;
        const double* sorted = values.data() + starts[h];
        for (size_t p = 0; p < kAgpPercentiles.size(); ++p)
            hour.percentiles[p] = percentile(sorted, size_t(hour.readings), kAgpPercentiles[p]);
        hour.minimum = sorted[0];
        hour.maximum = sorted[hour.readings - 1];
        hour.shareBelow70 = double(below[h]) / hour.readings;
        hour.shareAbove180 = double(above[h]) / hour.readings;
    }
    setHourChanges(data, runs, stats.hours);
    return stats;
}

} // namespace fendrimo

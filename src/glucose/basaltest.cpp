#include "glucose/basaltest.h"

#include "glucose/glucoseperiod.h"
#include "glucose/glucoseranges.h"

#include <algorithm>

namespace fendrimo {

namespace {

int dayHour(int hour)
{
    return ((hour % 24) + 24) % 24;
}

std::optional<GlucosePoint> pointOf(const GlucoseReading* reading)
{
    if (!reading)
        return std::nullopt;
    return GlucosePoint{reading->localSeconds, mgPerDl(*reading), reading->kind};
}

std::optional<double> changeBetween(const GlucoseReading* from, const GlucoseReading* to)
{
    if (!from || !to || from->kind != ReadingKind::Measured || to->kind != ReadingKind::Measured)
        return std::nullopt;
    return mgPerDl(*to) - mgPerDl(*from);
}

void countBlockReadings(const GlucoseData& data, std::int64_t from, std::int64_t to,
                        GlucoseUnit shown, BasalTestDay& result)
{
    const auto begin = std::lower_bound(
        data.readings.begin(), data.readings.end(), from,
        [](const GlucoseReading& r, std::int64_t seconds) { return r.localSeconds < seconds; });
    for (auto it = begin; it != data.readings.end() && it->localSeconds <= to; ++it) {
        ++result.readings;
        result.outsideTarget += rangeOf(*it, shown) == GlucoseRange::Target ? 0 : 1;
    }
    result.allWithinTarget = result.readings > 0 && result.outsideTarget == 0;
}

BasalTestDay testDay(const GlucoseData& data, const QDate& day, BasalTestBlock block,
                     GlucoseUnit shown, int tolerance)
{
    BasalTestDay result;
    result.day = day;
    const std::int64_t blockStart =
        dayOfDate(day) * kSecondsPerDay + std::int64_t(dayHour(block.fromHour)) * 3600;
    const int hours = block.hours();
    for (int h = 0; h < hours; ++h) {
        const std::int64_t start = blockStart + std::int64_t(h) * 3600;
        const GlucoseReading* from = nearestReading(data, start, tolerance);
        const GlucoseReading* to = nearestReading(data, start + 3600, tolerance);
        result.hours.push_back(
            {dayHour(block.fromHour + h), pointOf(from), pointOf(to), changeBetween(from, to)});
    }
    const std::int64_t blockEnd = blockStart + std::int64_t(hours) * 3600;
    const GlucoseReading* first = nearestReading(data, blockStart, tolerance);
    const GlucoseReading* last = nearestReading(data, blockEnd, tolerance);
    result.start = pointOf(first);
    result.end = pointOf(last);
    if (first && last)
        result.changePerHour = changePerHour(*first, *last);
    countBlockReadings(data, blockStart, blockEnd, shown, result);
    return result;
}

} // namespace

int BasalTestBlock::hours() const
{
    const int span = dayHour(toHour - fromHour);
    return span == 0 ? 24 : span;
}

std::vector<BasalTestDay> basalTest(const GlucoseData& data, const QList<QDate>& days,
                                    BasalTestBlock block, GlucoseUnit shown, int toleranceSeconds)
{
    std::vector<BasalTestDay> results;
    results.reserve(size_t(days.size()));
    for (const QDate& day : days) {
        if (day.isValid())
            results.push_back(testDay(data, day, block, shown, toleranceSeconds));
    }
    return results;
}

} // namespace fendrimo

#include "glucose/glucoseperiod.h"

#include <algorithm>
#include <cstdlib>

namespace fendrimo {

namespace {

// QDate's Julian day of 1970-01-01.
constexpr std::int64_t kJulianDayOfEpoch = 2440588;

std::int64_t floorDiv(std::int64_t value, std::int64_t by)
{
    const std::int64_t q = value / by;
    return (value % by != 0 && value < 0) ? q - 1 : q;
}

// Monday 1 .. Sunday 7; 1970-01-01 was a Thursday.
int weekday(std::int64_t day)
{
    return int((day % 7 + 7 + 3) % 7) + 1;
}

std::int64_t firstSecondOf(std::int64_t day)
{
    return day * kSecondsPerDay;
}

} // namespace

std::int64_t localDay(std::int64_t localSeconds)
{
    return floorDiv(localSeconds, kSecondsPerDay);
}

int localHour(std::int64_t localSeconds)
{
    return int((localSeconds - firstSecondOf(localDay(localSeconds))) / 3600);
}

QDate dateOfDay(std::int64_t day)
{
    return QDate::fromJulianDay(day + kJulianDayOfEpoch);
}

std::int64_t dayOfDate(const QDate& date)
{
    return date.toJulianDay() - kJulianDayOfEpoch;
}

std::int64_t elapsedSeconds(const GlucoseReading& from, const GlucoseReading& to)
{
    const std::int64_t clock = to.localSeconds - from.localSeconds;
    if (from.offsetMinutes == kNoOffset || to.offsetMinutes == kNoOffset)
        return clock;
    return clock - (std::int64_t(to.offsetMinutes) - from.offsetMinutes) * 60;
}

std::optional<double> changePerHour(const GlucoseReading& from, const GlucoseReading& to)
{
    const std::int64_t seconds = elapsedSeconds(from, to);
    if (from.kind != ReadingKind::Measured || to.kind != ReadingKind::Measured || seconds <= 0)
        return std::nullopt;
    return (mgPerDl(to) - mgPerDl(from)) * 3600.0 / double(seconds);
}

bool dayCounts(const GlucosePeriod& period, std::int64_t day)
{
    if (!period.isValid() || day < dayOfDate(period.first) || day > dayOfDate(period.last))
        return false;
    switch (period.days) {
    case DaySelection::All:
        return true;
    case DaySelection::MondayToFriday:
        return weekday(day) <= 5;
    case DaySelection::SaturdayAndSunday:
        return weekday(day) >= 6;
    case DaySelection::Picked:
        return period.picked.contains(dateOfDay(day));
    }
    return false;
}

GlucosePeriod defaultPeriod(const GlucoseData& data)
{
    GlucosePeriod period;
    if (data.readings.empty())
        return period;
    const std::int64_t firstDay = localDay(data.readings.front().localSeconds);
    const std::int64_t lastDay = localDay(data.readings.back().localSeconds);
    period.first = dateOfDay(std::max(firstDay, lastDay - (kAgpDays - 1)));
    period.last = dateOfDay(lastDay);
    return period;
}

PeriodChoice choosePeriod(const GlucoseData& data, const QDate& from, const QDate& to,
                          DaySelection days, const QList<QDate>& picked)
{
    PeriodChoice choice;
    const GlucosePeriod whole = [&data] {
        GlucosePeriod p;
        if (!data.readings.empty()) {
            p.first = dateOfDay(localDay(data.readings.front().localSeconds));
            p.last = dateOfDay(localDay(data.readings.back().localSeconds));
        }
        return p;
    }();
    if (!whole.isValid() || !from.isValid() || !to.isValid())
        return choice;
    const auto within = [&](const QDate& date) {
        const QDate moved = std::clamp(date, whole.first, whole.last);
        choice.clamped = choice.clamped || moved != date;
        return moved;
    };
    choice.period.first = within(std::min(from, to));
    choice.period.last = within(std::max(from, to));
    choice.period.days = days;
    choice.period.picked = picked;
    return choice;
}

const GlucoseReading* nearestReading(const GlucoseData& data, std::int64_t localSeconds,
                                     int toleranceSeconds)
{
    const auto& readings = data.readings;
    auto it = std::lower_bound(
        readings.begin(), readings.end(), localSeconds - toleranceSeconds,
        [](const GlucoseReading& r, std::int64_t s) { return r.localSeconds < s; });
    const GlucoseReading* nearest = nullptr;
    std::int64_t nearestDistance = 0;
    for (; it != readings.end() && it->localSeconds <= localSeconds + toleranceSeconds; ++it) {
        const std::int64_t distance = std::abs(it->localSeconds - localSeconds);
        if (!nearest || distance < nearestDistance) {
            nearest = &*it;
            nearestDistance = distance;
        }
    }
    return nearest;
}

std::pair<size_t, size_t> periodReadings(const GlucoseData& data, const GlucosePeriod& period)
{
    if (!period.isValid())
        return {0, 0};
    const auto byTime = [](const GlucoseReading& r, std::int64_t seconds) {
        return r.localSeconds < seconds;
    };
    const auto& readings = data.readings;
    const auto begin = std::lower_bound(readings.begin(), readings.end(),
                                        firstSecondOf(dayOfDate(period.first)), byTime);
    const auto end =
        std::lower_bound(begin, readings.end(), firstSecondOf(dayOfDate(period.last) + 1), byTime);
    return {size_t(begin - readings.begin()), size_t(end - readings.begin())};
}

} // namespace fendrimo

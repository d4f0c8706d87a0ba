#pragma once

// Which readings the statistics take: a run of local calendar days and which
// of them count. Days are the readings' own clock days, numbered from
// 1970-01-01 on that clock, so no time zone is looked up.

#include "glucose/glucosedata.h"

#include <QDate>
#include <QList>

#include <cstdint>
#include <optional>
#include <utility>

namespace fendrimo {

constexpr int kSecondsPerDay = 24 * 3600;
// The AGP's period (Battelino et al., Diabetes Care 2019).
constexpr int kAgpDays = 14;

std::int64_t localDay(std::int64_t localSeconds);
int localHour(std::int64_t localSeconds);
QDate dateOfDay(std::int64_t day);
std::int64_t dayOfDate(const QDate& date);

// Seconds from one reading to a later one: by UTC when both offsets are
// known (a summer-time change in between counts), else by the clock.
std::int64_t elapsedSeconds(const GlucoseReading& from, const GlucoseReading& to);

// The change from one reading to a later one in mg/dL per hour; none when
// either lies beyond the sensor's range (its value is only a limit) or no
// time passed between them.
std::optional<double> changePerHour(const GlucoseReading& from, const GlucoseReading& to);

enum class DaySelection : std::uint8_t { All, MondayToFriday, SaturdayAndSunday, Picked };

struct GlucosePeriod
{
    QDate first; // both days count in full
    QDate last;
    DaySelection days = DaySelection::All;
    QList<QDate> picked; // with DaySelection::Picked; those outside first..last don't count

    bool isValid() const { return first.isValid() && last.isValid() && first <= last; }
};

// Whether a day of the period counts by its selection; days outside don't.
bool dayCounts(const GlucosePeriod& period, std::int64_t day);

// The AGP's period: the last 14 days up to the last reading's day, starting
// no earlier than the first reading's day. Invalid for data without readings.
GlucosePeriod defaultPeriod(const GlucoseData& data);

struct PeriodChoice
{
    GlucosePeriod period;
    bool clamped = false; // a chosen day lay outside the data's days and was moved in
};

// From..to, in either order, moved within the data's first and last day.
PeriodChoice choosePeriod(const GlucoseData& data, const QDate& from, const QDate& to,
                          DaySelection days = DaySelection::All, const QList<QDate>& picked = {});

// The reading nearest to a clock time, at most tolerance seconds away by the
// clock (the earlier of two as near); none if there is none.
const GlucoseReading* nearestReading(const GlucoseData& data, std::int64_t localSeconds,
                                     int toleranceSeconds);

// The indices [begin, end) of the readings on the period's days, selected or not.
std::pair<size_t, size_t> periodReadings(const GlucoseData& data, const GlucosePeriod& period);

} // namespace fendrimo

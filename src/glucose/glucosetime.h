#pragma once

// The clock time of a reading: a local time as an export writes it, or UTC
// and an offset, or UTC placed in the system's zone. A local time is counted
// in seconds from 1970-01-01 00:00 on its own clock, so the hour repeated
// when summer time ends holds two readings of one clock time and the hour
// skipped none.

#include <QByteArrayView>
#include <QTimeZone>

#include <cstdint>
#include <optional>

namespace fendrimo::glucose {

struct ClockTime
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Seconds from 1970-01-01 00:00 to the clock time; none for a day or a time
// of day that doesn't exist (31 April, 24:00).
std::optional<std::int64_t> clockSeconds(const ClockTime& time);

// Digits at text[at], exactly count of them (count 0: one or two), or -1.
int digitsAt(QByteArrayView text, qsizetype& at, int count);

// "2024-05-13T19:27:20" or with a blank for the T; seconds may have a
// fraction, which is dropped. After it, rest is what follows.
std::optional<std::int64_t> isoClockSeconds(QByteArrayView text, QByteArrayView* rest = nullptr);

// Offsets of the system's zone for UTC times, remembered from one change
// to the next: a year of readings meets two.
class ZonePlacer
{
public:
    explicit ZonePlacer(const QTimeZone& zone) : zone_(zone) {}
    // Minutes east of UTC in effect at the UTC time.
    int offsetMinutes(std::int64_t utcMilliseconds);
    int placed() const { return placed_; }
    QByteArray zoneId() const { return zone_.id(); }

private:
    QTimeZone zone_;
    std::int64_t from_ = 1, until_ = 0; // the span [from_, until_) of offset_
    int offset_ = 0;
    int placed_ = 0;
};

} // namespace fendrimo::glucose

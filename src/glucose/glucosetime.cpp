#include "glucose/glucosetime.h"

#include <QDateTime>

#include <limits>

namespace fendrimo::glucose {

namespace {

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
std::int64_t daysFromCivil(int year, int month, int day)
{
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return std::int64_t(era) * 146097 + dayOfEra - 719468;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool charAt(QByteArrayView text, qsizetype& at, char expected)
{
    if (at >= text.size() || text[at] != expected)
        return false;
    ++at;
    return true;
}

} // namespace

std::optional<std::int64_t> clockSeconds(const ClockTime& t)
{
    if (t.year < 1970 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > daysInMonth(t.year, t.month) || t.hour > 23 || t.minute > 59 || t.second > 59)
        return std::nullopt;
    return daysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

int digitsAt(QByteArrayView text, qsizetype& at, int count)
{
    int value = 0;
    int taken = 0;
    const int most = count == 0 ? 2 : count;
    while (taken < most && at < text.size() && text[at] >= '0' && text[at] <= '9') {
        value = value * 10 + (text[at] - '0');
        ++at;
        ++taken;
    }
    return taken == 0 || (count != 0 && taken != count) ? -1 : value;
}

namespace {

// "2024-05-13T19:27:20" at the start of text, as nearly every export
// writes it: read at once.
bool fixedIsoClock(QByteArrayView text, ClockTime& t)
{
    static constexpr int kDigits[] = {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18};
    if (text.size() < 19 || text[4] != '-' || text[7] != '-' ||
        (text[10] != 'T' && text[10] != ' ') || text[13] != ':' || text[16] != ':')
        return false;
    for (const int at : kDigits) {
        if (unsigned(text[at] - '0') > 9)
            return false;
    }
    const auto two = [&](int at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); };
    t = {two(0) * 100 + two(2), two(5), two(8), two(11), two(14), two(17)};
    return true;
}

// The same with an hour of one digit ("2025-05-01 0:01:47"); at is past it.
bool flexibleIsoClock(QByteArrayView text, ClockTime& t, qsizetype& at)
{
    at = 0;
    t.year = digitsAt(text, at, 4);
    const bool date = charAt(text, at, '-') && (t.month = digitsAt(text, at, 2)) >= 0 &&
                      charAt(text, at, '-') && (t.day = digitsAt(text, at, 2)) >= 0;
    const bool between = date && (charAt(text, at, 'T') || charAt(text, at, ' '));
    return t.year >= 0 && between && (t.hour = digitsAt(text, at, 0)) >= 0 &&
           charAt(text, at, ':') && (t.minute = digitsAt(text, at, 2)) >= 0 &&
           charAt(text, at, ':') && (t.second = digitsAt(text, at, 2)) >= 0;
}

} // namespace

std::optional<std::int64_t> isoClockSeconds(QByteArrayView text, QByteArrayView* rest)
{
    ClockTime t;
    qsizetype at = 19;
    if (!fixedIsoClock(text, t) && !flexibleIsoClock(text, t, at))
        return std::nullopt;
    if (charAt(text, at, '.')) {
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
    }
    if (rest)
        *rest = text.sliced(at);
    else if (at != text.size())
        return std::nullopt;
    return clockSeconds(t);
}

int ZonePlacer::offsetMinutes(std::int64_t utcMilliseconds)
{
    ++placed_;
    if (utcMilliseconds >= from_ && utcMilliseconds < until_)
        return offset_;
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(utcMilliseconds, Qt::UTC);
    offset_ = zone_.offsetFromUtc(at) / 60;
    const QTimeZone::OffsetData before = zone_.previousTransition(at);
    const QTimeZone::OffsetData after = zone_.nextTransition(at);
    // A change exactly at this time is "before" it: the span starts here.
    from_ = before.atUtc.isValid() && before.offsetFromUtc / 60 == offset_
                ? before.atUtc.toMSecsSinceEpoch()
                : utcMilliseconds;
    until_ = after.atUtc.isValid() ? after.atUtc.toMSecsSinceEpoch()
                                   : std::numeric_limits<std::int64_t>::max();
    if (!before.atUtc.isValid() && !after.atUtc.isValid())
        from_ = std::numeric_limits<std::int64_t>::min();
    return offset_;
}

} // namespace fendrimo::glucose

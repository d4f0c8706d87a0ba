#include "exchange/schedule.h"

#include "profile/basalprofile.h"

#include <QCoreApplication>

#include <algorithm>

namespace fendrimo::exchange {

namespace {

// Spelled out: std::numeric_limits knows no __int128 in strict C++17.
constexpr Int128 kLargestInt128 = ((Int128(1) << 126) - 1) * 2 + 1;
// The rounding below sums an hour (3600 s) of values and doubles it tenfold.
static_assert(kLargestValue <= (kLargestInt128 - 3600 * kUnit) / (20 * 3600),
              "hourly sums must not overflow");

qint32 roundedTenths(Int128 secondsTimesValue)
{
    // mean = S / 3600 units; tenths = floor(10 · mean + 1/2)
    return qint32((20 * secondsTimesValue + 3600 * kUnit) / (7200 * kUnit));
}

// ASCII digits only: QChar::isDigit() takes every script's digits.
int digitOf(QChar ch)
{
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9') ? ch.unicode() - u'0' : -1;
}

// One or two digits (exactly two when twoNeeded) up to largest, else -1.
int clockField(QStringView text, int largest, bool twoNeeded)
{
    if (text.isEmpty() || text.size() > 2 || (twoNeeded && text.size() != 2))
        return -1;
    int value = 0;
    for (const QChar ch : text) {
        if (digitOf(ch) < 0)
            return -1;
        value = value * 10 + digitOf(ch);
    }
    return value <= largest ? value : -1;
}

} // namespace

QString sortSchedule(QList<ScheduleEntry>& entries)
{
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const ScheduleEntry& a, const ScheduleEntry& b) { return a.second < b.second; });
    for (qsizetype i = 1; i < entries.size(); ++i) {
        if (entries[i].second == entries[i - 1].second) {
            return QCoreApplication::translate("Exchange", "%1: Die Uhrzeit %2 kommt zweimal vor.")
                .arg(entries[i].where, clockText(entries[i].second));
        }
    }
    return QString();
}

HourlyMeans hourlyRates(const QList<ScheduleEntry>& sorted)
{
    HourlyMeans result;
    result.firstStart = sorted.first().second;
    QList<ScheduleEntry> day = sorted;
    if (result.firstStart > 0)
        day.prepend({0, sorted.last().value, sorted.last().where});
    qsizetype current = 0; // the entry in force at t
    for (int hour = 0; hour < ProfileContent::Hours; ++hour) {
        const int end = (hour + 1) * 3600;
        int t = hour * 3600;
        if (t < result.firstStart)
            result.fromLastEntry.append(hour);
        Int128 sum = 0;
        bool mixed = false;
        const Int128 first = day[current].value;
        while (t < end) {
            const int next = current + 1 < day.size() ? day[current + 1].second : kSecondsPerDay;
            const int until = std::min(next, end);
            sum += day[current].value * (until - t);
            mixed = mixed || day[current].value != first;
            t = until;
            if (until == next && current + 1 < day.size())
                ++current;
        }
        qint32 tenths = roundedTenths(sum);
        const bool raised = sum > 0 && tenths == 0;
        if (raised)
            tenths = 1;
        result.rates.at(size_t(hour)) = tenths;
        if (mixed || raised || first % kTenth != 0)
            result.adjusted.append(hour);
    }
    return result;
}

void takeHourlyRates(const QList<ScheduleEntry>& sorted, ImportedProfile& imported)
{
    const HourlyMeans hourly = hourlyRates(sorted);
    imported.rates = hourly.rates;
    imported.adjustedHours = hourly.adjusted;
    if (hourly.fromLastEntry.isEmpty())
        return;
    const QString hours = hourRunsText(hourly.fromLastEntry);
    // A first entry within an hour leaves that hour a mean of both.
    imported.rateNotices << (hourly.firstStart % 3600 == 0
                                 ? QCoreApplication::translate(
                                       "Exchange", "%1: vom letzten Eintrag des Tages übernommen.")
                                       .arg(hours)
                                 : QCoreApplication::translate(
                                       "Exchange",
                                       "%1: bis %2 vom letzten Eintrag des Tages übernommen.")
                                       .arg(hours, clockText(hourly.firstStart)));
}

ImportOutcome ratesOnlyImport(const QList<ScheduleEntry>& sorted)
{
    ImportedProfile imported;
    takeHourlyRates(sorted, imported);
    return {imported, QString()};
}

Int128 valueAt(const QList<ScheduleEntry>& sorted, int second)
{
    Int128 value = sorted.last().value; // until the first entry, the day's last
    for (const ScheduleEntry& entry : sorted) {
        if (entry.second > second)
            break;
        value = entry.value;
    }
    return value;
}

std::optional<int> clockSeconds(QStringView text)
{
    const QList<QStringView> parts = text.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    const int hours = clockField(parts[0], 23, false);
    const int minutes = clockField(parts[1], 59, true);
    const int seconds = parts.size() == 3 ? clockField(parts[2], 59, true) : 0;
    if (hours < 0 || minutes < 0 || seconds < 0)
        return std::nullopt;
    return hours * 3600 + minutes * 60 + seconds;
}

QString clockText(int second)
{
    const QString text = QStringLiteral("%1:%2")
                             .arg(second / 3600, 2, 10, QLatin1Char('0'))
                             .arg(second / 60 % 60, 2, 10, QLatin1Char('0'));
    if (second % 60 == 0)
        return text;
    return text + QStringLiteral(":%1").arg(second % 60, 2, 10, QLatin1Char('0'));
}

} // namespace fendrimo::exchange

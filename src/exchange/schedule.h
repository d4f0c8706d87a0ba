#pragma once

// A day's schedule of values, each holding from its start until the next
// one starts, turned into 24 hourly rates in tenths. The schedule repeats
// every day, so until its first entry the last one still holds (as oref0 and
// the pumps read it).

#include "exchange/exactdecimal.h"
#include "exchange/exchange.h"

#include <QList>
#include <QString>

#include <optional>

namespace fendrimo::exchange {

constexpr int kSecondsPerDay = 24 * 3600;

struct ScheduleEntry
{
    int second = 0;   // start, 0..86399
    Int128 value = 0; // exact, 0..kLargestValue
    QString where;    // how a message names the entry: Eintrag 5 von "basal"
};

// Sorts by start. The error names the first entry whose start came before.
QString sortSchedule(QList<ScheduleEntry>& entries);

struct HourlyMeans
{
    HourlyRates rates{};
    QList<int> adjusted;      // hours averaged, rounded or raised to 0,1
    QList<int> fromLastEntry; // hours wholly or partly before the first entry
    int firstStart = 0;       // the second the first entry starts
};

// Each hour's time-weighted mean, to the nearest tenth, halves up; a mean
// above 0 keeps at least 0,1. The entries must be sorted, with distinct
// starts, and not empty.
HourlyMeans hourlyRates(const QList<ScheduleEntry>& sorted);

// The rates of the sorted schedule into imported, with their adjusted hours
// and a notice naming the hours taken from the day's last entry.
void takeHourlyRates(const QList<ScheduleEntry>& sorted, ImportedProfile& imported);

// An import that brings only rates: those of the sorted schedule.
ImportOutcome ratesOnlyImport(const QList<ScheduleEntry>& sorted);

// The value in force at second (sorted entries, not empty).
Int128 valueAt(const QList<ScheduleEntry>& sorted, int second);

// "6:00", "06:00" or "06:00:30" within the day, as seconds.
std::optional<int> clockSeconds(QStringView text);

// "06:00", or "06:00:30" when the seconds are not 0.
QString clockText(int second);

} // namespace fendrimo::exchange

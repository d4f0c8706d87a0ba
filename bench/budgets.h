#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include <algorithm>

// The probes' results and the start-up budgets they are held to, shared by
// the performance report (scripts/bench.sh) and the quick check of the test
// command (scripts/budgets.sh), so both judge alike.

namespace fendrimo::bench {

// Start-up is guarded in instructions, which the load of the machine doesn't
// change: at most 5 % above the reference.
constexpr double kStartupReferenceBeforeProfileModel = 133.8e6; // instructions
constexpr double kStartupGrowth = 0.05;
constexpr double kRssRatio = 1.3; // peak resident memory, Fendrimo to the baseline
// The languages: German stays within 2 % of its start-up before the
// translation came, English within 5 % of German's start in the same run.
constexpr double kStartupGermanBeforeLanguages = 135.4e6; // instructions
constexpr double kGermanGrowth = 0.02;
constexpr double kEnglishOverGerman = 0.05;

// A year of 5-minute glucose readings in each export's shape
// (bench/glucoseyear.cpp): read, recognised and every statistic computed
// over the default period and the year in at most 3,000 instructions a
// reading; at most the file's size and 32 bytes a reading of memory above
// the idle process; a change of period or days recomputed within 20 ms.
constexpr int kGlucoseYearReadings = 365 * 288;
constexpr double kGlucoseInstructionsPerReading = 3000;
constexpr qint64 kGlucoseBytesPerReading = 32;
constexpr double kGlucoseRecomputeMs = 20;

// Ends the program with 2 and the message.
[[noreturn]] void fail(const QString& message);
QByteArray readFile(const QString& path);

QString fixed(double value, int decimals);
double median(QList<double> values);

// One probe run of one program.
struct ProbeRun
{
    double startupMs = 0;
    double startupCpuMs = 0;
    double peakRssMiB = 0;
    double idleS = 0;
    double idleCpuMs = 0;
    double idleCpuPercent = 0;
    double idleWakeups = 0;
    double idleWakeupsPerSecond = 0;
    QString window;
};

// The runs in the probes' JSON lines, by program.
QMap<QString, QList<ProbeRun>> readProbes(const QString& path);

template <typename Field> double medianOf(const QList<ProbeRun>& runs, Field field)
{
    QList<double> values;
    for (const ProbeRun& run : runs)
        values.append(run.*field);
    return median(values);
}

// One export's year, from fendrimo_glucoseyear's JSON line and the
// instructions callgrind counted.
struct GlucoseYear
{
    QString format; // its name, "Dexcom Clarity"
    qint64 bytes = 0;
    qint64 readings = 0;
    qint64 peakAboveIdleBytes = 0;
    qint64 instructions = 0;
    // The median of a change to the default period, the year, Monday to
    // Friday over the year; -1 when not measured.
    double defaultPeriodMs = -1, yearMs = -1, weekdaysMs = -1;

    double instructionsPerReading() const { return double(instructions) / kGlucoseYearReadings; }
    qint64 memoryLimit() const { return bytes + kGlucoseBytesPerReading * kGlucoseYearReadings; }
    double slowestRecomputeMs() const { return std::max({defaultPeriodMs, yearMs, weekdaysMs}); }
};

// The years in folder: glucose.jsonl, one line per export, and
// glucose-<n>.inclusive (callgrind_annotate of the n-th line's run, from 1).
QList<GlucoseYear> readGlucoseYears(const QString& folder);

struct Budget
{
    QString what;
    QString measured;
    QString limit;
    bool met = false;
};

// Rounded to the 0.1 M the report shows, so that a start-up shown within
// the limit is within it.
qint64 startupInstructionLimit();

// The budgets no idle time is needed for: the start-up's instructions and
// the peak memory against the baseline's (medians of the runs).
QList<Budget> footprintBudgets(qint64 instructions, const QList<ProbeRun>& fendrimo,
                               const QList<ProbeRun>& baseline);

// German start-up against its count before the languages, English against German.
QList<Budget> languageBudgets(qint64 german, qint64 english);

// Per export: its instructions per reading and its peak memory.
QList<Budget> glucoseBudgets(const QList<GlucoseYear>& years);
// Per export: the slowest change of period or days, in milliseconds.
QList<Budget> glucoseRecomputeBudgets(const QList<GlucoseYear>& years);

// One line per budget on stdout; the number broken.
qsizetype printBudgets(const QList<Budget>& budgets);

} // namespace fendrimo::bench

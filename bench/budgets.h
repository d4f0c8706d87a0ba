#pragma once

#include <QList>
#include <QMap>
#include <QString>

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

// One line per budget on stdout; the number broken.
qsizetype printBudgets(const QList<Budget>& budgets);

} // namespace fendrimo::bench

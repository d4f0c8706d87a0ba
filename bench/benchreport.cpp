// Turns the raw results of scripts/bench.sh into docs/PERFORMANCE.md: the
// medians, the ratios to the baseline, the machine and the budgets. Ends with
// 1 when a budget is broken, 2 when a result is missing or unreadable.
//
// fendrimo_benchreport --micro micro.json --probes probes.jsonl --out FILE
//                      --callgrind DIR --glucose DIR [--load-before TEXT]
// The callgrind DIR holds callgrind_annotate's texts of one start of each
// probe: {fendrimo,baseline}.{inclusive,callers}; the glucose DIR the year
// of glucose readings' results (budgets.h, readGlucoseYears).

#include "budgets.h"
#include "instructions.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMap>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

using namespace fendrimo::bench;

namespace {

// The budgets besides those of budgets.h.
constexpr double kIdleCpuPercent = 0.1;
constexpr double kIdleWakeupsPerSecond = 1.2;
constexpr double kDescribeMs = 1.0;
constexpr qint64 kReportSteps = 500; // for any maximum
constexpr double kPdfMs = 50.0;
constexpr double kLargeToOrdinary = 2.0;

// The two maxima as Google Benchmark names the runs.
const QString kOrdinary = QStringLiteral("30");
const QString kLarge = QStringLiteral("2000000000");

QString shown(const QString& maximum)
{
    return QLocale(QLocale::English).toString(maximum.toLongLong());
}

// Google Benchmark's medians, by run name, in milliseconds.
struct Micro
{
    double ms = 0;
    QJsonObject entry;
};

QMap<QString, Micro> readMicro(const QString& path)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(readFile(path), &error);
    if (document.isNull())
        fail(QStringLiteral("%1: %2").arg(path, error.errorString()));
    const QMap<QString, double> perMs{{QStringLiteral("ns"), 1e-6},
                                      {QStringLiteral("us"), 1e-3},
                                      {QStringLiteral("ms"), 1.0},
                                      {QStringLiteral("s"), 1e3}};
    QMap<QString, Micro> medians;
    for (const QJsonValue value : document.object().value(QStringLiteral("benchmarks")).toArray()) {
        const QJsonObject entry = value.toObject();
        if (entry.value(QStringLiteral("aggregate_name")).toString() != QLatin1String("median"))
            continue;
        const QString unit = entry.value(QStringLiteral("time_unit")).toString();
        if (!perMs.contains(unit))
            fail(QStringLiteral("unknown time unit %1").arg(unit));
        medians.insert(
            entry.value(QStringLiteral("run_name")).toString(),
            {entry.value(QStringLiteral("real_time")).toDouble() * perMs.value(unit), entry});
    }
    return medians;
}

QString firstMatch(const QString& path, const QString& pattern)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    const QRegularExpressionMatch match =
        QRegularExpression(pattern, QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(file.readAll()));
    return match.hasMatch() ? match.captured(1).trimmed() : QStringLiteral("unknown");
}

QString loadAverage()
{
    return firstMatch(QStringLiteral("/proc/loadavg"), QStringLiteral(R"(^(\S+ \S+ \S+))"));
}

// Drawing steps of the report page by maximum, as bench/micro.cpp counted
// them into the benchmark context: "maximum:steps maximum:steps ...".
QMap<qint64, qint64> readReportSteps(const QJsonObject& context)
{
    QMap<qint64, qint64> steps;
    const QString text = context.value(QStringLiteral("report_steps")).toString();
    for (const QString& pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = pair.split(QLatin1Char(':'));
        bool maximumOk = false;
        bool stepsOk = false;
        if (parts.size() == 2)
            steps.insert(parts.at(0).toLongLong(&maximumOk), parts.at(1).toLongLong(&stepsOk));
        if (!maximumOk || !stepsOk)
            fail(QStringLiteral("report_steps: not maximum:steps: %1").arg(pair));
    }
    if (steps.isEmpty())
        fail(QStringLiteral("the micro-benchmarks counted no report steps (report_steps)"));
    return steps;
}

// Everything the report is made from.
struct Results
{
    QMap<QString, Micro> micro;
    QJsonObject microContext;
    QMap<qint64, qint64> reportSteps; // by maximum
    QList<ProbeRun> fendrimo;
    QList<ProbeRun> later; // Fendrimo again, settings file already there
    QList<ProbeRun> baseline;
    fendrimo::bench::InstructionProfile fendrimoInstructions;
    fendrimo::bench::InstructionProfile baselineInstructions;
    fendrimo::bench::InstructionProfile englishInstructions;
    QList<GlucoseYear> glucose;

    double microMs(const QString& name) const
    {
        if (!micro.contains(name))
            fail(QStringLiteral("benchmark %1 is missing").arg(name));
        return micro.value(name).ms;
    }
};

fendrimo::bench::InstructionProfile readInstructions(const QString& directory,
                                                     const QString& program)
{
    const QString prefix = directory + QLatin1Char('/') + program;
    QString error;
    const fendrimo::bench::InstructionProfile profile = fendrimo::bench::readInstructionProfile(
        readFile(prefix + QStringLiteral(".inclusive")),
        readFile(prefix + QStringLiteral(".callers")), &error);
    if (!error.isEmpty())
        fail(QStringLiteral("%1: %2").arg(prefix, error));
    return profile;
}

Results readResults(const QMap<QString, QString>& options)
{
    Results results;
    const QString microPath = options.value(QStringLiteral("--micro"));
    results.micro = readMicro(microPath);
    results.microContext = QJsonDocument::fromJson(readFile(microPath))
                               .object()
                               .value(QStringLiteral("context"))
                               .toObject();
    results.reportSteps = readReportSteps(results.microContext);
    const QMap<QString, QList<ProbeRun>> probes =
        readProbes(options.value(QStringLiteral("--probes")));
    results.fendrimo = probes.value(QStringLiteral("fendrimo"));
    results.later = probes.value(QStringLiteral("fendrimo-later"));
    results.baseline = probes.value(QStringLiteral("baseline"));
    if (results.fendrimo.isEmpty() || results.baseline.isEmpty() || results.later.isEmpty())
        fail(QStringLiteral("probe results of fendrimo, fendrimo-later and baseline are needed"));
    const QString callgrind = options.value(QStringLiteral("--callgrind"));
    results.fendrimoInstructions = readInstructions(callgrind, QStringLiteral("fendrimo"));
    results.baselineInstructions = readInstructions(callgrind, QStringLiteral("baseline"));
    results.englishInstructions = readInstructions(callgrind, QStringLiteral("english"));
    results.glucose = readGlucoseYears(options.value(QStringLiteral("--glucose")));
    return results;
}

// The maximum with the most drawing steps (the smallest such).
std::pair<qint64, qint64> mostReportSteps(const QMap<qint64, qint64>& steps)
{
    std::pair<qint64, qint64> most{0, -1};
    for (auto it = steps.cbegin(); it != steps.cend(); ++it) {
        if (it.value() > most.second)
            most = {it.key(), it.value()};
    }
    return most;
}

QList<Budget> startupBudgets(const Results& r)
{
    const double idlePercent = medianOf(r.fendrimo, &ProbeRun::idleCpuPercent);
    const double wakeups = medianOf(r.fendrimo, &ProbeRun::idleWakeupsPerSecond);
    return footprintBudgets(r.fendrimoInstructions.total, r.fendrimo, r.baseline) +
           languageBudgets(r.fendrimoInstructions.total, r.englishInstructions.total) +
           QList<Budget>{
               {QStringLiteral("Idle CPU ≤ %1 % of one core").arg(kIdleCpuPercent),
                fixed(idlePercent, 3) + QStringLiteral(" %"),
                fixed(kIdleCpuPercent, 3) + QStringLiteral(" %"), idlePercent <= kIdleCpuPercent},
               {QStringLiteral("Idle wakeups of the main thread ≤ %1 per second")
                    .arg(kIdleWakeupsPerSecond),
                fixed(wakeups, 2) + QStringLiteral(" /s"),
                fixed(kIdleWakeupsPerSecond, 2) + QStringLiteral(" /s"),
                wakeups <= kIdleWakeupsPerSecond},
           };
}

QList<Budget> pageBudgets(const Results& r)
{
    QList<Budget> budgets;
    struct Timed
    {
        QString name;
        QString label;
        double limitMs;
        bool ratio; // large to ordinary
    };
    for (const Timed& timed :
         {Timed{QStringLiteral("BM_DescribeReport"), QStringLiteral("Page description"),
                kDescribeMs, false},
          Timed{QStringLiteral("BM_RenderPdf"), QStringLiteral("PDF rendering"), kPdfMs, true}}) {
        const double ordinary = r.microMs(timed.name + QLatin1Char('/') + kOrdinary);
        const double large = r.microMs(timed.name + QLatin1Char('/') + kLarge);
        for (const auto& [maximum, ms] : {std::pair{kOrdinary, ordinary}, std::pair{kLarge, large}})
            budgets.append({QStringLiteral("%1, Maximum %2, ≤ %3 ms")
                                .arg(timed.label, shown(maximum), fixed(timed.limitMs, 0)),
                            fixed(ms, 3) + QStringLiteral(" ms"),
                            fixed(timed.limitMs, 3) + QStringLiteral(" ms"), ms <= timed.limitMs});
        if (!timed.ratio)
            continue;
        const double ratio = large / ordinary;
        budgets.append(
            {QStringLiteral("%1, Maximum %2 ≤ %3 × Maximum %4")
                 .arg(timed.label, shown(kLarge), fixed(kLargeToOrdinary, 0), shown(kOrdinary)),
             fixed(ratio, 3) + QStringLiteral(" ×"),
             fixed(kLargeToOrdinary, 2) + QStringLiteral(" ×"), ratio <= kLargeToOrdinary});
    }
    const auto [maximum, steps] = mostReportSteps(r.reportSteps);
    budgets.insert(
        2, {QStringLiteral("Page description ≤ %1 drawing steps for any Maximum").arg(kReportSteps),
            QStringLiteral("%1 (Maximum %2)").arg(steps).arg(shown(QString::number(maximum))),
            QString::number(kReportSteps), steps <= kReportSteps});
    return budgets;
}

void writeMachine(QTextStream& out, const QMap<QString, QString>& options)
{
    out << "## Machine\n\n| | |\n| --- | --- |\n"
        << "| CPU | "
        << firstMatch(QStringLiteral("/proc/cpuinfo"), QStringLiteral(R"(^model name\s*:(.*)$)"))
        << " |\n"
        << "| Cores online | " << sysconf(_SC_NPROCESSORS_ONLN) << " |\n"
        << "| Memory | "
        << fixed(
               firstMatch(QStringLiteral("/proc/meminfo"), QStringLiteral(R"(^MemTotal:\s*(\d+))"))
                       .toDouble() /
                   1024 / 1024,
               1)
        << " GiB |\n"
        << "| Kernel | "
        << firstMatch(QStringLiteral("/proc/sys/kernel/osrelease"), QStringLiteral(R"(^(.*)$)"))
        << " |\n"
        << "| Qt | " << qVersion() << " |\n"
        << "| Compiler | " << FENDRIMO_COMPILER << ", Release |\n"
        << "| Load average (1, 5, 15 min) before / after | "
        << options.value(QStringLiteral("--load-before"), QStringLiteral("unknown")) << " / "
        << loadAverage() << " |\n\n";
}

void writeStartupTable(QTextStream& out, const Results& r)
{
    struct Row
    {
        QString what;
        double ProbeRun::*field;
        int decimals;
        bool ratio;
        const QList<ProbeRun>* runs; // Fendrimo's column
    };
    const QList<Row> rows{
        {QStringLiteral("Start-up: process start to window shown and idle (ms)"),
         &ProbeRun::startupMs, 1, true, &r.fendrimo},
        {QStringLiteral("CPU time of that start-up, user + sys (ms)"), &ProbeRun::startupCpuMs, 1,
         true, &r.fendrimo},
        {QStringLiteral("Start-up, settings file already there: not a first run (ms)"),
         &ProbeRun::startupMs, 1, true, &r.later},
        {QStringLiteral("CPU time of that start-up, user + sys (ms)"), &ProbeRun::startupCpuMs, 1,
         true, &r.later},
        {QStringLiteral("Peak resident memory, VmHWM (MiB)"), &ProbeRun::peakRssMiB, 1, true,
         &r.fendrimo},
        {QStringLiteral("Idle time measured (s)"), &ProbeRun::idleS, 2, false, &r.fendrimo},
        {QStringLiteral("CPU time while idle, user + sys (ms)"), &ProbeRun::idleCpuMs, 2, false,
         &r.fendrimo},
        {QStringLiteral("Idle CPU (% of one core)"), &ProbeRun::idleCpuPercent, 3, true,
         &r.fendrimo},
        {QStringLiteral("Wakeups of the main thread while idle"), &ProbeRun::idleWakeups, 0, false,
         &r.fendrimo},
        {QStringLiteral("Idle wakeups per second"), &ProbeRun::idleWakeupsPerSecond, 2, false,
         &r.fendrimo},
    };
    out << "| | Fendrimo | Baseline | Ratio |\n| --- | ---: | ---: | ---: |\n";
    for (const Row& row : rows) {
        const double f = medianOf(*row.runs, row.field);
        const double b = medianOf(r.baseline, row.field);
        out << "| " << row.what << " | " << fixed(f, row.decimals) << " | "
            << fixed(b, row.decimals) << " | "
            << (row.ratio && b > 0 ? fixed(f / b, 2) + QStringLiteral(" ×") : QStringLiteral("–"))
            << " |\n";
    }
}

void writeStartupAndIdle(QTextStream& out, const Results& r)
{
    out << "## Start-up and idle\n\n"
        << "Median of " << r.fendrimo.size() << " runs of Fendrimo and " << r.baseline.size()
        << " of the baseline, taken in turns, `QT_QPA_PLATFORM=offscreen`, one process run each. "
        << "The baseline is a bare Qt Widgets window with one label, built in the same run and "
           "given the main window's size ("
        << r.fendrimo.first().window << ").\n\n";
    writeStartupTable(out, r);
    out << "\nEach run:\n\n"
        << "| Run | Fendrimo start-up (ms) | Not a first run (ms) | Baseline start-up (ms) | "
           "Fendrimo RSS (MiB) | Baseline RSS (MiB) | Fendrimo idle CPU (%) | "
           "Baseline idle CPU (%) | Fendrimo wakeups (/s) | Baseline wakeups (/s) |\n"
        << "| ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: |\n";
    for (qsizetype i = 0; i < std::max(r.fendrimo.size(), r.baseline.size()); ++i) {
        const ProbeRun f = r.fendrimo.value(i);
        const ProbeRun b = r.baseline.value(i);
        out << "| " << i + 1 << " | " << fixed(f.startupMs, 1) << " | "
            << fixed(r.later.value(i).startupMs, 1) << " | " << fixed(b.startupMs, 1) << " | "
            << fixed(f.peakRssMiB, 1) << " | " << fixed(b.peakRssMiB, 1) << " | "
            << fixed(f.idleCpuPercent, 3) << " | " << fixed(b.idleCpuPercent, 3) << " | "
            << fixed(f.idleWakeupsPerSecond, 2) << " | " << fixed(b.idleWakeupsPerSecond, 2)
            << " |\n";
    }
}

QString microNote(const QJsonObject& entry)
{
    if (entry.contains(QStringLiteral("steps")))
        return fixed(entry.value(QStringLiteral("steps")).toDouble(), 0) +
               QStringLiteral(" drawing steps");
    if (entry.contains(QStringLiteral("pdf_bytes")))
        return fixed(entry.value(QStringLiteral("pdf_bytes")).toDouble() / 1024, 1) +
               QStringLiteral(" KiB of PDF");
    return {};
}

void writeMicro(QTextStream& out, const Results& r)
{
    out << "\n## Micro-benchmarks\n\n"
        << "Google Benchmark " << FENDRIMO_BENCHMARK_VERSION << " (the library itself built as "
        << r.microContext.value(QStringLiteral("library_build_type")).toString()
        << "; that touches its own bookkeeping, not the code measured), median of "
        << r.micro.first().entry.value(QStringLiteral("repetitions")).toInt()
        << " repetitions run in random order, so that a slow spell of the machine falls on all "
           "benchmarks alike; real time.\n\n"
        << "| Benchmark | Time | |\n| --- | ---: | --- |\n";
    const QList<std::pair<QString, QString>> names{
        {QStringLiteral("BM_ZehntelText"), QStringLiteral("`ZehntelText`, one rate text")},
        {QStringLiteral("BM_RecordEncode"),
         QStringLiteral("Profile record: fill every field, take the 656 bytes")},
        {QStringLiteral("BM_RecordDecode"),
         QStringLiteral("Profile record: take 656 bytes, read every field")},
        {QStringLiteral("BM_SettingsRead"),
         QStringLiteral("Settings file: read the marker and `Maximum` (real file)")},
        {QStringLiteral("BM_SettingsWrite"),
         QStringLiteral("Settings file: write `Maximum`, file replaced (real file)")},
        {QStringLiteral("BM_DescribeReport/") + kOrdinary,
         QStringLiteral("`describeReport`, Maximum ") + shown(kOrdinary)},
        {QStringLiteral("BM_DescribeReport/") + kLarge,
         QStringLiteral("`describeReport`, Maximum ") + shown(kLarge)},
        {QStringLiteral("BM_RenderPdf/") + kOrdinary,
         QStringLiteral("Report page to a PDF in memory, Maximum ") + shown(kOrdinary)},
        {QStringLiteral("BM_RenderPdf/") + kLarge,
         QStringLiteral("Report page to a PDF in memory, Maximum ") + shown(kLarge)},
    };
    for (const auto& [name, label] : names) {
        const double ms = r.microMs(name);
        const QString time = ms < 0.001 ? fixed(ms * 1e6, 0) + QStringLiteral(" ns")
                             : ms < 1.0 ? fixed(ms * 1e3, 2) + QStringLiteral(" µs")
                                        : fixed(ms, 2) + QStringLiteral(" ms");
        out << "| " << label << " | " << time << " | " << microNote(r.micro.value(name).entry)
            << " |\n";
    }
}

void writeReportSteps(QTextStream& out, const QMap<qint64, qint64>& steps)
{
    const auto [most, mostSteps] = mostReportSteps(steps);
    out << "\n## Drawing steps of the report page\n\n"
        << "Steps `describeReport` returns for the A4 page of the micro-benchmarks, counted for "
        << steps.size() << " maxima: every one from " << shown(QString::number(steps.firstKey()))
        << " to 1,000 (the tenths fill the page long before), then 3 and 10 times each power of "
           "ten up to "
        << shown(QString::number(steps.lastKey())) << ". The most: " << mostSteps << " at Maximum "
        << shown(QString::number(most)) << ".\n\n"
        << "| Maximum | Drawing steps |\n| ---: | ---: |\n";
    QList<qint64> listed{1,    10,   30,      100,        most,           300,
                         1000, 3000, 1000000, 2000000000, steps.lastKey()};
    std::sort(listed.begin(), listed.end());
    listed.erase(std::unique(listed.begin(), listed.end()), listed.end());
    for (const qint64 maximum : std::as_const(listed)) {
        if (steps.contains(maximum))
            out << "| " << shown(QString::number(maximum)) << " | " << steps.value(maximum)
                << " |\n";
    }
}

void writeGlucoseYear(QTextStream& out, const QList<GlucoseYear>& years)
{
    const auto mib = [](qint64 bytes) { return fixed(double(bytes) / (1024 * 1024), 1); };
    out << "\n## A year of glucose readings\n\n"
        << "A year of 5-minute readings ("
        << QLocale(QLocale::English).toString(kGlucoseYearReadings)
        << ") in each export's shape, written by `bench/glucoseyear.cpp` and read from its file as "
           "the program reads one (`readGlucoseFile`: read, recognised, read by its reader), put "
           "into the data and computed: every figure and the curves over the default period (the "
           "last 14 days) and over the whole year, and a night's basal test (22 to 6 h) on each "
           "day. Instructions: that work alone under callgrind, divided by the readings. Peak "
           "memory: `VmHWM` after it less `VmHWM` of the idle process before it. A change: the "
           "median of 21 recomputations of the figures and curves.\n\n"
        << "| Export | File (MiB) | Instructions per reading | Peak memory above idle (MiB) | "
           "Limit (MiB) | Change to 14 days (ms) | To the year (ms) | To Monday–Friday (ms) |\n"
        << "| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: |\n";
    for (const GlucoseYear& y : years)
        out << "| " << y.format << " | " << mib(y.bytes) << " | "
            << QLocale(QLocale::English).toString(qRound64(y.instructionsPerReading())) << " | "
            << mib(y.peakAboveIdleBytes) << " | " << mib(y.memoryLimit()) << " | "
            << fixed(y.defaultPeriodMs, 2) << " | " << fixed(y.yearMs, 2) << " | "
            << fixed(y.weekdaysMs, 2) << " |\n";
}

void writeBudgets(QTextStream& out, const QList<Budget>& budgets)
{
    out << "\n## Budgets\n\n| Budget | Measured | Limit | Result |\n| --- | ---: | ---: | --- |\n";
    for (const Budget& budget : budgets)
        out << "| " << budget.what << " | " << budget.measured << " | " << budget.limit << " | "
            << (budget.met ? "met" : "**BROKEN**") << " |\n";
}

void writeMethod(QTextStream& out)
{
    out << "\n## How it is measured\n\n"
        << "- Start-up: each probe restarts itself once (`execve` of `/proc/self/exe`) with the "
           "monotonic clock and its CPU time in the environment, so the time counts loading the "
           "program and the Qt libraries. It ends at the first time the event loop goes to sleep "
           "(`QAbstractEventDispatcher::aboutToBlock`) after the window was shown and received "
           "its first paint event. Both probes measure in exactly this way. Times are shown; "
           "the budget is on instructions, which the load of the machine does not change.\n"
        << "- Fendrimo is started as `src/app/main.cpp` starts it (`fendrimo::Application`, "
           "`TForm1`, `show()`), every run with a new, empty settings folder: a first run, whose "
           "notice the platform fake answers and which writes the settings file. The real "
           "platform takes over before the window is shown, so the status panel's clock moves. "
           "Right after it, a second start in the same folder measures a start that only reads "
           "the settings file (no idle time).\n"
        << "- Peak resident memory: `VmHWM` of `/proc/self/status` at the end of the run.\n"
        << "- Idle: from the end of start-up for the time given, with the keyboard focus on the "
           "first hour's slider (the probe fails if it is elsewhere: in a text field the cursor "
           "would blink); the baseline has no timer and nothing that takes the focus. CPU time: "
           "`CLOCK_PROCESS_CPUTIME_ID`, all threads. Wakeups: how often the main thread left "
           "the processor, `voluntary_ctxt_switches` + `nonvoluntary_ctxt_switches` of "
           "`/proc/thread-self/status` read on the main thread as the loop goes to sleep and "
           "when the probe's timer ends the idle time, less that timer's own wakeup.\n"
        << "- Micro-benchmarks: `bench/micro.cpp`; the report page is A4 at 1200 dpi as the "
           "print job makes it, the profile six hours at 0,8, four at 1,2, eight at 1,0 and six "
           "at 0,9 IE/h, with two lines of notes (for the smallest maxima more than the chart "
           "holds).\n";
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QMap<QString, QString> options;
    const QStringList arguments = QCoreApplication::arguments();
    for (int i = 1; i + 1 < arguments.size(); i += 2)
        options.insert(arguments.at(i), arguments.at(i + 1));
    for (const char* required : {"--micro", "--probes", "--out", "--callgrind", "--glucose"}) {
        if (!options.contains(QLatin1String(required)))
            fail(QStringLiteral("%1 is missing").arg(QLatin1String(required)));
    }
    const Results results = readResults(options);
    const QList<Budget> budgets = startupBudgets(results) + pageBudgets(results) +
                                  glucoseBudgets(results.glucose) +
                                  glucoseRecomputeBudgets(results.glucose);
    const qsizetype broken =
        std::count_if(budgets.cbegin(), budgets.cend(), [](const Budget& b) { return !b.met; });

    QString text;
    QTextStream out(&text);
    out << "# Performance\n\n"
        << "Written by `scripts/bench.sh`; every figure below comes from its last run. "
           "Run it again rather than editing this file. The test command checks the start-up "
           "budgets on instructions and peak memory, and the glucose year's instructions per "
           "reading and peak memory, on every run (`scripts/budgets.sh`).\n\n";
    out << "**"
        << (broken ? QStringLiteral("%1 of %2 budgets broken").arg(broken).arg(budgets.size())
                   : QStringLiteral("All %1 budgets met").arg(budgets.size()))
        << "** — " << QDateTime::currentDateTimeUtc().toString(Qt::ISODate) << "\n\n";
    writeMachine(out, options);
    writeStartupAndIdle(out, results);
    fendrimo::bench::writeInstructionSection(
        out, results.fendrimoInstructions, results.baselineInstructions,
        qint64(kStartupReferenceBeforeProfileModel), startupInstructionLimit());
    writeMicro(out, results);
    writeReportSteps(out, results.reportSteps);
    writeGlucoseYear(out, results.glucose);
    writeBudgets(out, budgets);
    writeMethod(out);

    QFile file(options.value(QStringLiteral("--out")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(QStringLiteral("cannot write %1").arg(file.fileName()));
    file.write(text.toUtf8());
    file.close();

    printBudgets(budgets);
    return broken ? 1 : 0;
}

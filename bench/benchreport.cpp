// Turns the raw results of scripts/bench.sh into docs/PERFORMANCE.md: the
// medians, the ratios to the baseline, the machine and the budgets. Ends with
// 1 when a budget is broken, 2 when a result is missing or unreadable.
//
// fendrimo_benchreport --micro micro.json --probes probes.jsonl --out FILE
//                      --callgrind DIR [--load-before TEXT]
// DIR holds callgrind_annotate's texts of one start of each probe:
// {fendrimo,baseline}.{inclusive,callers}.

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

namespace {

// The budgets.
constexpr double kStartupRatio = 1.3;
constexpr double kRssRatio = 1.3;
constexpr double kIdleCpuPercent = 0.5;
constexpr double kDescribeMs = 1.0;
constexpr double kPdfMs = 50.0;
constexpr double kLargeToOrdinary = 2.0;

// The two maxima as Google Benchmark names the runs.
const QString kOrdinary = QStringLiteral("30");
const QString kLarge = QStringLiteral("2000000000");

QString shown(const QString& maximum)
{
    return QLocale(QLocale::English).toString(maximum.toLongLong());
}

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "benchreport: %s\n", qPrintable(message));
    std::exit(2);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    return file.readAll();
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
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

// One probe run of one program.
struct ProbeRun
{
    double startupMs = 0;
    double startupCpuMs = 0;
    double peakRssMiB = 0;
    double idleS = 0;
    double idleCpuMs = 0;
    double idleCpuPercent = 0;
    QString window;
};

QMap<QString, QList<ProbeRun>> readProbes(const QString& path)
{
    QMap<QString, QList<ProbeRun>> runs;
    for (const QByteArray& line : readFile(path).split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        if (o.isEmpty())
            fail(QStringLiteral("%1: not a probe result: %2").arg(path, QString::fromUtf8(line)));
        ProbeRun run;
        run.startupMs = o.value(QStringLiteral("startup_ms")).toDouble();
        run.startupCpuMs = o.value(QStringLiteral("startup_cpu_ms")).toDouble();
        run.peakRssMiB = o.value(QStringLiteral("peak_rss_kib")).toDouble() / 1024;
        run.idleS = o.value(QStringLiteral("idle_s")).toDouble();
        run.idleCpuMs = o.value(QStringLiteral("idle_cpu_ms")).toDouble();
        run.idleCpuPercent = o.value(QStringLiteral("idle_cpu_percent")).toDouble();
        run.window = o.value(QStringLiteral("window")).toString();
        runs[o.value(QStringLiteral("program")).toString()].append(run);
    }
    return runs;
}

template <typename Field> double medianOf(const QList<ProbeRun>& runs, Field field)
{
    QList<double> values;
    for (const ProbeRun& run : runs)
        values.append(run.*field);
    return median(values);
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

struct Budget
{
    QString what;
    QString measured;
    QString limit;
    bool met = false;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QMap<QString, QString> options;
    const QStringList arguments = QCoreApplication::arguments();
    for (int i = 1; i + 1 < arguments.size(); i += 2)
        options.insert(arguments.at(i), arguments.at(i + 1));
    for (const char* required : {"--micro", "--probes", "--out", "--callgrind"}) {
        if (!options.contains(QLatin1String(required)))
            fail(QStringLiteral("%1 is missing").arg(QLatin1String(required)));
    }

    const QMap<QString, Micro> micro = readMicro(options.value(QStringLiteral("--micro")));
    const QJsonObject microContext =
        QJsonDocument::fromJson(readFile(options.value(QStringLiteral("--micro"))))
            .object()
            .value(QStringLiteral("context"))
            .toObject();
    const QMap<QString, QList<ProbeRun>> probes =
        readProbes(options.value(QStringLiteral("--probes")));
    const QList<ProbeRun> fendrimo = probes.value(QStringLiteral("fendrimo"));
    const QList<ProbeRun> baseline = probes.value(QStringLiteral("baseline"));
    if (fendrimo.isEmpty() || baseline.isEmpty() ||
        probes.value(QStringLiteral("fendrimo-later")).isEmpty())
        fail(QStringLiteral("probe results of fendrimo, fendrimo-later and baseline are needed"));
    const auto instructions = [&options](const QString& program) {
        const QString prefix =
            options.value(QStringLiteral("--callgrind")) + QLatin1Char('/') + program;
        QString error;
        const fendrimo::bench::InstructionProfile profile = fendrimo::bench::readInstructionProfile(
            readFile(prefix + QStringLiteral(".inclusive")),
            readFile(prefix + QStringLiteral(".callers")), &error);
        if (!error.isEmpty())
            fail(QStringLiteral("%1: %2").arg(prefix, error));
        return profile;
    };
    const fendrimo::bench::InstructionProfile fendrimoInstructions =
        instructions(QStringLiteral("fendrimo"));
    const fendrimo::bench::InstructionProfile baselineInstructions =
        instructions(QStringLiteral("baseline"));
    const auto microMs = [&micro](const QString& name) {
        if (!micro.contains(name))
            fail(QStringLiteral("benchmark %1 is missing").arg(name));
        return micro.value(name).ms;
    };

    // Start-up and idle.
    const QList<ProbeRun> later = probes.value(QStringLiteral("fendrimo-later"));
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
         &ProbeRun::startupMs, 1, true, &fendrimo},
        {QStringLiteral("CPU time of that start-up, user + sys (ms)"), &ProbeRun::startupCpuMs, 1,
         true, &fendrimo},
        {QStringLiteral("Start-up, settings file already there: not a first run (ms)"),
         &ProbeRun::startupMs, 1, true, &later},
        {QStringLiteral("CPU time of that start-up, user + sys (ms)"), &ProbeRun::startupCpuMs, 1,
         true, &later},
        {QStringLiteral("Peak resident memory, VmHWM (MiB)"), &ProbeRun::peakRssMiB, 1, true,
         &fendrimo},
        {QStringLiteral("Idle time measured (s)"), &ProbeRun::idleS, 2, false, &fendrimo},
        {QStringLiteral("CPU time while idle, user + sys (ms)"), &ProbeRun::idleCpuMs, 2, false,
         &fendrimo},
        {QStringLiteral("Idle CPU (% of one core)"), &ProbeRun::idleCpuPercent, 3, true, &fendrimo},
    };
    const double startupRatio =
        medianOf(fendrimo, &ProbeRun::startupMs) / medianOf(baseline, &ProbeRun::startupMs);
    const double rssRatio =
        medianOf(fendrimo, &ProbeRun::peakRssMiB) / medianOf(baseline, &ProbeRun::peakRssMiB);
    const double idlePercent = medianOf(fendrimo, &ProbeRun::idleCpuPercent);

    // Budgets.
    QList<Budget> budgets;
    budgets.append({QStringLiteral("Start-up ≤ %1 × baseline").arg(kStartupRatio),
                    fixed(startupRatio, 3) + QStringLiteral(" ×"),
                    fixed(kStartupRatio, 2) + QStringLiteral(" ×"), startupRatio <= kStartupRatio});
    budgets.append({QStringLiteral("Peak resident memory ≤ %1 × baseline").arg(kRssRatio),
                    fixed(rssRatio, 3) + QStringLiteral(" ×"),
                    fixed(kRssRatio, 2) + QStringLiteral(" ×"), rssRatio <= kRssRatio});
    budgets.append({QStringLiteral("Idle CPU ≤ %1 % of one core").arg(kIdleCpuPercent),
                    fixed(idlePercent, 3) + QStringLiteral(" %"),
                    fixed(kIdleCpuPercent, 3) + QStringLiteral(" %"),
                    idlePercent <= kIdleCpuPercent});
    struct Timed
    {
        QString name;
        QString label;
        double limitMs;
    };
    for (const Timed& timed :
         {Timed{QStringLiteral("BM_DescribeReport"), QStringLiteral("Page description"),
                kDescribeMs},
          Timed{QStringLiteral("BM_RenderPdf"), QStringLiteral("PDF rendering"), kPdfMs}}) {
        const double ordinary = microMs(timed.name + QLatin1Char('/') + kOrdinary);
        const double large = microMs(timed.name + QLatin1Char('/') + kLarge);
        for (const auto& [maximum, ms] : {std::pair{kOrdinary, ordinary}, std::pair{kLarge, large}})
            budgets.append({QStringLiteral("%1, Maximum %2, ≤ %3 ms")
                                .arg(timed.label, shown(maximum), fixed(timed.limitMs, 0)),
                            fixed(ms, 3) + QStringLiteral(" ms"),
                            fixed(timed.limitMs, 3) + QStringLiteral(" ms"), ms <= timed.limitMs});
        const double ratio = large / ordinary;
        budgets.append(
            {QStringLiteral("%1, Maximum %2 ≤ %3 × Maximum %4")
                 .arg(timed.label, shown(kLarge), fixed(kLargeToOrdinary, 0), shown(kOrdinary)),
             fixed(ratio, 3) + QStringLiteral(" ×"),
             fixed(kLargeToOrdinary, 2) + QStringLiteral(" ×"), ratio <= kLargeToOrdinary});
    }
    const qsizetype broken =
        std::count_if(budgets.cbegin(), budgets.cend(), [](const Budget& b) { return !b.met; });

    // The report.
    QString text;
    QTextStream out(&text);
    out << "# Performance\n\n"
        << "Written by `scripts/bench.sh`; every figure below comes from its last run. "
           "Run it again rather than editing this file.\n\n";
    out << "**"
        << (broken ? QStringLiteral("%1 of %2 budgets broken").arg(broken).arg(budgets.size())
                   : QStringLiteral("All %1 budgets met").arg(budgets.size()))
        << "** — " << QDateTime::currentDateTimeUtc().toString(Qt::ISODate) << "\n\n";

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

    out << "## Start-up and idle\n\n"
        << "Median of " << fendrimo.size() << " runs of Fendrimo and " << baseline.size()
        << " of the baseline, taken in turns, `QT_QPA_PLATFORM=offscreen`, one process run each. "
        << "The baseline is a bare Qt Widgets window with one label, built in the same run and "
           "given the main window's size ("
        << fendrimo.first().window << ").\n\n"
        << "| | Fendrimo | Baseline | Ratio |\n| --- | ---: | ---: | ---: |\n";
    for (const Row& row : rows) {
        if (row.runs->isEmpty())
            continue;
        const double f = medianOf(*row.runs, row.field);
        const double b = medianOf(baseline, row.field);
        out << "| " << row.what << " | " << fixed(f, row.decimals) << " | "
            << fixed(b, row.decimals) << " | "
            << (row.ratio && b > 0 ? fixed(f / b, 2) + QStringLiteral(" ×") : QStringLiteral("–"))
            << " |\n";
    }
    out << "\nEach run:\n\n"
        << "| Run | Fendrimo start-up (ms) | Not a first run (ms) | Baseline start-up (ms) | "
           "Fendrimo RSS (MiB) | Baseline RSS (MiB) | Fendrimo idle CPU (%) | "
           "Baseline idle CPU (%) |\n"
        << "| ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: |\n";
    for (qsizetype i = 0; i < std::max(fendrimo.size(), baseline.size()); ++i) {
        const ProbeRun f = fendrimo.value(i);
        const ProbeRun b = baseline.value(i);
        out << "| " << i + 1 << " | " << fixed(f.startupMs, 1) << " | "
            << fixed(later.value(i).startupMs, 1) << " | " << fixed(b.startupMs, 1) << " | "
            << fixed(f.peakRssMiB, 1) << " | " << fixed(b.peakRssMiB, 1) << " | "
            << fixed(f.idleCpuPercent, 3) << " | " << fixed(b.idleCpuPercent, 3) << " |\n";
    }

    fendrimo::bench::writeInstructionSection(out, fendrimoInstructions, baselineInstructions,
                                             kStartupRatio);

    out << "\n## Micro-benchmarks\n\n"
        << "Google Benchmark " << FENDRIMO_BENCHMARK_VERSION << " (the library itself built as "
        << microContext.value(QStringLiteral("library_build_type")).toString()
        << "; that touches its own bookkeeping, not the code measured), median of "
        << micro.first().entry.value(QStringLiteral("repetitions")).toInt()
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
        const double ms = microMs(name);
        const QJsonObject entry = micro.value(name).entry;
        QString note;
        if (entry.contains(QStringLiteral("steps")))
            note = fixed(entry.value(QStringLiteral("steps")).toDouble(), 0) +
                   QStringLiteral(" drawing steps");
        if (entry.contains(QStringLiteral("pdf_bytes")))
            note = fixed(entry.value(QStringLiteral("pdf_bytes")).toDouble() / 1024, 1) +
                   QStringLiteral(" KiB of PDF");
        const QString time = ms < 0.001 ? fixed(ms * 1e6, 0) + QStringLiteral(" ns")
                             : ms < 1.0 ? fixed(ms * 1e3, 2) + QStringLiteral(" µs")
                                        : fixed(ms, 2) + QStringLiteral(" ms");
        out << "| " << label << " | " << time << " | " << note << " |\n";
    }

    out << "\n## Budgets\n\n| Budget | Measured | Limit | Result |\n| --- | ---: | ---: | --- |\n";
    for (const Budget& budget : budgets)
        out << "| " << budget.what << " | " << budget.measured << " | " << budget.limit << " | "
            << (budget.met ? "met" : "**BROKEN**") << " |\n";

    out << "\n## How it is measured\n\n"
        << "- Start-up: each probe restarts itself once (`execve` of `/proc/self/exe`) with the "
           "monotonic clock and its CPU time in the environment, so the time counts loading the "
           "program and the Qt libraries. It ends at the first time the event loop goes to sleep "
           "(`QAbstractEventDispatcher::aboutToBlock`) after the window was shown and received "
           "its first paint event. Both probes measure in exactly this way.\n"
        << "- Fendrimo is started as `src/app/main.cpp` starts it (`fendrimo::Application`, "
           "`TForm1`, `show()`), every run with a new, empty settings folder: a first run, whose "
           "notice the platform fake answers and which writes the settings file. The real "
           "platform takes over before the window is shown, so the status panel's clock moves. "
           "Right after it, a second start in the same folder measures a start that only reads "
           "the settings file (no idle time).\n"
        << "- Peak resident memory: `VmHWM` of `/proc/self/status` at the end of the run.\n"
        << "- Idle: CPU time (`CLOCK_PROCESS_CPUTIME_ID`, all threads) from the end of start-up "
           "for the time given, while Fendrimo's status panel ticks; the baseline has no timer.\n"
        << "- Micro-benchmarks: `bench/micro.cpp`; the report page is A4 at 1200 dpi as the "
           "print job makes it, the profile six hours at 0,8, four at 1,2, eight at 1,0 and six "
           "at 0,9 IE/h, with two lines of notes.\n";

    QFile file(options.value(QStringLiteral("--out")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(QStringLiteral("cannot write %1").arg(file.fileName()));
    file.write(text.toUtf8());
    file.close();

    for (const Budget& budget : budgets)
        std::printf("%-8s %s: %s (limit %s)\n", budget.met ? "met" : "BROKEN",
                    qPrintable(budget.what), qPrintable(budget.measured), qPrintable(budget.limit));
    return broken ? 1 : 0;
}

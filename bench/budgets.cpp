#include "budgets.h"
#include "instructions.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace fendrimo::bench {

namespace {

// "105,120", as the report writes numbers.
QString grouped(qint64 number)
{
    return QLocale(QLocale::English).toString(number);
}

QString millions(double instructions)
{
    return fixed(instructions / 1e6, 1) + QStringLiteral(" M");
}

} // namespace

void fail(const QString& message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(message));
    std::exit(2);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    return file.readAll();
}

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

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
        run.idleWakeups = o.value(QStringLiteral("idle_wakeups")).toDouble();
        run.idleWakeupsPerSecond = o.value(QStringLiteral("idle_wakeups_per_s")).toDouble();
        run.window = o.value(QStringLiteral("window")).toString();
        runs[o.value(QStringLiteral("program")).toString()].append(run);
    }
    return runs;
}

qint64 startupInstructionLimit()
{
    return qRound64(kStartupReferenceBeforeProfileModel * (1 + kStartupGrowth) / 1e5) * 100000;
}

QList<Budget> footprintBudgets(qint64 instructions, const QList<ProbeRun>& fendrimo,
                               const QList<ProbeRun>& baseline)
{
    const qint64 limit = startupInstructionLimit();
    const double rssRatio =
        medianOf(fendrimo, &ProbeRun::peakRssMiB) / medianOf(baseline, &ProbeRun::peakRssMiB);
    const QString x = QStringLiteral(" ×");
    return {
        {QStringLiteral("Start-up in instructions ≤ %1, %2 % above %3 before the profile model")
             .arg(millions(double(limit)))
             .arg(kStartupGrowth * 100)
             .arg(millions(kStartupReferenceBeforeProfileModel)),
         millions(double(instructions)), millions(double(limit)), instructions <= limit},
        {QStringLiteral("Peak resident memory ≤ %1 × baseline").arg(kRssRatio),
         fixed(rssRatio, 3) + x, fixed(kRssRatio, 2) + x, rssRatio <= kRssRatio},
    };
}

QList<Budget> languageBudgets(qint64 german, qint64 english)
{
    const qint64 germanLimit =
        qRound64(kStartupGermanBeforeLanguages * (1 + kGermanGrowth) / 1e5) * 100000;
    const qint64 englishLimit = qRound64(double(german) * (1 + kEnglishOverGerman) / 1e5) * 100000;
    return {
        {QStringLiteral("German start-up ≤ %1, %2 % above %3 before the languages")
             .arg(millions(double(germanLimit)))
             .arg(kGermanGrowth * 100)
             .arg(millions(kStartupGermanBeforeLanguages)),
         millions(double(german)), millions(double(germanLimit)), german <= germanLimit},
        {QStringLiteral("English start-up ≤ %1 % above German's").arg(kEnglishOverGerman * 100),
         millions(double(english)), millions(double(englishLimit)), english <= englishLimit},
    };
}

QList<GlucoseYear> readGlucoseYears(const QString& folder)
{
    QList<GlucoseYear> years;
    const QString lines = folder + QStringLiteral("/glucose.jsonl");
    for (const QByteArray& line : readFile(lines).split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        if (o.isEmpty())
            fail(QStringLiteral("%1: not a year's result: %2").arg(lines, QString::fromUtf8(line)));
        GlucoseYear year;
        year.format = o.value(QStringLiteral("format")).toString();
        year.bytes = o.value(QStringLiteral("bytes")).toInteger();
        year.readings = o.value(QStringLiteral("readings")).toInteger();
        year.peakAboveIdleBytes = o.value(QStringLiteral("peak_above_idle_bytes")).toInteger();
        year.defaultPeriodMs = o.value(QStringLiteral("default_period_ms")).toDouble(-1);
        year.yearMs = o.value(QStringLiteral("year_ms")).toDouble(-1);
        year.weekdaysMs = o.value(QStringLiteral("weekdays_ms")).toDouble(-1);
        const QString counted =
            QStringLiteral("%1/glucose-%2.inclusive").arg(folder).arg(years.size() + 1);
        QString error;
        year.instructions = readInstructionProfile(readFile(counted), QByteArray(), &error).total;
        if (!error.isEmpty())
            fail(QStringLiteral("%1: %2").arg(counted, error));
        years.append(year);
    }
    if (years.isEmpty())
        fail(QStringLiteral("%1: no year of glucose readings measured").arg(lines));
    return years;
}

QList<Budget> glucoseBudgets(const QList<GlucoseYear>& years)
{
    const auto mib = [](qint64 bytes) {
        return fixed(double(bytes) / (1024 * 1024), 1) + QStringLiteral(" MiB");
    };
    QList<Budget> budgets;
    for (const GlucoseYear& y : years) {
        // A year not read whole would pass by doing less.
        const bool whole = y.readings == kGlucoseYearReadings;
        budgets.append(
            {QStringLiteral("%1, a year read, recognised and computed: ≤ %2 instructions per "
                            "reading (of %3)")
                 .arg(y.format, grouped(qint64(kGlucoseInstructionsPerReading)),
                      grouped(kGlucoseYearReadings)),
             whole ? grouped(qRound64(y.instructionsPerReading()))
                   : QStringLiteral("%1 readings read").arg(grouped(y.readings)),
             grouped(qint64(kGlucoseInstructionsPerReading)),
             whole && y.instructionsPerReading() <= kGlucoseInstructionsPerReading});
        budgets.append({QStringLiteral("%1, peak memory above the idle process ≤ the file (%2) "
                                       "+ %3 bytes per reading")
                            .arg(y.format, mib(y.bytes))
                            .arg(kGlucoseBytesPerReading),
                        mib(y.peakAboveIdleBytes), mib(y.memoryLimit()),
                        whole && y.peakAboveIdleBytes <= y.memoryLimit()});
    }
    return budgets;
}

QList<Budget> glucoseRecomputeBudgets(const QList<GlucoseYear>& years)
{
    QList<Budget> budgets;
    for (const GlucoseYear& y : years) {
        const double ms = y.slowestRecomputeMs();
        budgets.append(
            {QStringLiteral("%1, a change of period or days over the year ≤ %2 ms")
                 .arg(y.format)
                 .arg(kGlucoseRecomputeMs),
             ms < 0 ? QStringLiteral("not measured") : fixed(ms, 2) + QStringLiteral(" ms"),
             fixed(kGlucoseRecomputeMs, 2) + QStringLiteral(" ms"),
             ms >= 0 && ms <= kGlucoseRecomputeMs});
    }
    return budgets;
}

qsizetype printBudgets(const QList<Budget>& budgets)
{
    qsizetype broken = 0;
    for (const Budget& budget : budgets) {
        std::printf("%-8s %s: %s (limit %s)\n", budget.met ? "met" : "BROKEN",
                    qPrintable(budget.what), qPrintable(budget.measured), qPrintable(budget.limit));
        broken += budget.met ? 0 : 1;
    }
    std::fflush(stdout);
    return broken;
}

} // namespace fendrimo::bench

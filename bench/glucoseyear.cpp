// A year of 5-minute readings (105,120) in each export's shape, for the
// glucose budgets (scripts/budgets.sh, scripts/bench.sh):
//   fendrimo_glucoseyear write DIR        the year as DIR/year-<format>.<ending>
//   fendrimo_glucoseyear measure FILE [--times]
// reads the file as the program does (readGlucoseFile: read, recognised),
// puts it into a GlucoseData and computes every statistic over the default
// period and over the whole year (figures, curves, a night's basal test on
// each day); it prints one JSON line: the format, its size, the readings,
// the peak memory above the idle process and, with --times, the median
// milliseconds of a change of period or days. Under
// valgrind --tool=callgrind --toggle-collect='*measuredYear*' the count is
// that work alone; --toggle-collect='fendrimo::readGlucose*' the reading.
// "qjsondocument" with --toggle-collect='*throughQJsonDocument*' reads the
// entries through Qt's JSON instead, for the comparison.

#include "glucose/agpcurves.h"
#include "glucose/basaltest.h"
#include "glucose/glucoseformats.h"
#include "glucose/glucosesamples.h"
#include "glucose/glucosestats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

using namespace glucosesamples;

constexpr int kYearReadings = 365 * 24 * 12;
// 2023-01-01 00:00 UTC: a year without a leap day.
constexpr qint64 kYearStart = 1672531200;

int yearValue(int i)
{
    return 40 + (i * 7) % 360;
}

// The UTC (or local) clock of reading i, "2023-01-01T00:05:00".
QByteArray yearClock(int i)
{
    return QDateTime::fromSecsSinceEpoch(kYearStart + qint64(i) * 300, QTimeZone::utc())
        .toString(Qt::ISODate)
        .left(19)
        .toLatin1();
}

QByteArray yearOf(fendrimo::GlucoseFormat format)
{
    using fendrimo::GlucoseFormat;
    QByteArray file;
    file.reserve(kYearReadings * 200);
    if (format == GlucoseFormat::Clarity)
        file += kClarityHeader + kClarityMetadata;
    if (format == GlucoseFormat::LibreView)
        file += kLibreTitle + libreHeader("mg/dL");
    if (format == GlucoseFormat::NightscoutEntries || format == GlucoseFormat::TidepoolCbg)
        file += "[\n";
    char line[400];
    for (int n = 0; n < kYearReadings; ++n) {
        // Nightscout answers newest first.
        const int i = format == GlucoseFormat::NightscoutEntries ? kYearReadings - 1 - n : n;
        const QByteArray clock = yearClock(i);
        const qint64 ms = (kYearStart + qint64(i) * 300) * 1000;
        const char* sep = n + 1 < kYearReadings ? ",\n" : "\n";
        switch (format) {
        case GlucoseFormat::Clarity:
            file += clarityRow(i + 4, clock, "EGV", QByteArray::number(yearValue(i)));
            continue;
        case GlucoseFormat::LibreView:
            std::snprintf(line, sizeof line, "%s-%s-%s %s", clock.mid(8, 2).constData(),
                          clock.mid(5, 2).constData(), clock.left(4).constData(),
                          clock.mid(11, 5).constData());
            file += libreRow(line, 0, QByteArray::number(yearValue(i)));
            continue;
        case GlucoseFormat::NightscoutEntries:
            std::snprintf(line, sizeof line,
                          "{\"_id\":\"6559a8ec7cd3a1e078474d%05d\",\"device\":\"xDrip-DexcomG6\","
                          "\"date\":%lld,\"dateString\":\"%s.000Z\",\"sgv\":%d,\"delta\":1.5,"
                          "\"direction\":\"Flat\",\"type\":\"sgv\",\"utcOffset\":60}%s",
                          i % 100000, ms, clock.constData(), yearValue(i), sep);
            break;
        case GlucoseFormat::TidepoolCbg:
            std::snprintf(line, sizeof line,
                          "{\"type\":\"cbg\",\"units\":\"mmol/L\",\"value\":%.5f,"
                          "\"time\":\"%s.000Z\",\"timezoneOffset\":60,\"deviceTime\":\"%s\","
                          "\"deviceId\":\"DexG6_123\",\"uploadId\":\"abc%05d\"}%s",
                          yearValue(i) / fendrimo::kMgPerDlPerMmol, clock.constData(),
                          clock.constData(), i % 100000, sep);
            break;
        }
        file += line;
    }
    if (format == GlucoseFormat::NightscoutEntries || format == GlucoseFormat::TidepoolCbg)
        file += "]\n";
    return file;
}

// The comparison the scanner was written against: the year of Nightscout
// entries through QJsonDocument, its values taken out.
[[gnu::noinline]] void throughQJsonDocument(const QByteArray& file)
{
    const QJsonArray entries = QJsonDocument::fromJson(file).array();
    std::vector<fendrimo::GlucoseReading> readings;
    readings.reserve(size_t(entries.size()));
    for (const QJsonValue& entry : entries) {
        const QJsonObject object = entry.toObject();
        if (object.value(QLatin1String("type")).toString() != QLatin1String("sgv"))
            continue;
        fendrimo::GlucoseReading reading;
        reading.value = std::uint16_t(object.value(QLatin1String("sgv")).toInt());
        reading.localSeconds = qint64(object.value(QLatin1String("date")).toDouble()) / 1000;
        readings.push_back(reading);
    }
    std::printf("QJsonDocument: %zu readings\n", readings.size());
}

struct YearFile
{
    fendrimo::GlucoseFormat format;
    const char* name; // of the file, year-<name>.<ending>
    const char* ending;
};

constexpr YearFile kYearFiles[] = {
    {fendrimo::GlucoseFormat::Clarity, "clarity", "csv"},
    {fendrimo::GlucoseFormat::LibreView, "libreview", "csv"},
    {fendrimo::GlucoseFormat::NightscoutEntries, "nightscout", "json"},
    {fendrimo::GlucoseFormat::TidepoolCbg, "tidepool", "json"},
};

int writeYears(const QString& folder)
{
    QDir().mkpath(folder);
    for (const YearFile& year : kYearFiles) {
        QFile file(QStringLiteral("%1/year-%2.%3")
                       .arg(folder, QLatin1String(year.name), QLatin1String(year.ending)));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(yearOf(year.format)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 2;
        }
    }
    return 0;
}

// The peak resident memory so far, VmHWM, in bytes.
qint64 peakResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

struct Year
{
    fendrimo::GlucoseOutcome outcome;
    fendrimo::GlucoseData data;
    double check = 0; // of the figures, so that none is left uncomputed
};

void computeAll(const fendrimo::GlucoseData& data, const fendrimo::GlucosePeriod& period,
                fendrimo::GlucoseUnit shown, double& check)
{
    const fendrimo::GlucoseStatistics stats = fendrimo::glucoseStatistics(data, period, shown);
    const auto curves = fendrimo::agpCurves(stats.hours);
    check += stats.overall.mean.value_or(0) + curves[2].values[12].value_or(0);
}

fendrimo::GlucosePeriod wholeYear(const fendrimo::GlucoseData& data)
{
    using fendrimo::dateOfDay;
    using fendrimo::localDay;
    return fendrimo::choosePeriod(data, dateOfDay(localDay(data.readings.front().localSeconds)),
                                  dateOfDay(localDay(data.readings.back().localSeconds)))
        .period;
}

// What the budget counts: the file read and recognised, the readings put
// into the data, every statistic over the default period and over the
// year, and a night's basal test on each of its days.
[[gnu::noinline]] Year measuredYear(const QString& path, const QTimeZone& zone)
{
    using namespace fendrimo;
    Year year;
    year.outcome = readGlucoseFile(path, zone);
    if (!year.outcome.file)
        return year;
    GlucoseFile& file = *year.outcome.file;
    addReadings(year.data, std::move(file.readings), path, file.unit);
    computeAll(year.data, defaultPeriod(year.data), file.unit, year.check);
    const GlucosePeriod all = wholeYear(year.data);
    computeAll(year.data, all, file.unit, year.check);
    QList<QDate> days;
    for (QDate d = all.first; d <= all.last; d = d.addDays(1))
        days << d;
    year.check += double(basalTest(year.data, days, {22, 6}, file.unit).size());
    return year;
}

// The median milliseconds of 21 recomputations for the period.
double recomputeMs(const fendrimo::GlucoseData& data, const fendrimo::GlucosePeriod& period,
                   fendrimo::GlucoseUnit shown)
{
    std::vector<double> times;
    double check = 0;
    for (int run = 0; run < 21; ++run) {
        const auto begin = std::chrono::steady_clock::now();
        computeAll(data, period, shown, check);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                .count());
    }
    std::sort(times.begin(), times.end());
    return check > 0 ? times[times.size() / 2] : -1;
}

int measure(const QString& path, bool times)
{
    using namespace fendrimo;
    const QTimeZone zone("Europe/Berlin");
    const qint64 idlePeak = peakResidentBytes();
    const Year year = measuredYear(path, zone);
    const qint64 peak = peakResidentBytes();
    if (!year.outcome.file) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(year.outcome.error));
        return 1;
    }
    const GlucoseUnit unit = year.outcome.file->unit;
    std::printf("{\"format\":\"%s\",\"bytes\":%lld,\"readings\":%zu,"
                "\"peak_above_idle_bytes\":%lld",
                glucoseFormatInfo(year.outcome.file->format).name, QFileInfo(path).size(),
                year.data.readings.size(), peak - idlePeak);
    if (times) {
        GlucosePeriod weekdays = wholeYear(year.data);
        weekdays.days = DaySelection::MondayToFriday;
        std::printf(",\"default_period_ms\":%.3f,\"year_ms\":%.3f,\"weekdays_ms\":%.3f",
                    recomputeMs(year.data, defaultPeriod(year.data), unit),
                    recomputeMs(year.data, wholeYear(year.data), unit),
                    recomputeMs(year.data, weekdays, unit));
    }
    std::printf("}\n");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const auto is = [&](int i, const char* word) {
        return argc > i && std::strcmp(argv[i], word) == 0;
    };
    if (is(1, "qjsondocument")) {
        throughQJsonDocument(yearOf(fendrimo::GlucoseFormat::NightscoutEntries));
        return 0;
    }
    if (is(1, "write") && argc == 3)
        return writeYears(QString::fromLocal8Bit(argv[2]));
    if (is(1, "measure") && (argc == 3 || (argc == 4 && is(3, "--times"))))
        return measure(QString::fromLocal8Bit(argv[2]), argc == 4);
    std::fprintf(stderr, "usage: fendrimo_glucoseyear write DIR | measure FILE [--times] | "
                         "qjsondocument\n");
    return 2;
}

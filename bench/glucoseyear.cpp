// A year of 5-minute readings (105,120) in each export's shape, read once,
// for measuring: under
// valgrind --tool=callgrind --toggle-collect='fendrimo::readGlucose*'
// "fendrimo_glucoseyear clarity" counts recognising and reading alone;
// "qjsondocument" with --toggle-collect='*throughQJsonDocument*' the same
// entries through Qt's JSON.

#include "glucose/glucoseformats.h"
#include "glucose/glucosesamples.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "qjsondocument") == 0) {
        throughQJsonDocument(yearOf(fendrimo::GlucoseFormat::NightscoutEntries));
        return 0;
    }
    using fendrimo::GlucoseFormat;
    const char* names[] = {"clarity", "libreview", "nightscout", "tidepool"};
    const GlucoseFormat formats[] = {GlucoseFormat::Clarity, GlucoseFormat::LibreView,
                                     GlucoseFormat::NightscoutEntries, GlucoseFormat::TidepoolCbg};
    for (int f = 0; f < 4; ++f) {
        if (argc > 1 && std::strcmp(argv[1], names[f]) != 0)
            continue;
        const QByteArray file = yearOf(formats[f]);
        QElapsedTimer clock;
        clock.start();
        const fendrimo::GlucoseOutcome outcome =
            fendrimo::readGlucose(file, QTimeZone("Europe/Berlin"));
        const qint64 ms = clock.elapsed();
        std::printf("%s: %zu readings, %lld bytes, %lld ms %s\n", names[f],
                    outcome.file ? outcome.file->readings.size() : 0, qint64(file.size()), ms,
                    qPrintable(outcome.error));
    }
    return 0;
}

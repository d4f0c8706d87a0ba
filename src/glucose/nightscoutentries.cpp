// Nightscout's entries (/api/v1/entries.json): an array of entries, a CGM
// reading of type "sgv" with its value in "sgv" (mg/dL whatever the site
// shows), its time in "date" (UTC milliseconds) and, from some uploaders,
// "utcOffset" in minutes; without one the system's zone places it.

#include "glucose/glucosetext.h"
#include "glucose/glucosetime.h"
#include "glucose/jsonscan.h"
#include "glucose/readerparts.h"

#include <QCoreApplication>

namespace fendrimo {

using namespace glucose;

namespace {

// Values below 39 are the sensor's states in Nightscout, not glucose.
constexpr int kLowestGlucose = 39;
constexpr int kLargestOffset = 18 * 60;

std::optional<SkipReason> skipped(const JsonArrayScanner& entries)
{
    const JsonMember* type = entries.member("type");
    if (type && type->text == "sgv")
        return std::nullopt;
    return type && type->text == "cal" ? SkipReason::Calibration : SkipReason::OtherEvent;
}

QString missing(int entry, const char* name)
{
    return QCoreApplication::translate("Glucose", "%1: \"%2\" fehlt oder ist keine ganze Zahl.")
        .arg(entryWhere(entry), QLatin1String(name));
}

std::optional<std::int64_t> wholeMember(const JsonArrayScanner& entries, const char* name)
{
    const JsonMember* m = entries.member(name);
    return m && m->kind == JsonKind::Number ? jsonWhole(m->text) : std::nullopt;
}

QString readEntry(const JsonArrayScanner& entries, ZonePlacer& zone, GlucoseReading& reading)
{
    const std::optional<std::int64_t> sgv = wholeMember(entries, "sgv");
    if (!sgv || *sgv < 0 || *sgv > 999)
        return missing(entries.index(), "sgv");
    const std::optional<std::int64_t> date = wholeMember(entries, "date");
    if (!date || *date < 0)
        return missing(entries.index(), "date");
    const std::optional<std::int64_t> given =
        entries.member("utcOffset") ? wholeMember(entries, "utcOffset") : std::nullopt;
    if (entries.member("utcOffset") && (!given || std::abs(*given) > kLargestOffset))
        return missing(entries.index(), "utcOffset");
    const int offset = given ? int(*given) : zone.offsetMinutes(*date);
    reading.localSeconds = *date / 1000 + offset * 60;
    reading.offsetMinutes = std::int16_t(offset);
    reading.value = std::uint16_t(*sgv);
    return QString();
}

} // namespace

namespace glucose {

bool isNightscoutEntries(const QByteArray& data)
{
    JsonArrayScanner entries{QByteArrayView(data)};
    return entries.start() && entries.next() && entries.member("date") &&
           (entries.member("sgv") || entries.member("type")) && !entries.member("time");
}

} // namespace glucose

GlucoseOutcome readNightscoutEntries(const QByteArray& data, const QTimeZone& systemZone)
{
    JsonArrayScanner entries{QByteArrayView(data)};
    if (!entries.start())
        return failure(QCoreApplication::translate(
            "Glucose", "Die Datei ist keine Liste von Nightscout-Einträgen (ein JSON-Array)."));
    GlucoseFile file;
    file.format = GlucoseFormat::NightscoutEntries;
    file.unit = GlucoseUnit::MgPerDl;
    reserveFor(file.readings, data, "\"sgv\"");
    ZonePlacer zone(systemZone);
    while (entries.next()) {
        if (const auto reason = skipped(entries)) {
            ++file.skipped.at(size_t(*reason));
            continue;
        }
        if (wholeMember(entries, "sgv").value_or(kLowestGlucose) < kLowestGlucose) {
            ++file.skipped.at(size_t(SkipReason::StatusCode));
            continue;
        }
        GlucoseReading reading;
        const QString error = readEntry(entries, zone, reading);
        if (!error.isEmpty())
            return failure(error);
        file.readings.push_back(reading);
    }
    if (!entries.error().isEmpty())
        return failure(entries.error());
    file.placedInZone = zone.placed();
    file.zoneUsed = zone.placed() > 0 ? zone.zoneId() : QByteArray();
    return finished(std::move(file));
}

} // namespace fendrimo

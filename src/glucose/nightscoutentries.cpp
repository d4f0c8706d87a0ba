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

constexpr int kLowestGlucose = 39;
constexpr int kLargestOffset = 18 * 60;

// The members read, in the order entryScanner() asks for them.
enum Key { Type, Sgv, Date, UtcOffset, Time };

JsonArrayScanner entryScanner(const QByteArray& data)
{
    return JsonArrayScanner(QByteArrayView(data), {"type", "sgv", "date", "utcOffset", "time"});
}

std::optional<std::int64_t> whole(const JsonArrayScanner& entries, Key key)
{
    const JsonMember* m = entries.member(key);
    return m && m->kind == JsonKind::Number ? jsonWhole(m->text) : std::nullopt;
}

// Values below 39 are the sensor's states in Nightscout, not glucose; 39 is "LOW".
std::optional<SkipReason> skipped(const JsonArrayScanner& entries,
                                  const std::optional<std::int64_t>& sgv)
{
    const JsonMember* type = entries.member(Type);
    if (type && isExactly(type->text, "sgv"))
        return sgv.value_or(kLowestGlucose) < kLowestGlucose ? std::optional(SkipReason::StatusCode)
                                                             : std::nullopt;
    return type && isExactly(type->text, "cal") ? SkipReason::Calibration : SkipReason::OtherEvent;
}

QString missing(int entry, const char* name)
{
    return QCoreApplication::translate("Glucose", "%1: \"%2\" fehlt oder ist keine ganze Zahl.")
        .arg(entryWhere(entry), QLatin1String(name));
}

QString readEntry(const JsonArrayScanner& entries, const std::optional<std::int64_t>& sgv,
                  ZonePlacer& zone, GlucoseReading& reading)
{
    if (!sgv || *sgv > 999)
        return missing(entries.index(), "sgv");
    const std::optional<std::int64_t> date = whole(entries, Date);
    if (!date || *date < 0)
        return missing(entries.index(), "date");
    // Minutes east of UTC as given, else the system's zone's.
    int offset = 0;
    if (entries.member(UtcOffset)) {
        const std::int64_t given = whole(entries, UtcOffset).value_or(kLargestOffset + 1);
        if (std::abs(given) > kLargestOffset)
            return missing(entries.index(), "utcOffset");
        offset = int(given);
    } else {
        offset = zone.offsetMinutes(*date);
    }
    reading.localSeconds = *date / 1000 + offset * 60;
    reading.offsetMinutes = std::int16_t(offset);
    // 39 is the uploaders' word for the sensor's "LOW", below its 40 mg/dL:
    // kept as such, at the limit, as the CSV exports' "Low" is.
    if (*sgv == kLowestGlucose) {
        reading.kind = ReadingKind::BelowRange;
        reading.value = std::uint16_t(kSensorLowestMgPerDl);
    } else {
        reading.value = std::uint16_t(*sgv);
    }
    return QString();
}

} // namespace

namespace glucose {

bool isNightscoutEntries(const QByteArray& data)
{
    JsonArrayScanner first = entryScanner(data);
    return first.start() && first.next() && first.member(Date) &&
           (first.member(Sgv) || first.member(Type)) && !first.member(Time);
}

} // namespace glucose

GlucoseOutcome readNightscoutEntries(const QByteArray& data, const QTimeZone& systemZone)
{
    JsonArrayScanner entries = entryScanner(data);
    if (!entries.start())
        return failure(QCoreApplication::translate(
            "Glucose", "Die Datei ist keine Liste von Nightscout-Einträgen (ein JSON-Array)."));
    GlucoseFile file;
    file.format = GlucoseFormat::NightscoutEntries;
    file.unit = GlucoseUnit::MgPerDl;
    // The key, not the type's value "sgv": room for each reading once.
    reserveFor(file.readings, data, "\"sgv\":", 3);
    ZonePlacer zone(systemZone);
    while (entries.next()) {
        const std::optional<std::int64_t> sgv = whole(entries, Sgv);
        if (const auto reason = skipped(entries, sgv)) {
            ++file.skipped.at(size_t(*reason));
            continue;
        }
        GlucoseReading reading;
        const QString error = readEntry(entries, sgv, zone, reading);
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

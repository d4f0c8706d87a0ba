// Tidepool's data export: an array of data of many types; a CGM reading is
// of type "cbg", its "value" in "units" (Tidepool keeps mmol/L, converted
// from the sensor's mg/dL by 18.01559), "time" in UTC and
// "timezoneOffset" in minutes east of it; without one the system's zone
// places it.

#include "glucose/glucosetext.h"
#include "glucose/glucosetime.h"
#include "glucose/jsonscan.h"
#include "glucose/readerparts.h"

#include <QCoreApplication>

#include <cmath>

namespace fendrimo {

using namespace glucose;

namespace {

constexpr int kLargestOffset = 18 * 60;

// The members read, in the order dataScanner() asks for them.
enum Key { Type, SubType, Units, Value, Time, TimezoneOffset };

JsonArrayScanner dataScanner(const QByteArray& data)
{
    return JsonArrayScanner(QByteArrayView(data),
                            {"type", "subType", "units", "value", "time", "timezoneOffset"});
}

std::optional<SkipReason> skipped(const JsonArrayScanner& data)
{
    const JsonMember* type = data.member(Type);
    if (type && isExactly(type->text, "cbg"))
        return std::nullopt;
    const JsonMember* subType = data.member(SubType);
    return type && type->text == "deviceEvent" && subType && subType->text == "calibration"
               ? SkipReason::Calibration
               : SkipReason::OtherEvent;
}

// The value as the sensor gave it: a whole mg/dL where the mmol/L are its
// conversion (more decimals than one), else mmol/L with one decimal.
std::optional<std::pair<GlucoseUnit, int>> exactValue(const JsonDecimal& d, bool mgPerDl)
{
    if (d.negative)
        return std::nullopt;
    if (mgPerDl)
        return d.decimals == 0 && d.digits > 0 && d.digits <= 999
                   ? std::optional(std::pair(GlucoseUnit::MgPerDl, int(d.digits)))
                   : std::nullopt;
    if (d.decimals <= 1) {
        const std::int64_t tenths = d.decimals == 1 ? d.digits : d.digits * 10;
        return tenths > 0 && tenths <= 999
                   ? std::optional(std::pair(GlucoseUnit::MmolPerL, int(tenths)))
                   : std::nullopt;
    }
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                         1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};
    const double scale = kPowers[d.decimals];
    const double mg = double(d.digits) / scale * kMgPerDlPerMmol;
    const double whole = std::round(mg);
    // What rounding the mmol/L to its decimals may have moved.
    const double tolerance = 0.5 / scale * kMgPerDlPerMmol + 1e-9;
    if (std::abs(mg - whole) > tolerance || whole < 1 || whole > 999)
        return std::nullopt;
    return std::pair(GlucoseUnit::MgPerDl, int(whole));
}

QString readValue(const JsonArrayScanner& data, GlucoseReading& reading)
{
    const JsonMember* units = data.member(Units);
    // Tidepool writes "mmol/L"; any case is taken.
    const bool mmol =
        units && (isExactly(units->text, "mmol/L") || sameWord(units->text, "mmol/L"));
    const bool mgPerDl = units && !mmol && sameWord(units->text, "mg/dL");
    if (units && !mgPerDl && !mmol)
        return QCoreApplication::translate("Glucose",
                                           "%1: Die Einheit %2 ist weder mg/dL noch mmol/L.")
            .arg(entryWhere(data.index()), quoted(units->text));
    const JsonMember* value = data.member(Value);
    const std::optional<JsonDecimal> d =
        value && value->kind == JsonKind::Number ? jsonDecimal(value->text) : std::nullopt;
    const auto exact = d ? exactValue(*d, mgPerDl) : std::nullopt;
    if (!exact)
        return QCoreApplication::translate(
                   "Glucose", "%1: \"value\" %2 ist kein Glukosewert in %3, weder mit einer "
                              "Nachkommastelle noch umgerechnet aus ganzen mg/dL.")
            .arg(entryWhere(data.index()), quoted(value ? value->text : QByteArrayView()),
                 mgPerDl ? QStringLiteral("mg/dL") : QStringLiteral("mmol/L"));
    reading.unit = exact->first;
    reading.value = std::uint16_t(exact->second);
    return QString();
}

QString readTime(const JsonArrayScanner& data, ZonePlacer& zone, GlucoseReading& reading)
{
    const JsonMember* time = data.member(Time);
    QByteArrayView rest;
    const std::optional<std::int64_t> utc =
        time && time->kind == JsonKind::String ? isoClockSeconds(time->text, &rest) : std::nullopt;
    if (!utc || (!isExactly(rest, "Z") && !isExactly(rest, "+00:00")))
        return QCoreApplication::translate(
                   "Glucose", "%1: \"time\" %2 ist kein Zeitpunkt in UTC (JJJJ-MM-TTThh:mm:ssZ).")
            .arg(entryWhere(data.index()), quoted(time ? time->text : QByteArrayView()));
    const JsonMember* given = data.member(TimezoneOffset);
    int offset = 0;
    if (given) {
        const std::int64_t minutes = given->kind == JsonKind::Number
                                         ? jsonWhole(given->text).value_or(kLargestOffset + 1)
                                         : kLargestOffset + 1;
        if (std::abs(minutes) > kLargestOffset)
            return QCoreApplication::translate(
                       "Glucose", "%1: \"timezoneOffset\" ist keine ganze Zahl von Minuten.")
                .arg(entryWhere(data.index()));
        offset = int(minutes);
    } else {
        offset = zone.offsetMinutes(*utc * 1000);
    }
    reading.localSeconds = *utc + offset * 60;
    reading.offsetMinutes = std::int16_t(offset);
    return QString();
}

} // namespace

namespace glucose {

bool isTidepoolCbg(const QByteArray& data)
{
    JsonArrayScanner items = dataScanner(data);
    return items.start() && items.next() && items.member(Type) && items.member(Time);
}

} // namespace glucose

GlucoseOutcome readTidepoolCbg(const QByteArray& data, const QTimeZone& systemZone)
{
    JsonArrayScanner items = dataScanner(data);
    if (!items.start())
        return failure(QCoreApplication::translate(
            "Glucose", "Die Datei ist kein Tidepool-Export (ein JSON-Array von Daten)."));
    GlucoseFile file;
    file.format = GlucoseFormat::TidepoolCbg;
    file.unit = GlucoseUnit::MmolPerL;
    reserveFor(file.readings, data, "\"cbg\"", 3);
    ZonePlacer zone(systemZone);
    while (items.next()) {
        if (const auto reason = skipped(items)) {
            ++file.skipped.at(size_t(*reason));
            continue;
        }
        GlucoseReading reading;
        QString error = readValue(items, reading);
        if (error.isEmpty())
            error = readTime(items, zone, reading);
        if (!error.isEmpty())
            return failure(error);
        file.readings.push_back(reading);
    }
    if (!items.error().isEmpty())
        return failure(items.error());
    file.placedInZone = zone.placed();
    file.zoneUsed = zone.placed() > 0 ? zone.zoneId() : QByteArray();
    return finished(std::move(file));
}

} // namespace fendrimo

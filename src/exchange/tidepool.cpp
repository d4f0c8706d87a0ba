// Reading Tidepool's pump settings ("pumpSettings" in its data model): one
// datum, or the newest of an array of data as Tidepool exports them. Its
// named basal schedules ("start" in milliseconds after local midnight) give
// the 24 hourly rates, its carb ratios in grams per IE the bolus factors.

#include "exchange/bolusfactors.h"
#include "exchange/exchange.h"
#include "exchange/exchangejson.h"
#include "exchange/reading.h"
#include "exchange/schedule.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <limits>

namespace fendrimo {

using namespace exchange;

namespace {

constexpr qint64 kLastMillisecond = qint64(kSecondsPerDay) * 1000 - 1;

// The index of the newest pump settings in the array by "time" (the first of
// equals, those without a time oldest), or -1.
int newestSettings(const QJsonArray& data)
{
    int newest = -1;
    qint64 newestTime = std::numeric_limits<qint64>::min();
    for (int i = 0; i < int(data.size()); ++i) {
        if (!isPumpSettings(data.at(i)))
            continue;
        const QDateTime time = isoDateTime(data.at(i).toObject().value(QLatin1String("time")));
        const qint64 ms = time.isValid() ? time.toMSecsSinceEpoch() : newestTime;
        if (newest < 0 || ms > newestTime) {
            newest = i;
            newestTime = ms;
        }
    }
    return newest;
}

// The pump settings chosen from a file and the schedules they offer.
struct PumpSetup
{
    QJsonObject object;
    QList<std::pair<QString, QJsonValue>> schedules; // offered, in the file's order
    NamedProfiles offered;
};

PumpSetup readSettings(const QByteArray& data)
{
    PumpSetup settings;
    const JsonFile parsed = parseJsonFile(data);
    const QJsonDocument& json = parsed.document;
    settings.offered.error = parsed.problem;
    if (!settings.offered.error.isEmpty())
        return settings;
    const int index = json.isArray() ? newestSettings(json.array()) : -1;
    if (isPumpSettings(json.object()))
        settings.object = json.object();
    else if (index >= 0)
        settings.object = json.array().at(index).toObject();
    const QStringList order = memberKeysInFileOrder(data, index, QStringLiteral("basalSchedules"));
    const auto all =
        membersInOrder(settings.object.value(QLatin1String("basalSchedules")).toObject(), order);
    for (const auto& [name, schedule] : all) {
        // A schedule without entries is none; a single 0 is one.
        if (!schedule.isArray() || !schedule.toArray().isEmpty()) {
            settings.schedules.append({name, schedule});
            settings.offered.names.append(name);
        }
    }
    if (settings.object.isEmpty()) {
        settings.offered.error = QCoreApplication::translate(
            "Tidepool",
            "Die Datei enthält keine Tidepool-Pumpeneinstellungen (\"type\": \"pumpSettings\").");
    } else if (settings.schedules.isEmpty()) {
        settings.offered.error = QCoreApplication::translate(
            "Tidepool", "Die Pumpeneinstellungen enthalten keinen Basalplan mit Einträgen "
                        "(\"basalSchedules\").");
    }
    const QString active = settings.object.value(QLatin1String("activeSchedule")).toString();
    settings.offered.preselected = std::max(0, int(settings.offered.names.indexOf(active)));
    return settings;
}

// Segments {start, <valueKey>} of a schedule, sorted; label names the list.
QString readSegments(const QJsonValue& list, const QString& label, const QString& valueKey,
                     const QString& what, QList<ScheduleEntry>& entries)
{
    if (!list.isArray() || list.toArray().isEmpty())
        return QCoreApplication::translate("Tidepool", "%1 ist leer oder keine Liste.").arg(label);
    const QJsonArray segments = list.toArray();
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const QString where = QCoreApplication::translate("Tidepool", "Eintrag %1 von %2")
                                  .arg(QString::number(i + 1), label);
        const QJsonObject segment = segments.at(i).toObject();
        if (!segments.at(i).isObject())
            return QCoreApplication::translate("Tidepool",
                                               "%1 ist kein Objekt mit \"start\" und \"%2\".")
                .arg(where, valueKey);
        const QJsonValue start = segment.value(QLatin1String("start"));
        if (start.isUndefined())
            return QCoreApplication::translate("Tidepool", "%1: Die Uhrzeit fehlt (\"start\").")
                .arg(where);
        const std::optional<qint64> ms = wholeNumber(decimalOfJson(start), kLastMillisecond);
        if (!ms || *ms % 1000 != 0) {
            return QCoreApplication::translate("Tidepool",
                                               "%1: \"start\" \"%2\" ist keine volle Sekunde des "
                                               "Tages in Millisekunden (0 bis %3).")
                .arg(where, writtenText(start), QString::number(kLastMillisecond - 999));
        }
        const QJsonValue value = segment.value(valueKey);
        if (value.isUndefined())
            return QCoreApplication::translate("Tidepool", "%1: Der Wert fehlt (\"%2\").")
                .arg(where, valueKey);
        const ExactDecimal decimal = decimalOfJson(value);
        if (!decimal.ok())
            return decimalProblem(where, what, writtenText(value), decimal.status);
        entries.append({int(*ms / 1000), decimal.scaled, where});
    }
    return sortSchedule(entries);
}

// "carbRatios" keyed by schedule name (Loop, Tandem) or one "carbRatio";
// without either the bolus fields stay. Only grams per IE make bolus factors.
QString readCarbRatios(const QJsonObject& settings, const QString& name, QChar separator,
                       ImportedProfile& imported)
{
    const QJsonValue byName = settings.value(QLatin1String("carbRatios"));
    const QJsonValue list = byName.isObject() ? byName.toObject().value(name)
                                              : settings.value(QLatin1String("carbRatio"));
    if (list.isUndefined() || list.isNull())
        return QString();
    const QJsonObject units = settings.value(QLatin1String("units")).toObject();
    const QJsonValue unit = units.contains(QLatin1String("carbs"))
                                ? units.value(QLatin1String("carbs"))
                                : units.value(QLatin1String("carb"));
    if (unit.isUndefined()) {
        imported.notices << QCoreApplication::translate(
            "Tidepool", "Die Bolusfelder bleiben, wie sie sind: Die Datei nennt die Einheit der "
                        "Kohlenhydratfaktoren nicht.");
        return QString();
    }
    if (unit.toString() != QLatin1String("grams")) {
        imported.notices << QCoreApplication::translate(
                                "Tidepool",
                                "Die Bolusfelder bleiben, wie sie sind: Die Kohlenhydratfaktoren "
                                "sind in \"%1\" angegeben, nicht in Gramm je IE.")
                                .arg(writtenText(unit));
        return QString();
    }
    const QString label = byName.isObject() ? QStringLiteral("\"carbRatios\" \"%1\"").arg(name)
                                            : QStringLiteral("\"carbRatio\"");
    QList<ScheduleEntry> ratios;
    const QString error =
        readSegments(list, label, QStringLiteral("amount"), carbRatioName(), ratios);
    if (error.isEmpty())
        takeBolusFactors(ratios, separator, imported);
    return error;
}

ImportOutcome readSchedule(const PumpSetup& settings, const QString& name,
                           const RegionalFormats& formats)
{
    QJsonValue schedule;
    for (const auto& [key, value] : settings.schedules) {
        if (key == name)
            schedule = value;
    }
    if (schedule.isUndefined())
        return {std::nullopt, QCoreApplication::translate(
                                  "Tidepool", "Die Datei enthält keinen Basalplan \"%1\".")
                                  .arg(name)};
    ImportedProfile imported;
    QList<ScheduleEntry> entries;
    QString error = readSegments(
        schedule, QCoreApplication::translate("Tidepool", "Basalplan \"%1\"").arg(name),
        QStringLiteral("rate"), rateName(), entries);
    if (error.isEmpty()) {
        takeHourlyRates(entries, imported);
        error = readCarbRatios(settings.object, name, formats.decimalSeparator, imported);
    }
    if (!error.isEmpty())
        return {std::nullopt, error};
    const QString active = settings.object.value(QLatin1String("activeSchedule")).toString();
    if (!active.isEmpty() && !settings.offered.names.contains(active)) {
        imported.rateNotices << QCoreApplication::translate(
                                    "Tidepool", "Der aktive Basalplan \"%1\" fehlt oder hat keine "
                                                "Einträge; gelesen wurde \"%2\".")
                                    .arg(active, name);
    }
    imported.sourceName = QStringLiteral("Tidepool \"%1\"").arg(name);
    return {imported, QString()};
}

} // namespace

bool isPumpSettings(const QJsonValue& value)
{
    return value.toObject().value(QLatin1String("type")).toString() ==
           QLatin1String("pumpSettings");
}

NamedProfiles tidepoolSchedules(const QByteArray& data)
{
    return readSettings(data).offered;
}

ImportOutcome readTidepool(const QByteArray& data, const RegionalFormats& formats)
{
    const PumpSetup settings = readSettings(data);
    if (!settings.offered.error.isEmpty())
        return {std::nullopt, settings.offered.error};
    return readSchedule(settings, settings.offered.names.at(settings.offered.preselected), formats);
}

ImportOutcome readTidepool(const QByteArray& data, const QString& scheduleName,
                           const RegionalFormats& formats)
{
    const PumpSetup settings = readSettings(data);
    if (!settings.offered.error.isEmpty())
        return {std::nullopt, settings.offered.error};
    return readSchedule(settings, scheduleName, formats);
}

} // namespace fendrimo

// Reading Nightscout profile documents: the newest document of a file, its
// named profiles, the basal schedule as 24 hourly rates, the carb ratios as
// the three bolus factors and the start date as the programming date.

#include "exchange/bolusfactors.h"
#include "exchange/exchange.h"
#include "exchange/exchangejson.h"
#include "exchange/reading.h"
#include "exchange/schedule.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace fendrimo {

using namespace exchange;

namespace {

// At use, not at start-up: the translation is installed later.
QString noProfileText()
{
    return QCoreApplication::translate("Nightscout", "Die Datei enthält kein Nightscout-Profil.");
}

ImportOutcome refused(const QString& error)
{
    return {std::nullopt, error};
}

qint64 documentTime(const QJsonObject& document)
{
    for (const QString& key : {QStringLiteral("startDate"), QStringLiteral("created_at")}) {
        const QDateTime time = isoDateTime(document.value(key));
        if (time.isValid())
            return time.toMSecsSinceEpoch();
    }
    const QJsonValue mills = document.value(QLatin1String("mills"));
    bool ok = mills.isDouble();
    const double ms =
        mills.isString() ? mills.toString().trimmed().toDouble(&ok) : mills.toDouble();
    if (ok && std::isfinite(ms) && std::abs(ms) < 1e17)
        return qint64(ms);
    return std::numeric_limits<qint64>::min();
}

// The index of the newest object in the array (the first of equals), or -1.
int newestDocument(const QJsonArray& documents)
{
    int newest = -1;
    qint64 newestTime = std::numeric_limits<qint64>::min();
    for (int i = 0; i < int(documents.size()); ++i) {
        if (!documents.at(i).isObject())
            continue;
        const qint64 time = documentTime(documents.at(i).toObject());
        if (newest < 0 || time > newestTime) {
            newest = i;
            newestTime = time;
        }
    }
    return newest;
}

// The document chosen from a file and its profiles.
struct Source
{
    QJsonObject document;
    QList<std::pair<QString, QJsonValue>> store; // in the file's order
    bool legacy = false;                         // no "store": the document is its own profile
    NamedProfiles profiles;
};

Source readSource(const QByteArray& data)
{
    Source source;
    const JsonFile parsed = parseJsonFile(data);
    const QJsonDocument& json = parsed.document;
    source.profiles.error = parsed.problem;
    if (!source.profiles.error.isEmpty())
        return source;
    const int index = json.isArray() ? newestDocument(json.array()) : -1;
    if (json.isObject())
        source.document = json.object();
    else if (index >= 0)
        source.document = json.array().at(index).toObject();
    const QJsonValue store = source.document.value(QLatin1String("store"));
    if (source.document.isEmpty() || (!store.isUndefined() && store.toObject().isEmpty())) {
        source.profiles.error = noProfileText();
        return source;
    }
    if (store.isUndefined()) {
        source.legacy = true;
        source.profiles.names = QStringList{QStringLiteral("Default")};
        return source;
    }
    source.store = membersInOrder(store.toObject(),
                                  memberKeysInFileOrder(data, index, QStringLiteral("store")));
    for (const auto& member : std::as_const(source.store))
        source.profiles.names.append(member.first);
    const QString preferred = source.document.value(QLatin1String("defaultProfile")).toString();
    source.profiles.preselected = std::max(0, int(source.profiles.names.indexOf(preferred)));
    return source;
}

// "time" counts; "timeAsSeconds" only stands in when "time" is absent, as
// Nightscout itself recomputes it from "time".
QString entrySecond(const QJsonObject& entry, const QString& where, int& second)
{
    const QJsonValue time = entry.value(QLatin1String("time"));
    if (!time.isUndefined()) {
        const std::optional<int> parsed =
            time.isString() ? clockSeconds(time.toString()) : std::nullopt;
        second = parsed.value_or(-1);
        return parsed ? QString()
                      : QCoreApplication::translate(
                            "Nightscout", "%1: \"%2\" ist keine Uhrzeit zwischen 00:00 und 23:59.")
                            .arg(where, writtenText(time));
    }
    const QJsonValue seconds = entry.value(QLatin1String("timeAsSeconds"));
    if (seconds.isUndefined())
        return QCoreApplication::translate("Nightscout", "%1: Die Uhrzeit fehlt (\"time\").")
            .arg(where);
    const std::optional<qint64> parsed = wholeNumber(decimalOfJson(seconds), kSecondsPerDay - 1);
    second = int(parsed.value_or(-1));
    return parsed
               ? QString()
               : QCoreApplication::translate(
                     "Nightscout", "%1: \"timeAsSeconds\" \"%2\" ist keine Sekunde von 0 bis %3.")
                     .arg(where, writtenText(seconds), QString::number(kSecondsPerDay - 1));
}

// A schedule list ("basal", "carbratio"), sorted; what names the values.
QString readSchedule(const QJsonArray& list, const QString& listName, const QString& what,
                     QList<ScheduleEntry>& entries)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where = QCoreApplication::translate("Nightscout", "Eintrag %1 von \"%2\"")
                                  .arg(QString::number(i + 1), listName);
        if (!list.at(i).isObject())
            return QCoreApplication::translate("Nightscout",
                                               "%1 ist kein Objekt mit Uhrzeit und Wert.")
                .arg(where);
        const QJsonObject entry = list.at(i).toObject();
        int second = 0;
        const QString timeProblem = entrySecond(entry, where, second);
        if (!timeProblem.isEmpty())
            return timeProblem;
        const QJsonValue value = entry.value(QLatin1String("value"));
        if (value.isUndefined())
            return QCoreApplication::translate("Nightscout", "%1: Der Wert fehlt (\"value\").")
                .arg(where);
        const ExactDecimal decimal = decimalOfJson(value);
        if (!decimal.ok())
            return decimalProblem(where, what, writtenText(value), decimal.status);
        entries.append({second, decimal.scaled, where});
    }
    return sortSchedule(entries);
}

QString readRates(const QJsonObject& profile, const QString& name, ImportedProfile& imported)
{
    const QJsonArray basal = profile.value(QLatin1String("basal")).toArray();
    if (basal.isEmpty()) {
        return QCoreApplication::translate("Nightscout",
                                           "Das Profil \"%1\" enthält keine Basalrate (\"basal\" "
                                           "fehlt, ist leer oder keine Liste).")
            .arg(name);
    }
    QList<ScheduleEntry> entries;
    const QString error = readSchedule(basal, QStringLiteral("basal"), rateName(), entries);
    if (!error.isEmpty())
        return error;
    takeHourlyRates(entries, imported);
    return QString();
}

// Without "carbratio" (or with null) the bolus fields stay as they are.
QString readBolus(const QJsonObject& profile, const QString& name, QChar separator,
                  ImportedProfile& imported)
{
    const QJsonValue carbratio = profile.value(QLatin1String("carbratio"));
    if (carbratio.isUndefined() || carbratio.isNull())
        return QString();
    if (carbratio.toArray().isEmpty()) {
        return QCoreApplication::translate("Nightscout",
                                           "Das Profil \"%1\" enthält keine lesbaren "
                                           "Kohlenhydratfaktoren (\"carbratio\" ist leer oder "
                                           "keine Liste).")
            .arg(name);
    }
    QList<ScheduleEntry> ratios;
    const QString error =
        readSchedule(carbratio.toArray(), QStringLiteral("carbratio"), carbRatioName(), ratios);
    if (!error.isEmpty())
        return error;
    takeBolusFactors(ratios, separator, imported);
    return QString();
}

// The document's start date, else the profile's, as the local date. Nightscout's
// editor, Loop and AndroidAPS put the epoch into each profile as a placeholder:
// that is no date.
QString datumOf(const QJsonObject& profile, const QJsonObject& document,
                const RegionalFormats& formats, QStringList& notices)
{
    for (const QJsonObject* dated : {&document, &profile}) {
        const QDateTime start = isoDateTime(dated->value(QLatin1String("startDate")));
        if (start.isValid() && start.toMSecsSinceEpoch() != 0)
            return formats.shortDate(start.toLocalTime().date());
    }
    notices << QCoreApplication::translate("Nightscout",
                                           "Das Datum bleibt, wie es ist: Die Datei nennt keines.");
    return QString();
}

// The named profile of the chosen document.
ImportOutcome readProfile(const Source& source, const QString& name, const RegionalFormats& formats)
{
    if (!source.profiles.names.contains(name))
        return refused(
            QCoreApplication::translate("Nightscout", "Die Datei enthält kein Profil \"%1\".")
                .arg(name));
    QJsonValue profileValue = source.legacy ? QJsonValue(source.document) : QJsonValue();
    for (const auto& [key, value] : source.store) {
        if (key == name)
            profileValue = value;
    }
    if (!profileValue.isObject())
        return refused(
            QCoreApplication::translate("Nightscout", "Das Profil \"%1\" ist kein JSON-Objekt.")
                .arg(name));
    const QJsonObject profile = profileValue.toObject();
    ImportedProfile imported;
    QString error = readRates(profile, name, imported);
    if (error.isEmpty())
        error = readBolus(profile, name, formats.decimalSeparator, imported);
    if (!error.isEmpty())
        return refused(error);
    imported.datum = datumOf(profile, source.document, formats, imported.notices);
    imported.profileName = name;
    imported.sourceName =
        QCoreApplication::translate("Nightscout", "Nightscout-Profil \"%1\"").arg(name);
    return {imported, QString()};
}

} // namespace

NamedProfiles nightscoutProfiles(const QByteArray& data)
{
    return readSource(data).profiles;
}

ImportOutcome readNightscout(const QByteArray& data, const RegionalFormats& formats)
{
    const Source source = readSource(data);
    if (!source.profiles.error.isEmpty())
        return refused(source.profiles.error);
    return readProfile(source, source.profiles.names.at(source.profiles.preselected), formats);
}

// An empty name is a name too: JSON allows a profile called "".
ImportOutcome readNightscout(const QByteArray& data, const QString& profileName,
                             const RegionalFormats& formats)
{
    const Source source = readSource(data);
    if (!source.profiles.error.isEmpty())
        return refused(source.profiles.error);
    return readProfile(source, profileName, formats);
}

} // namespace fendrimo

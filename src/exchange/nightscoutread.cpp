// Reading Nightscout profile documents: the newest document of a file, its
// named profiles, the basal schedule as 24 hourly rates, the carb ratios as
// the three bolus factors and the start date as the programming date.

#include "exchange/exchange.h"
#include "exchange/exchangejson.h"
#include "exchange/schedule.h"
#include "profile/zehntel.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

#include <cmath>
#include <limits>

namespace fendrimo {

using namespace exchange;

namespace {

const QString kNoProfile = QStringLiteral("Die Datei enthält kein Nightscout-Profil.");

// The three bolus fields take the factor in force at these times.
struct MealTime
{
    const char* name;
    int second;
};
constexpr MealTime kMeals[ProfileContent::Boluses] = {
    {"morgens", 7 * 3600}, {"mittags", 12 * 3600}, {"abends", 18 * 3600}};

ImportOutcome refused(const QString& error)
{
    return {std::nullopt, error};
}

QDateTime isoDateTime(const QJsonValue& value)
{
    if (!value.isString())
        return {};
    const QDateTime time = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
    return time.isValid() ? time : QDateTime::fromString(value.toString(), Qt::ISODate);
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
    // The store's profiles as its iterator gives them: Qt drops a leading
    // U+FEFF from a key it hands out but not from one it looks up, so a
    // profile is found by the name it was listed under, never by value(name).
    QList<std::pair<QString, QJsonValue>> store;
    bool legacy = false; // no "store": the document is its own profile
    NightscoutProfiles profiles;
};

Source readSource(const QByteArray& data)
{
    Source source;
    QJsonDocument json;
    source.profiles.error = parseJsonFile(data, json);
    if (!source.profiles.error.isEmpty())
        return source;
    const int index = json.isArray() ? newestDocument(json.array()) : -1;
    if (json.isObject())
        source.document = json.object();
    else if (index >= 0)
        source.document = json.array().at(index).toObject();
    const QJsonValue store = source.document.value(QLatin1String("store"));
    if (source.document.isEmpty() || (!store.isUndefined() && store.toObject().isEmpty())) {
        source.profiles.error = kNoProfile;
        return source;
    }
    if (store.isUndefined()) {
        source.legacy = true;
        source.profiles.names = QStringList{QStringLiteral("Default")};
        return source;
    }
    // Sets, not lists: a file may hold a hundred thousand profiles, and the
    // window waits for this.
    const QJsonObject members = store.toObject();
    QSet<QString> listed;
    for (auto it = members.begin(); it != members.end(); ++it) {
        if (!listed.contains(it.key())) {
            listed.insert(it.key());
            source.store.append({it.key(), it.value()});
        }
    }
    QStringList& names = source.profiles.names;
    QSet<QString> named;
    const auto addName = [&](const QString& name) {
        if (listed.contains(name) && !named.contains(name)) {
            named.insert(name);
            names.append(name);
        }
    };
    for (const QString& name : memberKeysInFileOrder(data, index, QStringLiteral("store")))
        addName(name);
    for (const auto& [name, value] : source.store)
        addName(name);
    const QString preferred = source.document.value(QLatin1String("defaultProfile")).toString();
    source.profiles.preselected = std::max(0, int(names.indexOf(preferred)));
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
                      : QStringLiteral("%1: \"%2\" ist keine Uhrzeit zwischen 00:00 und 23:59.")
                            .arg(where, writtenText(time));
    }
    const QJsonValue seconds = entry.value(QLatin1String("timeAsSeconds"));
    if (seconds.isUndefined())
        return QStringLiteral("%1: Die Uhrzeit fehlt (\"time\").").arg(where);
    const std::optional<qint64> parsed = wholeNumber(decimalOfJson(seconds), kSecondsPerDay - 1);
    second = int(parsed.value_or(-1));
    return parsed ? QString()
                  : QStringLiteral("%1: \"timeAsSeconds\" \"%2\" ist keine Sekunde von 0 bis %3.")
                        .arg(where, writtenText(seconds), QString::number(kSecondsPerDay - 1));
}

// A schedule list ("basal", "carbratio"), sorted; what names the values.
QString readSchedule(const QJsonArray& list, const QString& listName, const QString& what,
                     QList<ScheduleEntry>& entries)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where =
            QStringLiteral("Eintrag %1 von \"%2\"").arg(QString::number(i + 1), listName);
        if (!list.at(i).isObject())
            return QStringLiteral("%1 ist kein Objekt mit Uhrzeit und Wert.").arg(where);
        const QJsonObject entry = list.at(i).toObject();
        int second = 0;
        const QString timeProblem = entrySecond(entry, where, second);
        if (!timeProblem.isEmpty())
            return timeProblem;
        const QJsonValue value = entry.value(QLatin1String("value"));
        if (value.isUndefined())
            return QStringLiteral("%1: Der Wert fehlt (\"value\").").arg(where);
        const ExactDecimal decimal = decimalOfJson(value);
        if (!decimal.ok())
            return decimalProblem(where, what, writtenText(value), decimal.status);
        entries.append({second, decimal.scaled, where});
    }
    return sortSchedule(entries);
}

// 12 g per BE divided by the grams per IE, to tenths, halves up; empty with
// a notice when it would not fit the field, a notice when it was rounded.
QString bolusFactor(Int128 ratio, const QString& meal, QChar separator, QStringList& notices)
{
    const QString ratioText = decimalText(ratio, separator);
    const QString left = QStringLiteral("Bolus %1 bleibt leer: ").arg(meal);
    if (ratio <= 0) {
        notices << left + QStringLiteral("Kohlenhydratfaktor %1 g je IE ist nicht größer als 0.")
                              .arg(ratioText);
        return QString();
    }
    const Int128 grams = 12 * kUnit;
    const Int128 tenths = (20 * grams + ratio) / (2 * ratio);
    if (tenths < 1 || tenths > 999) {
        notices << left + QStringLiteral("12 g / %1 g je IE ergibt %2 als %3 IE/BE.")
                              .arg(ratioText,
                                   tenths < 1 ? QStringLiteral("weniger") : QStringLiteral("mehr"),
                                   ZehntelText(tenths < 1 ? 1 : 999, separator));
        return QString();
    }
    const QString factor = QStringLiteral("%1%2%3").arg(
        QString::number(qint64(tenths / 10)), separator, QString::number(qint64(tenths % 10)));
    // A ratio written as 12 / factor by a program holding doubles (this one
    // included) can't be exact: within 10^-12 of the tenth is that, not rounding.
    const Int128 off = 10 * grams - tenths * ratio; // (12 / ratio - tenths / 10) · 10 · ratio
    if ((off < 0 ? -off : off) > 10 * ratio / powerOfTen(12)) {
        const Int128 hundredths = 100 * grams / ratio;
        const QString exact =
            QStringLiteral("%1%2%3%4")
                .arg(QString::number(qint64(hundredths / 100)), separator,
                     QStringLiteral("%1").arg(qint64(hundredths % 100), 2, 10, QLatin1Char('0')),
                     (100 * grams) % ratio != 0 ? QStringLiteral("…") : QString());
        notices << QStringLiteral("Bolus %1: 12 g / %2 g je IE = %3 IE/BE, auf %4 gerundet.")
                       .arg(meal, ratioText, exact, factor);
    }
    return factor;
}

QString readRates(const QJsonObject& profile, const QString& name, ImportedProfile& imported)
{
    const QJsonArray basal = profile.value(QLatin1String("basal")).toArray();
    if (basal.isEmpty()) {
        return QStringLiteral("Das Profil \"%1\" enthält keine Basalrate (\"basal\" fehlt, ist "
                              "leer oder keine Liste).")
            .arg(name);
    }
    QList<ScheduleEntry> entries;
    const QString error =
        readSchedule(basal, QStringLiteral("basal"), QStringLiteral("Rate"), entries);
    if (!error.isEmpty())
        return error;
    HourlyMeans hourly = hourlyRates(entries);
    imported.rates = hourly.rates;
    imported.adjustedHours = hourly.adjusted;
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
        return QStringLiteral("Das Profil \"%1\" enthält keine lesbaren Kohlenhydratfaktoren "
                              "(\"carbratio\" ist leer oder keine Liste).")
            .arg(name);
    }
    QList<ScheduleEntry> ratios;
    const QString error = readSchedule(carbratio.toArray(), QStringLiteral("carbratio"),
                                       QStringLiteral("Kohlenhydratfaktor"), ratios);
    if (!error.isEmpty())
        return error;
    imported.hasBolus = true;
    for (int i = 0; i < ProfileContent::Boluses; ++i) {
        const MealTime& meal = kMeals[i];
        imported.bolus.at(size_t(i)) = bolusFactor(
            valueAt(ratios, meal.second), QLatin1String(meal.name), separator, imported.notices);
    }
    return QString();
}

// The profile's start date, else the document's, as the local date.
QString datumOf(const QJsonObject& profile, const QJsonObject& document,
                const RegionalFormats& formats)
{
    QDateTime start = isoDateTime(profile.value(QLatin1String("startDate")));
    if (!start.isValid())
        start = isoDateTime(document.value(QLatin1String("startDate")));
    return start.isValid() ? formats.shortDate(start.toLocalTime().date()) : QString();
}

// The named profile of the chosen document.
ImportOutcome readProfile(const Source& source, const QString& name, const RegionalFormats& formats)
{
    if (!source.profiles.names.contains(name))
        return refused(QStringLiteral("Die Datei enthält kein Profil \"%1\".").arg(name));
    QJsonValue profileValue = source.legacy ? QJsonValue(source.document) : QJsonValue();
    for (const auto& [key, value] : source.store) {
        if (key == name)
            profileValue = value;
    }
    if (!profileValue.isObject())
        return refused(QStringLiteral("Das Profil \"%1\" ist kein JSON-Objekt.").arg(name));
    const QJsonObject profile = profileValue.toObject();
    ImportedProfile imported;
    QString error = readRates(profile, name, imported);
    if (error.isEmpty())
        error = readBolus(profile, name, formats.decimalSeparator, imported);
    if (!error.isEmpty())
        return refused(error);
    imported.datum = datumOf(profile, source.document, formats);
    imported.profileName = name;
    return {imported, QString()};
}

} // namespace

NightscoutProfiles nightscoutProfiles(const QByteArray& data)
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

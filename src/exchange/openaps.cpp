// OpenAPS basal_profile.json: one entry per change of rate, "minutes" from
// midnight. Only rates: no bolus factors, no date, no profile name. And
// autotune's profile.json, whose "basalprofile" is such a list with the days
// each entry went untuned, and whose "carb_ratio" holds for the whole day.

#include "exchange/bolusfactors.h"
#include "exchange/exchange.h"
#include "exchange/reading.h"
#include "exchange/schedule.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <limits>

namespace fendrimo {

using namespace exchange;

namespace {

constexpr int kLastMinute = 24 * 60 - 1;

// One entry; "i" is not read, its order is the file's.
QString readEntry(const QJsonValue& value, const QString& where, ScheduleEntry& entry)
{
    const QJsonObject object = value.toObject();
    if (!value.isObject())
        return QCoreApplication::translate("OpenAps",
                                           "%1 ist kein Objekt mit \"minutes\" und \"rate\".")
            .arg(where);
    const QJsonValue minutesValue = object.value(QLatin1String("minutes"));
    if (minutesValue.isUndefined())
        return QCoreApplication::translate("OpenAps", "%1: Die Uhrzeit fehlt (\"minutes\").")
            .arg(where);
    const std::optional<qint64> minutes = wholeNumber(decimalOfJson(minutesValue), kLastMinute);
    if (!minutes) {
        return QCoreApplication::translate("OpenAps",
                                           "%1: \"minutes\" \"%2\" ist keine Minute von 0 bis %3.")
            .arg(where, writtenText(minutesValue), QString::number(kLastMinute));
    }
    entry.second = int(*minutes) * 60;
    const QJsonValue start = object.value(QLatin1String("start"));
    if (!start.isUndefined() &&
        (!start.isString() || clockSeconds(start.toString()) != entry.second)) {
        return QCoreApplication::translate(
                   "OpenAps", "%1: \"start\" \"%2\" passt nicht zu \"minutes\" %3 (%4).")
            .arg(where, writtenText(start), QString::number(*minutes), clockText(entry.second));
    }
    const QJsonValue rate = object.value(QLatin1String("rate"));
    if (rate.isUndefined())
        return QCoreApplication::translate("OpenAps", "%1: Die Rate fehlt (\"rate\").").arg(where);
    const ExactDecimal decimal = decimalOfJson(rate);
    if (!decimal.ok())
        return decimalProblem(where, rateName(), writtenText(rate), decimal.status);
    entry.value = decimal.scaled;
    entry.where = where;
    return QString();
}

// Autotune's "untuned" of an entry; absent is 0.
QString readUntuned(const QJsonValue& value, const QString& where, ScheduleEntry& untuned)
{
    const QJsonValue days = value.toObject().value(QLatin1String("untuned"));
    const std::optional<qint64> count =
        days.isUndefined() ? 0 : wholeNumber(decimalOfJson(days), std::numeric_limits<int>::max());
    if (!count) {
        return QCoreApplication::translate("OpenAps",
                                           "%1: \"untuned\" \"%2\" ist keine Anzahl von Tagen.")
            .arg(where, writtenText(days));
    }
    untuned.value = *count;
    return QString();
}

// Per hour, the most untuned days of the entries covering any of it.
std::array<int, ProfileContent::Hours> untunedPerHour(const QList<ScheduleEntry>& sorted)
{
    std::array<int, ProfileContent::Hours> days{};
    const auto cover = [&days](int from, int until, Int128 count) {
        for (int hour = from / 3600; hour * 3600 < until; ++hour)
            days.at(size_t(hour)) = std::max(days.at(size_t(hour)), int(count));
    };
    for (qsizetype i = 0; i < sorted.size(); ++i) {
        cover(sorted[i].second, i + 1 < sorted.size() ? sorted[i + 1].second : kSecondsPerDay,
              sorted[i].value);
    }
    cover(0, sorted.first().second, sorted.last().value); // the day repeats
    return days;
}

// The entries, named "Eintrag 3" (of autotune's: "Eintrag 3 von "basalprofile""),
// as rates and untuned days.
QString readBasal(const QJsonArray& list, bool autotune, ImportedProfile& imported)
{
    QList<ScheduleEntry> entries;
    QList<ScheduleEntry> untuned; // value: days
    QString error;
    for (qsizetype i = 0; error.isEmpty() && i < list.size(); ++i) {
        ScheduleEntry entry;
        const QString number = QString::number(i + 1);
        const QString where =
            autotune ? QCoreApplication::translate("OpenAps", "Eintrag %1 von \"basalprofile\"")
                           .arg(number)
                     : QCoreApplication::translate("OpenAps", "Eintrag %1").arg(number);
        error = readEntry(list.at(i), where, entry);
        ScheduleEntry days{entry.second, 0, where};
        if (error.isEmpty())
            error = readUntuned(list.at(i), where, days);
        entries.append(entry);
        untuned.append(days);
    }
    if (error.isEmpty())
        error = sortSchedule(entries);
    if (!error.isEmpty())
        return error;
    sortSchedule(untuned); // the same starts, checked just now
    takeHourlyRates(entries, imported);
    imported.untunedDays = untunedPerHour(untuned);
    return QString();
}

// Autotune's one carb ratio for the day, in grams per IE; without it the
// bolus fields stay.
QString readCarbRatio(const QJsonObject& result, QChar separator, ImportedProfile& imported)
{
    const QJsonValue ratio = result.value(QLatin1String("carb_ratio"));
    if (ratio.isUndefined() || ratio.isNull())
        return QString();
    const ExactDecimal decimal = decimalOfJson(ratio);
    if (!decimal.ok()) {
        return decimalProblem(QStringLiteral("\"carb_ratio\""), carbRatioName(), writtenText(ratio),
                              decimal.status);
    }
    takeBolusFactors({{0, decimal.scaled, QString()}}, separator, imported);
    return QString();
}

} // namespace

QByteArray writeOpenAps(const HourlyRates& rates)
{
    QJsonArray entries;
    for (int hour = 0; hour < ProfileContent::Hours; ++hour) {
        const qint32 rate = rates.at(size_t(hour));
        if (hour > 0 && rate == rates.at(size_t(hour - 1)))
            continue;
        entries.append(QJsonObject{{QStringLiteral("i"), int(entries.size())},
                                   {QStringLiteral("start"),
                                    QStringLiteral("%1:00:00").arg(hour, 2, 10, QLatin1Char('0'))},
                                   {QStringLiteral("minutes"), hour * 60},
                                   {QStringLiteral("rate"), double(rate) / 10.0}});
    }
    return QJsonDocument(entries).toJson(QJsonDocument::Indented);
}

ImportOutcome readOpenAps(const QByteArray& data, const RegionalFormats& formats)
{
    const JsonFile parsed = parseJsonFile(data);
    const QJsonDocument& json = parsed.document;
    QString error = parsed.problem;
    const bool autotune = json.isObject() && json.object().contains(QLatin1String("basalprofile"));
    const QJsonArray list =
        autotune ? json.object().value(QLatin1String("basalprofile")).toArray() : json.array();
    if (error.isEmpty() && list.isEmpty()) {
        error = autotune
                    ? QCoreApplication::translate("OpenAps",
                                                  "Das Autotune-Ergebnis enthält keine Basalrate "
                                                  "(\"basalprofile\" ist leer oder keine Liste).")
                    : QCoreApplication::translate(
                          "OpenAps", "Die Datei ist keine OpenAPS-Basalrate: erwartet wird "
                                     "eine Liste von Einträgen mit \"minutes\" und \"rate\" "
                                     "oder ein Autotune-Ergebnis mit \"basalprofile\".");
    }
    ImportedProfile imported;
    if (error.isEmpty())
        error = readBasal(list, autotune, imported);
    if (error.isEmpty() && autotune)
        error = readCarbRatio(json.object(), formats.decimalSeparator, imported);
    if (!error.isEmpty())
        return {std::nullopt, error};
    imported.sourceName = autotune ? QStringLiteral("Autotune")
                                   : QCoreApplication::translate("OpenAps", "OpenAPS-Basalprofil");
    return {imported, QString()};
}

} // namespace fendrimo

// OpenAPS basal_profile.json: one entry per change of rate, "minutes" from
// midnight. Only rates: no bolus factors, no date, no profile name.

#include "exchange/exchange.h"
#include "exchange/exchangejson.h"
#include "exchange/schedule.h"

#include <QJsonArray>
#include <QJsonObject>

namespace fendrimo {

using namespace exchange;

namespace {

constexpr int kLastMinute = 24 * 60 - 1;

// One entry; "i" is not read, its order is the file's.
QString readEntry(const QJsonValue& value, const QString& where, ScheduleEntry& entry)
{
    const QJsonObject object = value.toObject();
    if (!value.isObject())
        return QStringLiteral("%1 ist kein Objekt mit \"minutes\" und \"rate\".").arg(where);
    const QJsonValue minutesValue = object.value(QLatin1String("minutes"));
    if (minutesValue.isUndefined())
        return QStringLiteral("%1: Die Uhrzeit fehlt (\"minutes\").").arg(where);
    const std::optional<qint64> minutes = wholeNumber(decimalOfJson(minutesValue), kLastMinute);
    if (!minutes) {
        return QStringLiteral("%1: \"minutes\" \"%2\" ist keine Minute von 0 bis %3.")
            .arg(where, writtenText(minutesValue), QString::number(kLastMinute));
    }
    entry.second = int(*minutes) * 60;
    const QJsonValue start = object.value(QLatin1String("start"));
    if (!start.isUndefined() &&
        (!start.isString() || clockSeconds(start.toString()) != entry.second)) {
        return QStringLiteral("%1: \"start\" \"%2\" passt nicht zu \"minutes\" %3 (%4).")
            .arg(where, writtenText(start), QString::number(*minutes), clockText(entry.second));
    }
    const QJsonValue rate = object.value(QLatin1String("rate"));
    if (rate.isUndefined())
        return QStringLiteral("%1: Die Rate fehlt (\"rate\").").arg(where);
    const ExactDecimal decimal = decimalOfJson(rate);
    if (!decimal.ok())
        return decimalProblem(where, QStringLiteral("Rate"), writtenText(rate), decimal.status);
    entry.value = decimal.scaled;
    entry.where = where;
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

ImportOutcome readOpenAps(const QByteArray& data)
{
    QJsonDocument json;
    QString error = parseJsonFile(data, json);
    if (error.isEmpty() && (!json.isArray() || json.array().isEmpty())) {
        error = QStringLiteral("Die Datei ist keine OpenAPS-Basalrate: erwartet wird eine "
                               "Liste von Einträgen mit \"minutes\" und \"rate\".");
    }
    const QJsonArray list = json.array();
    QList<ScheduleEntry> entries;
    for (qsizetype i = 0; error.isEmpty() && i < list.size(); ++i) {
        ScheduleEntry entry;
        error = readEntry(list.at(i), QStringLiteral("Eintrag %1").arg(i + 1), entry);
        entries.append(entry);
    }
    if (error.isEmpty())
        error = sortSchedule(entries);
    if (!error.isEmpty())
        return {std::nullopt, error};
    return ratesOnlyImport(entries);
}

} // namespace fendrimo

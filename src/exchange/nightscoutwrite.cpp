// Writing a Nightscout profile document with one profile, "Default": what
// Fendrimo holds and nothing more. Sensitivity, targets and insulin action
// are left out rather than invented; a receiving system asks for them.

#include "exchange/exactdecimal.h"
#include "exchange/exchange.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace fendrimo {

using namespace exchange;

namespace {

QString isoUtc(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

// A rate in tenths as the double nearest its decimal, which JSON writes
// back as that decimal (0.8, not 0.8000000000000000444).
double rateNumber(qint32 tenths)
{
    return double(tenths) / 10.0;
}

// 12 g per BE over the factor (IE per BE) of each bolus field, when all three
// are numbers above 0. Not rounded: 12 / (12 / f) reads back as f.
QJsonArray carbRatios(const std::array<QString, ProfileContent::Boluses>& bolus)
{
    static const int starts[ProfileContent::Boluses] = {0, 11, 17};
    QJsonArray ratios;
    for (int i = 0; i < ProfileContent::Boluses; ++i) {
        const ExactDecimal factor = parseDecimal(bolus.at(size_t(i)), {true, true, false});
        if (!factor.ok() || factor.scaled <= 0)
            return QJsonArray();
        const double perUnit = 12.0 / decimalText(factor.scaled, QLatin1Char('.')).toDouble();
        ratios.append(QJsonObject{{QStringLiteral("time"),
                                   QStringLiteral("%1:00").arg(starts[i], 2, 10, QLatin1Char('0'))},
                                  {QStringLiteral("timeAsSeconds"), starts[i] * 3600},
                                  {QStringLiteral("value"), perUnit}});
    }
    return ratios;
}

// The date field's day (else today) from local midnight, in UTC.
QString startDate(const QString& datum, const ExportContext& context)
{
    QDate day = QDate::fromString(datum.trimmed(), context.formats.shortDateFormat);
    if (!day.isValid())
        day = context.now.toLocalTime().date();
    return isoUtc(QDateTime(day, QTime(0, 0)));
}

} // namespace

QByteArray writeNightscout(const ProfileContent& content, const ExportContext& context)
{
    QJsonArray basal;
    for (int hour = 0; hour < ProfileContent::Hours; ++hour) {
        basal.append(QJsonObject{
            {QStringLiteral("time"), QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'))},
            {QStringLiteral("timeAsSeconds"), hour * 3600},
            {QStringLiteral("value"), rateNumber(content.rates.at(size_t(hour)))}});
    }
    QJsonObject profile{{QStringLiteral("basal"), basal}};
    const QJsonArray ratios = carbRatios(content.bolus);
    if (!ratios.isEmpty())
        profile.insert(QStringLiteral("carbratio"), ratios);
    if (!context.timeZone.isEmpty())
        profile.insert(QStringLiteral("timezone"), context.timeZone);
    const QJsonObject document{
        {QStringLiteral("defaultProfile"), QStringLiteral("Default")},
        {QStringLiteral("startDate"), startDate(content.datum, context)},
        {QStringLiteral("created_at"), isoUtc(context.now)},
        {QStringLiteral("store"), QJsonObject{{QStringLiteral("Default"), profile}}}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

} // namespace fendrimo

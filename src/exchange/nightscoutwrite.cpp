// Writing a Nightscout profile document with one profile, "Default": what
// Fendrimo holds and nothing more. Sensitivity, targets and insulin action
// are left out rather than invented; a receiving system asks for them. The
// time zone only as an IANA name: Nightscout reads any other as UTC.

#include "exchange/exactdecimal.h"
#include "exchange/exchange.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimeZone>

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

// A name of the tz database that Qt knows ("Europe/Berlin", "Etc/GMT+8"), not a
// POSIX rule ("CET-1CEST,M3.5.0,M10.5.0/3") nor an offset Qt makes up
// ("UTC+01:00"): a rule always holds a digit, a name none but a few old ones.
// Qt's own list of ids is no help: it lacks names such as "Etc/UTC".
bool isTzDatabaseName(const QString& name)
{
    static const QRegularExpression shape(
        QStringLiteral("^[A-Za-z_][A-Za-z_.-]*(/[A-Za-z_][A-Za-z_.-]*)*$|"
                       "^(Etc/)?GMT([+-][0-9]{1,2}|[+-]?0)$|^[CEMP]ST[5-8][CEMP]DT$"));
    return shape.match(name).hasMatch() && QTimeZone(name.toLatin1()).isValid();
}

} // namespace

QString ianaTimeZoneName(const QByteArray& zoneId, const QString& localtimeTarget)
{
    const QString id = QString::fromLatin1(zoneId);
    if (isTzDatabaseName(id))
        return id;
    const QLatin1String zoneinfo("/zoneinfo/");
    const qsizetype at = localtimeTarget.indexOf(zoneinfo);
    QString linked = at < 0 ? QString() : localtimeTarget.mid(at + zoneinfo.size());
    for (const QLatin1String variant : {QLatin1String("posix/"), QLatin1String("right/")}) {
        if (linked.startsWith(variant))
            linked.remove(0, variant.size());
    }
    return isTzDatabaseName(linked) ? linked : QString();
}

QString systemTimeZoneName()
{
    return ianaTimeZoneName(QTimeZone::systemTimeZoneId(),
                            QFile::symLinkTarget(QStringLiteral("/etc/localtime")));
}

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

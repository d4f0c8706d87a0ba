#include "platform/regional.h"

#include <QRegularExpression>

namespace fendrimo {

namespace {

RegionalFormats& currentFormats()
{
    static RegionalFormats formats = RegionalFormats::fromLocale(QLocale::system());
    return formats;
}

QString widenYear(QString format)
{
    // A lone "yy" becomes "yyyy"; a format that already has four digits stays.
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString withoutTimeZone(QString format)
{
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    format.replace(zone, QString());
    return format.trimmed();
}

} // namespace

RegionalFormats RegionalFormats::fromLocale(const QLocale& locale)
{
    RegionalFormats formats;
    const QString decimal = locale.decimalPoint();
    formats.decimalSeparator = decimal.size() == 1 ? decimal.at(0) : QLatin1Char('.');
    formats.shortDateFormat = widenYear(locale.dateFormat(QLocale::ShortFormat));
    formats.longTimeFormat = withoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    return formats;
}

QString RegionalFormats::shortDate(const QDate& date) const
{
    return date.toString(shortDateFormat);
}

QString RegionalFormats::longTime(const QTime& time) const
{
    return time.toString(longTimeFormat);
}

const RegionalFormats& RegionalFormats::current()
{
    return currentFormats();
}

void RegionalFormats::setCurrent(const RegionalFormats& formats)
{
    currentFormats() = formats;
}

} // namespace fendrimo

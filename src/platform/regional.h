#pragma once

#include <QChar>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace fendrimo {

// The system's regional settings as the program uses them: the decimal
// separator of rate texts, the short date and the long time.
struct RegionalFormats
{
    QChar decimalSeparator = QLatin1Char('.');
    QString shortDateFormat = QStringLiteral("dd.MM.yyyy");
    QString longTimeFormat = QStringLiteral("HH:mm:ss");

    // Short date with a four-digit year (08.12.2026, not 08.12.26) and long
    // time without a time zone (17:05:09).
    static RegionalFormats fromLocale(const QLocale& locale);

    QString shortDate(const QDate& date) const;
    QString longTime(const QTime& time) const;

    // The formats in force; read from the system at start and whenever the
    // system announces a change.
    static const RegionalFormats& current();
    static void setCurrent(const RegionalFormats& formats);
};

} // namespace fendrimo

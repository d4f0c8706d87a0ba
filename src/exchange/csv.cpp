// Spreadsheet tables: "Uhrzeit;Basalrate (IE/h)" and one line per hour.
// Written as German spreadsheets expect them (";", decimal comma, UTF-8 with
// byte-order mark), or with an English header in the regional number format;
// read in the shapes spreadsheets save.

#include "exchange/exchange.h"
#include "exchange/reading.h"
#include "exchange/schedule.h"
#include "profile/profiletools.h"
#include "profile/zehntel.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace fendrimo {

using namespace exchange;

namespace {

const QByteArray kByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

bool looksLikeTime(const QString& field)
{
    static const QRegularExpression time(QStringLiteral("^[0-9]{1,2}(:[0-9]{2}){0,2}$"));
    return time.match(field).hasMatch();
}

// "6", "6:00", "06:00" (or "06:00:00"): a full hour of the day, else -1.
int fullHour(const QString& field)
{
    if (!looksLikeTime(field))
        return -1;
    const std::optional<int> second =
        clockSeconds(field.contains(QLatin1Char(':')) ? field : field + QStringLiteral(":00"));
    return second && *second % 3600 == 0 ? *second / 3600 : -1;
}

QString missingHours(const std::array<int, ProfileContent::Hours>& lineOfHour)
{
    QList<int> missing;
    for (int hour = 0; hour < ProfileContent::Hours; ++hour) {
        if (lineOfHour.at(size_t(hour)) == 0)
            missing << hour;
    }
    return missing.isEmpty() ? QString()
                             : QCoreApplication::translate("Csv", "Es fehlen Stunden: %1.")
                                   .arg(hourRunsText(missing));
}

// One line of data; lineOfHour tells where each hour came before.
QString readLine(const QStringList& fields, int lineNumber, DecimalSyntax syntax,
                 std::array<int, ProfileContent::Hours>& lineOfHour, QList<ScheduleEntry>& entries)
{
    const QString where = QCoreApplication::translate("Csv", "Zeile %1").arg(lineNumber);
    if (fields.size() != 2) {
        return QCoreApplication::translate("Csv", "%1: Erwartet werden zwei Felder, Uhrzeit und "
                                                  "Basalrate; die Zeile hat %2.")
            .arg(where, QString::number(fields.size()));
    }
    const int hour = fullHour(fields[0]);
    if (hour < 0) {
        return QCoreApplication::translate("Csv", "%1: \"%2\" ist keine volle Stunde von 0 bis 23.")
            .arg(where, fields[0]);
    }
    if (lineOfHour.at(size_t(hour)) != 0) {
        return QCoreApplication::translate("Csv", "%1: Die Stunde %2 kommt zweimal vor.")
            .arg(where, hourSpanText(hour, hour));
    }
    lineOfHour.at(size_t(hour)) = lineNumber;
    const ExactDecimal rate = parseDecimal(fields[1], syntax);
    if (!rate.ok())
        return decimalProblem(where, rateName(), fields[1], rate.status);
    entries.append({hour * 3600, rate.scaled, where});
    return QString();
}

} // namespace

// The headers are part of the file's format, chosen by the caller, not
// translated texts.
CsvLayout germanCsvLayout()
{
    return {QStringLiteral("Uhrzeit;Basalrate (IE/h)"), QLatin1Char(';'), QLatin1Char(',')};
}

CsvLayout englishCsvLayout(QChar regionalDecimalSeparator)
{
    // With "," between the fields a decimal comma would split the rate.
    if (regionalDecimalSeparator == QLatin1Char(','))
        return {QStringLiteral("Time;Basal rate (U/h)"), QLatin1Char(';'), QLatin1Char(',')};
    return {QStringLiteral("Time,Basal rate (U/h)"), QLatin1Char(','), QLatin1Char('.')};
}

QByteArray writeCsv(const HourlyRates& rates, const CsvLayout& layout)
{
    QString text = layout.header + QStringLiteral("\r\n");
    for (int hour = 0; hour < ProfileContent::Hours; ++hour) {
        text += QStringLiteral("%1:00%2%3\r\n")
                    .arg(hour, 2, 10, QLatin1Char('0'))
                    .arg(layout.fieldSeparator)
                    .arg(ZehntelText(rates.at(size_t(hour)), layout.decimalSeparator));
    }
    return kByteOrderMark + text.toUtf8();
}

ImportOutcome readCsv(const QByteArray& data)
{
    QString error = fileSizeProblem(data);
    if (error.isEmpty())
        error = tableTextProblem(data);
    if (!error.isEmpty())
        return {std::nullopt, error};
    const QString text = tableText(data);
    const QChar separator = tableFieldSeparator(text);
    // With "," between the fields only "." can be the decimal separator.
    const DecimalSyntax syntax{true, separator != QLatin1Char(','), false};
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    std::array<int, ProfileContent::Hours> lineOfHour{};
    QList<ScheduleEntry> entries;
    bool firstLine = true;
    for (qsizetype i = 0; i < lines.size() && error.isEmpty(); ++i) {
        const QStringView line =
            lines[i].endsWith(QLatin1Char('\r')) ? lines[i].chopped(1) : lines[i];
        if (line.trimmed().isEmpty())
            continue;
        const QStringList fields = splitFields(line, separator);
        const bool header = firstLine && !looksLikeTime(fields[0]);
        firstLine = false;
        if (!header)
            error = readLine(fields, int(i + 1), syntax, lineOfHour, entries);
    }
    if (error.isEmpty() && entries.isEmpty())
        error = QCoreApplication::translate("Csv", "Die Tabelle enthält keine Basalraten.");
    if (error.isEmpty())
        error = missingHours(lineOfHour);
    if (!error.isEmpty())
        return {std::nullopt, error};
    sortSchedule(entries); // hours are distinct: checked line by line
    return ratesOnlyImport(entries);
}

} // namespace fendrimo

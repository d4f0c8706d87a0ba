// LibreView's CSV export of a FreeStyle Libre: a title line, the header,
// then one row per record. Record Type 0 is the sensor's historic reading
// (every 15 minutes), 1 a scan, 6 a note; others are insulin, food and
// strips. Times are the device's local clock, day first ("16-03-2021
// 13:42") or, from US accounts, month first in 12 hours ("03-16-2021 01:42
// PM"), not always in time order.

#include "glucose/glucosetext.h"
#include "glucose/glucosetime.h"
#include "glucose/readerparts.h"

#include "exchange/reading.h"

#include <QCoreApplication>

namespace fendrimo {

using namespace glucose;

namespace {

enum class DateOrder { Unknown, DayFirst, MonthFirst };

std::optional<TableColumns> libreColumns(QByteArrayView headerLine)
{
    TableColumns columns;
    const QStringList header = headerFields(headerLine, columns.separator);
    columns.count = header.size();
    columns.time = columnStarting(header, {"Device Timestamp", "Gerätezeitstempel"});
    columns.type = columnStarting(header, {"Record Type", "Aufzeichnungstyp"});
    columns.value = columnStarting(header, {"Historic Glucose", "Glukosewert-Verlauf"});
    const std::optional<GlucoseUnit> unit =
        columns.value >= 0 ? unitOfColumn(header.at(columns.value)) : std::nullopt;
    if (columns.time < 0 || columns.type < 0 || !unit)
        return std::nullopt;
    columns.unit = *unit;
    return columns;
}

struct LibreTime
{
    ClockTime clock;
    int first = -1, second = -1; // the date's first two numbers
    bool twelveHours = false;
    bool pm = false;
};

// "16-03-2021 13:42", seconds allowed, "AM"/"PM" after a blank.
std::optional<LibreTime> libreTime(QByteArrayView text)
{
    LibreTime t;
    qsizetype at = 0;
    const auto dash = [&] { return at < text.size() && text[at++] == '-'; };
    const auto colon = [&] { return at < text.size() && text[at] == ':' && ++at; };
    t.first = digitsAt(text, at, 0);
    const bool date = t.first >= 0 && dash() && (t.second = digitsAt(text, at, 0)) >= 0 && dash() &&
                      (t.clock.year = digitsAt(text, at, 4)) >= 0;
    if (!date || at >= text.size() || text[at++] != ' ')
        return std::nullopt;
    t.clock.hour = digitsAt(text, at, 0);
    if (t.clock.hour < 0 || !colon() || (t.clock.minute = digitsAt(text, at, 2)) < 0)
        return std::nullopt;
    if (colon() && (t.clock.second = digitsAt(text, at, 2)) < 0)
        return std::nullopt;
    const QByteArrayView rest = text.sliced(at).trimmed();
    t.twelveHours = sameWord(rest, "AM") || sameWord(rest, "PM");
    t.pm = sameWord(rest, "PM");
    if (!rest.isEmpty() && !t.twelveHours)
        return std::nullopt;
    return t;
}

std::optional<std::int64_t> libreSeconds(LibreTime t, DateOrder order)
{
    t.clock.day = order == DateOrder::DayFirst ? t.first : t.second;
    t.clock.month = order == DateOrder::DayFirst ? t.second : t.first;
    if (t.twelveHours) {
        if (t.clock.hour < 1 || t.clock.hour > 12)
            return std::nullopt;
        t.clock.hour = t.clock.hour % 12 + (t.pm ? 12 : 0);
    }
    return clockSeconds(t.clock);
}

// Which of the date's numbers is the day, told by the first that can't be
// a month; 12-hour times are the US form, month first.
DateOrder dateOrder(Lines lines, const TableColumns& columns)
{
    bool twelveHours = false;
    std::vector<QByteArrayView> fields;
    while (lines.next()) {
        splitLine(lines.line(), columns.separator, fields, columns.time + 1);
        const std::optional<LibreTime> t = qsizetype(fields.size()) > columns.time
                                               ? libreTime(fields[size_t(columns.time)])
                                               : std::nullopt;
        if (!t)
            continue;
        twelveHours = twelveHours || t->twelveHours;
        if (t->first > 12)
            return DateOrder::DayFirst;
        if (t->second > 12)
            return DateOrder::MonthFirst;
    }
    return twelveHours ? DateOrder::MonthFirst : DateOrder::Unknown;
}

std::optional<SkipReason> skipped(int type)
{
    switch (type) {
    case 0:
        return std::nullopt;
    case 1:
        return SkipReason::Scan;
    case 6:
        return SkipReason::Note;
    default:
        return SkipReason::OtherEvent;
    }
}

QString readRow(const std::vector<QByteArrayView>& fields, const TableColumns& columns,
                DateOrder order, int line, GlucoseReading& reading)
{
    const auto where = [line] { return lineWhere(line); };
    const QByteArrayView time = fields[size_t(columns.time)];
    const std::optional<LibreTime> t = libreTime(time);
    const std::optional<std::int64_t> seconds = t ? libreSeconds(*t, order) : std::nullopt;
    if (!seconds)
        return QCoreApplication::translate("Glucose", "%1: %2 ist kein Zeitpunkt der Form %3.")
            .arg(where(), quoted(time),
                 order == DateOrder::DayFirst ? QStringLiteral("TT-MM-JJJJ hh:mm")
                                              : QStringLiteral("MM-TT-JJJJ hh:mm AM/PM"));
    const QByteArrayView value = fields[size_t(columns.value)];
    const std::optional<int> number = glucoseValue(value, columns.unit);
    if (!number)
        return valueProblem(where(), value, columns.unit);
    reading.localSeconds = *seconds;
    reading.unit = columns.unit;
    reading.value = std::uint16_t(*number);
    return QString();
}

QString undatableText()
{
    return QCoreApplication::translate(
        "Glucose", "An keinem Datum der Datei ist zu erkennen, ob der Tag oder der Monat vorne "
                   "steht (TT-MM-JJJJ oder MM-TT-JJJJ). Bitte einen Zeitraum von mindestens "
                   "13 Tagen exportieren.");
}

} // namespace

namespace glucose {

bool isLibreView(const QByteArray& data)
{
    const QByteArrayView text = withoutByteOrderMark(data);
    Lines lines(text.first(std::min<qsizetype>(text.size(), 8192)));
    return lines.next() && lines.next() && libreColumns(lines.line()).has_value();
}

} // namespace glucose

GlucoseOutcome readLibreView(const QByteArray& data, const QTimeZone&)
{
    const QString problem = tableTextProblem(data);
    if (!problem.isEmpty())
        return failure(problem);
    Lines lines(withoutByteOrderMark(data));
    const std::optional<TableColumns> columns =
        lines.next() && lines.next() ? libreColumns(lines.line()) : std::nullopt;
    if (!columns)
        return failure(QCoreApplication::translate(
            "Glucose", "Zeile 2: Die Kopfzeile von LibreView nennt keinen Gerätezeitstempel, "
                       "keinen Aufzeichnungstyp oder keinen Glukosewert-Verlauf mit Einheit."));
    const DateOrder order = dateOrder(lines, *columns);
    if (order == DateOrder::Unknown)
        return failure(undatableText());
    GlucoseFile file;
    file.format = GlucoseFormat::LibreView;
    file.unit = columns->unit;
    reserveFor(file.readings, data, "\n");
    std::vector<QByteArrayView> fields;
    const int needed = std::max({columns->time, columns->type, columns->value});
    while (lines.next()) {
        if (lines.line().trimmed().isEmpty())
            continue;
        splitLine(lines.line(), columns->separator, fields, needed + 1);
        const std::optional<int> type =
            int(fields.size()) > needed ? wholeNumber(fields[size_t(columns->type)]) : std::nullopt;
        if (!type)
            return failure(QCoreApplication::translate(
                               "Glucose", "%1: Die Zeile hat keinen Aufzeichnungstyp (eine Zahl).")
                               .arg(lineWhere(lines.number())));
        if (const auto reason = skipped(*type)) {
            ++file.skipped.at(size_t(*reason));
            continue;
        }
        GlucoseReading reading;
        QString error = cutShort(lines, columns->separator, columns->count);
        if (error.isEmpty())
            error = readRow(fields, *columns, order, lines.number(), reading);
        if (!error.isEmpty())
            return failure(error);
        file.readings.push_back(reading);
    }
    return finished(std::move(file));
}

} // namespace fendrimo

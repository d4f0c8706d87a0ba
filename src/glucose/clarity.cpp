// Dexcom Clarity's CSV export: a header of 14 columns, rows of metadata
// without a time first, then one row per event; only "EGV" rows (estimated
// glucose values, every 5 minutes, local time) are readings. English and
// German headers, mg/dL or mmol/L, "Low" and "High" beyond the sensor's
// range; "," and UTF-8 as seen, ";" and Latin-1 as reported.

#include "glucose/glucosetext.h"
#include "glucose/glucosetime.h"
#include "glucose/readerparts.h"

#include "exchange/reading.h"

#include <QCoreApplication>

namespace fendrimo {

using namespace glucose;

namespace {

// The German header names no event type as far as seen; the type follows
// the time in every export's order.
std::optional<TableColumns> clarityColumns(QByteArrayView headerLine)
{
    TableColumns columns;
    const QStringList header = headerFields(headerLine, columns.separator);
    columns.count = header.size();
    columns.time = columnStarting(header, {"Timestamp (", "Zeitstempel ("});
    columns.type = columnStarting(header, {"Event Type"});
    if (columns.type < 0 && columns.time >= 0)
        columns.type = columns.time + 1;
    columns.value = columnStarting(header, {"Glucose Value (", "Glukosewert ("});
    const std::optional<GlucoseUnit> unit =
        columns.value >= 0 ? unitOfColumn(header.at(columns.value)) : std::nullopt;
    if (columns.time < 0 || !unit)
        return std::nullopt;
    columns.unit = *unit;
    return columns;
}

std::optional<SkipReason> skipped(QByteArrayView time, QByteArrayView event)
{
    if (time.isEmpty())
        return SkipReason::Metadata;
    if (sameWord(event, "EGV"))
        return std::nullopt;
    return sameWord(event, "Calibration") ? SkipReason::Calibration : SkipReason::OtherEvent;
}

// One EGV row's reading, or why it is none.
QString readRow(const std::vector<QByteArrayView>& fields, const TableColumns& columns, int line,
                GlucoseReading& reading)
{
    const auto where = [line] { return lineWhere(line); };
    if (qsizetype(fields.size()) <= std::max(columns.time, columns.value))
        return QCoreApplication::translate(
                   "Glucose", "%1: Die Zeile hat %2 Felder, ihr fehlt der Glukosewert.")
            .arg(where())
            .arg(fields.size());
    const QByteArrayView time = fields[size_t(columns.time)];
    const std::optional<std::int64_t> seconds = isoClockSeconds(time);
    if (!seconds)
        return QCoreApplication::translate(
                   "Glucose", "%1: %2 ist kein Zeitpunkt der Form JJJJ-MM-TTThh:mm:ss.")
            .arg(where(), quoted(time));
    reading.localSeconds = *seconds;
    reading.unit = columns.unit;
    const QByteArrayView value = fields[size_t(columns.value)];
    reading.kind = sameWord(value, "Low")    ? ReadingKind::BelowRange
                   : sameWord(value, "High") ? ReadingKind::AboveRange
                                             : ReadingKind::Measured;
    const std::optional<int> number = reading.kind == ReadingKind::Measured
                                          ? glucoseValue(value, columns.unit)
                                          : rangeLimit(reading.kind, columns.unit);
    if (!number)
        return valueProblem(where(), value, columns.unit);
    reading.value = std::uint16_t(*number);
    return QString();
}

} // namespace

namespace glucose {

bool isClarity(const QByteArray& data)
{
    const QByteArrayView text = withoutByteOrderMark(data);
    Lines lines(text.first(std::min<qsizetype>(text.size(), 4096)));
    if (!lines.next())
        return false;
    const QByteArrayView header = lines.line();
    return (header.startsWith("\"Index\"") || header.startsWith("Index")) &&
           clarityColumns(header).has_value();
}

} // namespace glucose

GlucoseOutcome readClarity(const QByteArray& data, const QTimeZone&)
{
    const QString problem = tableTextProblem(data);
    if (!problem.isEmpty())
        return failure(problem);
    Lines lines(withoutByteOrderMark(data));
    const std::optional<TableColumns> columns =
        lines.next() ? clarityColumns(lines.line()) : std::nullopt;
    if (!columns)
        return failure(QCoreApplication::translate(
            "Glucose", "Zeile 1: Die Kopfzeile von Dexcom Clarity nennt keinen Zeitstempel oder "
                       "keinen Glukosewert mit Einheit."));
    GlucoseFile file;
    file.format = GlucoseFormat::Clarity;
    file.unit = columns->unit;
    reserveFor(file.readings, data, "\n");
    std::vector<QByteArrayView> fields;
    const int read = std::max({columns->time, columns->type, columns->value}) + 1;
    while (lines.next()) {
        if (lines.line().trimmed().isEmpty())
            continue;
        splitLine(lines.line(), columns->separator, fields, read);
        const auto field = [&](int i) {
            return i < int(fields.size()) ? fields[size_t(i)] : QByteArrayView();
        };
        if (const auto reason = skipped(field(columns->time), field(columns->type))) {
            ++file.skipped.at(size_t(*reason));
            continue;
        }
        GlucoseReading reading;
        QString error = cutShort(lines, columns->separator, columns->count);
        if (error.isEmpty())
            error = readRow(fields, *columns, lines.number(), reading);
        if (!error.isEmpty())
            return failure(error);
        file.readings.push_back(reading);
    }
    return finished(std::move(file));
}

} // namespace fendrimo

#pragma once

// What the glucose readers share beyond the bytes: the table's header, the
// unit and the value of a reading, and the outcome once all rows are read.

#include "glucose/glucoseformats.h"
#include "glucose/glucosetext.h"

#include <QStringList>

#include <initializer_list>

namespace fendrimo::glucose {

GlucoseOutcome failure(const QString& error);

// The columns a table's reader takes, found in its header line.
struct TableColumns
{
    int time = -1;
    int type = -1; // of the row: Clarity's event, LibreView's record
    int value = -1;
    GlucoseUnit unit = GlucoseUnit::MgPerDl;
    char separator = ',';
    qsizetype count = 0; // of the header's fields
};

// The data without UTF-8's byte-order mark, which a spreadsheet program
// saving a table may put first.
QByteArrayView withoutByteOrderMark(QByteArrayView data);

// The readings sorted into time order; an error when there are none.
GlucoseOutcome finished(GlucoseFile file);

// Room for one reading per marker in the data (a line, a key) at most,
// found by its byte at by, the rarest; the readings' room is most of what
// reading takes beyond the file.
void reserveFor(std::vector<GlucoseReading>& readings, QByteArrayView data, QByteArrayView marker,
                qsizetype by = 0);

// An error when the line is the last, without a line break, and has fewer
// fields than the header: a file cut short may have cut a number.
QString cutShort(const Lines& lines, char separator, qsizetype headerFields);

// A header line's fields as text (UTF-8, or Windows-1252 when it isn't) and
// the separator of the table's fields.
QStringList headerFields(QByteArrayView line, char& separator);

// The first column whose name starts with one of names, in any case; -1.
int columnStarting(const QStringList& header, std::initializer_list<const char*> names);

// The unit a column's name gives: "(mg/dL)", "mmol/L" in any case.
std::optional<GlucoseUnit> unitOfColumn(const QString& name);

// A reading's value as written in unit: whole mg/dL, or mmol/L with at
// most one decimal (in tenths); none for anything else or 0.
std::optional<int> glucoseValue(QByteArrayView text, GlucoseUnit unit);

// The limit a "Low" or "High" stands for in unit.
int rangeLimit(ReadingKind kind, GlucoseUnit unit);

// "Zeile 12: "12,34" ist kein Glukosewert in mmol/L (eine Nachkommastelle)."
QString valueProblem(const QString& where, QByteArrayView written, GlucoseUnit unit);

QString unitName(GlucoseUnit unit);

bool isClarity(const QByteArray& data);
bool isLibreView(const QByteArray& data);
bool isNightscoutEntries(const QByteArray& data);
bool isTidepoolCbg(const QByteArray& data);

} // namespace fendrimo::glucose

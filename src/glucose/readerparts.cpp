#include "glucose/readerparts.h"

#include "glucose/glucosetext.h"

#include "exchange/reading.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace fendrimo::glucose {

GlucoseOutcome failure(const QString& error)
{
    return {std::nullopt, error};
}

QByteArrayView withoutByteOrderMark(QByteArrayView data)
{
    return data.startsWith("\xEF\xBB\xBF") ? data.sliced(3) : data;
}

GlucoseOutcome finished(GlucoseFile file)
{
    if (file.readings.empty())
        return failure(QCoreApplication::translate(
            "Glucose", "Die Datei enthält keine Glukosewerte des Sensors."));
    auto& r = file.readings;
    if (!std::is_sorted(r.begin(), r.end())) {
        // Nightscout answers newest first.
        if (std::is_sorted(r.rbegin(), r.rend()))
            std::reverse(r.begin(), r.end());
        else
            std::sort(r.begin(), r.end());
    }
    return {std::move(file), QString()};
}

void reserveFor(std::vector<GlucoseReading>& readings, QByteArrayView data, QByteArrayView marker,
                qsizetype by)
{
    size_t count = 0;
    const char* at = data.data() + by;
    const char* end = data.data() + data.size();
    while (at < end &&
           (at = static_cast<const char*>(std::memchr(at, marker[by], size_t(end - at))))) {
        const char* start = at - by;
        count += end - start >= marker.size() &&
                 std::memcmp(start, marker.data(), size_t(marker.size())) == 0;
        ++at;
    }
    readings.reserve(count + 1);
}

QString cutShort(const Lines& lines, char separator, qsizetype headerFields)
{
    if (lines.ended())
        return QString();
    std::vector<QByteArrayView> fields;
    splitLine(lines.line(), separator, fields);
    if (qsizetype(fields.size()) >= headerFields)
        return QString();
    return QCoreApplication::translate("Glucose", "%1: Die letzte Zeile bricht nach %2 von %3 "
                                                  "Feldern ab; die Datei ist nicht vollständig.")
        .arg(lineWhere(lines.number()))
        .arg(fields.size())
        .arg(headerFields);
}

QStringList headerFields(QByteArrayView line, char& separator)
{
    const QString text = tableText(line.toByteArray());
    separator = char(tableFieldSeparator(text).unicode());
    return splitFields(text, QLatin1Char(separator));
}

int columnStarting(const QStringList& header, std::initializer_list<const char*> names)
{
    for (int i = 0; i < header.size(); ++i) {
        for (const char* name : names) {
            if (header.at(i).startsWith(QString::fromUtf8(name), Qt::CaseInsensitive))
                return i;
        }
    }
    return -1;
}

std::optional<GlucoseUnit> unitOfColumn(const QString& name)
{
    if (name.contains(QLatin1String("mg/dl"), Qt::CaseInsensitive))
        return GlucoseUnit::MgPerDl;
    if (name.contains(QLatin1String("mmol/l"), Qt::CaseInsensitive))
        return GlucoseUnit::MmolPerL;
    return std::nullopt;
}

std::optional<int> glucoseValue(QByteArrayView text, GlucoseUnit unit)
{
    // Beyond 999 mg/dL or 99.9 mmol/L no glucose is measured.
    constexpr int kLargest = 999;
    const std::optional<int> value =
        unit == GlucoseUnit::MgPerDl ? wholeNumber(text) : tenths(text);
    return value && *value > 0 && *value <= kLargest ? value : std::nullopt;
}

int rangeLimit(ReadingKind kind, GlucoseUnit unit)
{
    const bool low = kind == ReadingKind::BelowRange;
    if (unit == GlucoseUnit::MgPerDl)
        return low ? kSensorLowestMgPerDl : kSensorHighestMgPerDl;
    return low ? kSensorLowestMmolTenths : kSensorHighestMmolTenths;
}

QString unitName(GlucoseUnit unit)
{
    return unit == GlucoseUnit::MgPerDl ? QStringLiteral("mg/dL") : QStringLiteral("mmol/L");
}

QString valueProblem(const QString& where, QByteArrayView written, GlucoseUnit unit)
{
    if (unit == GlucoseUnit::MgPerDl)
        return QCoreApplication::translate(
                   "Glucose",
                   "%1: %2 ist kein Glukosewert in mg/dL (eine ganze Zahl von 1 bis 999).")
            .arg(where, quoted(written));
    return QCoreApplication::translate("Glucose", "%1: %2 ist kein Glukosewert in mmol/L "
                                                  "(von 0,1 bis 99,9, eine Nachkommastelle).")
        .arg(where, quoted(written));
}

} // namespace fendrimo::glucose

#pragma once

// Readings written as "2024-03-04 08:05 120": whole mg/dL, "6.7" mmol/L,
// "L" or "H" beyond the sensor's range; "+60" after the value is the offset.

#include "glucose/glucosedata.h"

#include <QDateTime>
#include <QStringList>

#include <algorithm>

namespace fendrimo::test {

inline std::int64_t clockSeconds(const QString& dateAndTime)
{
    const QStringList parts = dateAndTime.split(u' ');
    return QDateTime(QDate::fromString(parts.at(0), Qt::ISODate),
                     QTime::fromString(parts.at(1), QStringLiteral("hh:mm")), Qt::UTC)
        .toSecsSinceEpoch();
}

inline GlucoseReading readingOf(const QString& line)
{
    const QStringList parts = line.split(u' ');
    GlucoseReading r;
    r.localSeconds = clockSeconds(parts.at(0) + u' ' + parts.at(1));
    const QString& value = parts.at(2);
    if (value == u'L' || value == u'H') {
        r.kind = value == u'L' ? ReadingKind::BelowRange : ReadingKind::AboveRange;
        r.value = value == u'L' ? kSensorLowestMgPerDl : kSensorHighestMgPerDl;
    } else if (value.contains(u'.')) {
        r.unit = GlucoseUnit::MmolPerL;
        r.value = std::uint16_t(qRound(value.toDouble() * 10));
    } else {
        r.value = std::uint16_t(value.toInt());
    }
    if (parts.size() > 3)
        r.offsetMinutes = std::int16_t(parts.at(3).toInt());
    return r;
}

inline GlucoseData dataOf(const QStringList& lines)
{
    std::vector<GlucoseReading> readings;
    for (const QString& line : lines)
        readings.push_back(readingOf(line));
    std::sort(readings.begin(), readings.end());
    GlucoseData data;
    addReadings(data, std::move(readings), QStringLiteral("test"), GlucoseUnit::MgPerDl);
    return data;
}

// Every 5 minutes from "2024-03-04 08:00" on, `count` readings of one value.
inline QStringList everyFiveMinutes(const QString& from, int count, const QString& value)
{
    QStringList lines;
    const QDateTime start = QDateTime::fromSecsSinceEpoch(clockSeconds(from), Qt::UTC);
    for (int i = 0; i < count; ++i)
        lines << start.addSecs(i * 300).toString(QStringLiteral("yyyy-MM-dd hh:mm ")) + value;
    return lines;
}

} // namespace fendrimo::test

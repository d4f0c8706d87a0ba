#pragma once

// "2024-03-05 08:05 120", "03-05 08:05 120" (2024) or "08:05 120" (2024-03-04): whole mg/dL,
// "6.7" mmol/L, "L" or "H" beyond the sensor's range; a fourth field is the UTC offset.

#include "glucose/glucosedata.h"

#include <QDateTime>
#include <QStringList>

#include <algorithm>

namespace fendrimo::test {

inline GlucoseReading readingOf(const QString& line)
{
    QStringList f = (line.indexOf(u':') < 3 ? "03-04 " + line : line).split(u' ');
    f[0] = f[0].size() == 5 ? "2024-" + f[0] : f[0];
    const QString& v = f.at(2);
    const int limit = v == u'L' ? kSensorLowestMgPerDl : (v == u'H' ? kSensorHighestMgPerDl : 0);
    const bool mmol = v.contains(u'.');
    return {QDateTime::fromString(f.at(0) + u'T' + f.at(1) + u'Z', Qt::ISODate).toSecsSinceEpoch(),
            f.size() > 3 ? std::int16_t(f.at(3).toInt()) : kNoOffset,
            std::uint16_t(limit ? limit : qRound(v.toDouble() * (mmol ? 10 : 1))),
            mmol ? GlucoseUnit::MmolPerL : GlucoseUnit::MgPerDl,
            limit ? (v == u'L' ? ReadingKind::BelowRange : ReadingKind::AboveRange)
                  : ReadingKind::Measured};
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

// `count` readings 5 minutes apart from "2024-03-04 08:00" on, each "value [offset]".
inline QStringList everyFiveMinutes(const QString& from, int count, const QString& value)
{
    QStringList lines;
    const auto start = QDateTime::fromSecsSinceEpoch(readingOf(from + " 0").localSeconds, Qt::UTC);
    for (int i = 0; i < count; ++i)
        lines << start.addSecs(i * 300).toString(QStringLiteral("yyyy-MM-dd hh:mm ")) + value;
    return lines;
}

} // namespace fendrimo::test

#pragma once

// Glucose data whose hourly figures are known by hand: each hour of `days`
// days from 1 March 2024 rises by 4 mg/dL every 5 minutes from 100 (9 Uhr
// from 148; 19 to 22 Uhr from 360 in a high evening). Over three days or
// more such an hour has the type 7 percentiles 100, 111, 122, 133 and 144,
// and 8 Uhr changes by +48 to 9 Uhr's first reading.

#include "glucose/readings.h"
#include "printing/glucosereport.h"

namespace fendrimo::testing {

inline GlucoseData hourlyRises(int days, int emptyHour = -1, bool highEvening = false)
{
    QStringList lines;
    for (int d = 1; d <= days; ++d) {
        for (int minute = 0; minute < 24 * 60; minute += 5) {
            const int hour = minute / 60;
            const int base = highEvening && hour >= 19 && hour <= 21 ? 360 : hour == 9 ? 148 : 100;
            if (hour != emptyHour)
                lines << QStringLiteral("2024-03-%1 %2 %3")
                             .arg(d, 2, 10, QLatin1Char('0'))
                             .arg(QTime(0, 0).addSecs(minute * 60).toString(u"hh:mm"))
                             .arg(base + 4 * (minute % 60) / 5);
        }
    }
    return test::dataOf(lines);
}

// Its report over the last 14 days, from one file.
inline GlucoseReport hourlyRisesReport(const GlucoseData& data, GlucoseUnit unit)
{
    return {{QStringLiteral("/daten/clarity.csv")},
            glucoseStatistics(data, defaultPeriod(data), unit)};
}

} // namespace fendrimo::testing

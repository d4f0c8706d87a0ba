#pragma once

// A report of hourly figures known by hand: each hour of `days` days rises by 4 mg/dL every
// 5 minutes from 100 (9 Uhr from 148, 19 to 22 Uhr from 360 in a high evening): percentiles
// 100, 111, 122, 133, 144 from three days on; 8 Uhr changes by +48 to 9 Uhr's first reading.

#include "glucose/readings.h"
#include "printing/glucosereport.h"

namespace fendrimo::testing {

inline GlucoseReport hourlyRises(int days, int emptyHour = -1, bool highEvening = false,
                                 GlucoseUnit unit = GlucoseUnit::MgPerDl)
{
    QStringList lines;
    for (int d = 1; d <= days; ++d) {
        for (int minute = 0; minute < 24 * 60; minute += 5) {
            const int hour = minute / 60;
            const int base = highEvening && hour >= 19 && hour <= 21 ? 360 : hour == 9 ? 148 : 100;
            if (hour != emptyHour)
                lines << QDateTime(QDate(2024, 3, d), QTime(hour, minute % 60))
                                 .toString(u"yyyy-MM-dd hh:mm ") +
                             QString::number(base + 4 * (minute % 60) / 5);
        }
    }
    const GlucoseData data = test::dataOf(lines);
    return {{QStringLiteral("/daten/clarity.csv")},
            glucoseStatistics(data, defaultPeriod(data), unit)};
}

} // namespace fendrimo::testing

// The glucose statistics over a year of 5-minute readings (105,120): the
// time a change of period or days costs, the median of repeated runs, and
// with --once a single computation over the whole year for callgrind's
// instruction count per reading, with the curves and a night's basal test
// on every day.

#include "glucose/glucosestats.h"
#include "glucose/agpcurves.h"
#include "glucose/basaltest.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace fendrimo;

namespace {

constexpr int kYearOfReadings = 365 * 288;

// A day's swing with noise, now and then below or above the sensor's range.
GlucoseData yearOfReadings()
{
    std::vector<GlucoseReading> readings(kYearOfReadings);
    const std::int64_t start = dayOfDate(QDate(2024, 1, 1)) * kSecondsPerDay;
    std::uint32_t noise = 12345;
    for (int i = 0; i < kYearOfReadings; ++i) {
        noise = noise * 1664525u + 1013904223u;
        const double swing = 140 + 60 * std::sin(i * 2 * M_PI / 288) + int(noise >> 24) - 128;
        GlucoseReading& r = readings[size_t(i)];
        r.localSeconds = start + std::int64_t(i) * 300 + (noise >> 28);
        r.value =
            std::uint16_t(std::clamp(int(swing), kSensorLowestMgPerDl, kSensorHighestMgPerDl));
        r.kind = swing < kSensorLowestMgPerDl    ? ReadingKind::BelowRange
                 : swing > kSensorHighestMgPerDl ? ReadingKind::AboveRange
                                                 : ReadingKind::Measured;
    }
    GlucoseData data;
    addReadings(data, std::move(readings), QStringLiteral("year"), GlucoseUnit::MgPerDl);
    return data;
}

// The median and the fastest of 21 runs: on a shared machine the fastest
// shows the work, the median what a user may wait.
void printMilliseconds(const char* what, const GlucoseData& data, const GlucosePeriod& period)
{
    std::vector<double> times;
    double sink = 0;
    for (int run = 0; run < 21; ++run) {
        const auto begin = std::chrono::steady_clock::now();
        const GlucoseStatistics stats = glucoseStatistics(data, period, GlucoseUnit::MgPerDl);
        sink += *agpCurves(stats.hours)[2].values[12];
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                .count());
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.2f ms, fastest %.2f ms%s\n", what, times[times.size() / 2],
                times.front(), sink > 0 ? "" : " (no median glucose at noon)");
}

} // namespace

int main(int argc, char** argv)
{
    const GlucoseData data = yearOfReadings();
    const GlucosePeriod year = choosePeriod(data, QDate(2024, 1, 1), QDate(2024, 12, 31)).period;
    if (argc > 1 && std::strcmp(argv[1], "--once") == 0) {
        const GlucoseStatistics stats = glucoseStatistics(data, year, GlucoseUnit::MgPerDl);
        const auto curves = agpCurves(stats.hours);
        QList<QDate> days;
        for (QDate d = year.first; d <= year.last; d = d.addDays(1))
            days << d;
        const auto nights = basalTest(data, days, {22, 6}, GlucoseUnit::MgPerDl);
        std::printf("%d readings, mean %.1f, median at noon %.1f, %zu nights\n",
                    stats.overall.readings, *stats.overall.mean, *curves[2].values[12],
                    nights.size());
        return 0;
    }
    GlucosePeriod weekdays = year;
    weekdays.days = DaySelection::MondayToFriday;
    std::printf("readings: %zu\n", data.readings.size());
    printMilliseconds("default 14 days", data, defaultPeriod(data));
    printMilliseconds("whole year", data, year);
    printMilliseconds("whole year, Monday to Friday", data, weekdays);
    return 0;
}

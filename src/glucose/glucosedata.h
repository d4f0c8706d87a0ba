#pragma once

// Glucose readings as a CGM export holds them: the local clock time of each
// and its value exactly as written (whole mg/dL or mmol/L in tenths), the
// words for "below/above the sensor's range" kept as such. A year of 5-minute
// readings is 105,120 of them, so a reading is 16 bytes.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace fendrimo {

enum class GlucoseUnit : std::uint8_t { MgPerDl, MmolPerL };

// 1 mmol/L in mg/dL, the factor Tidepool converts by.
constexpr double kMgPerDlPerMmol = 18.01559;

// The range the sensors read; Low and High stand for beyond it.
constexpr int kSensorLowestMgPerDl = 40;
constexpr int kSensorHighestMgPerDl = 400;
constexpr int kSensorLowestMmolTenths = 22;   // 2.2 mmol/L
constexpr int kSensorHighestMmolTenths = 222; // 22.2 mmol/L

enum class ReadingKind : std::uint8_t { Measured, BelowRange, AboveRange };

// No UTC offset known: the time is the clock as the file wrote it.
constexpr std::int16_t kNoOffset = INT16_MIN;

struct GlucoseReading
{
    // The local clock as seconds counted from 1970-01-01 00:00 on that clock.
    std::int64_t localSeconds = 0;
    // Minutes east of UTC when the file gave them or the system's zone
    // placed the reading; kNoOffset otherwise.
    std::int16_t offsetMinutes = kNoOffset;
    // Whole mg/dL or tenths of mmol/L, by unit; for Low and High the limit.
    std::uint16_t value = 0;
    GlucoseUnit unit = GlucoseUnit::MgPerDl;
    ReadingKind kind = ReadingKind::Measured;

    // Local time first; within one clock time (the hour repeated when summer
    // time ends) the larger offset came first.
    bool operator<(const GlucoseReading& other) const;
    bool operator==(const GlucoseReading& other) const;
};

static_assert(sizeof(GlucoseReading) == 16, "a year of readings is held in memory");

// The value in mg/dL: whole as written, or converted from mmol/L.
double mgPerDl(const GlucoseReading& reading);

// Readings from one or more files, in time order; one that overlapping
// exports both hold (same time, offset and value) is there once.
struct GlucoseData
{
    std::vector<GlucoseReading> readings;
    QStringList files;                       // the names of the files read into it
    GlucoseUnit unit = GlucoseUnit::MgPerDl; // of the file first read
};

// Adds a file's readings, in time order, to the data; returns how many of
// them it held already. Readings alike within one file all stay: the hour
// repeated when summer time ends may hold the same clock time twice.
int addReadings(GlucoseData& data, std::vector<GlucoseReading> readings, const QString& fileName,
                GlucoseUnit unit);

} // namespace fendrimo

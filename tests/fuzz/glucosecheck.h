#pragma once

// What every glucose reader keeps, whatever it is fed: readings or an
// error, never both; readings in time order, each a value as the format
// writes it or Low/High at the sensor's limit; skipped rows counted only
// for the reasons the format has. The reader reached through the one flow
// that recognises the data answers as the reader itself does, and the
// system's zone moves a reading's clock, never its moment or value.

#include "fuzzcheck.h"
#include "glucose/glucoseformats.h"

#include <QByteArray>
#include <QTimeZone>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <tuple>

namespace glucosefuzz {

using namespace fendrimo;

// The reasons each format skips rows for, as bits of SkipReason.
inline unsigned skipReasons(GlucoseFormat format)
{
    const auto bit = [](SkipReason reason) { return 1u << unsigned(reason); };
    switch (format) {
    case GlucoseFormat::Clarity:
        return bit(SkipReason::Metadata) | bit(SkipReason::Calibration) |
               bit(SkipReason::OtherEvent);
    case GlucoseFormat::LibreView:
        return bit(SkipReason::Note) | bit(SkipReason::Scan) | bit(SkipReason::OtherEvent);
    case GlucoseFormat::NightscoutEntries:
        return bit(SkipReason::StatusCode) | bit(SkipReason::Calibration) |
               bit(SkipReason::OtherEvent);
    case GlucoseFormat::TidepoolCbg:
        return bit(SkipReason::Calibration) | bit(SkipReason::OtherEvent);
    }
    return 0;
}

inline bool isTable(GlucoseFormat format)
{
    return format == GlucoseFormat::Clarity || format == GlucoseFormat::LibreView;
}

// Nightscout and Tidepool count time in UTC: every reading has its offset,
// given or placed, and lies within 18 hours of UTC.
inline void checkReading(const GlucoseReading& r, const GlucoseFile& file)
{
    FUZZ_CHECK(r.unit == GlucoseUnit::MgPerDl || r.unit == GlucoseUnit::MmolPerL);
    if (r.kind == ReadingKind::Measured) {
        // Whole mg/dL or tenths of mmol/L, as written: 1 to 999.
        FUZZ_CHECK(r.value >= 1 && r.value <= 999);
    } else {
        const bool low = r.kind == ReadingKind::BelowRange;
        FUZZ_CHECK(low || r.kind == ReadingKind::AboveRange);
        const int limit = r.unit == GlucoseUnit::MgPerDl
                              ? (low ? kSensorLowestMgPerDl : kSensorHighestMgPerDl)
                              : (low ? kSensorLowestMmolTenths : kSensorHighestMmolTenths);
        FUZZ_CHECK(r.value == limit);
    }
    switch (file.format) {
    case GlucoseFormat::Clarity:
        FUZZ_CHECK(r.unit == file.unit && r.offsetMinutes == kNoOffset);
        break;
    case GlucoseFormat::LibreView: // the historic readings: numbers only
        FUZZ_CHECK(r.unit == file.unit && r.offsetMinutes == kNoOffset);
        FUZZ_CHECK(r.kind == ReadingKind::Measured);
        break;
    case GlucoseFormat::NightscoutEntries: // sgv: whole mg/dL above 39, which is Low
        FUZZ_CHECK(r.unit == GlucoseUnit::MgPerDl && r.kind != ReadingKind::AboveRange);
        FUZZ_CHECK(r.kind == ReadingKind::BelowRange || r.value > 39);
        FUZZ_CHECK(r.offsetMinutes != kNoOffset && std::abs(r.offsetMinutes) <= 18 * 60);
        break;
    case GlucoseFormat::TidepoolCbg:
        FUZZ_CHECK(r.kind == ReadingKind::Measured);
        FUZZ_CHECK(r.offsetMinutes != kNoOffset && std::abs(r.offsetMinutes) <= 18 * 60);
        break;
    }
}

// The outcome of format's reader for input placed in zone.
inline void checkOutcome(const GlucoseOutcome& outcome, GlucoseFormat format,
                         const QByteArray& input, const QTimeZone& zone)
{
    FUZZ_CHECK(outcome.file.has_value() == outcome.error.isEmpty());
    if (!outcome.file)
        return;
    const GlucoseFile& file = *outcome.file;
    FUZZ_CHECK(file.format == format);
    FUZZ_CHECK(!file.readings.empty());
    FUZZ_CHECK(std::is_sorted(file.readings.begin(), file.readings.end()));
    for (const GlucoseReading& r : file.readings)
        checkReading(r, file);

    // A row or an element is one reading or one skipped: never more than
    // the lines of a table, or the commas of an array and one.
    long long counted = qsizetype(file.readings.size());
    for (size_t reason = 0; reason < file.skipped.size(); ++reason) {
        FUZZ_CHECK(file.skipped[reason] >= 0);
        FUZZ_CHECK(file.skipped[reason] == 0 || (skipReasons(format) >> reason & 1u));
        counted += file.skipped[reason];
    }
    FUZZ_CHECK(counted <= (isTable(format) ? input.count('\n') : input.count(',')) + 1);

    FUZZ_CHECK(file.placedInZone >= 0 && file.placedInZone <= qsizetype(file.readings.size()));
    FUZZ_CHECK(file.zoneUsed.isEmpty() == (file.placedInZone == 0));
    FUZZ_CHECK(file.zoneUsed.isEmpty() || file.zoneUsed == zone.id());
    FUZZ_CHECK(!isTable(format) || file.placedInZone == 0);
}

// A reading's moment and value, whatever clock the zone put it on.
inline auto moment(const GlucoseReading& r)
{
    const std::int64_t offset = r.offsetMinutes == kNoOffset ? 0 : r.offsetMinutes;
    return std::make_tuple(r.localSeconds - offset * 60, r.unit, r.kind, r.value);
}

// The same data placed in two zones: the same readings at the same
// moments, the same error, the same rows skipped.
inline void checkZones(const GlucoseOutcome& berlin, const GlucoseOutcome& utc)
{
    FUZZ_CHECK(berlin.error == utc.error);
    if (!berlin.file)
        return;
    FUZZ_CHECK(berlin.file->skipped == utc.file->skipped);
    FUZZ_CHECK(berlin.file->placedInZone == utc.file->placedInZone);
    const auto& a = berlin.file->readings;
    const auto& b = utc.file->readings;
    FUZZ_CHECK(a.size() == b.size());
    std::vector<decltype(moment(a.front()))> ma, mb;
    for (size_t i = 0; i < a.size(); ++i) {
        ma.push_back(moment(a[i]));
        mb.push_back(moment(b[i]));
    }
    std::sort(ma.begin(), ma.end());
    std::sort(mb.begin(), mb.end());
    FUZZ_CHECK(ma == mb);
}

inline bool sameOutcome(const GlucoseOutcome& a, const GlucoseOutcome& b)
{
    if (a.error != b.error || a.file.has_value() != b.file.has_value())
        return false;
    return !a.file ||
           (a.file->format == b.file->format && a.file->unit == b.file->unit &&
            a.file->readings == b.file->readings && a.file->skipped == b.file->skipped &&
            a.file->zoneUsed == b.file->zoneUsed && a.file->placedInZone == b.file->placedInZone);
}

// The whole check of one input for the reader of format.
inline int fuzzReader(GlucoseFormat format, const uint8_t* data, size_t size)
{
    static const QTimeZone berlin("Europe/Berlin"); // summer time: offsets change
    static const QTimeZone utc = QTimeZone::utc();
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const GlucoseFormatInfo& info = glucoseFormatInfo(format);

    const GlucoseOutcome read = info.read(input, berlin);
    checkOutcome(read, format, input, berlin);
    if (!isTable(format)) { // a table's clock is its own
        const GlucoseOutcome inUtc = info.read(input, utc);
        checkOutcome(inUtc, format, input, utc);
        checkZones(read, inUtc);
    }

    // Through the one flow: recognised as this format, it is this reader's
    // answer; recognised as none, an error.
    const std::optional<GlucoseFormat> recognised = recogniseGlucose(input);
    if (recognised == format)
        FUZZ_CHECK(sameOutcome(readGlucose(input, berlin), read));
    else if (!recognised)
        FUZZ_CHECK(!readGlucose(input, berlin).file);
    return 0;
}

} // namespace glucosefuzz

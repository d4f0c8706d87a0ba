#pragma once

// Every CGM export the program reads glucose readings from, one row each in
// one table (glucoseformats.cpp): its names, file filter, recogniser and
// reader. One flow reads a file, readGlucoseFile(): read under the size
// limit, recognised by its content, read by its row's reader into readings
// in time order, or one error naming the line or entry and what is wrong.
// Nothing is read at start-up; the table is a constant.

#include "glucose/glucosedata.h"

#include <QByteArray>
#include <QTimeZone>

#include <array>
#include <optional>

namespace fendrimo {

enum class GlucoseFormat : std::uint8_t { Clarity, LibreView, NightscoutEntries, TidepoolCbg };

// Rows of an export that hold no CGM reading, counted by why.
enum class SkipReason : std::uint8_t {
    Metadata,    // Clarity's rows without a time: name, device, alerts
    Note,        // LibreView's notes
    Calibration, // calibrations in Clarity, Nightscout and Tidepool
    Scan,        // LibreView's scans: spot readings, not the sensor's record
    StatusCode,  // Nightscout's sgv below 39: a sensor state, no glucose
    OtherEvent,  // insulin, food, strips, alerts, meters, pump data
};
constexpr int kSkipReasons = 6;

// What a file holds: its readings in time order and what was skipped.
struct GlucoseFile
{
    GlucoseFormat format = GlucoseFormat::Clarity;
    GlucoseUnit unit = GlucoseUnit::MgPerDl;
    std::vector<GlucoseReading> readings;
    std::array<int, kSkipReasons> skipped{}; // by SkipReason
    // The system's zone (IANA id) when it placed readings the file gave no
    // offset for, and how many; empty and 0 when it placed none.
    QByteArray zoneUsed;
    int placedInZone = 0;
};

// The file's readings, or the problem: exactly one of them is set.
struct GlucoseOutcome
{
    std::optional<GlucoseFile> file;
    QString error;
};

// A recogniser looks at the start of the data only.
using GlucoseRecogniser = bool (*)(const QByteArray& data);
using GlucoseReader = GlucoseOutcome (*)(const QByteArray& data, const QTimeZone& systemZone);

struct GlucoseFormatInfo
{
    GlucoseFormat format;
    const char* name;   // the export's name, not translated
    const char* filter; // the file dialogs' filter, untranslated
    GlucoseRecogniser recognises;
    GlucoseReader read;

    QString filterText() const;
};

const std::array<GlucoseFormatInfo, 4>& glucoseFormats();
const GlucoseFormatInfo& glucoseFormatInfo(GlucoseFormat format);

// Files larger than this are refused unread.
constexpr qint64 kLargestGlucoseFile = qint64(200) * 1024 * 1024;

// The format of data by its content; none when no row recognises it.
std::optional<GlucoseFormat> recogniseGlucose(const QByteArray& data);

// The readings of data recognised by its content; a reading without a UTC
// offset in a format that counts time in UTC is placed in systemZone.
GlucoseOutcome readGlucose(const QByteArray& data,
                           const QTimeZone& systemZone = QTimeZone::systemTimeZone());

// The same for the file at path, refused unread above kLargestGlucoseFile.
GlucoseOutcome readGlucoseFile(const QString& path,
                               const QTimeZone& systemZone = QTimeZone::systemTimeZone());

// The readers, one per row.
GlucoseOutcome readClarity(const QByteArray& data, const QTimeZone& systemZone);
GlucoseOutcome readLibreView(const QByteArray& data, const QTimeZone& systemZone);
GlucoseOutcome readNightscoutEntries(const QByteArray& data, const QTimeZone& systemZone);
GlucoseOutcome readTidepoolCbg(const QByteArray& data, const QTimeZone& systemZone);

} // namespace fendrimo

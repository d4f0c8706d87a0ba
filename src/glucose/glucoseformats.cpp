// The table of glucose exports and the one flow that reads them: the only
// place that knows one export from another.

#include "glucose/glucoseformats.h"

#include "glucose/readerparts.h"

#include "exchange/reading.h"

#include <QCoreApplication>

#include <stdexcept>

namespace fendrimo {

using namespace glucose;

namespace {

// Tried in this order: the JSON shapes tell each other apart by their
// members, the tables by their header lines.
constexpr std::array<GlucoseFormatInfo, 4> kGlucoseFormats{{
    {GlucoseFormat::Clarity, "Dexcom Clarity",
     QT_TRANSLATE_NOOP("Glucose", "Dexcom-Clarity-Export (*.csv)"), isClarity, readClarity},
    {GlucoseFormat::LibreView, "LibreView",
     QT_TRANSLATE_NOOP("Glucose", "LibreView-Glukosedaten (*.csv)"), isLibreView, readLibreView},
    {GlucoseFormat::NightscoutEntries, "Nightscout",
     QT_TRANSLATE_NOOP("Glucose", "Nightscout-Einträge (*.json)"), isNightscoutEntries,
     readNightscoutEntries},
    {GlucoseFormat::TidepoolCbg, "Tidepool",
     QT_TRANSLATE_NOOP("Glucose", "Tidepool-Datenexport (*.json)"), isTidepoolCbg, readTidepoolCbg},
}};

} // namespace

QString GlucoseFormatInfo::filterText() const
{
    return QCoreApplication::translate("Glucose", filter);
}

const std::array<GlucoseFormatInfo, 4>& glucoseFormats()
{
    return kGlucoseFormats;
}

const GlucoseFormatInfo& glucoseFormatInfo(GlucoseFormat format)
{
    for (const GlucoseFormatInfo& info : kGlucoseFormats) {
        if (info.format == format)
            return info;
    }
    throw std::logic_error("glucose format without a row");
}

std::optional<GlucoseFormat> recogniseGlucose(const QByteArray& data)
{
    for (const GlucoseFormatInfo& info : kGlucoseFormats) {
        if (info.recognises(data))
            return info.format;
    }
    return std::nullopt;
}

GlucoseOutcome readGlucose(const QByteArray& data, const QTimeZone& systemZone)
{
    const QString tooLarge = fileSizeProblem(data, kLargestGlucoseFile);
    if (!tooLarge.isEmpty())
        return failure(tooLarge);
    const std::optional<GlucoseFormat> format = recogniseGlucose(data);
    // A table saved as UTF-16 or binary data: why, rather than what it isn't.
    const QString textProblem = format || looksLikeJson(data) ? QString() : tableTextProblem(data);
    if (!textProblem.isEmpty())
        return failure(textProblem);
    if (!format)
        return failure(QCoreApplication::translate(
            "Glucose", "Die Datei ist kein Glukose-Export von Dexcom Clarity oder LibreView (CSV) "
                       "und keine Einträge von Nightscout oder Daten von Tidepool (JSON)."));
    return glucoseFormatInfo(*format).read(data, systemZone);
}

GlucoseOutcome readGlucoseFile(const QString& path, const QTimeZone& systemZone)
{
    const LimitedFile file = readLimitedFile(path, kLargestGlucoseFile);
    if (!file.problem.isEmpty())
        return failure(file.problem);
    return readGlucose(file.data, systemZone);
}

} // namespace fendrimo

// The one way a source is read, for an import and a comparison alike: read
// under the size limit, recognised unless its format is given, read by its
// row's reader, asked for a profile through the caller, checked against the
// rates a pump gives.

#include "exchange/formats.h"

#include "files/profilefile.h"
#include "files/profilerecord.h"
#include "profile/profiletools.h"
#include "profile/zehntel.h"

#include <QCoreApplication>

namespace fendrimo {

namespace {

// Rates no pump programs: a reader has read numbers, but no basal profile.
std::optional<ImportOutcome> withinPumpRange(std::optional<ImportOutcome> outcome)
{
    if (!outcome || !outcome->profile)
        return outcome;
    QList<int> beyond;
    const HourlyRates& rates = outcome->profile->rates;
    for (int hour = 0; hour < ProfileContent::Hours; ++hour) {
        if (rates.at(size_t(hour)) > kLargestRate)
            beyond << hour;
    }
    if (beyond.isEmpty())
        return outcome;
    return ImportOutcome{
        std::nullopt, QCoreApplication::translate(
                          "Exchange", "%1: Die Rate ist größer als %2 IE/h, die größte, die eine "
                                      "Pumpe abgibt. Die Datei wird nicht übernommen.")
                          .arg(hourRunsText(beyond), ZehntelText(kLargestRate))};
}

std::optional<ImportOutcome> importData(ExchangeFormat format, const QByteArray& data,
                                        SourcePurpose purpose, const SourceChooser& choose,
                                        const RegionalFormats& formats)
{
    const auto ask = [&](const QStringList& names, int preselected) {
        return choose(ProfileChoice{format, purpose, names, preselected});
    };
    return withinPumpRange(formatInfo(format).read(data, ask, formats));
}

// A profile file, read as opening reads it: its first 656 bytes, which must
// be a basal profile.
ImportOutcome profileFileImport(const QByteArray& data)
{
    const RecordOutcome read = profileRecordIn(data);
    if (!read.record) {
        return {std::nullopt,
                QCoreApplication::translate(
                    "Exchange", "Eine Basalraten-Datei hat 656 Bytes, Raten von 0 bis %1 IE/h "
                                "und Bolusfaktoren von höchstens 4 Zeichen.")
                    .arg(ZehntelText(kLargestRate))};
    }
    ImportedProfile imported;
    imported.rates = contentOfRecord(*read.record).rates;
    return {imported, QString()};
}

// The error for data no reader takes: every format it is not, then why.
ImportOutcome noneTakes(const QString& why)
{
    return {std::nullopt,
            QCoreApplication::translate(
                "Exchange",
                "Die Datei ist weder ein Nightscout-Profil noch ein OpenAPS-Basalprofil, "
                "ein Autotune-Ergebnis, Tidepool-Pumpeneinstellungen oder eine Tabelle: %1")
                .arg(why)};
}

std::optional<ImportOutcome> importRecognised(const QByteArray& data, SourcePurpose purpose,
                                              const SourceChooser& choose,
                                              const RegionalFormats& formats)
{
    const QString tooLarge = fileSizeProblem(data);
    if (!tooLarge.isEmpty())
        return ImportOutcome{std::nullopt, tooLarge};
    const SourceData source = parsedSource(data);
    const std::optional<ExchangeFormat> format = recogniseFormat(source);
    if (format && !formatInfo(*format).byElimination)
        return importData(*format, data, purpose, choose, formats);
    // Only a file that no reader recognises may be a profile file: no JSON,
    // and bytes no text has, as every profile file's rates do.
    if (!format && !source.jsonError.isEmpty() && !looksLikeText(data))
        return profileFileImport(data);
    const std::optional<ImportOutcome> guessed =
        format ? importData(*format, data, purpose, choose, formats) : std::nullopt;
    if (guessed && guessed->profile)
        return guessed;
    return noneTakes(guessed ? guessed->error
                     : source.jsonError.isEmpty()
                         ? QCoreApplication::translate(
                               "Exchange", "Sie enthält JSON, aber in keiner dieser Formen.")
                         : source.jsonError);
}

SourceChooser askingBy(const ProfileChooser& choose)
{
    return
        [&choose](const ProfileChoice& choice) { return choose(choice.names, choice.preselected); };
}

} // namespace

std::optional<ImportOutcome> importSource(const QString& path, const SourceRequest& request,
                                          const SourceChooser& choose,
                                          const RegionalFormats& formats)
{
    const LimitedFile file = readLimitedFile(path);
    if (!file.problem.isEmpty())
        return ImportOutcome{std::nullopt, file.problem};
    if (request.format)
        return importData(*request.format, file.data, request.purpose, choose, formats);
    return importRecognised(file.data, request.purpose, choose, formats);
}

std::optional<ImportOutcome> importAny(const QByteArray& data, const ProfileChooser& choose,
                                       const RegionalFormats& formats)
{
    return importRecognised(data, SourcePurpose::Comparison, askingBy(choose), formats);
}

std::optional<ImportOutcome> importAnyFile(const QString& path, const ProfileChooser& choose,
                                           const RegionalFormats& formats)
{
    return importSource(path, {SourcePurpose::Comparison, std::nullopt}, askingBy(choose), formats);
}

QStringList sourceNotices(const ImportedProfile& imported, SourcePurpose purpose)
{
    QStringList notices = imported.rateNotices;
    if (purpose == SourcePurpose::Import)
        notices += imported.notices;
    const QString adjusted = adjustedHoursNotice(imported.adjustedHours);
    if (!adjusted.isEmpty())
        notices.prepend(adjusted);
    return notices;
}

} // namespace fendrimo

#include "exchange/formats.h"

#include "exchange/exchangejson.h"
#include "files/profilefile.h"
#include "files/profilerecord.h"
#include "files/profilsatz.h"
#include "profile/profiletools.h"
#include "profile/zehntel.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

namespace fendrimo {

using namespace exchange;

namespace {

// Asks for one of several profiles or schedules, then reads it.
template <typename Read>
std::optional<ImportOutcome> chosenImport(const NamedProfiles& offered,
                                          const ProfileChooser& choose, const Read& read)
{
    if (!offered.error.isEmpty())
        return ImportOutcome{std::nullopt, offered.error};
    int index = offered.preselected;
    if (offered.names.size() > 1) {
        const std::optional<int> chosen = choose(offered.names, offered.preselected);
        if (!chosen)
            return std::nullopt;
        index = *chosen;
    }
    return read(offered.names.value(index));
}

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

std::optional<ImportOutcome> readerOutcome(ExchangeFormat format, const QByteArray& data,
                                           const ProfileChooser& choose,
                                           const RegionalFormats& formats)
{
    switch (format) {
    case ExchangeFormat::OpenAps:
        return readOpenAps(data, formats);
    case ExchangeFormat::Csv:
        return readCsv(data);
    case ExchangeFormat::Tidepool:
        return chosenImport(tidepoolSchedules(data), choose,
                            [&](const QString& name) { return readTidepool(data, name, formats); });
    case ExchangeFormat::Nightscout:
        break;
    }
    return chosenImport(nightscoutProfiles(data), choose,
                        [&](const QString& name) { return readNightscout(data, name, formats); });
}

std::optional<ImportOutcome> importData(ExchangeFormat format, const QByteArray& data,
                                        const ProfileChooser& choose,
                                        const RegionalFormats& formats)
{
    return withinPumpRange(readerOutcome(format, data, choose, formats));
}

// JSON starts with an object or an array; a table never does.
bool looksLikeJson(const QByteArray& data)
{
    const QByteArray start = data.left(64).trimmed();
    return start.startsWith('{') || start.startsWith('[') || start.startsWith("\xEF\xBB\xBF{") ||
           start.startsWith("\xEF\xBB\xBF[");
}

// A profile file, read as opening reads it: its first 656 bytes, which must
// be a basal profile.
ImportOutcome profileFileImport(const QByteArray& data)
{
    Profilsatz record;
    if (!record.assignBytes(data) || !isOpenable(record)) {
        return {std::nullopt,
                QCoreApplication::translate(
                    "Exchange", "Eine Basalraten-Datei hat 656 Bytes, Raten von 0 bis %1 IE/h "
                                "und Bolusfaktoren von höchstens 4 Zeichen.")
                    .arg(ZehntelText(kLargestRate))};
    }
    ImportedProfile imported;
    imported.rates = contentOfRecord(record).rates;
    return {imported, QString()};
}

// The file's bytes, or the error an import reports.
QString readExchangeFile(const QString& path, QByteArray& data)
{
    const FileResult read = readFileStart(path, kLargestExchangeFile + 1, data);
    if (!read.ok())
        return fileErrorText(read.code) + QLatin1Char('.');
    if (data.size() > kLargestExchangeFile)
        return QCoreApplication::translate("Exchange", "Die Datei ist größer als 10 MB.");
    return QString();
}

bool isNightscoutDocument(const QJsonValue& value)
{
    const QJsonObject document = value.toObject();
    return document.value(QLatin1String("store")).isObject() ||
           document.value(QLatin1String("basal")).isArray() ||
           document.contains(QLatin1String("defaultProfile"));
}

bool isPumpSettings(const QJsonValue& value)
{
    return value.toObject().value(QLatin1String("type")).toString() ==
           QLatin1String("pumpSettings");
}

// The format by content, and why data is no JSON (empty when it is).
std::optional<ExchangeFormat> recognised(const QByteArray& data, QString& jsonError)
{
    QJsonDocument json;
    jsonError = parseJsonFile(data, json);
    if (!jsonError.isEmpty())
        return looksLikeJson(data) || !looksLikeText(data) ? std::nullopt
                                                           : std::optional(ExchangeFormat::Csv);
    const QJsonObject object = json.object();
    const QJsonArray array = json.array();
    const auto any = [&array](bool (*shape)(const QJsonValue&)) {
        return std::any_of(array.begin(), array.end(), shape);
    };
    if (isPumpSettings(object) || any(isPumpSettings))
        return ExchangeFormat::Tidepool;
    if (object.contains(QLatin1String("basalprofile")) ||
        array.at(0).toObject().contains(QLatin1String("minutes")))
        return ExchangeFormat::OpenAps;
    if (isNightscoutDocument(object) || any(isNightscoutDocument))
        return ExchangeFormat::Nightscout;
    return std::nullopt;
}

} // namespace

const std::array<ExchangeFormatInfo, 4>& exchangeFormats()
{
    // The texts are translated where they are shown: itemText(), filterText(), stepText().
    static const std::array<ExchangeFormatInfo, 4> formats{{
        {ExchangeFormat::Nightscout, "Nightscout",
         QT_TRANSLATE_NOOP("Exchange", "&Nightscout-Profil (JSON)…"),
         QT_TRANSLATE_NOOP("Exchange", "Nightscout-Profile (*.json)"), "json", "profil.json",
         QT_TRANSLATE_NOOP("Exchange", "Import aus Nightscout-Profil"), true},
        {ExchangeFormat::OpenAps, "OpenAps",
         QT_TRANSLATE_NOOP("Exchange", "&OpenAPS-Basalprofil (JSON)…"),
         QT_TRANSLATE_NOOP("Exchange", "OpenAPS-Basalprofile (*.json)"), "json",
         "basal_profile.json", QT_TRANSLATE_NOOP("Exchange", "Import aus OpenAPS-Basalprofil"),
         true},
        {ExchangeFormat::Csv, "Csv", QT_TRANSLATE_NOOP("Exchange", "&Tabelle (CSV)…"),
         QT_TRANSLATE_NOOP("Exchange", "Tabellen (*.csv)"), "csv", "basalrate.csv",
         QT_TRANSLATE_NOOP("Exchange", "Import aus Tabelle"), true},
        {ExchangeFormat::Tidepool, "Tidepool",
         QT_TRANSLATE_NOOP("Exchange", "&Tidepool-Pumpeneinstellungen (JSON)…"),
         QT_TRANSLATE_NOOP("Exchange", "Tidepool-Daten (*.json)"), "json", "",
         QT_TRANSLATE_NOOP("Exchange", "Import aus Tidepool-Pumpeneinstellungen"), false},
    }};
    return formats;
}

QString ExchangeFormatInfo::itemText() const
{
    return QCoreApplication::translate("Exchange", item);
}

QString ExchangeFormatInfo::filterText() const
{
    return QCoreApplication::translate("Exchange", filter);
}

QString ExchangeFormatInfo::stepText() const
{
    return QCoreApplication::translate("Exchange", step);
}

const ExchangeFormatInfo& formatInfo(ExchangeFormat format)
{
    const auto& formats = exchangeFormats();
    return *std::find_if(formats.begin(), formats.end(), [format](const ExchangeFormatInfo& info) {
        return info.format == format;
    });
}

std::optional<ImportOutcome> importFile(ExchangeFormat format, const QString& path,
                                        const ProfileChooser& choose,
                                        const RegionalFormats& formats)
{
    QByteArray data;
    const QString error = readExchangeFile(path, data);
    if (!error.isEmpty())
        return ImportOutcome{std::nullopt, error};
    return importData(format, data, choose, formats);
}

std::optional<ExchangeFormat> recogniseFormat(const QByteArray& data)
{
    QString jsonError;
    return recognised(data, jsonError);
}

std::optional<ImportOutcome> importAny(const QByteArray& data, const ProfileChooser& choose,
                                       const RegionalFormats& formats)
{
    const QString tooLarge = fileSizeProblem(data);
    if (!tooLarge.isEmpty())
        return ImportOutcome{std::nullopt, tooLarge};
    QString jsonError;
    const std::optional<ExchangeFormat> format = recognised(data, jsonError);
    if (format && *format != ExchangeFormat::Csv)
        return importData(*format, data, choose, formats);
    // Only a file that no reader recognises may be a profile file: no JSON,
    // and bytes no text has, as every profile file's rates do.
    if (!format && !jsonError.isEmpty() && !looksLikeText(data))
        return profileFileImport(data);
    const std::optional<ImportOutcome> table =
        format ? importData(*format, data, choose, formats) : std::nullopt;
    if (table && table->profile)
        return table;
    return ImportOutcome{
        std::nullopt,
        QCoreApplication::translate(
            "Exchange", "Die Datei ist weder ein Nightscout-Profil noch ein OpenAPS-Basalprofil, "
                        "ein Autotune-Ergebnis, Tidepool-Pumpeneinstellungen oder eine Tabelle: %1")
            .arg(table ? table->error
                 : jsonError.isEmpty()
                     ? QCoreApplication::translate(
                           "Exchange", "Sie enthält JSON, aber in keiner dieser Formen.")
                     : jsonError)};
}

std::optional<ImportOutcome> importAnyFile(const QString& path, const ProfileChooser& choose,
                                           const RegionalFormats& formats)
{
    QByteArray data;
    const QString error = readExchangeFile(path, data);
    if (!error.isEmpty())
        return ImportOutcome{std::nullopt, error};
    return importAny(data, choose, formats);
}

ExportBytes exportBytes(ExchangeFormat format, const ProfileContent& content,
                        const ExportContext& context)
{
    ExportBytes written;
    switch (format) {
    case ExchangeFormat::Nightscout:
        written.bytes = writeNightscout(content, context);
        written.carbRatiosLeftOut = !written.bytes.contains("\"carbratio\"");
        written.timeZoneLeftOut = context.timeZone.isEmpty();
        break;
    case ExchangeFormat::OpenAps:
        written.bytes = writeOpenAps(content.rates);
        written.zeroRate =
            std::find(content.rates.begin(), content.rates.end(), 0) != content.rates.end();
        break;
    case ExchangeFormat::Csv:
        written.bytes = writeCsv(content.rates, context.csv);
        break;
    case ExchangeFormat::Tidepool:
        break; // not offered
    }
    return written;
}

} // namespace fendrimo

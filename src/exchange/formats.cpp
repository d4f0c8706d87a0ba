#include "exchange/formats.h"

#include "files/profilefile.h"

#include <algorithm>

namespace fendrimo {

namespace {

std::optional<ImportOutcome> importData(ExchangeFormat format, const QByteArray& data,
                                        const ProfileChooser& choose,
                                        const RegionalFormats& formats)
{
    switch (format) {
    case ExchangeFormat::OpenAps:
        return readOpenAps(data);
    case ExchangeFormat::Csv:
        return readCsv(data);
    case ExchangeFormat::Nightscout:
        break;
    }
    const NightscoutProfiles profiles = nightscoutProfiles(data);
    if (!profiles.error.isEmpty())
        return ImportOutcome{std::nullopt, profiles.error};
    int index = profiles.preselected;
    if (profiles.names.size() > 1) {
        const std::optional<int> chosen = choose(profiles.names, profiles.preselected);
        if (!chosen)
            return std::nullopt;
        index = *chosen;
    }
    return readNightscout(data, profiles.names.value(index), formats);
}

} // namespace

const std::array<ExchangeFormatInfo, 3>& exchangeFormats()
{
    static const std::array<ExchangeFormatInfo, 3> formats{{
        {ExchangeFormat::Nightscout, "Nightscout", "&Nightscout-Profil (JSON)…",
         "Nightscout-Profile (*.json)", "json", "profil.json", "Import aus Nightscout-Profil"},
        {ExchangeFormat::OpenAps, "OpenAps", "&OpenAPS-Basalprofil (JSON)…",
         "OpenAPS-Basalprofile (*.json)", "json", "basal_profile.json",
         "Import aus OpenAPS-Basalprofil"},
        {ExchangeFormat::Csv, "Csv", "&Tabelle (CSV)…", "Tabellen (*.csv)", "csv", "basalrate.csv",
         "Import aus Tabelle"},
    }};
    return formats;
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
    const FileResult read = readFileStart(path, kLargestExchangeFile + 1, data);
    if (!read.ok())
        return ImportOutcome{std::nullopt, fileErrorText(read.code) + QLatin1Char('.')};
    if (data.size() > kLargestExchangeFile)
        return ImportOutcome{std::nullopt, QStringLiteral("Die Datei ist größer als 10 MB.")};
    return importData(format, data, choose, formats);
}

ExportBytes exportBytes(ExchangeFormat format, const ProfileContent& content,
                        const ExportContext& context)
{
    ExportBytes written;
    switch (format) {
    case ExchangeFormat::Nightscout:
        written.bytes = writeNightscout(content, context);
        written.carbRatiosLeftOut = !written.bytes.contains("\"carbratio\"");
        break;
    case ExchangeFormat::OpenAps:
        written.bytes = writeOpenAps(content.rates);
        written.zeroRate =
            std::find(content.rates.begin(), content.rates.end(), 0) != content.rates.end();
        break;
    case ExchangeFormat::Csv:
        written.bytes = writeCsv(content.rates);
        break;
    }
    return written;
}

} // namespace fendrimo

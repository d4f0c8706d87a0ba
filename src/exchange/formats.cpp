// The table of formats and what each row does: recognise, read, write and
// tell. The only place that knows one format from another.

#include "exchange/formats.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

namespace fendrimo {

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

// The object at the top of the JSON, or any element of the array there, of that shape.
bool holds(const SourceData& source, bool (*shape)(const QJsonValue&))
{
    const QJsonArray array = source.json.array();
    return shape(source.json.object()) || std::any_of(array.begin(), array.end(), shape);
}

bool isNightscoutDocument(const QJsonValue& value)
{
    const QJsonObject document = value.toObject();
    return document.value(QLatin1String("store")).isObject() ||
           document.value(QLatin1String("basal")).isArray() ||
           document.contains(QLatin1String("defaultProfile"));
}

bool isNightscout(const SourceData& source)
{
    return source.jsonError.isEmpty() && holds(source, isNightscoutDocument);
}

bool isOpenAps(const SourceData& source)
{
    return source.jsonError.isEmpty() &&
           (source.json.object().contains(QLatin1String("basalprofile")) ||
            source.json.array().at(0).toObject().contains(QLatin1String("minutes")));
}

// Any text that is no JSON and doesn't look like JSON.
bool isTable(const SourceData& source)
{
    return !source.jsonError.isEmpty() && !looksLikeJson(source.bytes) &&
           looksLikeText(source.bytes);
}

bool isTidepool(const SourceData& source)
{
    return source.jsonError.isEmpty() && holds(source, isPumpSettings);
}

std::optional<ImportOutcome> nightscoutSource(const QByteArray& data, const ProfileChooser& choose,
                                              const RegionalFormats& formats)
{
    return chosenImport(nightscoutProfiles(data), choose,
                        [&](const QString& name) { return readNightscout(data, name, formats); });
}

std::optional<ImportOutcome> openApsSource(const QByteArray& data, const ProfileChooser&,
                                           const RegionalFormats& formats)
{
    return readOpenAps(data, formats);
}

std::optional<ImportOutcome> tableSource(const QByteArray& data, const ProfileChooser&,
                                         const RegionalFormats&)
{
    return readCsv(data);
}

std::optional<ImportOutcome> tidepoolSource(const QByteArray& data, const ProfileChooser& choose,
                                            const RegionalFormats& formats)
{
    return chosenImport(tidepoolSchedules(data), choose,
                        [&](const QString& name) { return readTidepool(data, name, formats); });
}

ExportBytes nightscoutExport(const ProfileContent& content, const ExportContext& context)
{
    ExportBytes written;
    written.bytes = writeNightscout(content, context);
    written.carbRatiosLeftOut = !written.bytes.contains("\"carbratio\"");
    written.timeZoneLeftOut = context.timeZone.isEmpty();
    return written;
}

ExportBytes openApsExport(const ProfileContent& content, const ExportContext&)
{
    ExportBytes written;
    written.bytes = writeOpenAps(content.rates);
    written.zeroRate =
        std::find(content.rates.begin(), content.rates.end(), 0) != content.rates.end();
    return written;
}

ExportBytes tableExport(const ProfileContent& content, const ExportContext& context)
{
    return {writeCsv(content.rates, context.csv)};
}

// The notices are the window's words and keep its translation context.
QStringList nightscoutNotice(const ExportBytes& written)
{
    QStringList notice{QCoreApplication::translate(
        "fendrimo::TForm1", "Die Basalrate wurde als Nightscout-Profil exportiert.\n\nWirkdauer "
                            "des Insulins, Korrekturfaktoren und Zielbereich kennt Fendrimo "
                            "nicht; sie fehlen in der Datei und müssen im empfangenden System "
                            "ergänzt werden, bevor es das Profil verwendet.")};
    if (written.carbRatiosLeftOut)
        notice << QCoreApplication::translate(
            "fendrimo::TForm1", "Ebenso die Kohlenhydratfaktoren: Nicht alle drei Bolusfelder "
                                "enthalten eine Zahl über 0.");
    if (written.timeZoneLeftOut)
        notice << QCoreApplication::translate(
            "fendrimo::TForm1", "Die Zeitzone dieses Rechners hat keinen Namen, den Nightscout "
                                "kennt; sie fehlt in der Datei und muss in Nightscout eingestellt "
                                "werden, sonst verschieben sich die Raten.");
    return notice;
}

QStringList openApsNotice(const ExportBytes& written)
{
    QStringList notice{QCoreApplication::translate(
        "fendrimo::TForm1", "Die Basalrate wurde als OpenAPS-Basalprofil exportiert.")};
    if (written.zeroRate)
        notice << QCoreApplication::translate(
            "fendrimo::TForm1", "Achtung: Mindestens eine Stunde hat die Rate 0; OpenAPS nimmt "
                                "eine Basalrate von 0 nicht an.");
    return notice;
}

QStringList tableNotice(const ExportBytes&)
{
    return {QCoreApplication::translate("fendrimo::TForm1",
                                        "Die Basalrate wurde als Tabelle exportiert.")};
}

// A file of several profiles; only the import of a Nightscout file or of
// Tidepool's pump settings names what they are.
constexpr ChoiceTexts kImportProfile{
    QT_TRANSLATE_NOOP("fendrimo::TForm1", "Profil wählen"),
    QT_TRANSLATE_NOOP("fendrimo::TForm1",
                      "Die Datei enthält mehrere Profile. Welches soll importiert werden?")};
constexpr ChoiceTexts kCompareProfile{
    QT_TRANSLATE_NOOP("fendrimo::TForm1", "Profil wählen"),
    QT_TRANSLATE_NOOP("fendrimo::TForm1",
                      "Die Datei enthält mehrere Profile. Mit welchem soll verglichen werden?")};

// Constant: the menus read it at start-up, and nothing is built for it. A
// row: format and object name; menu item; filter, suffix, proposed name;
// undo step; the chooser's texts for an import, for a comparison;
// recognition rank, recogniser, taken by elimination; reader, writer, notice.
// clang-format off
constexpr std::array<ExchangeFormatInfo, 4> kFormats{{
    {ExchangeFormat::Nightscout, "Nightscout",
     QT_TRANSLATE_NOOP("Exchange", "&Nightscout-Profil (JSON)…"),
     QT_TRANSLATE_NOOP("Exchange", "Nightscout-Profile (*.json)"), "json", "profil.json",
     QT_TRANSLATE_NOOP("Exchange", "Import aus Nightscout-Profil"),
     {QT_TRANSLATE_NOOP("fendrimo::TForm1", "Nightscout-Profil wählen"), kImportProfile.label},
     kCompareProfile,
     2, isNightscout, false,
     nightscoutSource, nightscoutExport, nightscoutNotice},
    {ExchangeFormat::OpenAps, "OpenAps",
     QT_TRANSLATE_NOOP("Exchange", "&OpenAPS-Basalprofil (JSON)…"),
     QT_TRANSLATE_NOOP("Exchange", "OpenAPS-Basalprofile (*.json)"), "json", "basal_profile.json",
     QT_TRANSLATE_NOOP("Exchange", "Import aus OpenAPS-Basalprofil"),
     kImportProfile,
     kCompareProfile,
     1, isOpenAps, false,
     openApsSource, openApsExport, openApsNotice},
    {ExchangeFormat::Csv, "Csv",
     QT_TRANSLATE_NOOP("Exchange", "&Tabelle (CSV)…"),
     QT_TRANSLATE_NOOP("Exchange", "Tabellen (*.csv)"), "csv", "basalrate.csv",
     QT_TRANSLATE_NOOP("Exchange", "Import aus Tabelle"),
     kImportProfile,
     kCompareProfile,
     3, isTable, true,
     tableSource, tableExport, tableNotice},
    {ExchangeFormat::Tidepool, "Tidepool",
     QT_TRANSLATE_NOOP("Exchange", "&Tidepool-Pumpeneinstellungen (JSON)…"),
     QT_TRANSLATE_NOOP("Exchange", "Tidepool-Daten (*.json)"), "json", "",
     QT_TRANSLATE_NOOP("Exchange", "Import aus Tidepool-Pumpeneinstellungen"),
     {QT_TRANSLATE_NOOP("fendrimo::TForm1", "Basalplan wählen"),
      QT_TRANSLATE_NOOP("fendrimo::TForm1",
                        "Die Datei enthält mehrere Basalpläne. Welcher soll importiert werden?")},
     kCompareProfile,
     0, isTidepool, false,
     tidepoolSource, nullptr, nullptr},
}};
// clang-format on

const ChoiceTexts& choiceTexts(const ProfileChoice& choice)
{
    const ExchangeFormatInfo& info = formatInfo(choice.format);
    return choice.purpose == SourcePurpose::Import ? info.importChoice : info.comparisonChoice;
}

} // namespace

const std::array<ExchangeFormatInfo, 4>& exchangeFormats()
{
    return kFormats;
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
    return *std::find_if(
        kFormats.begin(), kFormats.end(),
        [format](const ExchangeFormatInfo& info) { return info.format == format; });
}

QString ProfileChoice::title() const
{
    return QCoreApplication::translate("fendrimo::TForm1", choiceTexts(*this).title);
}

QString ProfileChoice::label() const
{
    return QCoreApplication::translate("fendrimo::TForm1", choiceTexts(*this).label);
}

SourceData parsedSource(const QByteArray& bytes)
{
    JsonFile parsed = parseJsonFile(bytes);
    return SourceData{bytes, std::move(parsed.document), std::move(parsed.problem)};
}

std::optional<ExchangeFormat> recogniseFormat(const SourceData& source)
{
    std::array<const ExchangeFormatInfo*, kFormats.size()> byRank{};
    std::transform(kFormats.begin(), kFormats.end(), byRank.begin(),
                   [](const ExchangeFormatInfo& info) { return &info; });
    std::sort(byRank.begin(), byRank.end(),
              [](const auto* a, const auto* b) { return a->recognitionRank < b->recognitionRank; });
    for (const ExchangeFormatInfo* info : byRank) {
        if (info->recognises(source))
            return info->format;
    }
    return std::nullopt;
}

std::optional<ExchangeFormat> recogniseFormat(const QByteArray& data)
{
    return recogniseFormat(parsedSource(data));
}

ExportBytes exportBytes(ExchangeFormat format, const ProfileContent& content,
                        const ExportContext& context)
{
    const ExchangeFormatInfo& info = formatInfo(format);
    return info.write ? info.write(content, context) : ExportBytes();
}

QString exportNotice(ExchangeFormat format, const ExportBytes& written)
{
    const ExchangeFormatInfo& info = formatInfo(format);
    return info.exportNotice ? info.exportNotice(written).join(QLatin1Char(' ')) : QString();
}

} // namespace fendrimo

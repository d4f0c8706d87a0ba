// "Importieren" and "Exportieren": the basal rate from and to Nightscout,
// OpenAPS and spreadsheets. An import changes the profile being edited as one
// undoable step and leaves the file it came from, the title and the settings
// alone; an export writes a file and changes nothing.

#include "app/tform1.h"

#include "exchange/exchange.h"
#include "files/profilefile.h"
#include "platform/platform.h"
#include "settings/settings.h"

#include <QAction>
#include <QMenu>
#include <QTimeZone>

#include <algorithm>

namespace fendrimo {

namespace {

struct FormatSpec
{
    ExchangeFormat format;
    const char* objectName;
    const char* item;
    const char* filter;
    const char* suffix;
    const char* proposedName;
    const char* step; // the undo step of an import
};

constexpr FormatSpec kFormats[] = {
    {ExchangeFormat::Nightscout, "Nightscout", "&Nightscout-Profil (JSON)…",
     "Nightscout-Profile (*.json)", "json", "profil.json", "Import aus Nightscout-Profil"},
    {ExchangeFormat::OpenAps, "OpenAps", "&OpenAPS-Basalprofil (JSON)…",
     "OpenAPS-Basalprofile (*.json)", "json", "basal_profile.json",
     "Import aus OpenAPS-Basalprofil"},
    {ExchangeFormat::Csv, "Csv", "&Tabelle (CSV)…", "Tabellen (*.csv)", "csv", "basalrate.csv",
     "Import aus Tabelle"},
};

const FormatSpec& specFor(ExchangeFormat format)
{
    return *std::find_if(std::begin(kFormats), std::end(kFormats),
                         [format](const FormatSpec& spec) { return spec.format == format; });
}

// The exchange dialogs start in the folder of the last profile file and
// never change it.
FileDialogRequest exchangeDialog(const QString& title, const FormatSpec& spec)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = QString::fromUtf8(spec.filter);
    request.defaultSuffix = QLatin1String(spec.suffix);
    request.startFolder = Settings().verzeichnis(QString());
    return request;
}

QString exportNotice(ExchangeFormat format, const QByteArray& written, const HourlyRates& rates)
{
    switch (format) {
    case ExchangeFormat::Nightscout: {
        QString notice = QStringLiteral(
            "Die Basalrate wurde als Nightscout-Profil exportiert.\n\nWirkdauer des Insulins, "
            "Korrekturfaktoren und Zielbereich kennt Fendrimo nicht; sie fehlen in der Datei und "
            "müssen im empfangenden System ergänzt werden, bevor es das Profil verwendet.");
        if (!written.contains("\"carbratio\""))
            notice += QStringLiteral(" Ebenso die Kohlenhydratfaktoren: Nicht alle drei "
                                     "Bolusfelder enthalten eine Zahl über 0.");
        return notice;
    }
    case ExchangeFormat::OpenAps: {
        QString notice = QStringLiteral("Die Basalrate wurde als OpenAPS-Basalprofil exportiert.");
        if (std::find(rates.begin(), rates.end(), 0) != rates.end())
            notice += QStringLiteral(" Achtung: Mindestens eine Stunde hat die Rate 0; OpenAPS "
                                     "nimmt eine Basalrate von 0 nicht an.");
        return notice;
    }
    case ExchangeFormat::Csv:
        break;
    }
    return QStringLiteral("Die Basalrate wurde als Tabelle exportiert.");
}

} // namespace

void TForm1::buildExchangeMenus(QMenu* datei)
{
    const auto submenu = [this, datei](const char* name, const QString& title,
                                       const QString& description) {
        auto* menu = new QMenu(title, datei);
        menu->setObjectName(QLatin1String(name));
        menu->setAccessibleName(QString(title).remove(QLatin1Char('&')));
        menu->setAccessibleDescription(description);
        datei->insertMenu(ZuletztGeoeffnet1->menuAction(), menu);
        return menu;
    };
    Importieren1 = submenu("Importieren1", QStringLiteral("&Importieren"),
                           QStringLiteral("Die Basalrate aus Nightscout, OpenAPS oder einer "
                                          "Tabelle übernehmen"));
    Exportieren1 = submenu("Exportieren1", QStringLiteral("&Exportieren"),
                           QStringLiteral("Die Basalrate für Nightscout, OpenAPS oder eine "
                                          "Tabelle schreiben"));
    for (const FormatSpec& spec : kFormats) {
        const ExchangeFormat format = spec.format;
        QAction* import = Importieren1->addAction(QString::fromUtf8(spec.item));
        import->setObjectName(QStringLiteral("Import%1").arg(QLatin1String(spec.objectName)));
        connect(import, &QAction::triggered, this, [this, format] {
            m_history.breakMerging();
            guarded([this, format] { ImportierenClick(format); });
        });
        QAction* export_ = Exportieren1->addAction(QString::fromUtf8(spec.item));
        export_->setObjectName(QStringLiteral("Export%1").arg(QLatin1String(spec.objectName)));
        connect(export_, &QAction::triggered, this, [this, format] {
            m_history.breakMerging();
            guarded([this, format] { ExportierenClick(format); });
        });
    }
}

void TForm1::ImportierenClick(ExchangeFormat format)
{
    FileDialogRequest request =
        exchangeDialog(QStringLiteral("Basalrate importieren"), specFor(format));
    request.fileMustExist = true;
    const std::optional<QString> chosen = platform().openFileName(this, request);
    if (!chosen)
        return;
    QByteArray data;
    const FileResult read = readFileStart(*chosen, kLargestExchangeFile + 1, data);
    const std::optional<ImportOutcome> outcome =
        !read.ok() ? ImportOutcome{std::nullopt, fileErrorText(read.code) + QLatin1Char('.')}
        : data.size() > kLargestExchangeFile
            ? ImportOutcome{std::nullopt, QStringLiteral("Die Datei ist größer als 10 MB.")}
            : readImport(format, data);
    if (!outcome)
        return; // no profile chosen
    if (!outcome->profile) {
        platform().message(this, MessageType::Fehler,
                           QStringLiteral("Die Datei ") + *chosen +
                               QStringLiteral(" kann nicht importiert werden. ") + outcome->error,
                           MessageButton::Ok);
        return;
    }
    takeImport(*outcome->profile, QString::fromUtf8(specFor(format).step));
}

std::optional<ImportOutcome> TForm1::readImport(ExchangeFormat format, const QByteArray& data)
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
        const std::optional<int> chosen = platform().chooseItem(
            this, {QStringLiteral("Nightscout-Profil wählen"),
                   QStringLiteral("Die Datei enthält mehrere Profile. Welches soll importiert "
                                  "werden?"),
                   profiles.names, profiles.preselected});
        if (!chosen)
            return std::nullopt;
        index = *chosen;
    }
    return readNightscout(data, profiles.names.value(index), RegionalFormats::current());
}

// What was averaged, rounded or left out is shown before anything changes.
void TForm1::takeImport(const ImportedProfile& imported, const QString& stepText)
{
    QStringList notices = imported.notices;
    const QString adjusted = adjustedHoursNotice(imported.adjustedHours);
    if (!adjusted.isEmpty())
        notices.prepend(adjusted);
    if (!notices.isEmpty()) {
        const MessageResult answer =
            platform().message(this, MessageType::Bestaetigen,
                               QStringLiteral("Beim Import wurden Werte angepasst:\n\n") +
                                   notices.join(QLatin1Char('\n')) +
                                   QStringLiteral("\n\nSollen die Werte so übernommen werden?"),
                               MessageButton::Ok | MessageButton::Abbrechen);
        if (answer != MessageResult::Ok)
            return;
    }
    const qint32 highest = *std::max_element(imported.rates.begin(), imported.rates.end());
    if (highest > Maximum())
        raiseMaximumFor(highest);
    setDatenGespeichert(false);
    m_history.breakMerging();
    m_history.record(stepText, importedContent(m_profile.content(), imported));
}

void TForm1::ExportierenClick(ExchangeFormat format)
{
    const FormatSpec& spec = specFor(format);
    FileDialogRequest request = exchangeDialog(QStringLiteral("Basalrate exportieren"), spec);
    request.confirmOverwrite = true;
    if (!request.startFolder.isEmpty())
        request.proposedFile = request.startFolder + QLatin1String(spec.proposedName);
    const std::optional<QString> chosen = platform().saveFileName(this, request);
    if (!chosen)
        return;
    const ProfileContent& content = m_profile.content();
    QByteArray bytes;
    if (format == ExchangeFormat::Nightscout) {
        const QDateTime now = platform().now();
        bytes = writeNightscout(content, {now, QString::fromUtf8(QTimeZone::systemTimeZoneId()),
                                          RegionalFormats::current()});
    } else {
        bytes = format == ExchangeFormat::OpenAps ? writeOpenAps(content.rates)
                                                  : writeCsv(content.rates);
    }
    const FileResult written = writeFileAtomically(*chosen, bytes);
    if (!written.ok()) {
        platform().message(this, MessageType::Fehler,
                           QStringLiteral("Die Basalrate konnte nicht nach ") + *chosen +
                               QStringLiteral(" exportiert werden: ") + fileErrorText(written.code),
                           MessageButton::Ok);
        return;
    }
    platform().message(this, MessageType::Information, exportNotice(format, bytes, content.rates),
                       MessageButton::Ok);
}

} // namespace fendrimo

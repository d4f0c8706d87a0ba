// "Importieren" and "Exportieren": the basal rate from and to Nightscout,
// OpenAPS and spreadsheets. An import shows what it will change and, after
// OK, changes the profile being edited as one undoable step; it leaves the
// file it came from, the title and the settings alone. An export writes a
// file and changes nothing.

#include "app/tform1.h"
#include "app/translation.h"

#include "exchange/formats.h"
#include "files/filename.h"
#include "platform/platform.h"
#include "profile/versiondiff.h"
#include "settings/settings.h"
#include "tools/importpreviewdialog.h"
#include "widgets/designscale.h"
#include "widgets/elidedname.h"

#include <QFileInfo>

namespace fendrimo {

namespace {

// The exchange dialogs start in the folder of the last profile file and
// never change it.
FileDialogRequest exchangeDialog(const QString& title, const ExchangeFormatInfo& info,
                                 const QString& folder)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = info.filterText();
    request.defaultSuffix = QLatin1String(info.suffix);
    request.startFolder = folder;
    return request;
}

// The sentences of a notice follow one another, a blank between them.
QString exportNotice(ExchangeFormat format, const ExportBytes& written)
{
    QStringList notice;
    switch (format) {
    case ExchangeFormat::Nightscout:
        notice << TForm1::tr("Die Basalrate wurde als Nightscout-Profil exportiert.\n\nWirkdauer "
                             "des Insulins, Korrekturfaktoren und Zielbereich kennt Fendrimo "
                             "nicht; sie fehlen in der Datei und müssen im empfangenden System "
                             "ergänzt werden, bevor es das Profil verwendet.");
        if (written.carbRatiosLeftOut)
            notice << TForm1::tr("Ebenso die Kohlenhydratfaktoren: Nicht alle drei Bolusfelder "
                                 "enthalten eine Zahl über 0.");
        if (written.timeZoneLeftOut)
            notice << TForm1::tr("Die Zeitzone dieses Rechners hat keinen Namen, den Nightscout "
                                 "kennt; sie fehlt in der Datei und muss in Nightscout eingestellt "
                                 "werden, sonst verschieben sich die Raten.");
        break;
    case ExchangeFormat::OpenAps:
        notice << TForm1::tr("Die Basalrate wurde als OpenAPS-Basalprofil exportiert.");
        if (written.zeroRate)
            notice << TForm1::tr("Achtung: Mindestens eine Stunde hat die Rate 0; OpenAPS nimmt "
                                 "eine Basalrate von 0 nicht an.");
        break;
    case ExchangeFormat::Csv:
    case ExchangeFormat::Tidepool: // read only: never exported
        notice << TForm1::tr("Die Basalrate wurde als Tabelle exportiert.");
        break;
    }
    return notice.join(QLatin1Char(' '));
}

} // namespace

ChoiceRequest TForm1::nameChoice(const QString& title, const QString& label,
                                 const QStringList& names, int preselected) const
{
    // The widest a name is listed, in design pixels: the chooser stays on the screen.
    const int width = DesignScale(designScreen(platform().screenSize()).width()).value(600);
    ChoiceRequest request{title, label, {}, preselected, {}};
    for (const QString& name : names) {
        request.items << elidedName(name, font(), width);
        request.toolTips << name;
    }
    return request;
}

void TForm1::ImportierenClick(ExchangeFormat format)
{
    FileDialogRequest request = exchangeDialog(tr("Basalrate importieren"), formatInfo(format),
                                               m_settings.verzeichnis(QString()));
    request.fileMustExist = true;
    const std::optional<QString> chosen = platform().openFileName(this, request);
    if (!chosen)
        return;
    const bool tidepool = format == ExchangeFormat::Tidepool;
    const auto choose = [this, tidepool](const QStringList& names, int preselected) {
        return platform().chooseItem(
            this, nameChoice(tidepool ? tr("Basalplan wählen") : tr("Nightscout-Profil wählen"),
                             tidepool ? tr("Die Datei enthält mehrere Basalpläne. Welcher soll "
                                           "importiert werden?")
                                      : tr("Die Datei enthält mehrere Profile. Welches soll "
                                           "importiert werden?"),
                             names, preselected));
    };
    const std::optional<ImportOutcome> outcome =
        importFile(format, *chosen, choose, RegionalFormats::current());
    if (!outcome)
        return; // no profile chosen
    if (!outcome->profile) {
        platform().message(
            this, MessageType::Fehler,
            tr("Die Datei %1 kann nicht importiert werden. %2").arg(*chosen, outcome->error),
            MessageButton::Ok);
        return;
    }
    const ImportedProfile& imported = *outcome->profile;
    if (!confirmImport(imported))
        return;
    showRaisedMaximum(m_document.applyImport(imported, formatInfo(format).stepText()));
}

bool TForm1::confirmImport(const ImportedProfile& imported)
{
    // What was averaged, rounded or left out is shown with every change
    // before anything changes.
    QStringList notices = imported.rateNotices + imported.notices;
    const QString adjusted = adjustedHoursNotice(imported.adjustedHours);
    if (!adjusted.isEmpty())
        notices.prepend(adjusted);
    // The content the document makes of the import, by the same function.
    const ProfileContent& now = m_document.content();
    ImportPreviewDialog dialog(
        this, previewImport(now, importedContent(now, imported), imported.adjustedHours), notices);
    return dialog.exec() == QDialog::Accepted;
}

void TForm1::ExportierenClick(ExchangeFormat format)
{
    const ExchangeFormatInfo& info = formatInfo(format);
    FileDialogRequest request =
        exchangeDialog(tr("Basalrate exportieren"), info, m_settings.verzeichnis(QString()));
    request.confirmOverwrite = true;
    if (!request.startFolder.isEmpty())
        request.proposedFile = request.startFolder + QLatin1String(info.proposedName);
    const std::optional<QString> chosen = platform().saveFileName(this, request);
    if (!chosen)
        return;
    const RegionalFormats formats = RegionalFormats::current();
    // A German table stays as German spreadsheets know it; English follows
    // the regional number format.
    const CsvLayout csv = interfaceLanguageInUse() == QLatin1String("en")
                              ? englishCsvLayout(formats.decimalSeparator)
                              : germanCsvLayout();
    const ExportBytes written = exportBytes(format, m_document.content(),
                                            {platform().now(), systemTimeZoneName(), formats, csv});
    const FileResult result = writeFileAtomically(*chosen, written.bytes);
    if (!result.ok()) {
        platform().message(this, MessageType::Fehler,
                           tr("Die Basalrate konnte nicht nach %1 exportiert werden: %2")
                               .arg(*chosen, fileErrorText(result.code)),
                           MessageButton::Ok);
        return;
    }
    platform().message(this, MessageType::Information, exportNotice(format, written),
                       MessageButton::Ok);
}

// Opens another profile beside the one being edited: a profile file or any
// source the import reads. Neither it nor the title, the recent list or the
// folder setting changes.
void TForm1::VergleichenClick()
{
    FileDialogRequest request =
        profileDialog(tr("Basalrate zum Vergleich laden"), m_compareDialogFileName);
    request.fileMustExist = true;
    QStringList filters{tr("Alle lesbaren Dateien (*.bar *.json *.csv *.txt)"), request.filter};
    for (const ExchangeFormatInfo& info : exchangeFormats())
        filters << info.filterText();
    request.filter = filters.join(QStringLiteral(";;"));
    const std::optional<QString> chosen = platform().openFileName(this, request);
    if (!chosen)
        return;
    m_compareDialogFileName = *chosen;
    compareWithSource(*chosen);
}

void TForm1::compareWithSource(const QString& path)
{
    const auto choose = [this](const QStringList& names, int preselected) {
        return platform().chooseItem(
            this, nameChoice(tr("Profil wählen"),
                             tr("Die Datei enthält mehrere Profile. Mit welchem soll verglichen "
                                "werden?"),
                             names, preselected));
    };
    const std::optional<ImportOutcome> outcome =
        importAnyFile(path, choose, RegionalFormats::current());
    if (!outcome)
        return; // no profile chosen
    if (!outcome->profile) {
        platform().exclamation();
        platform().message(this, MessageType::Fehler,
                           tr("Fehler beim Laden der Datei %1 ! Sie ist keine Basalraten-Datei. %2")
                               .arg(displayFileName(path), outcome->error),
                           MessageButton::Ok);
        return;
    }
    const ImportedProfile& imported = *outcome->profile;
    QString name = imported.sourceName.isEmpty() ? QFileInfo(path).fileName() : imported.sourceName;
    // What rounding or averaging made of the rates is said once, before it shows.
    QStringList notices = imported.rateNotices;
    const QString adjusted = adjustedHoursNotice(imported.adjustedHours);
    if (!adjusted.isEmpty()) {
        notices.prepend(adjusted);
        name = tr("%1 (gerundet)").arg(name);
    }
    if (!notices.isEmpty()) {
        platform().message(this, MessageType::Information,
                           tr("Im Vergleich mit %1 stehen die Raten in Zehntel IE/h:\n\n%2")
                               .arg(name, notices.join(QLatin1Char('\n'))),
                           MessageButton::Ok);
    }
    m_document.compareWith(imported, name);
}

} // namespace fendrimo

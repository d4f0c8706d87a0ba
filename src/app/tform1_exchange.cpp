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

// Which of several named profiles, in the row's words for the purpose: long
// names shortened, whole in the tooltips.
ChoiceRequest nameChoice(const QWidget& window, const ProfileChoice& choice)
{
    // The widest a name is listed, in design pixels: the chooser stays on the screen.
    const int width = DesignScale(designScreen(platform().screenSize()).width()).value(600);
    ChoiceRequest request{choice.title(), choice.label(), {}, choice.preselected, {}};
    for (const QString& name : choice.names) {
        request.items << elidedName(name, window.font(), width);
        request.toolTips << name;
    }
    return request;
}

// The profile a source holds, asking which when it holds several; none when
// none was chosen. Import and comparison alike.
std::optional<ImportOutcome> readSource(QWidget* window, const QString& path,
                                        const SourceRequest& request)
{
    const auto choose = [window](const ProfileChoice& choice) {
        return platform().chooseItem(window, nameChoice(*window, choice));
    };
    return importSource(path, request, choose, RegionalFormats::current());
}

} // namespace

void TForm1::ImportierenClick(ExchangeFormat format)
{
    FileDialogRequest request = exchangeDialog(tr("Basalrate importieren"), formatInfo(format),
                                               m_settings.verzeichnis(QString()));
    request.fileMustExist = true;
    const std::optional<QString> chosen = platform().openFileName(this, request);
    if (!chosen)
        return;
    const std::optional<ImportOutcome> outcome =
        readSource(this, *chosen, {SourcePurpose::Import, format});
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
    const QStringList notices = sourceNotices(imported, SourcePurpose::Import);
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
    const std::optional<ImportOutcome> outcome =
        readSource(this, path, {SourcePurpose::Comparison, std::nullopt});
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
    const QStringList notices = sourceNotices(imported, SourcePurpose::Comparison);
    if (!imported.adjustedHours.isEmpty())
        name = tr("%1 (gerundet)").arg(name);
    if (!notices.isEmpty()) {
        platform().message(this, MessageType::Information,
                           tr("Im Vergleich mit %1 stehen die Raten in Zehntel IE/h:\n\n%2")
                               .arg(name, notices.join(QLatin1Char('\n'))),
                           MessageButton::Ok);
    }
    m_document.compareWith(imported, name);
}

} // namespace fendrimo

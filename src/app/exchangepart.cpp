// "Importieren" and "Exportieren": the basal rate from and to Nightscout,
// OpenAPS and spreadsheets. An import shows what it will change and, after
// OK, changes the profile being edited as one undoable step; it leaves the
// file it came from, the title and the settings alone. An export writes a
// file and changes nothing. The comparison shows another profile beside the
// one being edited, and hours can be taken from it.

#include "app/exchangepart.h"

#include "app/filespart.h"
#include "app/translation.h"
#include "app/windowmessages.h"
#include "document/profiledocument.h"
#include "files/filename.h"
#include "platform/error.h"
#include "platform/platform.h"
#include "profile/versiondiff.h"
#include "settings/settings.h"
#include "tools/importpreviewdialog.h"
#include "tools/takehoursdialog.h"
#include "widgets/designscale.h"
#include "widgets/elidedname.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

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

void ExchangePart::addCommands(CommandPath& commands)
{
    commands.add("Vergleichen1", [this] { VergleichenClick(); });
    commands.add("VergleichGespeichert1", [this] { VergleichGespeichertClick(); });
    commands.add(
        "VergleichBeenden1", [this] { VergleichBeendenClick(); },
        [this] { return hasReference(); });
    commands.add(
        "AusVergleichUebernehmen1", [this] { AusVergleichUebernehmenClick(); },
        [this] { return referenceDiffers(); });
}

void ExchangePart::addFormatItems(QMenu* imports, QMenu* exports)
{
    for (const ExchangeFormatInfo& info : exchangeFormats()) {
        const ExchangeFormat format = info.format;
        const QString item = info.itemText();
        QAction* import = imports->addAction(item);
        import->setObjectName(QStringLiteral("Import%1").arg(QLatin1String(info.objectName)));
        QObject::connect(import, &QAction::triggered, m_context.window, [this, format] {
            m_context.commands.run([this, format] { ImportierenClick(format); });
        });
        if (!info.exportable())
            continue;
        QAction* export_ = exports->addAction(item);
        export_->setObjectName(QStringLiteral("Export%1").arg(QLatin1String(info.objectName)));
        QObject::connect(export_, &QAction::triggered, m_context.window, [this, format] {
            m_context.commands.run([this, format] { ExportierenClick(format); });
        });
    }
}

void ExchangePart::ImportierenClick(ExchangeFormat format)
{
    FileDialogRequest request = exchangeDialog(tr("Basalrate importieren"), formatInfo(format),
                                               m_context.settings.verzeichnis(QString()));
    request.fileMustExist = true;
    const std::optional<QString> chosen = platform().openFileName(m_context.window, request);
    if (!chosen)
        return;
    const std::optional<ImportOutcome> outcome =
        readSource(m_context.window, *chosen, {SourcePurpose::Import, format});
    if (!outcome)
        return; // no profile chosen
    if (!outcome->profile) {
        WindowMessages::importRefused(m_context.window, *chosen, outcome->error);
        return;
    }
    const ImportedProfile& imported = *outcome->profile;
    if (!confirmImport(imported))
        return;
    WindowMessages::raisedMaximum(
        m_context.window, m_context.document.applyImport(imported, formatInfo(format).stepText()));
}

bool ExchangePart::confirmImport(const ImportedProfile& imported)
{
    // What was averaged, rounded or left out is shown with every change
    // before anything changes.
    const QStringList notices = sourceNotices(imported, SourcePurpose::Import);
    // The content the document makes of the import, by the same function.
    const ProfileContent& now = m_context.document.content();
    ImportPreviewDialog dialog(
        m_context.window,
        previewImport(now, importedContent(now, imported), imported.adjustedHours), notices);
    return dialog.exec() == QDialog::Accepted;
}

void ExchangePart::ExportierenClick(ExchangeFormat format)
{
    const ExchangeFormatInfo& info = formatInfo(format);
    FileDialogRequest request = exchangeDialog(tr("Basalrate exportieren"), info,
                                               m_context.settings.verzeichnis(QString()));
    request.confirmOverwrite = true;
    if (!request.startFolder.isEmpty())
        request.proposedFile = request.startFolder + QLatin1String(info.proposedName);
    const std::optional<QString> chosen = platform().saveFileName(m_context.window, request);
    if (!chosen)
        return;
    const RegionalFormats formats = RegionalFormats::current();
    // A German table stays as German spreadsheets know it; English follows
    // the regional number format.
    const CsvLayout csv = interfaceLanguageInUse() == QLatin1String("en")
                              ? englishCsvLayout(formats.decimalSeparator)
                              : germanCsvLayout();
    const ExportBytes written = exportBytes(format, m_context.document.content(),
                                            {platform().now(), systemTimeZoneName(), formats, csv});
    const FileResult result = writeFileAtomically(*chosen, written.bytes);
    if (!result.ok()) {
        WindowMessages::exportFailed(m_context.window, *chosen, result.code);
        return;
    }
    platform().message(m_context.window, MessageType::Information, exportNotice(format, written),
                       MessageButton::Ok);
}

// Opens another profile beside the one being edited: a profile file or any
// source the import reads. Neither it nor the title, the recent list or the
// folder setting changes.
void ExchangePart::VergleichenClick()
{
    FileDialogRequest request = profileFileDialog(
        m_context.settings, tr("Basalrate zum Vergleich laden"), m_compareDialogFileName);
    request.fileMustExist = true;
    QStringList filters{tr("Alle lesbaren Dateien (*.bar *.json *.csv *.txt)"), request.filter};
    for (const ExchangeFormatInfo& info : exchangeFormats())
        filters << info.filterText();
    request.filter = filters.join(QStringLiteral(";;"));
    const std::optional<QString> chosen = platform().openFileName(m_context.window, request);
    if (!chosen)
        return;
    m_compareDialogFileName = *chosen;
    compareWithSource(*chosen);
}

void ExchangePart::compareWithSource(const QString& path)
{
    const std::optional<ImportOutcome> outcome =
        readSource(m_context.window, path, {SourcePurpose::Comparison, std::nullopt});
    if (!outcome)
        return; // no profile chosen
    if (!outcome->profile) {
        WindowMessages::comparisonRefused(m_context.window, path, outcome->error);
        return;
    }
    const ImportedProfile& imported = *outcome->profile;
    QString name = imported.sourceName.isEmpty() ? QFileInfo(path).fileName() : imported.sourceName;
    // What rounding or averaging made of the rates is said once, before it shows.
    const QStringList notices = sourceNotices(imported, SourcePurpose::Comparison);
    if (!imported.adjustedHours.isEmpty())
        name = tr("%1 (gerundet)").arg(name);
    if (!notices.isEmpty()) {
        platform().message(m_context.window, MessageType::Information,
                           tr("Im Vergleich mit %1 stehen die Raten in Zehntel IE/h:\n\n%2")
                               .arg(name, notices.join(QLatin1Char('\n'))),
                           MessageButton::Ok);
    }
    m_context.document.compareWith(imported, name);
}

void ExchangePart::VergleichGespeichertClick()
{
    m_context.document.compareWithSaved();
}

void ExchangePart::VergleichBeendenClick()
{
    m_context.document.endComparison();
}

bool ExchangePart::hasReference() const
{
    return m_context.document.reference().has_value();
}

bool ExchangePart::referenceDiffers() const
{
    const ProfileDocument& document = m_context.document;
    return document.reference() &&
           !differingRuns(document.content().rates, *document.reference()).isEmpty();
}

void ExchangePart::AusVergleichUebernehmenClick()
{
    if (!referenceDiffers())
        return;
    ProfileDocument& document = m_context.document;
    TakeHoursDialog dialog(m_context.window, document.content().rates, *document.reference());
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        WindowMessages::raisedMaximum(m_context.window,
                                      document.takeFromReference(dialog.chosenHours()));
    } catch (const Failure& failure) {
        // The maximum is stored before anything is taken: nothing was.
        throw Failure(tr("%1. Die Stunden wurden nicht übernommen").arg(failure.message()));
    }
}

} // namespace fendrimo

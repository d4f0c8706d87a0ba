// The print dialog's band for the pages themselves: the table page, the
// glucose profile, the preview and the PDF file.

#include "printing/grafikform.h"

#include "files/profilefile.h"
#include "platform/platform.h"
#include "printing/previewdialog.h"
#include "printing/reportpdf.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QPrinter>
#include <QPushButton>

namespace fendrimo {

namespace {

// The active printer; an A4 printer with Qt's margins when there is none.
QPrinter& activeOr(QPrinter& fallback)
{
    const ActivePrinter active = platform().activePrinter();
    if (active.printer)
        return *active.printer;
    fallback.setPageSize(QPageSize(QPageSize::A4));
    return fallback;
}

} // namespace

void TGrafikForm::buildPageBand()
{
    Bevel4 = new QFrame(this);
    Bevel4->setObjectName(QStringLiteral("Bevel4"));
    Bevel4->setFrameShape(QFrame::Box);
    Bevel4->setFrameShadow(QFrame::Sunken);
    Bevel4->setGeometry(18, 256, 441, 85);
    Bevel4->lower();

    CheckBoxTabelle = new QCheckBox(tr("Stundenwerte als Tabelle drucken"), this);
    CheckBoxTabelle->setObjectName(QStringLiteral("CheckBoxTabelle"));
    CheckBoxTabelle->setGeometry(40, 259, 397, 24);
    CheckBoxTabelle->setAccessibleDescription(
        tr("Druckt nach dem Diagramm eine zweite Seite mit den 24 Stundenwerten"));

    CheckBoxGlukose = new QCheckBox(tr("Glukoseprofil drucken"), this);
    CheckBoxGlukose->setObjectName(QStringLiteral("CheckBoxGlukose"));
    CheckBoxGlukose->setGeometry(40, 283, 397, 24);
    CheckBoxGlukose->setEnabled(m_options.glucoseAvailable);
    // The dialog's black text would hide that the box can't be ticked.
    QPalette greyed = CheckBoxGlukose->palette();
    greyed.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    CheckBoxGlukose->setPalette(greyed);
    CheckBoxGlukose->setAccessibleDescription(
        tr("Druckt zuletzt eine Seite mit dem Glukoseprofil der geladenen Glukosedaten; nur "
           "mit geladenen Glukosedaten"));

    BitBtnVorschau = new QPushButton(tr("Vorschau…"), this);
    BitBtnVorschau->setObjectName(QStringLiteral("BitBtnVorschau"));
    BitBtnVorschau->setGeometry(56, 310, 161, 28);
    BitBtnVorschau->setAccessibleDescription(tr("Zeigt die Seiten so, wie sie gedruckt werden"));

    BitBtnPdf = new QPushButton(tr("Als PDF speichern…"), this);
    BitBtnPdf->setObjectName(QStringLiteral("BitBtnPdf"));
    BitBtnPdf->setGeometry(256, 310, 161, 28);
    BitBtnPdf->setAccessibleDescription(tr("Speichert die Seiten als PDF-Datei"));
}

// The basal test sheet is a page of its own: the report's pages don't apply,
// and the dialog names what it prints.
void TGrafikForm::describeSheet()
{
    CheckBoxTabelle->hide();
    CheckBoxGlukose->hide();
    setWindowTitle(tr("Fendrimo - Basaltest-Protokoll drucken"));
    setAccessibleName(windowTitle());
    setAccessibleDescription(tr("Druckt das Basaltest-Protokoll als eine Seite auf dem aktiven "
                                "Drucker oder in eine PDF-Datei"));
    BitBtnDruck->setAccessibleDescription(
        tr("Druckt das Basaltest-Protokoll und schließt das Fenster"));
}

void TGrafikForm::ButtonVorschauClick()
{
    QPrinter fallback;
    // A print that fails from the preview says so over the preview.
    PreviewDialog preview(this, activeOr(fallback), printedContent(),
                          [this, &preview] { return printNow(&preview); });
    // Printed from the preview: the job is done, as after "Drucken".
    if (preview.exec() == QDialog::Accepted)
        accept();
}

void TGrafikForm::ButtonPdfClick()
{
    FileDialogRequest request;
    request.title = tr("Als PDF speichern");
    request.filter = tr("PDF-Dateien (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    request.startFolder = m_options.folder;
    request.confirmOverwrite = true;
    request.proposedFile = m_content.basalTestSheet
                               ? QDir(request.startFolder).filePath(tr("Basaltest-Protokoll.pdf"))
                               : proposedPdfFile(request.startFolder, m_content.profileFile);
    const std::optional<QString> chosen = platform().saveFileName(this, request);
    if (!chosen)
        return;
    QPrinter fallback;
    PdfSetup setup = pdfFileSetup(activeOr(fallback).pageLayout());
    if (m_content.basalTestSheet)
        setup.title = tr("Basaltest-Protokoll");
    const PdfOutcome made = reportPdf(printedContent(), setup);
    const FileResult written =
        made.problem != JobProblem::None ? FileResult{5} : writeFileAtomically(*chosen, made.pdf);
    if (!written.ok()) {
        platform().message(this, MessageType::Fehler,
                           tr("Die Datei %1 kann nicht geschrieben werden: %2")
                               .arg(*chosen, fileErrorText(written.code)),
                           MessageButton::Ok);
        return;
    }
    platform().message(
        this, MessageType::Information,
        m_content.basalTestSheet
            ? tr("Das Basaltest-Protokoll wurde als PDF-Datei gespeichert: %1").arg(*chosen)
            : tr("Die Basalrate wurde als PDF-Datei gespeichert: %1").arg(*chosen),
        MessageButton::Ok);
}

} // namespace fendrimo

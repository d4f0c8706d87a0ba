#pragma once

#include "printing/reportjob.h"
#include "printing/reportpage.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QFrame;
class QPageLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace fendrimo {

// Tells the user what a print came to; the print dialog's one place that
// words it. What kept the job from going out shows in the failure box over
// the window the print was asked from (over, else parent); the print
// service's refusal as an error and a job waiting in a stopped queue as a
// notice over parent; a cancelled file name says nothing. True when printed.
bool reportPrintOutcome(QWidget* parent, const PrintOutcome& outcome, QWidget* over = nullptr);

// What the print dialog is handed of the settings.
struct PrintOptions
{
    bool table = false; // the table page, as the box starts
    // The glucose profile page, as its box starts; the box can be ticked
    // only while glucose data is loaded (available).
    bool glucose = false;
    bool glucoseAvailable = false;
    QString folder; // where the PDF file dialogs start
    // The print method in force (true: colour), asked for when the dialog
    // opens and at each print: a change made meanwhile is printed.
    std::function<bool()> colour;
};

// "Fendrimo - Drucken": shows the active printer and the print method, runs
// the printer setup and prints the report. Keeps its design size.
class TGrafikForm final : public QDialog
{
    Q_OBJECT

public:
    // content: what the page shows of the profile; the print method and the
    // date of printing are added when it is printed.
    TGrafikForm(QWidget* parent, ReportInput content, PrintOptions options);

    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QFrame* Bevel3 = nullptr;
    QFrame* Bevel4 = nullptr; // the band of preview, PDF and table
    QGroupBox* GroupBoxAktDrucker = nullptr;
    QLineEdit* EditPrinter = nullptr;
    QPushButton* BitBtnDruckSetup = nullptr;
    QGroupBox* GroupBoxPrintMethod = nullptr;
    QLabel* LabelPrintMethod = nullptr;
    QCheckBox* CheckBoxTabelle = nullptr;
    QCheckBox* CheckBoxGlukose = nullptr;
    QPushButton* BitBtnVorschau = nullptr;
    QPushButton* BitBtnPdf = nullptr;
    QPushButton* BitBtnDruck = nullptr;
    QPushButton* BitBtnCancel = nullptr;

    // Fills the printer name and the print method.
    void FormCreate();
    // The printer setup; the name is refreshed whether it was confirmed or not.
    void ButtonDruckSetupClick();
    // Prints the report and closes; a failure leaves the dialog open.
    void ButtonDruckenClick();
    void ButtonAbbrechenClick();
    // The pages in a preview window, which can print them too.
    void ButtonVorschauClick();
    // The pages as a PDF file, with or without printers.
    void ButtonPdfClick();

    // What the page shows of the profile, as handed over.
    const ReportInput& content() const { return m_content; }

signals:
    // The user toggled the table box; the receiver stores it at once.
    void tableToggled(bool table);
    // The same for the glucose profile box.
    void glucoseToggled(bool glucose);

private:
    void buildControls();
    void buildPrinterGroup();
    void buildPrintMethodGroup();
    void buildPrintButtons();
    void buildPageBand();
    void describeControls();
    void describeSheet();
    // The content as printed now: print method, date of printing, table page,
    // glucose page.
    ReportInput printedContent() const;
    // Prints on the active printer, asking the PDF printer's file name first.
    PrintOutcome print();
    // Prints and tells the outcome, over the window it was asked from; true
    // when the job was taken.
    bool printNow(QWidget* over);
    // The active printer's entry in the list of printers; with none the
    // failure box says so.
    std::optional<QString> shownPrinter();

    ReportInput m_content;
    PrintOptions m_options;
};

} // namespace fendrimo

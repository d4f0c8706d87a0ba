#pragma once

#include "printing/reportpage.h"

#include <QDialog>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace fendrimo {

struct ActivePrinter;

// The active printer. Throws Failure "Zur Zeit ist kein Standard-Drucker
// gewählt" when no output can be had at all.
ActivePrinter requireActivePrinter();
// Its entry in the list of printers.
QString activePrinterEntry();

// "Fendrimo - Drucken": shows the active printer and the print method, runs
// the printer setup and prints the report. Keeps its design size.
class TGrafikForm final : public QDialog
{
    Q_OBJECT

public:
    // content: what the page shows of the profile; the print method and the
    // date of printing are added when it is printed.
    TGrafikForm(QWidget* parent, ReportInput content);

    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QFrame* Bevel3 = nullptr;
    QGroupBox* GroupBoxAktDrucker = nullptr;
    QLineEdit* EditPrinter = nullptr;
    QPushButton* BitBtnDruckSetup = nullptr;
    QGroupBox* GroupBoxPrintMethod = nullptr;
    QLabel* LabelPrintMethod = nullptr;
    QPushButton* BitBtnDruck = nullptr;
    QPushButton* BitBtnCancel = nullptr;

    // Fills the printer name and the print method.
    void FormCreate();
    // The printer setup; the name is refreshed whether it was confirmed or not.
    void ButtonDruckSetupClick();
    // Prints the report and closes; a failure leaves the dialog open.
    void ButtonDruckenClick();
    void ButtonAbbrechenClick();

    // What the page shows of the profile, as handed over.
    const ReportInput& content() const { return m_content; }

private:
    void buildControls();

    ReportInput m_content;
};

} // namespace fendrimo

#pragma once

#include <QDialog>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace fendrimo {

class TForm1;
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
    explicit TGrafikForm(TForm1* owner);

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

private:
    void buildControls();

    TForm1* m_owner;
};

} // namespace fendrimo

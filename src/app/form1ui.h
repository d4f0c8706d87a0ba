#pragma once

#include "app/ratecontrols.h"

#include <array>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;

namespace fendrimo {

class ClockTicker;
class NotesEdit;

// The main window's controls, named as in the window design (their object
// names are these names). Built from tables in tform1_layout.cpp and
// tform1_menu.cpp; the window shows its document through them.
struct Form1Ui
{
    static constexpr int Hours = 24;
    static constexpr int Boluses = 3;

    // Slider and rate field of hour h at index h: ScrollBar1 and Edit1 are hour 0.
    std::array<RateSlider*, Hours> sliders{};
    std::array<RateField*, Hours> fields{};
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* ButtonSumme = nullptr;
    QLabel* LabelSumme = nullptr;
    QLabel* LabelSummeEinheit = nullptr; // Label30, "IE" after the daily total
    int unitLeft = 0;                    // where the unit stands while the total leaves room
    QLabel* LabelMax = nullptr;
    QLabel* LabelVergleich = nullptr;          // the comparison's total, shown while there is one
    std::array<QLineEdit*, Boluses> boluses{}; // EditBolus1, EditBolus4, EditBolus7
    QLineEdit* EditDatum = nullptr;
    NotesEdit* MemoNotizen = nullptr;
    std::array<QLabel*, 2> pictures{}; // Image1 and Label32: a click opens the information
    QLabel* LabelDate = nullptr;
    QLabel* LabelTime = nullptr;
    QLabel* LabelSaved = nullptr;
    ClockTicker* Timer = nullptr; // the status panel's clock, once a second

    QMenu* ZuletztGeoeffnet1 = nullptr;
    QAction* Rueckgaengig1 = nullptr;
    QAction* Wiederholen1 = nullptr;

    // The text fields in tab order: the bolus fields, the date, the notes.
    std::array<QWidget*, Boluses + 2> textFields() const;
};

// Builds the controls into client, placed by the design scale of the screen.
void buildForm1Controls(QWidget* client, Form1Ui& ui);

} // namespace fendrimo

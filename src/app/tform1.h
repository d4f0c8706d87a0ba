#pragma once

#include "files/profilsatz.h"

#include <QMainWindow>

#include <array>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace fendrimo {

class NotesEdit;

// The main window. It owns the whole state of a run: the 24 slider positions
// (the only store of the rates while a profile is edited), the fields, the
// maximum rate, the saved flag and the one profile record. The commands of the
// other subsystems are its handlers, defined beside their subsystem.
class TForm1 final : public QMainWindow
{
public:
    static constexpr int Hours = 24;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Shared state of the run.
    qint32 Maximum = 0;            // tenths of IE/h; every slider runs 0 .. Maximum
    bool DatenGespeichert = false; // the profile on screen is the one last saved, loaded or new
    fendrimo::Profilsatz Profilsatz;

    // Controls, named as in the window design. Slider n and field n are hour n-1.
    QScrollBar* ScrollBar(int n) const { return m_scrollBars.at(n - 1); }
    QLineEdit* Edit(int n) const { return m_edits.at(n - 1); }
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* ButtonSumme = nullptr;
    QLabel* LabelSumme = nullptr;
    QLabel* LabelMax = nullptr;
    QLabel* LabelMin = nullptr;
    QLineEdit* EditBolus1 = nullptr;
    QLineEdit* EditBolus4 = nullptr;
    QLineEdit* EditBolus7 = nullptr;
    QLineEdit* EditDatum = nullptr;
    NotesEdit* MemoNotizen = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label32 = nullptr;
    QFrame* PanelStatus = nullptr;
    QLabel* LabelDate = nullptr;
    QLabel* LabelTime = nullptr;
    QLabel* LabelSaved = nullptr;
    QTimer* Timer = nullptr;

    // The file dialogs remember the path last chosen in them for the run.
    QString SaveDialog1FileName;
    QString OpenDialog1FileName;

    QAction* Neu1 = nullptr;
    QAction* Basalrateladen1 = nullptr;
    QAction* Basalratespeichern1 = nullptr;
    QAction* BasalrateDrucken1 = nullptr;
    QAction* Beenden1 = nullptr;
    QAction* Einstellungen = nullptr;
    QAction* HilfezurFendrimo1 = nullptr;
    QAction* Programminfos1 = nullptr;

    // The rate of slider n in tenths of IE/h: the slider is inverted, its top
    // is the highest rate.
    qint32 rate(int n) const;

    // Start-up and the shell (app).
    void FormCreate();
    bool FormCloseQuery();
    void TimerTimer();
    void Beenden1Click();
    void HilfezurFendrimo1Click();
    void Programminfos1Click();

    // Sliders, total, fields and "Neu" (profile).
    void ScrollBarScroll(int n, int position);
    void ButtonSummeClick();
    void CheckBox1MouseUp();
    bool EditBolusKeyPress(QChar key);
    void EditBolusChange();
    void EditDatumChange();
    void EditDatumDblClick();
    void MemoNotizenChange();
    void Neu1Click();

    // Commands of the later subsystems.
    void Basalrateladen1Click();
    // Opens the profile file at path as "Laden" does after its dialog: the
    // load error for a bad file, the maximum raised, title and folder updated.
    void loadFile(const QString& path);
    void Basalratespeichern1Click();
    void DruckenClick();
    void EinstellungenClick();
    void CloseOptionsForm();

    // Runs a handler; a failure it doesn't catch is shown in the failure box
    // and the rest of the handler is skipped.
    template <typename Handler> void guarded(Handler&& handler);

    // Texts from code, raising a change notification only on a real change.
    static void setFieldText(QLineEdit* field, const QString& text);
    static void setLabelText(QLabel* label, const QString& text);
    void setMaximumLabel();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void connectHandlers();
    void reportFailure(const std::exception& failure);

    std::array<QScrollBar*, Hours> m_scrollBars{};
    std::array<QLineEdit*, Hours> m_edits{};
    bool m_startedUp = false;
};

template <typename Handler> void TForm1::guarded(Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

} // namespace fendrimo

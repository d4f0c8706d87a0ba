#pragma once

#include "app/ratecontrols.h"
#include "files/profilsatz.h"
#include "profile/basalprofile.h"
#include "profile/comparison.h"
#include "profile/profilehistory.h"

#include <QMainWindow>

#include <array>
#include <optional>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMimeData;
class QPushButton;
class QScrollBar;

namespace fendrimo {

class ClockTicker;
class HistoryDialog;
struct StoredVersion;
struct ImportedProfile;
struct ImportOutcome;
class NotesEdit;
struct RateTool;
struct ReportInput;

enum class ExchangeFormat { Nightscout, OpenAps, Csv };

// The main window: a view of the one profile being edited. Its controls show
// the profile; its handlers turn user actions into steps on the profile, each
// one undoable. It also carries the run's state: the saved flag, the record
// of the last file read and the file dialogs' last choices.
class TForm1 final : public QMainWindow
{
public:
    static constexpr int Hours = 24;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // tenths of IE/h; every slider runs 0 .. Maximum
    qint32 Maximum() const { return m_profile.maximum(); }
    // The profile on screen is the one last saved, loaded or new.
    bool DatenGespeichert() const { return m_datenGespeichert; }
    const BasalProfile& profile() const { return m_profile; }
    const QUndoStack& history() const { return m_history.stack(); }
    // The rate of hour n-1 in tenths of IE/h.
    qint32 rate(int n) const { return m_profile.rate(n - 1); }
    // The profile shown beside this one for comparison, if any.
    const std::optional<ProfileReference>& reference() const { return m_reference; }

    // Controls, named as in the window design. Slider n and field n are hour n-1.
    RateSlider* ScrollBar(int n) const { return m_scrollBars.at(size_t(n - 1)); }
    RateField* Edit(int n) const { return m_edits.at(size_t(n - 1)); }
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* ButtonSumme = nullptr;
    QLabel* LabelSumme = nullptr;
    QLabel* LabelMax = nullptr;
    QLabel* LabelMin = nullptr;
    QLabel* LabelVergleich = nullptr; // the comparison's total, shown while there is one
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
    ClockTicker* Timer = nullptr; // the status panel's clock, once a second

    QAction* Neu1 = nullptr;
    QAction* Basalrateladen1 = nullptr;
    QAction* Basalratespeichern1 = nullptr;
    QAction* BasalrateDrucken1 = nullptr;
    QMenu* Importieren1 = nullptr;
    QMenu* Exportieren1 = nullptr;
    QMenu* ZuletztGeoeffnet1 = nullptr;
    QAction* Verlauf1 = nullptr;
    QAction* Beenden1 = nullptr;
    QAction* Rueckgaengig1 = nullptr;
    QAction* Wiederholen1 = nullptr;
    QAction* RatenProzent1 = nullptr;
    QAction* Verschieben1 = nullptr;
    QAction* Vergleichen1 = nullptr;
    QAction* VergleichGespeichert1 = nullptr;
    QAction* VergleichBeenden1 = nullptr;
    QAction* Einstellungen = nullptr;
    QAction* HilfezurFendrimo1 = nullptr;
    QAction* Programminfos1 = nullptr;

    // Start-up and the shell.
    void FormCreate();
    bool FormCloseQuery();
    void TimerTimer();
    void Beenden1Click();
    void HilfezurFendrimo1Click();
    void Programminfos1Click();

    // Sliders, total, fields and "Neu".
    void ScrollBarScroll(int n, int position);
    void ButtonSummeClick();
    void CheckBox1MouseUp();
    bool EditBolusKeyPress(QChar key);
    void EditBolusChange(int index); // 0 morgens, 1 mittags, 2 abends
    void EditDatumChange();
    void EditDatumDblClick();
    void MemoNotizenChange();
    void Neu1Click();

    // Files, options, printing, undo.
    void Basalrateladen1Click();
    void Basalratespeichern1Click();
    // Opens the profile file at path as "Laden" does after its dialog: the
    // load error for a bad file, the maximum raised, title and folder updated.
    void loadFile(const QString& path);
    void ZuletztGeoeffnetClick(const QString& path);
    // "Verlauf…": the saved versions of the profile file last saved or loaded.
    void VerlaufClick();
    void ImportierenClick(ExchangeFormat format);
    void ExportierenClick(ExchangeFormat format);
    void DruckenClick();
    void EinstellungenClick();
    void RueckgaengigClick();
    void WiederholenClick();
    void RatenProzentClick();
    void VerschiebenClick();
    void VergleichenClick();
    void VergleichGespeichertClick();
    void VergleichBeendenClick();
    // Shows reference beside the profile, or ends the comparison.
    void setReference(std::optional<ProfileReference> reference);

    // Runs a handler; a failure it doesn't catch is shown in the failure box
    // and the rest of the handler is skipped.
    template <typename Handler> void guarded(Handler&& handler);

    // Texts from code, raising a change notification only on a real change.
    static void setFieldText(QLineEdit* field, const QString& text);
    static void setLabelText(QLabel* label, const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void buildEditMenu();
    void buildExchangeMenus(QMenu* datei);
    void buildHistoryMenu(QMenu* datei);
    void connectHandlers();
    void connectFields();
    void reportFailure(const std::exception& failure);
    bool filterFieldEvent(QObject* watched, QEvent* event);
    bool filterPointerEvent(QObject* watched, QEvent* event);

    // The view: every control shows the profile as it is now.
    void showProfile();
    void setMaximumLabel();
    void setDatenGespeichert(bool saved);
    void showHistory();
    void showRecentFiles();
    void showReference();
    void showReferenceInHour(int n);
    // The content last saved, loaded or made new, as a comparison.
    ProfileReference savedReference() const;

    // Asks before the profile on screen is discarded; true to go on.
    bool mayDiscard(const QString& question);
    // The same before another profile is opened in its place.
    bool mayDiscardForLoading();
    // Makes content the new document: no history, nothing unsaved.
    void startDocument(const ProfileState& state, const QString& title);
    void rememberFile(const QString& path);
    // The profile file last saved or loaded; empty for a new profile.
    void setCurrentFile(const QString& path);
    // Keeps the bytes just saved to path as a version in its history.
    void keepVersion(const QString& path);
    void deleteHistory(HistoryDialog& dialog, const QString& path);
    void restoreVersion(const StoredVersion& version);
    // The open dialog for profile files, starting at the path last chosen in
    // it (remembered, updated with the choice); none when cancelled.
    std::optional<QString> chooseProfileToOpen(const QString& title, QString& remembered);
    // The record in the profile file at path, checked as "Laden" checks it;
    // none after the load error was shown.
    std::optional<Profilsatz> readCheckedProfile(const QString& path);
    // Raises the maximum to the next whole IE/h above highest, stores it and
    // says so, as a load does.
    void raiseMaximumFor(qint32 highest);
    // The import read from data; none when the user chose no profile.
    std::optional<ImportOutcome> readImport(ExchangeFormat format, const QByteArray& data);
    void takeImport(const ImportedProfile& imported, const QString& stepText);
    void applyOptions(qint32 newMaximum, bool colour);
    ReportInput reportContent() const;
    // Runs a whole-profile tool's dialog; OK makes its rates one step.
    void runRateTool(const RateTool& tool, const QString& stepText);
    // A dropped local profile file, or an empty text.
    static QString droppedProfile(const QMimeData* data);
    void openDropped(const QString& path);

    BasalProfile m_profile;
    ProfileHistory m_history;
    bool m_datenGespeichert = false;
    // The record of the last file read: the bytes no field fills go back to
    // the next file saved.
    Profilsatz m_record;
    // The file dialogs remember the path last chosen in them for the run.
    QString m_saveDialogFileName;
    QString m_openDialogFileName;
    QString m_compareDialogFileName;
    std::optional<ProfileReference> m_reference;
    QString m_currentFile;
    // Why the last version of the profile whose history is in
    // m_historyNoteFolder could not be kept; empty when it was.
    QString m_historyNote;
    QString m_historyNoteFolder;
    // Set while the controls are brought in line with the profile, so their
    // change notifications are not taken for user input.
    bool m_showingProfile = false;
    bool m_startedUp = false;

    std::array<RateSlider*, Hours> m_scrollBars{};
    std::array<RateField*, Hours> m_edits{};
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

#pragma once

#include "app/form1ui.h"
#include "document/profiledocument.h"
#include "platform/guarded.h"

#include <QMainWindow>

#include <optional>
#include <vector>

class QMimeData;

namespace fendrimo {

struct FileDialogRequest;

class HistoryDialog;
class Settings;
struct ImportedProfile;
struct RateTool;
struct ReportInput;
enum class ExchangeFormat;

// The main window: a view of the profile document. It asks (file dialogs,
// questions), hands the answers to the document, shows what came of it and
// redraws when the document changes. Its controls carry the names of the
// window design as their object names. It and its document read and write
// the settings through the handle it is given, which must outlive it; its
// dialogs are handed values and hand the chosen ones back to it.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int Hours = Form1Ui::Hours;

    explicit TForm1(Settings& settings, QWidget* parent = nullptr);
    ~TForm1() override;

    const ProfileDocument& document() const { return m_document; }
    // tenths of IE/h; every slider runs 0 .. Maximum
    qint32 Maximum() const { return m_document.maximum(); }
    // The profile on screen is the one last saved, loaded or new.
    bool DatenGespeichert() const { return m_document.isSaved(); }
    const BasalProfile& profile() const { return m_document.profile(); }
    const QUndoStack& history() const { return m_document.history().stack(); }
    // The rate of hour n-1 in tenths of IE/h.
    qint32 rate(int n) const { return m_document.profile().rate(n - 1); }
    const std::optional<ProfileReference>& reference() const { return m_document.reference(); }

    // Start-up and the shell.
    void FormCreate();
    bool FormCloseQuery();
    // The desktop session is ending (logging out): with unsaved changes it
    // asks as closing does; where it may not ask, the logout is stopped
    // rather than the profile lost. False stops it.
    bool mayEndSession(bool canAsk);
    void TimerTimer();
    void Beenden1Click();
    void HilfezurFendrimo1Click();
    void Programminfos1Click();
    // The user guide of the language in use, in its own window.
    void BenutzerhandbuchClick();

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

    // Files, options, printing, undo, tools, comparison.
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
    // "Aus Vergleich übernehmen…": chosen hours from the comparison as one step.
    void AusVergleichUebernehmenClick();

    // The enabled rules of the menu table.
    bool hasCurrentFile() const { return !m_document.currentFile().isEmpty(); }
    bool hasReference() const { return m_document.reference().has_value(); }
    bool referenceDiffers() const;

    // Runs a command; a failure it doesn't catch is shown in the failure box
    // and the rest of the command is skipped.
    template <typename Handler> void guarded(Handler&& handler)
    {
        fendrimo::guarded(this, std::forward<Handler>(handler));
    }

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
    // The menus from their table; an action's command runs through command().
    void buildMenus();
    void addExchangeMenus();
    void connectControls();
    void connectDocument();
    // Runs a menu or button command: merged steps end, a failure is shown.
    void command(void (TForm1::*handler)());
    bool filterFieldEvent(QObject* watched, QEvent* event);
    bool filterPointerEvent(QObject* watched, QEvent* event);

    // The view: every control shows the document as it is now.
    void showProfile();
    void showSaved(bool saved);
    void showHistory();
    void showRecentFiles();
    void showReference();
    void showReferenceInHour(int n);
    void updateActions();

    // Asks before the profile on screen is discarded; true to go on.
    bool mayDiscard(const QString& question);
    bool mayDiscardForLoading();
    // The open dialog for profile files, starting at the path last chosen in
    // it (remembered, updated with the choice); none when cancelled.
    std::optional<QString> chooseProfileToOpen(const QString& title, QString& remembered);
    // The profile file dialog, starting in the stored folder.
    FileDialogRequest profileDialog(const QString& title, const QString& proposed);
    void showLoadError(const QString& path);
    // The save dialog's choice; none when cancelled or replacing was refused.
    std::optional<QString> chooseSavePath();
    // The comparison with a file that isn't a profile file: any readable source.
    void compareWithSource(const QString& path);
    // Shows what the import will change, with its notices; true for OK.
    bool confirmImport(const ImportedProfile& imported);
    void showRaisedMaximum(const std::optional<RaisedMaximum>& raised);
    void showSettingsError(const QString& error);
    void applyOptions(std::optional<qint32> newMaximum, std::optional<bool> colour);
    void deleteHistory(HistoryDialog& dialog, const QString& path);
    ReportInput reportContent() const;
    // Runs a whole-profile tool's dialog; OK makes its rates one step.
    void runRateTool(const RateTool& tool, const QString& stepText);
    // A dropped local profile file, or an empty text.
    static QString droppedProfile(const QMimeData* data);
    void openDropped(const QString& path);

    Settings& m_settings;
    ProfileDocument m_document;
    Form1Ui m_ui;
    // Menu items with an enabled rule, updated when the document changes.
    std::vector<std::pair<QAction*, bool (TForm1::*)() const>> m_ruledActions;
    // The file dialogs remember the path last chosen in them for the run.
    QString m_saveDialogFileName;
    QString m_openDialogFileName;
    QString m_compareDialogFileName;
    // Set while the controls are brought in line with the profile, so their
    // change notifications are not taken for user input.
    bool m_showingProfile = false;
    bool m_startedUp = false;
};

} // namespace fendrimo

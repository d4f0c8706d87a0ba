#pragma once

#include "app/basaltestpart.h"
#include "app/commandpath.h"
#include "app/exchangepart.h"
#include "app/filespart.h"
#include "app/form1ui.h"
#include "app/glucosepart.h"
#include "app/historypart.h"
#include "app/printingpart.h"
#include "document/profiledocument.h"
#include "platform/guarded.h"

#include <QMainWindow>

#include <optional>
#include <vector>

class QMenu;
class QMimeData;

namespace fendrimo {

class Settings;
struct RateTool;

// The main window: a view of the profile document. It asks (file dialogs,
// questions), hands the answers to the document, shows what came of it and
// redraws when the document changes. Its controls carry the names of the
// window design as their object names. It and its document read and write
// the settings through the handle it is given, which must outlive it; its
// dialogs are handed values and hand the chosen ones back to it. Its
// features (files, exchange and comparison, history, printing, glucose data)
// are parts
// that add their commands to the one command path the menus run through.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int Hours = Form1Ui::Hours;

    explicit TForm1(Settings& settings, QWidget* parent = nullptr);
    ~TForm1() override;

    const ProfileDocument& document() const { return m_document; }
    // Opens the profile file at path as "Laden" does after its dialog: the
    // load error for a bad file, the maximum raised, title and folder updated.
    void loadFile(const QString& path);
    // The desktop session is ending (logging out): with unsaved changes it
    // asks as closing does; where it may not ask, the logout is stopped
    // rather than the profile lost. False stops it.
    bool mayEndSession(bool canAsk);

    // Runs a command; a failure it doesn't catch is shown in the failure box
    // and the rest of the command is skipped.
    template <typename Handler> void guarded(Handler&& handler)
    {
        fendrimo::guarded(this, std::forward<Handler>(handler));
    }

protected:
    // The profile as the window shows it, in the design's words.
    // tenths of IE/h; every slider runs 0 .. Maximum
    qint32 Maximum() const { return m_document.maximum(); }
    // The profile on screen is the one last saved, loaded or new.
    bool DatenGespeichert() const { return m_document.isSaved(); }
    const BasalProfile& profile() const { return m_document.profile(); }
    const QUndoStack& history() const { return m_document.history().stack(); }
    // The rate of hour n-1 in tenths of IE/h.
    qint32 rate(int n) const { return m_document.profile().rate(n - 1); }
    const std::optional<ProfileReference>& reference() const { return m_document.reference(); }
    // The print command's part, which the glucose data is handed to.
    PrintingPart& printing() { return m_printing; }

    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Start-up and the shell.
    void FormCreate();
    bool FormCloseQuery();
    void TimerTimer();
    void Beenden1Click();
    void HilfezurFendrimo1Click();
    void Programminfos1Click();
    // The user guide of the language in use, in its own window.
    void BenutzerhandbuchClick();

    // Sliders, total and fields.
    void ScrollBarScroll(int n, int position);
    void ButtonSummeClick();
    void CheckBox1MouseUp();
    bool EditBolusKeyPress(QChar key);
    void EditBolusChange(int index); // 0 morgens, 1 mittags, 2 abends
    void EditDatumChange();
    void EditDatumDblClick();
    void MemoNotizenChange();

    // Options, undo, the whole-profile tools.
    void EinstellungenClick();
    void RueckgaengigClick();
    void WiederholenClick();
    void RatenProzentClick();
    void VerschiebenClick();

    // The commands of the window and of its parts, for the menus to find.
    void addCommands();
    // The menus from their table; an item's command runs through the command path.
    void buildMenus();
    // The items of the menu table's menu of that index, into menu.
    void fillMenu(QMenu* menu, size_t index);
    void connectControls();
    void connectDocument();
    bool filterFieldEvent(QObject* watched, QEvent* event);
    bool filterPointerEvent(QObject* watched, QEvent* event);

    // The view: every control shows the document as it is now.
    void showProfile();
    void showSaved(bool saved);
    void showHistory();
    void showReference();
    void showReferenceInHour(int n);
    void updateActions();
    // The slider of hour (0..23) takes the focus, its window brought to the front.
    void focusHour(int hour);

    void applyOptions(std::optional<qint32> newMaximum, std::optional<bool> colour);
    // Runs a whole-profile tool's dialog; OK makes its rates one step.
    void runRateTool(const RateTool& tool, const QString& stepText);

    // Texts from code, raising a change notification only on a real change.
    static void setFieldText(QLineEdit* field, const QString& text);
    static void setLabelText(QLabel* label, const QString& text);

    Settings& m_settings;
    ProfileDocument m_document;
    Form1Ui m_ui;
    CommandPath m_commands;
    FilesPart m_files;
    ExchangePart m_exchange;
    HistoryPart m_history;
    PrintingPart m_printing;
    GlucosePart m_glucose;
    BasalTestPart m_basalTest;
    // Menu items with an enabled rule, updated when the document changes.
    std::vector<std::pair<QAction*, CommandPath::Rule>> m_ruledActions;
    // Set while the controls are brought in line with the profile, so their
    // change notifications are not taken for user input.
    bool m_showingProfile = false;
    // Whether the hours show a comparison: without one now or before, they
    // show none already, as they were built.
    bool m_referenceShown = false;
    bool m_startedUp = false;
};

} // namespace fendrimo

#pragma once

#include "app/commandpath.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class QMenu;
class QMimeData;

namespace fendrimo {

struct FileDialogRequest;

// The profile file dialog, starting in the stored folder.
FileDialogRequest profileFileDialog(const Settings& settings, const QString& title,
                                    const QString& proposed);
// The one local file dropped, not a folder; an empty text for anything else.
QString droppedLocalFile(const QMimeData* data);

// "Neu", "Laden", "Speichern", the recent profiles and dropped files: the
// window asks, the document does.
class FilesPart
{
    Q_DECLARE_TR_FUNCTIONS(fendrimo::TForm1)

public:
    explicit FilesPart(const WindowContext& context) : m_context(context) {}

    void addCommands(CommandPath& commands);
    // Opens the profile file at path as "Laden" does after its dialog: the
    // load error for a bad file, the maximum raised, title and folder updated.
    void loadFile(const QString& path);
    // Fills the menu with the recent profiles, each opened through the command path.
    void showRecentFiles(QMenu* menu);
    // A dropped local profile file, or an empty text.
    static QString droppedProfile(const QMimeData* data);
    void openDropped(const QString& path);

private:
    void Neu1Click();
    void Basalrateladen1Click();
    void Basalratespeichern1Click();
    void ZuletztGeoeffnetClick(const QString& path);

    // Asks before the profile on screen is discarded; true to go on.
    bool mayDiscard(const QString& question);
    bool mayDiscardForLoading();
    // The open dialog for profile files, starting at the path last chosen in
    // it (remembered, updated with the choice); none when cancelled.
    std::optional<QString> chooseProfileToOpen(const QString& title, QString& remembered);
    // The save dialog's choice; none when cancelled or replacing was refused.
    std::optional<QString> chooseSavePath();

    WindowContext m_context;
    // The file dialogs remember the path last chosen in them for the run.
    QString m_saveDialogFileName;
    QString m_openDialogFileName;
};

} // namespace fendrimo

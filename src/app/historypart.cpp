// The profile's history window: the versions kept at each save, a comparison
// with one, or one brought back.

#include "app/historypart.h"

#include "app/windowmessages.h"
#include "document/profiledocument.h"
#include "history/historydialog.h"
#include "history/versionstore.h"
#include "platform/guarded.h"
#include "platform/platform.h"
#include "settings/settings.h"

namespace fendrimo {

void HistoryPart::addCommands(CommandPath& commands)
{
    commands.add(
        "Verlauf1", [this] { VerlaufClick(); }, [this] { return hasCurrentFile(); });
}

bool HistoryPart::hasCurrentFile() const
{
    return !m_context.document.currentFile().isEmpty();
}

void HistoryPart::VerlaufClick()
{
    ProfileDocument& document = m_context.document;
    const QString path = document.currentFile();
    if (path.isEmpty())
        return;
    const VersionStore store;
    HistoryDialog dialog(m_context.window, path, m_context.settings.verlauf(),
                         document.historyNote());
    dialog.setVersions(store.versions(path));
    QWidget* window = m_context.window;
    QObject::connect(&dialog, &HistoryDialog::keepingToggled, window, [this, window](bool keeping) {
        guarded(window, [this, keeping] { m_context.settings.setVerlauf(keeping); });
    });
    QObject::connect(&dialog, &HistoryDialog::deleteRequested, window,
                     [this, window, &dialog, path] {
                         guarded(window, [this, &dialog, path] { deleteHistory(dialog, path); });
                     });
    dialog.exec();
    const std::optional<StoredVersion> chosen = dialog.chosen();
    if (!chosen)
        return;
    if (dialog.choice() == HistoryDialog::Choice::Compare) {
        document.compareWithVersion(*chosen, versionName(*chosen));
    } else {
        WindowMessages::raisedMaximum(
            m_context.window,
            document.restoreVersion(*chosen, tr("%1 wiederhergestellt").arg(versionName(*chosen))));
    }
}

void HistoryPart::deleteHistory(HistoryDialog& dialog, const QString& path)
{
    const MessageResult answer = platform().message(
        &dialog, MessageType::Bestaetigen,
        tr("Alle gespeicherten Fassungen von %1 aus dem Verlauf löschen? Die Profildatei selbst "
           "bleibt, wie sie ist.")
            .arg(path),
        MessageButton::Ja | MessageButton::Nein);
    if (answer != MessageResult::Ja)
        return;
    const VersionStore store;
    const RemoveOutcome removal = store.removeAll(path);
    dialog.setVersions(store.versions(path));
    if (!removal.removed())
        WindowMessages::failure(
            m_context.window,
            tr("Der Verlauf ließ sich nicht ganz löschen: %1").arg(removal.error));
}

} // namespace fendrimo

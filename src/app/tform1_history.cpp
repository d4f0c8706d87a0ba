// The profile's history window: the versions kept at each save, a comparison
// with one, or one brought back.

#include "app/tform1.h"

#include "history/historydialog.h"
#include "history/versionstore.h"
#include "platform/platform.h"
#include "settings/settings.h"

namespace fendrimo {

void TForm1::VerlaufClick()
{
    const QString path = m_document.currentFile();
    if (path.isEmpty())
        return;
    const VersionStore store;
    HistoryDialog dialog(this, path, m_settings.verlauf(), m_document.historyNote());
    dialog.setVersions(store.versions(path));
    connect(&dialog, &HistoryDialog::keepingToggled, this,
            [this](bool keeping) { guarded([this, keeping] { m_settings.setVerlauf(keeping); }); });
    connect(&dialog, &HistoryDialog::deleteRequested, this, [this, &dialog, path] {
        guarded([this, &dialog, path] { deleteHistory(dialog, path); });
    });
    dialog.exec();
    const std::optional<StoredVersion> chosen = dialog.chosen();
    if (!chosen)
        return;
    if (dialog.choice() == HistoryDialog::Choice::Compare) {
        m_document.compareWithVersion(*chosen, versionName(*chosen));
    } else {
        showRaisedMaximum(m_document.restoreVersion(
            *chosen, tr("%1 wiederhergestellt").arg(versionName(*chosen))));
    }
}

void TForm1::deleteHistory(HistoryDialog& dialog, const QString& path)
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
        platform().failure(this,
                           tr("Der Verlauf ließ sich nicht ganz löschen: %1").arg(removal.error) +
                               QLatin1Char('.'));
}

} // namespace fendrimo

// The profile's history: a version kept at each save, and the window that
// lists the versions, compares with one or brings one back.

#include "app/tform1.h"

#include "files/profilerecord.h"
#include "history/historydialog.h"
#include "history/versionstore.h"
#include "platform/error.h"
#include "platform/platform.h"
#include "settings/settings.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace fendrimo {

void TForm1::buildHistoryMenu(QMenu* datei)
{
    Verlauf1 = new QAction(QStringLiteral("&Verlauf…"), datei);
    Verlauf1->setObjectName(QStringLiteral("Verlauf1"));
    // After the recent profiles, before "Beenden": the next item is its separator.
    const QList<QAction*> actions = datei->actions();
    const qsizetype recent = actions.indexOf(ZuletztGeoeffnet1->menuAction());
    datei->insertAction(actions.value(recent + 1), Verlauf1);
    Verlauf1->setEnabled(false);
}

void TForm1::setCurrentFile(const QString& path)
{
    m_currentFile = path;
    Verlauf1->setEnabled(!path.isEmpty());
}

// Whatever happens here, the save stands as written and reported; a version
// that can't be kept is noted for the history window only.
void TForm1::keepVersion(const QString& path)
{
    const VersionStore store;
    QString failure;
    try {
        // Off, nothing is kept and nothing is missing.
        if (Settings().verlauf()) {
            const KeepOutcome outcome = store.keep(path, m_record.toBytes());
            if (outcome.kind == KeepOutcome::Kind::Failed)
                failure = outcome.error;
        }
    } catch (const Failure& error) {
        failure = error.message();
    } catch (const std::exception& error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    m_historyNoteFolder = store.folderFor(path);
    m_historyNote = failure.isEmpty()
                        ? QString()
                        : QStringLiteral("Die letzte Fassung konnte nicht im Verlauf abgelegt "
                                         "werden: ") +
                              failure + QLatin1Char('.');
}

void TForm1::VerlaufClick()
{
    if (m_currentFile.isEmpty())
        return;
    const VersionStore store;
    const QString path = m_currentFile;
    const bool sameFolder = store.folderFor(path) == m_historyNoteFolder;
    HistoryDialog dialog(this, path, Settings().verlauf(), sameFolder ? m_historyNote : QString());
    dialog.setVersions(store.versions(path));
    connect(&dialog, &HistoryDialog::keepingToggled, this,
            [this](bool keeping) { guarded([keeping] { Settings().setVerlauf(keeping); }); });
    connect(&dialog, &HistoryDialog::deleteRequested, this, [this, &dialog, path] {
        guarded([this, &dialog, path] { deleteHistory(dialog, path); });
    });
    dialog.exec();
    const std::optional<StoredVersion> chosen = dialog.chosen();
    if (!chosen)
        return;
    if (dialog.choice() == HistoryDialog::Choice::Compare) {
        ProfileReference reference;
        reference.source = ProfileReference::Source::StoredVersion;
        reference.name = versionName(*chosen);
        reference.rates = chosen->content.rates;
        setReference(reference);
    } else {
        restoreVersion(*chosen);
    }
}

void TForm1::deleteHistory(HistoryDialog& dialog, const QString& path)
{
    const MessageResult answer = platform().message(
        &dialog, MessageType::Bestaetigen,
        QStringLiteral("Alle gespeicherten Fassungen von %1 aus dem Verlauf löschen? Die "
                       "Profildatei selbst bleibt, wie sie ist.")
            .arg(path),
        MessageButton::Ja | MessageButton::Nein);
    if (answer != MessageResult::Ja)
        return;
    const VersionStore store;
    QString error;
    const bool removed = store.removeAll(path, &error);
    dialog.setVersions(store.versions(path));
    if (!removed)
        throw Failure(QStringLiteral("Der Verlauf ließ sich nicht ganz löschen: ") + error);
}

// The version's content in the editor as one step; the file changes only at
// the next "Speichern", so the profile counts as saved only where it equals
// the file, as after an undo. A rate above the maximum raises it as a load does.
void TForm1::restoreVersion(const StoredVersion& version)
{
    if (version.content == m_profile.content())
        return;
    const qint32 highest =
        *std::max_element(version.content.rates.begin(), version.content.rates.end());
    if (highest > Maximum())
        raiseMaximumFor(highest);
    m_history.breakMerging();
    m_history.record(versionName(version) + QStringLiteral(" wiederhergestellt"), version.content);
    setDatenGespeichert(m_history.matchesSaved());
}

} // namespace fendrimo

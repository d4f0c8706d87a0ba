// "Speichern", "Laden", the recent profiles and dropped files: the profile
// to a profile file and back.

#include "app/tform1.h"

#include "files/filename.h"
#include "files/profilefile.h"
#include "files/profilerecord.h"
#include "platform/error.h"
#include "platform/platform.h"
#include "profile/zehntel.h"
#include "settings/settings.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace fendrimo {

namespace {

FileDialogRequest profileDialog(const QString& title, const QString& proposed)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = QStringLiteral("Basalraten-Dateien (*.bar)");
    request.defaultSuffix = QStringLiteral("bar");
    request.startFolder = Settings().verzeichnis(QStringLiteral("ERROR"));
    request.proposedFile = proposed;
    return request;
}

// The folder of a path, with its trailing separator: /home/a/profil.bar gives /home/a/.
QString folderOf(const QString& path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString titleFor(const QString& path)
{
    return QStringLiteral("Fendrimo - ") + displayFileName(path);
}

} // namespace

void TForm1::Basalratespeichern1Click()
{
    storeInRecord(m_profile.content(), m_record);
    FileDialogRequest request =
        profileDialog(QStringLiteral("Basalrate speichern"), m_saveDialogFileName);
    request.confirmOverwrite = true;
    const std::optional<QString> chosen = platform().saveFileName(this, request);
    if (!chosen)
        return;
    const QString path = cleanAbsolutePath(*chosen);
    m_saveDialogFileName = path;

    const FileResult written = writeProfileFile(path, m_record);
    if (!written.ok())
        throw Failure(fileErrorText(written.code));
    keepVersion(path);

    platform().message(this, MessageType::Information,
                       QStringLiteral("Basalrate erfolgreich gespeichert!"), MessageButton::Ok);
    m_history.markSaved();
    setDatenGespeichert(true);
    // A comparison with the saved version follows the save.
    if (m_reference && m_reference->source == ProfileReference::Source::Saved)
        setReference(savedReference());
    setWindowTitle(titleFor(path));
    setCurrentFile(path);
    rememberFile(path);
}

bool TForm1::mayDiscardForLoading()
{
    return mayDiscard(QStringLiteral("Aktuelle Werte nicht gespeichert. Werte verwerfen und neue "
                                     "Werte laden?"));
}

void TForm1::Basalrateladen1Click()
{
    if (!mayDiscardForLoading())
        return;
    const std::optional<QString> chosen =
        chooseProfileToOpen(QStringLiteral("Basalrate laden"), m_openDialogFileName);
    if (chosen)
        loadFile(*chosen);
}

std::optional<QString> TForm1::chooseProfileToOpen(const QString& title, QString& remembered)
{
    FileDialogRequest request = profileDialog(title, remembered);
    request.fileMustExist = true;
    const std::optional<QString> chosen = platform().openFileName(this, request);
    if (chosen)
        remembered = *chosen;
    return chosen;
}

std::optional<Profilsatz> TForm1::readCheckedProfile(const QString& path)
{
    // Read into a copy: a file that fails to load leaves the record as it was.
    Profilsatz loaded = m_record;
    const FileResult read = readProfileFile(path, loaded);
    if (read.ok() && isOpenable(loaded))
        return loaded;
    platform().exclamation();
    platform().message(this, MessageType::Fehler,
                       QStringLiteral("Fehler beim Laden der Datei ") + displayFileName(path) +
                           QStringLiteral(" ! Möglicherweise ist die Datei beschädigt oder "
                                          "nicht vorhanden!"),
                       MessageButton::Ok);
    return std::nullopt;
}

// Every way of opening ends here: the path is cleaned once for the title,
// the recent list and the folder.
void TForm1::loadFile(const QString& given)
{
    const QString path = cleanAbsolutePath(given);
    const std::optional<Profilsatz> loaded = readCheckedProfile(path);
    if (!loaded)
        return;
    m_record = *loaded;
    const qint32 highest = highestStoredRate(m_record);
    if (highest > Maximum())
        raiseMaximumFor(highest);
    // Linked dragging is off after a load: a loaded profile is usually fine-tuned hour by hour.
    startDocument(ProfileState{contentOfRecord(m_record), false}, titleFor(path));
    setCurrentFile(path);
    rememberFile(path);
}

// Opens a profile file beside the one being edited; neither it nor the title,
// the recent list or the folder setting changes.
void TForm1::VergleichenClick()
{
    const std::optional<QString> chosen = chooseProfileToOpen(
        QStringLiteral("Basalrate zum Vergleich laden"), m_compareDialogFileName);
    if (!chosen)
        return;
    const std::optional<Profilsatz> loaded = readCheckedProfile(*chosen);
    if (!loaded)
        return;
    ProfileReference reference;
    reference.source = ProfileReference::Source::File;
    reference.name = QFileInfo(*chosen).fileName();
    reference.rates = contentOfRecord(*loaded).rates;
    setReference(reference);
}

void TForm1::raiseMaximumFor(qint32 highest)
{
    const qint32 raised = qint32((qint64(highest) + 9) / 10 * 10);
    // Store first: if the settings can't be written, nothing has changed yet.
    Settings().setMaximum(raised);
    m_profile.setMaximum(raised);
    platform().message(
        this, MessageType::Information,
        QStringLiteral("Max. Basalrateneingabe war kleiner als mind. eine der Stundenraten "
                       "der zu ladenden Basalrate. Das Maximum wurde automatisch auf den für "
                       "die Rate nötigen Wert ") +
            ZehntelText(Maximum()) + QStringLiteral(" IE/h heraufgesetzt. ") +
            QStringLiteral("Die höchste vorkommende Rate ist ") + ZehntelText(highest) +
            QStringLiteral(" IE/h."),
        MessageButton::Ok);
}

void TForm1::rememberFile(const QString& path)
{
    Settings settings;
    settings.setVerzeichnis(folderOf(path));
    settings.addRecentFile(path);
}

// Filled each time it opens: another run of the program may have changed the list.
void TForm1::showRecentFiles()
{
    ZuletztGeoeffnet1->clear();
    const QStringList files = Settings().recentFiles();
    for (int i = 0; i < int(files.size()); ++i) {
        const QString path = files.at(i);
        // The number is the keyboard's way in; "&" in a path is no accelerator.
        QAction* action = ZuletztGeoeffnet1->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QString(path).replace(QLatin1Char('&'), QLatin1String("&&"))));
        action->setObjectName(QStringLiteral("ZuletztDatei%1").arg(i + 1));
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] {
            m_history.breakMerging();
            guarded([this, path] { ZuletztGeoeffnetClick(path); });
        });
    }
    if (files.isEmpty()) {
        ZuletztGeoeffnet1->addAction(QStringLiteral("Keine zuletzt geöffneten Basalraten"))
            ->setEnabled(false);
    }
}

void TForm1::ZuletztGeoeffnetClick(const QString& path)
{
    if (!mayDiscardForLoading())
        return;
    loadFile(path);
}

} // namespace fendrimo

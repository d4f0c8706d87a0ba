// "Neu", "Speichern", "Laden", the recent profiles, dropped files and the
// comparison with another file: the window asks, the document does.

#include "app/tform1.h"

#include "exchange/formats.h"
#include "files/filename.h"
#include "platform/error.h"
#include "platform/platform.h"
#include "platform/regional.h"
#include "profile/zehntel.h"
#include "settings/settings.h"

#include <QAction>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace fendrimo {

namespace {

QString titleFor(const QString& path)
{
    return QStringLiteral("Fendrimo - ") + displayFileName(path);
}

} // namespace

FileDialogRequest TForm1::profileDialog(const QString& title, const QString& proposed)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = tr("Basalraten-Dateien (*.bar)");
    request.defaultSuffix = QStringLiteral("bar");
    request.startFolder = m_settings.verzeichnis(QStringLiteral("ERROR"));
    request.proposedFile = proposed;
    return request;
}

bool TForm1::mayDiscard(const QString& question)
{
    if (DatenGespeichert())
        return true;
    // Only an explicit yes discards the profile; a box closed by its title
    // bar keeps it.
    return platform().message(this, MessageType::Warnung, question,
                              MessageButton::Ja | MessageButton::Nein) == MessageResult::Ja;
}

bool TForm1::mayDiscardForLoading()
{
    return mayDiscard(
        tr("Aktuelle Werte nicht gespeichert. Werte verwerfen und neue Werte laden?"));
}

void TForm1::Neu1Click()
{
    if (!mayDiscard(tr("Aktuelle Werte nicht gespeichert. Werte verwerfen?")))
        return;
    m_document.makeNew();
    setWindowTitle(QStringLiteral("Fendrimo"));
}

std::optional<QString> TForm1::chooseSavePath()
{
    // The dialog can't spell a name whose bytes aren't UTF-8: it shows it as
    // the window does, and that name chosen means the proposed file.
    const QString proposed = m_saveDialogFileName;
    const QString shown = qtSpells(proposed) ? proposed : displayFileName(proposed);
    FileDialogRequest request = profileDialog(tr("Basalrate speichern"), shown);
    request.confirmOverwrite = true;
    const std::optional<QString> chosen = platform().saveFileName(this, request);
    if (!chosen)
        return std::nullopt;
    const QString path = cleanAbsolutePath(*chosen);
    if (path != shown || shown == proposed || fileExists(path))
        return path;
    // The dialog saw no file under that spelling, so it asked nothing.
    if (fileExists(proposed) &&
        platform().message(this, MessageType::Bestaetigen,
                           tr("Die Datei %1 ist schon vorhanden. Soll sie ersetzt werden?")
                               .arg(displayFileName(proposed)),
                           MessageButton::Ja | MessageButton::Nein) != MessageResult::Ja)
        return std::nullopt;
    return proposed;
}

void TForm1::Basalratespeichern1Click()
{
    const std::optional<QString> chosen = chooseSavePath();
    if (!chosen)
        return;
    const QString path = *chosen;
    m_saveDialogFileName = path;
    const SaveOutcome saved = m_document.save(path);
    if (!saved.written.ok())
        throw Failure(fileErrorText(saved.written.code));
    platform().message(this, MessageType::Information, tr("Basalrate erfolgreich gespeichert!"),
                       MessageButton::Ok);
    setWindowTitle(titleFor(path));
    showSettingsError(saved.settingsError);
}

void TForm1::Basalrateladen1Click()
{
    if (!mayDiscardForLoading())
        return;
    const std::optional<QString> chosen =
        chooseProfileToOpen(tr("Basalrate laden"), m_openDialogFileName);
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

// Every way of opening ends here: the path is cleaned once for the title,
// the recent list and the folder.
void TForm1::loadFile(const QString& given)
{
    const QString path = cleanAbsolutePath(given);
    const OpenOutcome opened = m_document.open(path);
    if (!opened.opened) {
        showLoadError(path);
        return;
    }
    showRaisedMaximum(opened.raised);
    // Saving proposes the file opened, under its own bytes.
    m_saveDialogFileName = path;
    setWindowTitle(titleFor(path));
    showSettingsError(opened.settingsError);
}

void TForm1::showLoadError(const QString& path)
{
    platform().exclamation();
    platform().message(this, MessageType::Fehler,
                       tr("Fehler beim Laden der Datei %1 ! Möglicherweise ist die Datei "
                          "beschädigt oder nicht vorhanden!")
                           .arg(displayFileName(path)),
                       MessageButton::Ok);
}

void TForm1::showRaisedMaximum(const std::optional<RaisedMaximum>& raised)
{
    if (!raised)
        return;
    QString text =
        tr("Max. Basalrateneingabe war kleiner als mind. eine der Stundenraten der zu ladenden "
           "Basalrate. Das Maximum wurde automatisch auf den für die Rate nötigen Wert %1 IE/h "
           "heraufgesetzt. Die höchste vorkommende Rate ist %2 IE/h.")
            .arg(ZehntelText(raised->maximum), ZehntelText(raised->highest));
    if (raised->staysOnUndo)
        text += QLatin1Char(' ') + tr("Rückgängig nimmt nur die Raten zurück: Das Maximum bleibt "
                                      "bei %1 IE/h, bis Sie es unter \"Optionen\" ändern.")
                                       .arg(ZehntelText(raised->maximum));
    platform().message(this, MessageType::Information, text, MessageButton::Ok);
}

// The profile was saved or loaded; only remembering its file failed.
void TForm1::showSettingsError(const QString& error)
{
    if (!error.isEmpty())
        platform().failure(this, error + QLatin1Char('.'));
}

// Filled each time it opens: another run of the program may have changed the list.
void TForm1::showRecentFiles()
{
    QMenu* menu = m_ui.ZuletztGeoeffnet1;
    menu->clear();
    const QStringList files = m_settings.recentFiles();
    for (int i = 0; i < int(files.size()); ++i) {
        const QString path = files.at(i);
        // The number is the keyboard's way in; "&" in a path is no accelerator.
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QString(path).replace(QLatin1Char('&'), QLatin1String("&&"))));
        action->setObjectName(QStringLiteral("ZuletztDatei%1").arg(i + 1));
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] {
            m_document.breakMerging();
            guarded([this, path] { ZuletztGeoeffnetClick(path); });
        });
    }
    if (files.isEmpty())
        menu->addAction(tr("Keine zuletzt geöffneten Basalraten"))->setEnabled(false);
}

void TForm1::ZuletztGeoeffnetClick(const QString& path)
{
    if (mayDiscardForLoading())
        loadFile(path);
}

QString TForm1::droppedProfile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return QString();
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return QString();
    const QString path = urls.front().toLocalFile();
    if (!path.endsWith(QLatin1String(".bar"), Qt::CaseInsensitive) || QFileInfo(path).isDir())
        return QString();
    return path;
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void TForm1::dragMoveEvent(QDragMoveEvent* event)
{
    if (!droppedProfile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QString path = droppedProfile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The question and the loading come after the drop has completed, so the
    // drag never waits on a modal box.
    QTimer::singleShot(0, this, [this, path] {
        m_document.breakMerging();
        guarded([this, path] { openDropped(path); });
    });
}

void TForm1::openDropped(const QString& path)
{
    if (mayDiscardForLoading())
        loadFile(path);
}

} // namespace fendrimo

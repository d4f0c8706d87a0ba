// "Neu", "Speichern", "Laden", the recent profiles and dropped files: the
// window asks, the document does.

#include "app/filespart.h"

#include "app/windowmessages.h"
#include "document/profiledocument.h"
#include "files/filename.h"
#include "platform/platform.h"
#include "settings/settings.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace fendrimo {

namespace {

QString titleFor(const QString& path)
{
    return QStringLiteral("Fendrimo - ") + displayFileName(path);
}

} // namespace

FileDialogRequest profileFileDialog(const Settings& settings, const QString& title,
                                    const QString& proposed)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = FilesPart::tr("Basalraten-Dateien (*.bar)");
    request.defaultSuffix = QStringLiteral("bar");
    request.startFolder = settings.verzeichnis(QStringLiteral("ERROR"));
    request.proposedFile = proposed;
    return request;
}

void FilesPart::addCommands(CommandPath& commands)
{
    commands.add("Neu1", [this] { Neu1Click(); });
    commands.add("Basalrateladen1", [this] { Basalrateladen1Click(); });
    commands.add("Basalratespeichern1", [this] { Basalratespeichern1Click(); });
}

bool FilesPart::mayDiscard(const QString& question)
{
    if (m_context.document.isSaved())
        return true;
    // Only an explicit yes discards the profile; a box closed by its title
    // bar keeps it.
    return platform().message(m_context.window, MessageType::Warnung, question,
                              MessageButton::Ja | MessageButton::Nein) == MessageResult::Ja;
}

bool FilesPart::mayDiscardForLoading()
{
    return mayDiscard(
        tr("Aktuelle Werte nicht gespeichert. Werte verwerfen und neue Werte laden?"));
}

void FilesPart::Neu1Click()
{
    if (!mayDiscard(tr("Aktuelle Werte nicht gespeichert. Werte verwerfen?")))
        return;
    m_context.document.makeNew();
    m_context.window->setWindowTitle(QStringLiteral("Fendrimo"));
}

std::optional<QString> FilesPart::chooseSavePath()
{
    // The dialog can't spell a name whose bytes aren't UTF-8: it shows it as
    // the window does, and that name chosen means the proposed file.
    const QString proposed = m_saveDialogFileName;
    const QString shown = qtSpells(proposed) ? proposed : displayFileName(proposed);
    FileDialogRequest request =
        profileFileDialog(m_context.settings, tr("Basalrate speichern"), shown);
    request.confirmOverwrite = true;
    const std::optional<QString> chosen = platform().saveFileName(m_context.window, request);
    if (!chosen)
        return std::nullopt;
    const QString path = cleanAbsolutePath(*chosen);
    if (path != shown || shown == proposed || fileExists(path))
        return path;
    // The dialog saw no file under that spelling, so it asked nothing.
    if (fileExists(proposed) &&
        platform().message(m_context.window, MessageType::Bestaetigen,
                           tr("Die Datei %1 ist schon vorhanden. Soll sie ersetzt werden?")
                               .arg(displayFileName(proposed)),
                           MessageButton::Ja | MessageButton::Nein) != MessageResult::Ja)
        return std::nullopt;
    return proposed;
}

void FilesPart::Basalratespeichern1Click()
{
    const std::optional<QString> chosen = chooseSavePath();
    if (!chosen)
        return;
    const QString path = *chosen;
    m_saveDialogFileName = path;
    const SaveOutcome saved = m_context.document.save(path);
    if (!saved.written.ok()) {
        WindowMessages::failure(m_context.window, fileErrorText(saved.written.code));
        return;
    }
    platform().message(m_context.window, MessageType::Information,
                       tr("Basalrate erfolgreich gespeichert!"), MessageButton::Ok);
    m_context.window->setWindowTitle(titleFor(path));
    WindowMessages::settingsNotStored(m_context.window, saved.settingsError);
}

void FilesPart::Basalrateladen1Click()
{
    if (!mayDiscardForLoading())
        return;
    const std::optional<QString> chosen =
        chooseProfileToOpen(tr("Basalrate laden"), m_openDialogFileName);
    if (chosen)
        loadFile(*chosen);
}

std::optional<QString> FilesPart::chooseProfileToOpen(const QString& title, QString& remembered)
{
    FileDialogRequest request = profileFileDialog(m_context.settings, title, remembered);
    request.fileMustExist = true;
    const std::optional<QString> chosen = platform().openFileName(m_context.window, request);
    if (chosen)
        remembered = *chosen;
    return chosen;
}

// Every way of opening ends here: the path is cleaned once for the title,
// the recent list and the folder.
void FilesPart::loadFile(const QString& given)
{
    const QString path = cleanAbsolutePath(given);
    const OpenOutcome opened = m_context.document.open(path);
    if (!opened.opened) {
        WindowMessages::loadFailed(m_context.window, path);
        return;
    }
    WindowMessages::raisedMaximum(m_context.window, opened.raised);
    // Saving proposes the file opened, under its own bytes.
    m_saveDialogFileName = path;
    m_context.window->setWindowTitle(titleFor(path));
    WindowMessages::settingsNotStored(m_context.window, opened.settingsError);
}

void FilesPart::showRecentFiles(QMenu* menu)
{
    menu->clear();
    const QStringList files = m_context.settings.recentFiles();
    for (int i = 0; i < int(files.size()); ++i) {
        const QString path = files.at(i);
        // The number is the keyboard's way in; "&" in a path is no accelerator.
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QString(path).replace(QLatin1Char('&'), QLatin1String("&&"))));
        action->setObjectName(QStringLiteral("ZuletztDatei%1").arg(i + 1));
        action->setData(path);
        QObject::connect(action, &QAction::triggered, m_context.window, [this, path] {
            m_context.commands.run([this, path] { ZuletztGeoeffnetClick(path); });
        });
    }
    if (files.isEmpty())
        menu->addAction(tr("Keine zuletzt geöffneten Basalraten"))->setEnabled(false);
}

void FilesPart::ZuletztGeoeffnetClick(const QString& path)
{
    if (mayDiscardForLoading())
        loadFile(path);
}

QString droppedLocalFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return QString();
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return QString();
    const QString path = urls.front().toLocalFile();
    return QFileInfo(path).isDir() ? QString() : path;
}

QString FilesPart::droppedProfile(const QMimeData* data)
{
    const QString path = droppedLocalFile(data);
    return path.endsWith(QLatin1String(".bar"), Qt::CaseInsensitive) ? path : QString();
}

void FilesPart::openDropped(const QString& path)
{
    if (mayDiscardForLoading())
        loadFile(path);
}

} // namespace fendrimo

#pragma once

// Helpers for tests that open profiles without "Laden": the command line as
// main() hands it to the window, drags of files onto the window, and the
// menu of the profiles last opened.

#include "app/commandline.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include <vector>

namespace fendrimo::testing {

inline const QString kUntitled = QStringLiteral("Fendrimo Version 2.1F");
inline const QString kQuestion =
    QStringLiteral("Aktuelle Werte nicht gespeichert. Werte verwerfen und neue Werte laden?");

inline QString loadError(const QString& path)
{
    return QStringLiteral("box:Fehler:Fehler beim Laden der Datei ") + path +
           QStringLiteral(" ! Möglicherweise ist die Datei beschädigt oder nicht vorhanden!");
}

inline QString titleOf(const QString& path)
{
    return QStringLiteral("Fendrimo - ") + path;
}

// A profile file at 1,0 IE/h, the sixth hour at `sixth`.
inline void writeRates(const QString& path, qint32 sixth)
{
    Profilsatz record;
    for (int h = 0; h < Profilsatz::Hours; ++h)
        record.setRate(h, h == 5 ? sixth : 10);
    QVERIFY(writeProfileFile(path, record).ok());
}

// The arguments parsed, then the named file loaded, as main() does it.
inline void startWith(Form1UnderTest& w, const QString& argument)
{
    const QByteArray name = QFile::encodeName(argument);
    const std::vector<const char*> argv{"fendrimo", name.constData(), nullptr};
    const CommandLine line = parseCommandLine(2, argv.data(), w.settings());
    if (line.action == CommandLine::Action::Run && line.profilePath)
        w.guarded([&] { w.loadFile(*line.profilePath); });
}

inline std::unique_ptr<QMimeData> dragData(const QList<QUrl>& urls, const QString& text = {})
{
    auto data = std::make_unique<QMimeData>();
    if (!urls.isEmpty())
        data->setUrls(urls);
    if (!text.isNull())
        data->setText(text);
    return data;
}

// A drag entering target and moving over it; true when it is taken there.
inline bool dragOver(QWidget* target, const QMimeData* data)
{
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(target->rect().center(), offered, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(target->rect().center(), offered, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    return move.isAccepted() && move.dropAction() != Qt::IgnoreAction;
}

inline bool dropOn(QWidget* target, const QMimeData* data)
{
    if (!dragOver(target, data))
        return false;
    QDropEvent drop(QPointF(target->rect().center()), Qt::CopyAction | Qt::MoveAction, data,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// "Datei" -> "Zuletzt geöffnet" as filled when it opens.
inline QList<QAction*> recentEntries(Form1UnderTest& w)
{
    QMetaObject::invokeMethod(w.ZuletztGeoeffnet1, "aboutToShow");
    QList<QAction*> entries = w.ZuletztGeoeffnet1->actions();
    entries.removeIf([](const QAction* action) { return !action->isEnabled(); });
    return entries;
}

inline QStringList recentPaths(Form1UnderTest& w)
{
    QStringList paths;
    const QList<QAction*> entries = recentEntries(w);
    for (const QAction* entry : entries)
        paths << entry->data().toString();
    return paths;
}

} // namespace fendrimo::testing

#pragma once

// Helpers for tests that open profiles through the main window without
// "Laden": profile files on disk, the command line as main() uses it, drags
// of files onto the window, and the menu of the profiles last opened.

#include "app/commandline.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>

#include <memory>
#include <vector>

namespace fendrimo::testing {

inline const QString kQuestion =
    QStringLiteral("Aktuelle Werte nicht gespeichert. Werte verwerfen und neue Werte laden?");

inline QString loadError(const QString& path)
{
    return QStringLiteral("Fehler beim Laden der Datei ") + path +
           QStringLiteral(" ! Möglicherweise ist die Datei beschädigt oder nicht vorhanden!");
}

inline QString titleOf(const QString& path)
{
    return QStringLiteral("Fendrimo - ") + path;
}

// Every hour at base, one hour at highest.
inline QList<qint32> ratesWith(qint32 base, qint32 highest = -1)
{
    QList<qint32> rates(24, base);
    if (highest >= 0)
        rates[5] = highest;
    return rates;
}

inline QList<qint32> ratesOf(const TForm1& w)
{
    QList<qint32> rates;
    for (int n = 1; n <= 24; ++n)
        rates << w.rate(n);
    return rates;
}

// A profile file with these rates, a date, a bolus and a note; the first
// `size` bytes of it.
inline void writeProfile(const QString& path, const QList<qint32>& rates,
                         int size = Profilsatz::Size)
{
    Profilsatz record;
    for (int h = 0; h < 24; ++h)
        record.setRate(h, rates.value(h));
    record.setDatum(QStringLiteral("01.02.2026"));
    record.setBolus(1, QStringLiteral("1,5"));
    record.setNotizen(QStringLiteral("Notiz"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(record.toBytes().left(size)), qint64(size));
}

// Starts with these arguments the way main() does: the parser first, then
// the named file loaded into the shown window.
inline CommandLine startWith(TForm1& w, const QStringList& arguments)
{
    QList<QByteArray> bytes{QByteArrayLiteral("fendrimo")};
    for (const QString& argument : arguments)
        bytes << QFile::encodeName(argument);
    std::vector<const char*> argv;
    for (const QByteArray& argument : std::as_const(bytes))
        argv.push_back(argument.constData());
    argv.push_back(nullptr);
    const CommandLine line = parseCommandLine(int(bytes.size()), argv.data());
    if (line.action == CommandLine::Action::Run && line.profilePath)
        w.guarded([&] { w.loadFile(*line.profilePath); });
    return line;
}

// What a file manager hands over: file URLs (or any URL given with a
// scheme) and, when given, the same as text.
inline std::unique_ptr<QMimeData> dragData(const QStringList& urls, const QString& text = QString())
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> list;
    for (const QString& url : urls)
        list << (url.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(url) : QUrl(url));
    if (!list.isEmpty())
        data->setUrls(list);
    if (!text.isNull())
        data->setText(text);
    return data;
}

inline const Qt::DropActions kOffered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

// A drag entering target and moving over it; true when it is taken there.
inline bool dragOver(QWidget* target, const QMimeData* data)
{
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, kOffered, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at, kOffered, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    return move.isAccepted() && move.dropAction() != Qt::IgnoreAction;
}

// The whole drag ending in a drop on target; true when the drop is taken.
inline bool dropOn(QWidget* target, const QMimeData* data)
{
    if (!dragOver(target, data))
        return false;
    QDropEvent drop(QPointF(target->rect().center()), kOffered, data, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

inline QWidget* widgetNamed(TForm1& w, const QString& name)
{
    if (name == QLatin1String("Notizen"))
        return w.MemoNotizen->viewport();
    if (name == QLatin1String("Schieber"))
        return w.ScrollBar(3);
    if (name == QLatin1String("Fenster"))
        return &w;
    return w.findChild<QLineEdit*>(name);
}

inline QString textOf(TForm1& w, QWidget* widget)
{
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        return field->text();
    return widget == w.MemoNotizen->viewport() ? w.MemoNotizen->toPlainText() : QString();
}

// The entries of "Datei" -> "Zuletzt geöffnet" as it shows them when opened.
inline QList<QAction*> recentEntries(TForm1& w)
{
    auto* menu = w.findChild<QMenu*>(QStringLiteral("ZuletztGeoeffnet1"));
    if (!menu)
        return {};
    QMetaObject::invokeMethod(menu, "aboutToShow");
    QList<QAction*> entries;
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (action->isEnabled() && !action->isSeparator())
            entries << action;
    }
    return entries;
}

// The paths the entries show, read from their text as the menu draws it.
inline QStringList recentShown(TForm1& w)
{
    QStringList shown;
    const QList<QAction*> entries = recentEntries(w);
    for (int i = 0; i < int(entries.size()); ++i) {
        // The number, a blank, the path: "1 /home/...".
        const QString text = entries.at(i)->iconText();
        const QString number = QString::number(i + 1) + QLatin1Char(' ');
        shown << (text.startsWith(number) ? text.mid(number.size()) : QStringLiteral("?") + text);
    }
    return shown;
}

inline QStringList inFolder(const QString& folder, const QStringList& names)
{
    QStringList paths;
    for (const QString& name : names)
        paths << folder + QLatin1Char('/') + name;
    return paths;
}

} // namespace fendrimo::testing

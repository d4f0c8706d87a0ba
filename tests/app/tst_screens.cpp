// The main window and every dialog on the screens people have: each window
// lies inside the screen's available area and shows every control inside
// itself, or inside a page that scrolls.

#include "support/everywindow.h"
#include "support/mainwindowfixture.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

// The page of the scroll area that holds control (or is control), if one does.
QWidget* scrollingPageOf(QWidget* control, const QWidget* window)
{
    for (QWidget* up = control; up && up != window; up = up->parentWidget()) {
        QWidget* viewport = up->parentWidget();
        auto* area = viewport ? qobject_cast<QScrollArea*>(viewport->parentWidget()) : nullptr;
        if (area && area->widget() == up)
            return up;
    }
    return nullptr;
}

// What is wrong with a shown window: outside the area, or a control cut off.
QStringList cutOff(QWidget* window, const QRect& area)
{
    QStringList found;
    if (!area.contains(window->frameGeometry()))
        found << QStringLiteral("window %1 outside the area").arg(window->objectName());
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || control->isWindow())
            continue;
        QWidget* within = scrollingPageOf(control, window);
        if (!within)
            within = window;
        if (!within->rect().contains(QRect(control->mapTo(within, QPoint()), control->size())))
            found << QStringLiteral("%1 (%2)").arg(
                control->objectName(), QString::fromLatin1(control->metaObject()->className()));
    }
    return found;
}

} // namespace

class TestScreens : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowFits_data();
    void everyWindowFits();
    void smallerWindowScrolls();
};

void TestScreens::everyWindowFits_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("panelTop");
    QTest::addColumn<int>("panelBottom");
    QTest::newRow("1024x768") << QSize(1024, 768) << 0 << 0;
    QTest::newRow("1280x800, panel below") << QSize(1280, 800) << 0 << 40;
    QTest::newRow("1366x768, panel below") << QSize(1366, 768) << 0 << 48;
    QTest::newRow("1920x1080, panel above") << QSize(1920, 1080) << 32 << 0;
    QTest::newRow("2560x1440, panels") << QSize(2560, 1440) << 32 << 48;
    QTest::newRow("800x600, panel below") << QSize(800, 600) << 0 << 40;
}

void TestScreens::everyWindowFits()
{
    QFETCH(QSize, screen);
    QFETCH(int, panelTop);
    QFETCH(int, panelBottom);
    MainWindowFixture f(30, false);
    f.fake.screen = screen;
    f.fake.panelTop = panelTop;
    f.fake.panelBottom = panelBottom;
    f.start(true);
    const QRect area = f.fake.availableArea();
    QPrinter printer;
    for (const QString& name : everyWindow()) {
        const std::unique_ptr<QWidget> dialog = makeWindow(name, f.w(), printer);
        QWidget* shown = dialog ? dialog.get() : &f.w();
        shown->show();
        QApplication::processEvents();
        const QStringList wrong = cutOff(shown, area);
        QVERIFY2(wrong.isEmpty(), qPrintable(name + u'\n' + wrong.join(u'\n')));
        // From 1024 x 768 up the glucose profile opens with nothing to scroll to.
        const auto* page = shown->findChild<QScrollArea*>(QStringLiteral("Seite"));
        if (name == u"glucose profile" && screen.width() >= 1024)
            QVERIFY(!page->verticalScrollBar()->isVisible() &&
                    !page->horizontalScrollBar()->isVisible());
    }
    // At the size it opens with, the main window needs no scroll bar.
    const auto* scroller = f.w().findChild<QScrollArea*>(QStringLiteral("ClientScroller"));
    QVERIFY(!scroller->verticalScrollBar()->isVisible());
    QVERIFY(!scroller->horizontalScrollBar()->isVisible());
}

// Made smaller than its controls need, the main window scrolls to them.
void TestScreens::smallerWindowScrolls()
{
    MainWindowFixture f(30);
    auto* scroller = f.w().findChild<QScrollArea*>(QStringLiteral("ClientScroller"));
    QVERIFY(scroller);
    f.w().resize(f.w().width() / 2, f.w().height() / 2);
    QTRY_VERIFY(scroller->verticalScrollBar()->isVisible());
    QVERIFY(scroller->horizontalScrollBar()->isVisible());
    scroller->ensureWidgetVisible(f.w().LabelSaved);
    QTRY_VERIFY(scroller->viewport()->rect().contains(
        QRect(f.w().LabelSaved->mapTo(scroller->viewport(), QPoint()), f.w().LabelSaved->size())));
}

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"

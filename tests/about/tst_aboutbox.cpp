// The information box: every way to open it from the main window, its texts,
// closing it, and its size on three screens; the user guide and its window.

#include "about/aboutbox.h"
#include "about/userguide.h"
#include "about/userguidewindow.h"
#include "app/translation.h"
#include "support/mainwindowfixture.h"
#include "support/modalrun.h"
#include "widgets/artwork.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

// Arms drive for the information box that open() brings up.
std::shared_ptr<ModalRun> withAboutBox(QObject* context, const std::function<void()>& open,
                                       std::function<void(TAboutBox*)> drive)
{
    return withModal<TAboutBox>(context, open, std::move(drive));
}

template <typename T> T* child(QWidget* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qWarning("no child %s", qPrintable(name));
    return found;
}

} // namespace

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void opensFromTheMainWindow_data();
    void opensFromTheMainWindow();
    void contents();
    void geometry_data();
    void geometry();
    void guideInstalledFirst();
    void guideWindow_data();
    void guideWindow();
};

void TestAboutBox::opensFromTheMainWindow_data()
{
    QTest::addColumn<int>("how");
    QTest::addColumn<int>("closing"); // 0: click OK, 1: Enter, 2: Space on OK
    QTest::newRow("menu, OK clicked") << 0 << 0;
    QTest::newRow("click on the picture, Enter") << 1 << 1;
    QTest::newRow("click on the credit line, Space") << 2 << 2;
    QTest::newRow("double click on the picture") << 3 << 0;
    QTest::newRow("double click on the credit line") << 4 << 0;
}

void TestAboutBox::opensFromTheMainWindow()
{
    QFETCH(int, how);
    QFETCH(int, closing);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    QWidget* target = (how == 1 || how == 3) ? static_cast<QWidget*>(w.Image1) : w.Label32;
    const QPoint centre = target->rect().center();
    const auto open = [&] {
        if (how == 0) {
            w.Programminfos1->trigger();
        } else if (how <= 2) {
            sendMouse(target, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
            sendMouse(target, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
        } else {
            sendMouse(target, QEvent::MouseButtonDblClick, centre, Qt::LeftButton, Qt::LeftButton);
        }
    };
    auto run = withAboutBox(&w, open, [&](TAboutBox* box) {
        QCOMPARE(box->parentWidget(), static_cast<QWidget*>(&w));
        QVERIFY(box->isModal());
        auto* ok = child<QPushButton>(box, QStringLiteral("OKButton"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ok));
        if (closing == 0)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            QTest::keyClick(ok, closing == 1 ? Qt::Key_Return : Qt::Key_Space);
    });
    QVERIFY(run->found);
    QVERIFY(!run->leftOpen);
    QCOMPARE(run->result, int(QDialog::Accepted));
    // Discarded after closing; the main window state is untouched.
    QVERIFY(w.findChildren<TAboutBox*>().isEmpty());
    QVERIFY(w.DatenGespeichert());
    QVERIFY(f.fake.boxes.isEmpty());
}

void TestAboutBox::contents()
{
    MainWindowFixture f(30);
    auto run = withAboutBox(
        &f.w(), [&] { f.w().Programminfos1->trigger(); },
        [&](TAboutBox* box) {
            QCOMPARE(box->windowTitle(), QStringLiteral("Fendrimo - Programm-Informationen"));
            const Qt::WindowFlags flags = box->windowFlags();
            QVERIFY(!(flags & Qt::WindowSystemMenuHint));
            QVERIFY(!(flags & Qt::WindowCloseButtonHint));

            auto* name = child<QLabel>(box, QStringLiteral("ProductName"));
            auto* platformLabel = child<QLabel>(box, QStringLiteral("Label1"));
            auto* version = child<QLabel>(box, QStringLiteral("Version"));
            auto* image = child<QLabel>(box, QStringLiteral("Image1"));
            auto* panel = child<QFrame>(box, QStringLiteral("Panel1"));
            auto* ok = child<QPushButton>(box, QStringLiteral("OKButton"));
            QCOMPARE(name->text(), QStringLiteral("Fendrimo"));
            QCOMPARE(platformLabel->text(), QStringLiteral("für Windows 95"));
            QCOMPARE(version->text(), QStringLiteral("Version 2.1F"));
            QCOMPARE(ok->text(), QStringLiteral("OK"));
            QVERIFY(ok->isDefault());
            QVERIFY(!ok->icon().isNull());
            // The picture and the three labels lie in the panel.
            for (QWidget* inside :
                 {static_cast<QWidget*>(image), static_cast<QWidget*>(name),
                  static_cast<QWidget*>(platformLabel), static_cast<QWidget*>(version)})
                QCOMPARE(inside->parentWidget(), static_cast<QWidget*>(panel));
            QVERIFY(!image->pixmap().isNull());
            QCOMPARE(image->pixmap().toImage(),
                     programIcon().pixmap(image->pixmap().size()).toImage());

            QCOMPARE(name->palette().color(QPalette::WindowText), QColor(0, 0, 128));
            QTest::mouseClick(ok, Qt::LeftButton);
        });
    QVERIFY(run->found);
    QVERIFY(!run->leftOpen);
}

void TestAboutBox::geometry_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QRect>("panel");
    QTest::addColumn<QRect>("image"); // inside the panel
    QTest::addColumn<QRect>("ok");
    QTest::addColumn<QList<int>>("fontPixels"); // ProductName, Label1, Version, OKButton
    QTest::newRow("1024x768") << QSize(1024, 768) << QSize(427, 526) << QPoint(298, 121)
                              << QRect(12, 14, 395, 201) << QRect(16, 20, 53, 53)
                              << QRect(161, 451, 96, 33) << QList<int>{25, 18, 15, 17};
    // 427 * 1.25 = 533.75 -> 534, 526 * 1024 / 768 = 701.33 -> 701; edges times 1.25:
    // 407 -> 508.75 -> 509, 451 -> 563.75 -> 564; fonts 31.25 -> 31, 22.5 -> 23, 18.75 -> 19.
    QTest::newRow("1280x1024") << QSize(1280, 1024) << QSize(534, 701) << QPoint(373, 161)
                               << QRect(15, 18, 494, 251) << QRect(20, 25, 66, 66)
                               << QRect(201, 564, 120, 41) << QList<int>{31, 23, 19, 21};
    QTest::newRow("800x600") << QSize(800, 600) << QSize(334, 411) << QPoint(233, 94)
                             << QRect(9, 11, 309, 157) << QRect(13, 16, 41, 41)
                             << QRect(126, 352, 75, 26) << QList<int>{20, 14, 12, 13};
    // Wider than 4:3: laid out as on 1024 x 768, centred.
    QTest::newRow("1366x768") << QSize(1366, 768) << QSize(427, 526) << QPoint(469, 121)
                              << QRect(12, 14, 395, 201) << QRect(16, 20, 53, 53)
                              << QRect(161, 451, 96, 33) << QList<int>{25, 18, 15, 17};
}

void TestAboutBox::geometry()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, size);
    QFETCH(QPoint, position);
    QFETCH(QRect, panel);
    QFETCH(QRect, image);
    QFETCH(QRect, ok);
    QFETCH(QList<int>, fontPixels);
    MainWindowFixture f(30);
    f.fake.screen = screen;
    auto run = withAboutBox(
        &f.w(), [&] { f.w().Programminfos1->trigger(); },
        [&](TAboutBox* box) {
            QCOMPARE(box->size(), size);
            QCOMPARE(box->pos(), position);
            QCOMPARE(child<QWidget>(box, QStringLiteral("Panel1"))->geometry(), panel);
            QCOMPARE(child<QWidget>(box, QStringLiteral("Image1"))->geometry(), image);
            QCOMPARE(child<QWidget>(box, QStringLiteral("OKButton"))->geometry(), ok);
            QList<int> pixels;
            for (const char* name : {"ProductName", "Label1", "Version", "OKButton"})
                pixels << child<QWidget>(box, QLatin1String(name))->font().pixelSize();
            QCOMPARE(pixels, fontPixels);
        });
    QVERIFY(run->found);
}

void TestAboutBox::guideInstalledFirst()
{
    QTemporaryDir prefix;
    const QString installed = prefix.filePath(QStringLiteral("share/doc/fendrimo/README.TXT"));
    QVERIFY(QDir().mkpath(QFileInfo(installed).path()));
    QVERIFY(QFile(installed).open(QIODevice::WriteOnly));
    QCOMPARE(findUserGuide("de", userGuideFolders(prefix.filePath("bin"))), installed);
}

void TestAboutBox::guideWindow_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("guide"); // none: a file that isn't there, opened directly
    QTest::addColumn<QString>("wanted");
    QTest::newRow("German") << "de" << QStringLiteral("README.TXT") << "Tagessumme";
    QTest::newRow("English") << "en" << QStringLiteral("README-en.TXT") << "daily total";
    QTest::newRow("no hit") << "de" << QStringLiteral("README.TXT") << "#kein Treffer#";
    QTest::newRow("missing file") << "de" << QString() << "";
}

void TestAboutBox::guideWindow()
{
    QFETCH(QString, language);
    QFETCH(QString, guide);
    QFETCH(QString, wanted);
    useInterfaceLanguage(language);
    MainWindowFixture f(30);
    if (guide.isEmpty()) {
        openUserGuide(&f.w(), QStringLiteral("/nicht/da/README.TXT"));
        QCOMPARE(f.fake.events, QStringList{"box:Fehler:Das Benutzerhandbuch /nicht/da/README.TXT "
                                            "kann nicht gelesen werden: Datei nicht gefunden"});
        QVERIFY(!f.w().findChild<UserGuideWindow*>());
        return;
    }
    for (int click = 0; click < 2; ++click) // the second brings the open window to the front
        f.w().findChild<QAction*>(QStringLiteral("Benutzerhandbuch1"))->trigger();
    QCOMPARE(f.w().findChildren<UserGuideWindow*>().size(), 1);
    auto* window = f.w().findChild<UserGuideWindow*>();
    QFile file(QStringLiteral(FENDRIMO_SOURCE_DIR "/data/") + guide);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(file.readAll());
    auto* text = child<QPlainTextEdit>(window, QStringLiteral("TextHandbuch"));
    QCOMPARE(text->toPlainText(), content);
    QList<int> hits; // Enter once per hit and once more: each in turn, then the first again
    for (qsizetype at = 0; (at = content.indexOf(wanted, at, Qt::CaseInsensitive)) >= 0;
         at += wanted.size())
        hits << int(at);
    hits << hits.value(0, 0); // no hit: the cursor stays at the top
    auto* find = child<QLineEdit>(window, QStringLiteral("EditSuchen"));
    QTest::keyClicks(find, wanted);
    for (const int hit : std::as_const(hits)) {
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(text->textCursor().selectionStart(), hit);
        QVERIFY(text->viewport()->rect().contains(text->cursorRect()));
    }
    QCOMPARE(child<QLabel>(window, QStringLiteral("LabelNichtGefunden"))->isVisible(),
             !content.contains(wanted, Qt::CaseInsensitive));
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"

// The user guide: the installed one before the source tree's, and its window
// from the Hilfe menu: the guide of the language in use, finding with wrap
// around, and a file that can't be read.

#include "app/translation.h"
#include "help/userguide.h"
#include "help/userguidewindow.h"
#include "support/mainwindowfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

QString sourceGuide(const QString& name)
{
    return QStringLiteral(FENDRIMO_SOURCE_DIR "/data/") + name;
}

// Where text has wanted, in order, as the find field sees it.
QList<int> hitsOf(const QString& text, const QString& wanted)
{
    QList<int> hits;
    for (qsizetype at = text.indexOf(wanted, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(wanted, at + wanted.size(), Qt::CaseInsensitive))
        hits << int(at);
    return hits;
}

} // namespace

class TestUserGuide : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { useInterfaceLanguage(QStringLiteral("de")); }
    void installedBeforeSourceTree_data();
    void installedBeforeSourceTree();
    void window_data();
    void window();

private:
    QTemporaryDir m_dir;
};

void TestUserGuide::installedBeforeSourceTree_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("installed"); // in <prefix>/share/doc/fendrimo
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fromInstalled");
    QTest::newRow("German installed") << "de" << QStringList{"README.TXT"} << "README.TXT" << true;
    QTest::newRow("English installed")
        << "en" << QStringList{"README.TXT", "README-en.TXT"} << "README-en.TXT" << true;
    QTest::newRow("none installed") << "de" << QStringList{} << "README.TXT" << false;
    QTest::newRow("English not installed")
        << "en" << QStringList{"README.TXT"} << "README-en.TXT" << false;
}

void TestUserGuide::installedBeforeSourceTree()
{
    QFETCH(QString, language);
    QFETCH(QStringList, installed);
    QFETCH(QString, name);
    QFETCH(bool, fromInstalled);
    const QString prefix = m_dir.filePath(QString::fromUtf8(QTest::currentDataTag()));
    const QString shared = prefix + QStringLiteral("/share/doc/fendrimo/");
    QVERIFY(QDir().mkpath(shared));
    for (const QString& file : installed) {
        QFile guide(shared + file);
        QVERIFY(guide.open(QIODevice::WriteOnly));
    }
    QCOMPARE(findUserGuide(language, userGuideFolders(prefix + QStringLiteral("/bin"))),
             fromInstalled ? shared + name : sourceGuide(name));
}

void TestUserGuide::window_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name"); // empty: a file that isn't there, opened directly
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QSize>("screen");
    QTest::newRow("German") << "de"
                            << "README.TXT"
                            << "Tagessumme" << QSize(1024, 768);
    QTest::newRow("English, small screen") << "en"
                                           << "README-en.TXT"
                                           << "daily total" << QSize(640, 480);
    QTest::newRow("no hit") << "de"
                            << "README.TXT"
                            << "#kein Treffer#" << QSize(1024, 768);
    QTest::newRow("missing file") << "de"
                                  << ""
                                  << "" << QSize(1024, 768);
}

void TestUserGuide::window()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    QFETCH(QString, wanted);
    QFETCH(QSize, screen);
    useInterfaceLanguage(language);
    MainWindowFixture f(30);
    f.fake.screen = screen;
    if (name.isEmpty()) {
        const QString missing = m_dir.filePath(QStringLiteral("fehlt/README.TXT"));
        openUserGuide(&f.w(), missing);
        QCOMPARE(f.fake.boxes.size(), 1);
        QCOMPARE(f.fake.boxes[0].caption, QStringLiteral("Fehler"));
        QVERIFY(f.fake.boxes[0].text.contains(missing));
        QVERIFY(f.fake.boxes[0].text.contains(QStringLiteral("Datei nicht gefunden")));
        QVERIFY(!f.w().findChild<UserGuideWindow*>());
        return;
    }
    auto* item = f.w().findChild<QAction*>(QStringLiteral("Benutzerhandbuch1"));
    item->trigger();
    item->trigger(); // the open window comes to the front, no second one
    QCOMPARE(f.w().findChildren<UserGuideWindow*>().size(), 1);
    QPointer<UserGuideWindow> window = f.w().findChild<UserGuideWindow*>();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(window->width() <= screen.width() && window->height() <= screen.height());
    auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("TextHandbuch"));
    QFile file(sourceGuide(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(text->toPlainText(), QString::fromUtf8(file.readAll()));

    text->setFocus();
    QTest::keyClick(text, Qt::Key_F, Qt::ControlModifier);

    auto* find = window->findChild<QLineEdit*>(QStringLiteral("EditSuchen"));
    QVERIFY(find->hasFocus());
    QTest::keyClicks(find, wanted);
    // Enter once per hit and once more: every hit in turn, then the first again.
    const QList<int> hits = hitsOf(text->toPlainText(), wanted);
    for (int i = 0; i <= hits.size(); ++i) {
        QTest::keyClick(find, Qt::Key_Return);
        const QTextCursor cursor = text->textCursor();
        QCOMPARE(cursor.hasSelection(), !hits.isEmpty());
        if (hits.isEmpty())
            break;
        QCOMPARE(cursor.selectionStart(), hits.at(i % hits.size()));
        QCOMPARE(cursor.selectionEnd(), hits.at(i % hits.size()) + wanted.size());
        QVERIFY(text->viewport()->rect().contains(text->cursorRect()));
    }
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("LabelNichtGefunden"))->isVisible(),
             hits.isEmpty());
    QTest::keyClick(find, Qt::Key_Escape);
    QTRY_VERIFY(!window);
}

QTEST_MAIN(TestUserGuide)
#include "tst_userguide.moc"

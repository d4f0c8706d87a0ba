// Opening a profile without "Laden": the file named on the command line,
// a file dragged onto the window, and the menu of the profiles last opened.
// Through the real window, with the platform fake answering its boxes.

#include "files/filename.h"
#include "settings/settings.h"
#include "support/openingsupport.h"

#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

using namespace fendrimo;
using namespace fendrimo::testing;

class TestOpening : public QObject
{
    Q_OBJECT

private slots:
    void openByArgument_data();
    void openByArgument();
    void dragAcceptance_data();
    void dragAcceptance();
    void dropLoadsAfterTheDrop_data();
    void dropLoadsAfterTheDrop();
    void openedFileHeadsRecentList_data();
    void openedFileHeadsRecentList();
    void chooseRecentEntry_data();
    void chooseRecentEntry();
    void missingRecentFileLeavesList();
    void savingProposesTheOpenedFile_data();
    void savingProposesTheOpenedFile();
};

void TestOpening::openByArgument_data()
{
    QTest::addColumn<bool>("relative"); // to the folder the program starts in
    QTest::addColumn<bool>("complete"); // false: the file's first 100 bytes only
    QTest::addColumn<qint32>("sixth");  // the sixth hour's rate in the file
    QTest::addColumn<bool>("loads");
    QTest::addColumn<qint32>("maximum"); // afterwards

    QTest::newRow("absolute path of a good file") << false << true << 25 << true << 30;
    QTest::newRow("path relative to the start folder") << true << true << 25 << true << 30;
    QTest::newRow("file of 100 bytes") << false << false << 25 << false << 30;
    QTest::newRow("99,9 IE/h raises the maximum to it") << false << true << 999 << true << 999;
    QTest::newRow("rate above 99,9 IE/h refused") << false << true << 1000 << false << 30;
}

void TestOpening::openByArgument()
{
    QFETCH(bool, relative);
    QFETCH(bool, complete);
    QFETCH(qint32, sixth);
    QFETCH(bool, loads);
    QFETCH(qint32, maximum);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString folder = f.home.path() + QStringLiteral("/Profile");
    const QString path = folder + QStringLiteral("/profil.bar");
    QVERIFY(QDir().mkpath(folder));
    writeRates(path, sixth);
    if (!complete)
        QVERIFY(QFile::resize(path, 100));
    const QByteArray settingsBefore = f.home.read();
    const QString startFolder = QDir::currentPath();
    const auto back = qScopeGuard([&] { QDir::setCurrent(startFolder); });
    QVERIFY(QDir::setCurrent(relative ? folder : f.home.path()));

    startWith(w, relative ? QStringLiteral("profil.bar") : path);

    QCOMPARE(w.Maximum(), maximum);
    if (!loads) {
        QCOMPARE(f.fake.events, (QStringList{QStringLiteral("exclamation"), loadError(path)}));
        QCOMPARE(w.rate(6), 0);
        QCOMPARE(w.windowTitle(), kUntitled);
        QCOMPARE(f.home.read(), settingsBefore);
        return;
    }
    QCOMPARE(w.rate(6), sixth);
    QCOMPARE(w.windowTitle(), titleOf(path));
    QCOMPARE(Settings(f.home.iniPath()).maximum(), maximum);
    QCOMPARE(f.fake.boxes.size(), maximum == 30 ? 0 : 1);
    if (maximum != 30)
        QCOMPARE(f.fake.boxes[0].caption, QStringLiteral("Information"));
}

void TestOpening::dragAcceptance_data()
{
    QTest::addColumn<QStringList>("urls"); // without a scheme: in the test's folder
    QTest::addColumn<QString>("text");     // also offered as text; null: none
    QTest::addColumn<bool>("overField");   // over the date field, else over the window
    QTest::addColumn<bool>("accepted");

    const QString none;
    QTest::newRow("one local .bar") << QStringList{"profil.bar"} << none << false << true;
    QTest::newRow("two .bar files")
        << QStringList{"profil.bar", "zweite.bar"} << none << false << false;
    QTest::newRow("neither a .bar file nor glucose data")
        << QStringList{"notiz.odt"} << none << false << false;
    QTest::newRow("remote url") << QStringList{"https://example.org/profil.bar"} << none << false
                                << false;
    QTest::newRow("folder named x.bar") << QStringList{"x.bar"} << none << false << false;
    QTest::newRow("text only") << QStringList() << "profil.bar" << false << false;
    QTest::newRow("text only over a text field") << QStringList() << "12.03.2026" << true << true;
    QTest::newRow("not a .bar file over a text field, with text")
        << QStringList{"notiz.odt"} << "notiz" << true << false;
}

void TestOpening::dragAcceptance()
{
    QFETCH(QStringList, urls);
    QFETCH(QString, text);
    QFETCH(bool, overField);
    QFETCH(bool, accepted);
    MainWindowFixture f(30);
    const QString dir = f.home.path() + QLatin1Char('/');
    QVERIFY(QDir().mkpath(dir + QStringLiteral("x.bar")));
    QList<QUrl> list;
    for (const QString& url : std::as_const(urls))
        list << (url.contains(QLatin1String("://")) ? QUrl(url) : QUrl::fromLocalFile(dir + url));
    const auto data = dragData(list, text);

    QCOMPARE(dragOver(overField ? static_cast<QWidget*>(f.w().EditDatum) : &f.w(), data.get()),
             accepted);
}

void TestOpening::dropLoadsAfterTheDrop_data()
{
    QTest::addColumn<int>("answer"); // to the question for the unsaved values
    QTest::addColumn<bool>("loads");
    QTest::newRow("unsaved, Ja loads") << int(MessageResult::Ja) << true;
    QTest::newRow("unsaved, Nein keeps the values") << int(MessageResult::Nein) << false;
}

void TestOpening::dropLoadsAfterTheDrop()
{
    QFETCH(int, answer);
    QFETCH(bool, loads);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString path = f.home.path() + QStringLiteral("/abgelegt.bar");
    writeRates(path, 20);
    w.EditDatum->setText(QStringLiteral("ungespeichert"));
    f.fake.answer(MessageResult(answer));
    const auto data = dragData({QUrl::fromLocalFile(path)});

    QVERIFY(dropOn(&w, data.get()));
    QVERIFY(f.fake.boxes.isEmpty());
    QCOMPARE(w.rate(6), 0);

    QTRY_COMPARE(f.fake.boxes.size(), 1);
    QCOMPARE(f.fake.boxes[0].text, kQuestion);
    QCOMPARE(w.rate(6), loads ? 20 : 0);
    QCOMPARE(w.windowTitle(), loads ? titleOf(path) : kUntitled);
}

void TestOpening::openedFileHeadsRecentList_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("after Laden") << "Laden";
    QTest::newRow("after Speichern") << "Speichern";
    QTest::newRow("after a command-line argument") << "Argument";
    QTest::newRow("after a drop") << "Ablegen";
}

void TestOpening::openedFileHeadsRecentList()
{
    QFETCH(QString, way);
    MainWindowFixture f(setUpSettings(30) + "[Zuletzt]\nDatei1=/p/alt.bar\n", true);
    Form1UnderTest& w = f.w();
    const QString path = f.home.path() + QStringLiteral("/neu.bar");
    if (way == QLatin1String("Laden")) {
        f.loadRates(QList<qint32>(24, 10), QStringLiteral("neu.bar"));
    } else if (way == QLatin1String("Speichern")) {
        f.saveProfile(QStringLiteral("neu.bar"));
    } else if (way == QLatin1String("Argument")) {
        writeRates(path, 10);
        startWith(w, path);
    } else {
        writeRates(path, 10);
        const auto data = dragData({QUrl::fromLocalFile(path)});
        QVERIFY(dropOn(&w, data.get()));
    }
    QTRY_COMPARE(w.windowTitle(), titleOf(path));
    QCOMPARE(recentPaths(w), (QStringList{path, QStringLiteral("/p/alt.bar")}));
}

void TestOpening::chooseRecentEntry_data()
{
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<int>("answer"); // to the question; -1: none asked
    QTest::addColumn<bool>("loads");
    QTest::newRow("saved values, loads without a question") << false << -1 << true;
    QTest::newRow("unsaved, Ja loads") << true << int(MessageResult::Ja) << true;
    QTest::newRow("unsaved, Nein keeps the values") << true << int(MessageResult::Nein) << false;
}

void TestOpening::chooseRecentEntry()
{
    QFETCH(bool, unsaved);
    QFETCH(int, answer);
    QFETCH(bool, loads);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString path = f.home.path() + QStringLiteral("/alt.bar");
    writeRates(path, 25);
    f.home.write(setUpSettings(30) + "[Zuletzt]\nDatei1=" + QFile::encodeName(path) + "\n");
    if (unsaved)
        w.EditBolus1->setText(QStringLiteral("9"));
    if (answer >= 0)
        f.fake.answer(MessageResult(answer));

    QCOMPARE(recentEntries(w).size(), 1);
    recentEntries(w)[0]->trigger();

    QCOMPARE(f.fake.events,
             unsaved ? QStringList{QStringLiteral("box:Warnung:") + kQuestion} : QStringList());
    QCOMPARE(w.rate(6), loads ? 25 : 0);
    QCOMPARE(w.windowTitle(), loads ? titleOf(path) : kUntitled);
}

void TestOpening::missingRecentFileLeavesList()
{
    MainWindowFixture f(30);
    const QString gone = f.home.path() + QStringLiteral("/weg.bar");
    f.home.write(setUpSettings(30) + "[Zuletzt]\nDatei1=" + QFile::encodeName(gone) +
                 "\nDatei2=/p/da.bar\n");
    const QByteArray settingsBefore = f.home.read();

    recentEntries(f.w()).at(0)->trigger();

    QCOMPARE(f.fake.events, (QStringList{QStringLiteral("exclamation"), loadError(gone)}));
    QCOMPARE(f.home.read(), settingsBefore);
    QCOMPARE(recentPaths(f.w()), (QStringList{gone, QStringLiteral("/p/da.bar")}));
}

void TestOpening::savingProposesTheOpenedFile_data()
{
    QTest::addColumn<QByteArray>("name"); // the file's bytes
    QTest::addColumn<int>("answer");      // to the question before replacing; -1: none asked
    QTest::newRow("Latin-1 name, replaced")
        << QByteArray("M\xfcller.bar") << int(MessageResult::Ja);
    QTest::newRow("Latin-1 name, kept") << QByteArray("M\xfcller.bar") << int(MessageResult::Nein);
    QTest::newRow("UTF-8 name: the dialog asks") << QByteArray("M\xc3\xbcller.bar") << -1;
}

// A profile opened from outside is saved back to its own file, whatever its
// name's bytes, and only after asking, as for any file that is there: never
// to a second file under another spelling of the name.
void TestOpening::savingProposesTheOpenedFile()
{
    QFETCH(QByteArray, name);
    QFETCH(int, answer);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QByteArray file = QFile::encodeName(f.home.path()) + '/' + name;
    const auto removeName = qScopeGuard([&] { ::unlink(file.constData()); });
    const QByteArray bytes = Profilsatz().toBytes();
    const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    ::close(fd);
    const QString path = decodeFileName(file);
    const QStringList before = QDir(f.home.path()).entryList(QDir::Files);
    w.loadFile(path);
    QCOMPARE(w.windowTitle(), titleOf(displayFileName(path)));

    w.EditDatum->setText(QStringLiteral("neu"));
    f.fake.clear();
    const QString shown = displayFileName(path);
    f.fake.chooseFile(shown); // the proposal, taken as the dialog shows it
    if (answer >= 0)
        f.fake.answer(MessageResult(answer));
    w.Basalratespeichern1->trigger();

    QCOMPARE(f.fake.fileDialogs.size(), 1);
    QCOMPARE(f.fake.fileDialogs[0].proposedFile, shown);
    QVERIFY(f.fake.fileDialogs[0].confirmOverwrite);
    QCOMPARE(f.fake.unscriptedQuestions, 0);
    const bool replaced = answer != int(MessageResult::Nein);
    QCOMPARE(f.fake.boxes.size(), (answer >= 0 ? 1 : 0) + (replaced ? 1 : 0));
    if (answer >= 0)
        QCOMPARE(f.fake.boxes[0].text, QStringLiteral("Die Datei %1 ist schon vorhanden. Soll sie "
                                                      "ersetzt werden?")
                                           .arg(shown));
    QCOMPARE(QDir(f.home.path()).entryList(QDir::Files), before);
    Profilsatz saved;
    QCOMPARE(readProfileFile(path, saved).code, 0);
    QCOMPARE(saved.datum(), replaced ? QStringLiteral("neu") : QString());
    QCOMPARE(w.DatenGespeichert(), replaced);
    qInfo("fault | save after opening %s | %s | %s", QTest::currentDataTag(),
          replaced ? "saved to the opened file" : "asked, nothing written",
          replaced ? "the opened file rewritten, no other file" : "the opened file unchanged");
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"

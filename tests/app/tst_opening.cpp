// Opening a profile without "Laden": the file named on the command line,
// handed to the window the way main() does it, and the menu of the profiles
// last opened, kept in the settings file. Through the real window, with the
// platform fake answering its boxes and dialogs.

#include "settings/settings.h"
#include "support/openingsupport.h"

#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

class TestOpening : public QObject
{
    Q_OBJECT

private slots:
    void openByArgument_data();
    void openByArgument();
    void twoArgumentsRefused();

    void recentMenu_data();
    void recentMenu();
    void chooseRecentEntry_data();
    void chooseRecentEntry();
    void failedOpenLeavesList_data();
    void failedOpenLeavesList();
    void listOutlivesWindow_data();
    void listOutlivesWindow();

private:
    // Opens name (in the test's folder) one of the ways; the events it caused.
    QStringList open(MainWindowFixture& f, const QString& way, const QString& name);
};

QStringList TestOpening::open(MainWindowFixture& f, const QString& way, const QString& name)
{
    const QString path = f.home.path() + QLatin1Char('/') + name;
    f.fake.clear();
    f.fake.answer(MessageResult::Ja);
    if (way == QLatin1String("Speichern")) {
        f.fake.chooseFile(path);
        f.w().Basalratespeichern1->trigger();
    } else if (way == QLatin1String("Laden")) {
        writeProfile(path, ratesWith(3));
        f.fake.chooseFile(path);
        f.w().Basalrateladen1->trigger();
    } else if (way == QLatin1String("Ablegen")) {
        writeProfile(path, ratesWith(4));
        const auto data = dragData({path});
        if (!dropOn(&f.w(), data.get()))
            return {QStringLiteral("drop refused")};
        QCoreApplication::processEvents();
        if (!QTest::qWaitFor([&] { return f.w().windowTitle() == titleOf(path); }, 5000))
            return {QStringLiteral("drop not loaded")};
    } else {
        writeProfile(path, ratesWith(5));
        startWith(f.w(), {path});
    }
    return f.fake.events;
}

void TestOpening::openByArgument_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("relative"); // given relative to the folder the program starts in
    QTest::addColumn<int>("size");      // bytes of the file; 0: no file
    QTest::addColumn<qint32>("highest");
    QTest::addColumn<QString>("shown"); // the hour's rate text after loading
    QTest::addColumn<bool>("loads");
    QTest::addColumn<qint32>("maximum");

    QTest::newRow("good file") << "profil.bar" << false << 656 << 25 << "2,5" << true << 30;
    QTest::newRow("relative name") << "profil.bar" << true << 656 << 25 << "2,5" << true << 30;
    QTest::newRow("relative name, blank and umlaut")
        << "Basal März.bar" << true << 656 << 0 << "0" << true << 30;
    QTest::newRow("100 bytes") << "kurz.bar" << false << 100 << 25 << "" << false << 30;
    QTest::newRow("missing file") << "fehlt.bar" << true << 0 << 25 << "" << false << 30;
    QTest::newRow("huge rate raises the maximum")
        << "gross.bar" << false << 656 << 2000000000 << "200000000" << true << 2000000000;
    QTest::newRow("rate beyond any maximum")
        << "zu-gross.bar" << false << 656 << 2147483641 << "" << false << 30;
}

void TestOpening::openByArgument()
{
    QFETCH(QString, name);
    QFETCH(bool, relative);
    QFETCH(int, size);
    QFETCH(qint32, highest);
    QFETCH(QString, shown);
    QFETCH(bool, loads);
    QFETCH(qint32, maximum);
    MainWindowFixture f(30);
    TForm1& w = f.w();
    const QString folder = f.home.path() + QStringLiteral("/Profile");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QLatin1Char('/') + name;
    const QList<qint32> rates = ratesWith(10, highest);
    if (size > 0)
        writeProfile(path, rates, size);
    const QByteArray settingsBefore = f.home.read();
    const QString startFolder = QDir::currentPath();
    const auto back = qScopeGuard([&] { QDir::setCurrent(startFolder); });
    QVERIFY(QDir::setCurrent(relative ? folder : f.home.path()));

    const CommandLine line = startWith(w, {relative ? name : path});
    QCOMPARE(line.action, CommandLine::Action::Run);

    const Settings settings(f.home.iniPath());
    QCOMPARE(w.Maximum(), maximum);
    QCOMPARE(w.DatenGespeichert(), true);
    QCOMPARE(w.history().count(), 0);
    if (!loads) {
        QCOMPARE(f.fake.events, (QStringList{QStringLiteral("exclamation"),
                                             QStringLiteral("box:Fehler:") + loadError(path)}));
        QVERIFY(w.profile().content() == ProfileContent{});
        QCOMPARE(w.windowTitle(), QStringLiteral("Fendrimo Version 2.1F"));
        QCOMPARE(f.home.read(), settingsBefore);
        return;
    }
    QCOMPARE(ratesOf(w), rates);
    QCOMPARE(w.Edit(6)->text(), shown);
    QCOMPARE(w.EditDatum->text(), QStringLiteral("01.02.2026"));
    QCOMPARE(w.windowTitle(), titleOf(path));
    QCOMPARE(settings.verzeichnis(QStringLiteral("ERROR")), folder + QLatin1Char('/'));
    QCOMPARE(settings.maximum(), maximum);
    QCOMPARE(f.fake.exclamations, 0);
    if (maximum == 30) {
        QCOMPARE(f.fake.events, QStringList());
    } else {
        QCOMPARE(f.fake.boxes.size(), 1);
        QCOMPARE(f.fake.boxes[0].caption, QStringLiteral("Information"));
        QVERIFY2(f.fake.boxes[0].text.contains(shown + QStringLiteral(" IE/h heraufgesetzt.")),
                 qPrintable(f.fake.boxes[0].text));
        QCOMPARE(w.ScrollBar(6)->maximum(), maximum);
    }
}

void TestOpening::twoArgumentsRefused()
{
    MainWindowFixture f(30);
    const QString a = f.home.path() + QStringLiteral("/a.bar");
    const QString b = f.home.path() + QStringLiteral("/b.bar");
    writeProfile(a, ratesWith(7));
    writeProfile(b, ratesWith(8));
    const CommandLine line = startWith(f.w(), {a, b});
    QCOMPARE(line.action, CommandLine::Action::Refuse);
    QCOMPARE(line.exitCode(), 2);
    QVERIFY(!line.profilePath);
    QVERIFY(f.fake.events.isEmpty());
    QCOMPARE(ratesOf(f.w()), ratesWith(0));
}

void TestOpening::recentMenu_data()
{
    QTest::addColumn<QStringList>("steps"); // "<way>:<file name>", in this order
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("nothing yet") << QStringList() << QStringList();
    QTest::newRow("after Speichern") << QStringList{"Speichern:a.bar"} << QStringList{"a.bar"};
    QTest::newRow("after Laden") << QStringList{"Laden:a.bar"} << QStringList{"a.bar"};
    QTest::newRow("after a drop") << QStringList{"Ablegen:a.bar"} << QStringList{"a.bar"};
    QTest::newRow("after the command line")
        << QStringList{"Argument:a.bar"} << QStringList{"a.bar"};
    QTest::newRow("newest first") << QStringList{"Speichern:a.bar", "Laden:b.bar", "Ablegen:c.bar",
                                                 "Argument:d.bar", "Speichern:e.bar"}
                                  << QStringList{"e.bar", "d.bar", "c.bar", "b.bar", "a.bar"};
    QTest::newRow("opened again moves up")
        << QStringList{"Laden:a.bar", "Laden:b.bar", "Laden:c.bar", "Speichern:a.bar"}
        << QStringList{"a.bar", "c.bar", "b.bar"};
    QTest::newRow("at most six") << QStringList{"Laden:1.bar", "Laden:2.bar", "Laden:3.bar",
                                                "Laden:4.bar", "Laden:5.bar", "Laden:6.bar",
                                                "Laden:7.bar"}
                                 << QStringList{"7.bar", "6.bar", "5.bar",
                                                "4.bar", "3.bar", "2.bar"};
    QTest::newRow("ampersand, blank and umlaut in the name")
        << QStringList{"Speichern:Basal & Bolus.bar", "Laden:Früh&&Spät.bar"}
        << QStringList{"Früh&&Spät.bar", "Basal & Bolus.bar"};
    QTest::newRow("line break in the name")
        << QStringList{"Laden:a.bar", "Laden:Zeile\nzwei.bar"} << QStringList{"a.bar"};
    QTest::newRow("blank at the end of the name")
        << QStringList{"Laden:a.bar", "Argument:b.bar "} << QStringList{"a.bar"};
}

void TestOpening::recentMenu()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, listed);
    MainWindowFixture f(30);
    for (const QString& step : std::as_const(steps)) {
        const qsizetype colon = step.indexOf(QLatin1Char(':'));
        const QString name = step.mid(colon + 1);
        const QStringList events = open(f, step.left(colon), name);
        QVERIFY2(!events.join(QLatin1Char('|')).contains(QStringLiteral("failure:")) &&
                     !events.contains(QStringLiteral("exclamation")),
                 qPrintable(events.join(QLatin1Char('|'))));
        QCOMPARE(f.w().windowTitle(), titleOf(f.home.path() + QLatin1Char('/') + name));
    }
    const QStringList paths = inFolder(f.home.path(), listed);
    QCOMPARE(recentShown(f.w()), paths);
    // Each entry opens the file it shows.
    const QList<QAction*> entries = recentEntries(f.w());
    for (int i = 0; i < int(entries.size()); ++i)
        QCOMPARE(entries.at(i)->data().toString(), paths.at(i));
}

void TestOpening::chooseRecentEntry_data()
{
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<int>("answer"); // to the question for unsaved values
    QTest::addColumn<bool>("loads");
    QTest::newRow("saved profile") << false << -1 << true;
    QTest::newRow("unsaved, Ja") << true << int(MessageResult::Ja) << true;
    QTest::newRow("unsaved, Nein") << true << int(MessageResult::Nein) << false;
    QTest::newRow("unsaved, box closed") << true << int(MessageResult::Closed) << false;
}

void TestOpening::chooseRecentEntry()
{
    QFETCH(bool, unsaved);
    QFETCH(int, answer);
    QFETCH(bool, loads);
    MainWindowFixture f(30);
    TForm1& w = f.w();
    const QStringList paths = inFolder(f.home.path(), {"alt.bar", "neu.bar"});
    writeProfile(paths[0], ratesWith(2, 11));
    writeProfile(paths[1], ratesWith(7));
    startWith(w, {paths[0]});
    startWith(w, {paths[1]});
    if (unsaved)
        w.EditBolus1->setText(QStringLiteral("9"));
    f.fake.clear();
    if (answer >= 0)
        f.fake.answer(MessageResult(answer));

    const QList<QAction*> entries = recentEntries(w);
    QCOMPARE(entries.size(), 2);
    entries.at(1)->trigger(); // "alt.bar", opened before "neu.bar"

    QCOMPARE(f.fake.boxes.size(), unsaved ? 1 : 0);
    if (unsaved)
        QCOMPARE(f.fake.boxes[0].text, kQuestion);
    QCOMPARE(f.fake.exclamations, 0);
    QCOMPARE(ratesOf(w), loads ? ratesWith(2, 11) : ratesWith(7));
    QCOMPARE(w.EditBolus1->text(), unsaved && !loads ? QStringLiteral("9") : QStringLiteral("1,5"));
    QCOMPARE(w.DatenGespeichert(), loads || !unsaved);
    QCOMPARE(w.windowTitle(), titleOf(loads ? paths[0] : paths[1]));
    QCOMPARE(recentShown(w),
             (loads ? QStringList{paths[0], paths[1]} : QStringList{paths[1], paths[0]}));
}

void TestOpening::failedOpenLeavesList_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Laden of a 100-byte file") << "Laden";
    QTest::newRow("drop of a 100-byte file") << "Ablegen";
    QTest::newRow("command line naming a 100-byte file") << "Argument";
    QTest::newRow("menu entry of a file since deleted") << "Zuletzt";
}

void TestOpening::failedOpenLeavesList()
{
    QFETCH(QString, way);
    MainWindowFixture f(30);
    TForm1& w = f.w();
    const QStringList paths = inFolder(f.home.path(), {"gut.bar", "weg.bar", "kaputt.bar"});
    writeProfile(paths[0], ratesWith(4));
    writeProfile(paths[1], ratesWith(5));
    startWith(w, {paths[1]});
    startWith(w, {paths[0]});
    QVERIFY(QFile::remove(paths[1]));
    writeProfile(paths[2], ratesWith(6), 100);
    const QByteArray settingsBefore = f.home.read();
    const QStringList listBefore = recentShown(w);
    QCOMPARE(listBefore, (QStringList{paths[0], paths[1]}));
    f.fake.clear();

    QString failed = paths[2];
    if (way == QLatin1String("Laden")) {
        f.fake.chooseFile(failed);
        w.Basalrateladen1->trigger();
    } else if (way == QLatin1String("Ablegen")) {
        const auto data = dragData({failed});
        QVERIFY(dropOn(&w, data.get()));
    } else if (way == QLatin1String("Argument")) {
        startWith(w, {failed});
    } else {
        failed = paths[1];
        recentEntries(w).at(1)->trigger();
    }

    QTRY_COMPARE(f.fake.exclamations, 1);
    QCOMPARE(f.fake.events.last(), QStringLiteral("box:Fehler:") + loadError(failed));
    QCOMPARE(f.home.read(), settingsBefore);
    QCOMPARE(recentShown(w), listBefore);
    QCOMPARE(ratesOf(w), ratesWith(4));
    QCOMPARE(w.windowTitle(), titleOf(paths[0]));
}

void TestOpening::listOutlivesWindow_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("a new window") << "restart";
    QTest::newRow("another run writes while the window is open") << "other run";
}

void TestOpening::listOutlivesWindow()
{
    QFETCH(QString, change);
    MainWindowFixture f(30);
    const QStringList paths = inFolder(f.home.path(), {"a.bar", "b.bar", "c.bar"});
    for (int i = 0; i < 2; ++i) {
        writeProfile(paths[i], ratesWith(i + 1));
        startWith(f.w(), {paths[i]});
    }
    writeProfile(paths[2], ratesWith(3, 13));
    QCOMPARE(recentShown(f.w()), (QStringList{paths[1], paths[0]}));
    QStringList expected{paths[1], paths[0]};
    if (change == QLatin1String("restart")) {
        f.window.reset();
        f.start(true);
        QCOMPARE(f.w().windowTitle(), QStringLiteral("Fendrimo Version 2.1F"));
    } else {
        Settings(f.home.iniPath()).addRecentFile(paths[2]);
        expected.prepend(paths[2]);
    }
    QCOMPARE(recentShown(f.w()), expected);
    // The entry read from the file opens its profile.
    f.fake.clear();
    recentEntries(f.w()).at(expected.size() - 1)->trigger();
    QCOMPARE(ratesOf(f.w()), ratesWith(1));
    QCOMPARE(f.w().windowTitle(), titleOf(paths[0]));
    QVERIFY(f.fake.events.isEmpty());
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"

// Files dragged onto the main window: which drags it takes, over the window
// and over its text fields, and the loading that follows a drop once the
// drop has ended, with the question for unsaved values first. Real drag
// events sent to the real window; the platform fake answers its boxes.

#include "support/openingsupport.h"

#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

class TestDropping : public QObject
{
    Q_OBJECT

private slots:
    void dragAcceptance_data();
    void dragAcceptance();
    void dropLoadsAfterwards_data();
    void dropLoadsAfterwards();
    void dropAsksFirst_data();
    void dropAsksFirst();
    void plainTextDragIntoField_data();
    void plainTextDragIntoField();
};

void TestDropping::dragAcceptance_data()
{
    QTest::addColumn<QStringList>("urls"); // {dir} is the test's folder
    QTest::addColumn<QString>("text");     // also offered as text; null: none
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("accepted");

    const QString bar = QStringLiteral("{dir}/profil.bar");
    QTest::newRow("one local .bar") << QStringList{bar} << QString() << "Fenster" << true;
    QTest::newRow("one local .bar over the date")
        << QStringList{bar} << QString() << "EditDatum" << true;
    QTest::newRow("one local .bar over the notes")
        << QStringList{bar} << QString() << "Notizen" << true;
    QTest::newRow("one local .bar over a slider")
        << QStringList{bar} << QString() << "Schieber" << true;
    QTest::newRow("one local .bar not yet there")
        << QStringList{"{dir}/neu.bar"} << QString() << "Fenster" << true;
    QTest::newRow("two files") << QStringList{bar, "{dir}/zweite.bar"} << QString() << "Fenster"
                               << false;
    QTest::newRow("two files over the notes") << QStringList{bar, "{dir}/zweite.bar"} << "zwei"
                                              << "Notizen" << false;
    QTest::newRow("not a .bar file")
        << QStringList{"{dir}/notiz.txt"} << QString() << "Fenster" << false;
    QTest::newRow("not a .bar file over the date, with text")
        << QStringList{"{dir}/notiz.txt"} << "notiz"
        << "EditDatum" << false;
    QTest::newRow("remote url") << QStringList{"https://example.org/profil.bar"} << QString()
                                << "Fenster" << false;
    QTest::newRow("remote url over a bolus, with text")
        << QStringList{"https://example.org/profil.bar"} << "https://example.org/profil.bar"
        << "EditBolus1" << false;
    QTest::newRow("folder named x.bar")
        << QStringList{"{dir}/x.bar"} << QString() << "Fenster" << false;
    QTest::newRow("plain text naming a .bar") << QStringList() << bar << "Fenster" << false;
}

void TestDropping::dragAcceptance()
{
    QFETCH(QStringList, urls);
    QFETCH(QString, text);
    QFETCH(QString, target);
    QFETCH(bool, accepted);
    MainWindowFixture f(30);
    TForm1& w = f.w();
    const QString dir = f.home.path();
    writeProfile(dir + QStringLiteral("/profil.bar"), ratesWith(6));
    writeProfile(dir + QStringLiteral("/zweite.bar"), ratesWith(6));
    writeProfile(dir + QStringLiteral("/notiz.txt"), ratesWith(6));
    QVERIFY(QDir().mkpath(dir + QStringLiteral("/x.bar")));
    urls.replaceInStrings(QStringLiteral("{dir}"), dir);
    text.replace(QStringLiteral("{dir}"), dir);
    const auto data = dragData(urls, text);
    QWidget* widget = widgetNamed(w, target);
    QVERIFY(widget);
    const QString before = textOf(w, widget);

    QCOMPARE(dragOver(widget, data.get()), accepted);
    // Dragging alone opens nothing.
    QCoreApplication::processEvents();
    QVERIFY(f.fake.events.isEmpty());
    QCOMPARE(w.windowTitle(), QStringLiteral("Fendrimo Version 2.1F"));
    QCOMPARE(textOf(w, widget), before);
}

void TestDropping::dropLoadsAfterwards_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("window") << "Fenster";
    QTest::newRow("slider") << "Schieber";
    QTest::newRow("date field") << "EditDatum";
    QTest::newRow("bolus field") << "EditBolus1";
    QTest::newRow("notes") << "Notizen";
}

void TestDropping::dropLoadsAfterwards()
{
    QFETCH(QString, target);
    MainWindowFixture f(30);
    TForm1& w = f.w();
    const QString path = f.home.path() + QStringLiteral("/abgelegt.bar");
    writeProfile(path, ratesWith(12, 20));
    // A file manager offers the file's name as text too.
    const auto data = dragData({path}, QStringLiteral("Textinhalt"));
    QWidget* widget = widgetNamed(w, target);
    const QString before = textOf(w, widget);

    QVERIFY(dropOn(widget, data.get()));
    // The drop itself changes nothing and asks nothing.
    QCOMPARE(textOf(w, widget), before);
    QVERIFY(f.fake.events.isEmpty());
    QCOMPARE(ratesOf(w), ratesWith(0));
    QCOMPARE(w.windowTitle(), QStringLiteral("Fendrimo Version 2.1F"));

    QTRY_COMPARE(w.windowTitle(), titleOf(path));
    QCOMPARE(ratesOf(w), ratesWith(12, 20));
    QCOMPARE(w.EditDatum->text(), QStringLiteral("01.02.2026"));
    QCOMPARE(w.EditBolus1->text(), QStringLiteral("1,5"));
    QCOMPARE(w.MemoNotizen->toPlainText(), QStringLiteral("Notiz"));
    QVERIFY(w.DatenGespeichert());
    QCOMPARE(w.history().count(), 0);
    QVERIFY(f.fake.events.isEmpty());
    QCOMPARE(recentShown(w), QStringList{path});
}

void TestDropping::dropAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("loads");
    QTest::newRow("Ja") << int(MessageResult::Ja) << true;
    QTest::newRow("Nein") << int(MessageResult::Nein) << false;
    QTest::newRow("box closed") << int(MessageResult::Closed) << false;
}

void TestDropping::dropAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, loads);
    MainWindowFixture f(30);
    TForm1& w = f.w();
    const QString path = f.home.path() + QStringLiteral("/abgelegt.bar");
    writeProfile(path, ratesWith(9));
    w.EditDatum->setText(QStringLiteral("ungespeichert"));
    QVERIFY(!w.DatenGespeichert());
    f.fake.answer(MessageResult(answer));
    const auto data = dragData({path});

    QVERIFY(dropOn(&w, data.get()));
    QVERIFY(f.fake.boxes.isEmpty()); // the question comes after the drop has ended
    QTRY_COMPARE(f.fake.boxes.size(), 1);
    QCOMPARE(f.fake.boxes[0].caption, QStringLiteral("Warnung"));
    QCOMPARE(f.fake.boxes[0].text, kQuestion);
    QCOMPARE(f.fake.boxes[0].buttons, MessageButton::Ja | MessageButton::Nein);
    QCoreApplication::processEvents();
    QCOMPARE(f.fake.boxes.size(), 1);
    QCOMPARE(ratesOf(w), ratesWith(loads ? 9 : 0));
    QCOMPARE(w.EditDatum->text(),
             loads ? QStringLiteral("01.02.2026") : QStringLiteral("ungespeichert"));
    QCOMPARE(w.DatenGespeichert(), loads);
    QCOMPARE(w.windowTitle(), loads ? titleOf(path) : QStringLiteral("Fendrimo Version 2.1F"));
    QCOMPARE(recentShown(w), loads ? QStringList{path} : QStringList());
}

void TestDropping::plainTextDragIntoField_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("date field") << "EditDatum";
    QTest::newRow("notes") << "Notizen";
}

void TestDropping::plainTextDragIntoField()
{
    QFETCH(QString, target);
    MainWindowFixture f(30);
    TForm1& w = f.w();
    QWidget* widget = widgetNamed(w, target);
    const auto data = dragData({}, QStringLiteral("12.03.2026"));

    QVERIFY(dropOn(widget, data.get()));
    QCOMPARE(textOf(w, widget), QStringLiteral("12.03.2026"));
    QCoreApplication::processEvents();
    QVERIFY(f.fake.events.isEmpty());
    QVERIFY(!w.DatenGespeichert());
    QCOMPARE(w.windowTitle(), QStringLiteral("Fendrimo Version 2.1F"));
}

QTEST_MAIN(TestDropping)
#include "tst_dropping.moc"

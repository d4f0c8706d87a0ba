// Bolus, date and notes fields as typed by the user, and the "Neu" command.

#include "widgets/textfields.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

class TestFields : public QObject
{
    Q_OBJECT

private slots:
    void bolusFilter_data();
    void bolusFilter();
    void dateDoubleClick();
    void dateRefusesWhatAFileCantHold();
    void notesMarkUnsaved();
    void notesLimit_data();
    void notesLimit();
    void notesPasteIsCutToFit();
    void neu_data();
    void neu();
    void neuKeepsMaximum();
};

void TestFields::bolusFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("decimal comma") << "1,5"
                                   << "1,5";
    QTest::newRow("decimal point and blank") << " 0.8"
                                             << " 0.8";
    QTest::newRow("letter refused") << "1a"
                                    << "1";
    QTest::newRow("minus refused") << "-2"
                                   << "2";
    QTest::newRow("fifth character refused") << "12345"
                                             << "1234";
    QTest::newRow("several separators stay") << ",,.."
                                             << ",,..";
    QTest::newRow("umlaut refused") << QStringLiteral("ä9") << "9";
    QTest::newRow("backspace deletes") << QStringLiteral("12\b3") << "13";
    QTest::newRow("enter does nothing") << QStringLiteral("4\r") << "4";
    // Delete comes from X11 with the text DEL; it still deletes.
    QTest::newRow("delete removes") << QStringLiteral("12\x1c\x1c\x7f") << "2";
}

void TestFields::bolusFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    for (QLineEdit* field : {w.EditBolus1, w.EditBolus4, w.EditBolus7}) {
        field->setFocus();
        for (const QChar ch : typed) {
            // Editing keys stand in the typed text as control characters;
            // \x1c is the left arrow, which sends no text.
            const Qt::Key key = ch == u'\b'     ? Qt::Key_Backspace
                                : ch == u'\r'   ? Qt::Key_Return
                                : ch == u'\x7f' ? Qt::Key_Delete
                                : ch == u'\x1c' ? Qt::Key_Left
                                                : Qt::Key_unknown;
            const QString text = key == Qt::Key_Left ? QString() : QString(ch);
            QTest::sendKeyEvent(QTest::Click, field, key, text, Qt::NoModifier);
        }
        QCOMPARE(field->text(), shown);
    }
    QCOMPARE(w.DatenGespeichert(), shown.isEmpty());
    QCOMPARE(f.fake.beeps, 0);
}

void TestFields::dateDoubleClick()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.EditDatum->setText(QStringLiteral("irgendwann"));
    f.saveProfile();
    QTest::mouseDClick(w.EditDatum, Qt::LeftButton);
    QCOMPARE(w.EditDatum->text(), QStringLiteral("08.12.2026"));
    QVERIFY(!w.DatenGespeichert());
    // The same day again changes no text and so leaves the profile saved.
    f.saveProfile();
    QTest::mouseDClick(w.EditDatum, Qt::LeftButton);
    QCOMPARE(w.EditDatum->text(), QStringLiteral("08.12.2026"));
    QVERIFY(w.DatenGespeichert());
    QTRY_COMPARE(w.LabelSaved->text(), QStringLiteral("Daten gespeichert: ja"));
}

void TestFields::dateRefusesWhatAFileCantHold()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.EditDatum->setFocus();
    for (const QChar ch : QStringLiteral("8. Mai ŁŻ €"))
        QTest::sendKeyEvent(QTest::Click, w.EditDatum, Qt::Key_unknown, QString(ch),
                            Qt::NoModifier);
    QCOMPARE(w.EditDatum->text(), QStringLiteral("8. Mai  €"));
    QTest::keyClicks(w.EditDatum, QString(300, QLatin1Char('x')));
    QCOMPARE(w.EditDatum->text().size(), 255);
}

void TestFields::notesMarkUnsaved()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.MemoNotizen->setFocus();
    QTest::keyClicks(w.MemoNotizen, QStringLiteral("S"));
    QCOMPARE(w.MemoNotizen->toPlainText(), QStringLiteral("S"));
    QVERIFY(!w.DatenGespeichert());
    QTRY_COMPARE(w.LabelSaved->text(), QStringLiteral("Daten gespeichert: nein"));
}

void TestFields::notesLimit_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("taken");
    QTest::newRow("255th character taken")
        << QString(254, QLatin1Char('a')) << int(Qt::Key_B) << "b" << true;
    QTest::newRow("256th character refused")
        << QString(255, QLatin1Char('a')) << int(Qt::Key_B) << "b" << false;
    QTest::newRow("line break counts two: refused at 254")
        << QString(254, QLatin1Char('a')) << int(Qt::Key_Return) << "\r" << false;
    QTest::newRow("line break at 253 fits")
        << QString(253, QLatin1Char('a')) << int(Qt::Key_Return) << "\r" << true;
    QTest::newRow("character outside Windows-1252")
        << QString() << int(Qt::Key_unknown) << QStringLiteral("Ł") << false;
    QTest::newRow("euro sign is storable")
        << QString() << int(Qt::Key_unknown) << QStringLiteral("€") << true;
}

void TestFields::notesLimit()
{
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, taken);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.MemoNotizen->setPlainText(before);
    w.MemoNotizen->setFocus();
    w.MemoNotizen->moveCursor(QTextCursor::End);
    QTest::sendKeyEvent(QTest::Click, w.MemoNotizen, Qt::Key(key), text, Qt::NoModifier);
    const QString after = w.MemoNotizen->toPlainText();
    QCOMPARE(after.size() > before.size(), taken);
    QVERIFY(storedLength(after) <= 255);
}

void TestFields::notesPasteIsCutToFit()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.MemoNotizen->setPlainText(QString(250, QLatin1Char('a')));
    w.MemoNotizen->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QStringLiteral("Ł1\r\n23456789"));
    w.MemoNotizen->paste();
    // "Ł" is dropped; "1", the line break (two) and "23" fill the last five places.
    QCOMPARE(w.MemoNotizen->toPlainText(), QString(250, QLatin1Char('a')) + "1\n23");
    QCOMPARE(storedLength(w.MemoNotizen->toPlainText()), 255);
}

void TestFields::neu_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer"); // -1: nothing asked
    QTest::addColumn<bool>("resets");
    QTest::newRow("saved: no question") << false << -1 << true;
    QTest::newRow("unsaved, Ja") << true << int(MessageResult::Ja) << true;
    QTest::newRow("unsaved, Nein") << true << int(MessageResult::Nein) << false;
    // Closing the box by its title bar keeps the values: only an explicit yes discards.
    QTest::newRow("unsaved, title-bar close") << true << int(MessageResult::Closed) << false;
}

void TestFields::neu()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, resets);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.ScrollBar(5)->setFocus();
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(w.ScrollBar(5), Qt::Key_Up);
    w.CheckBox1->setChecked(false);
    w.EditBolus1->setText(QStringLiteral("1,5"));
    w.EditBolus7->setText(QStringLiteral("2"));
    w.EditDatum->setText(QStringLiteral("08.12.2026"));
    w.MemoNotizen->setPlainText(QStringLiteral("Sport\nabends"));
    w.setWindowTitle(QStringLiteral("Fendrimo - /tmp/x.bar"));
    if (!changed)
        f.saveProfile();
    f.fake.clear();
    if (answer >= 0)
        f.fake.answer(MessageResult(answer));

    w.Neu1->trigger();

    if (changed) {
        QCOMPARE(f.fake.boxes.size(), 1);
        QCOMPARE(f.fake.boxes[0].caption, QStringLiteral("Warnung"));
        QCOMPARE(f.fake.boxes[0].text,
                 QStringLiteral("Aktuelle Werte nicht gespeichert. Werte verwerfen?"));
        QCOMPARE(f.fake.boxes[0].buttons, MessageButton::Ja | MessageButton::Nein);
    } else {
        QVERIFY(f.fake.boxes.isEmpty());
    }
    if (resets) {
        for (int n = 1; n <= 24; ++n) {
            QCOMPARE(w.ScrollBar(n)->value(), 30);
            QCOMPARE(w.Edit(n)->text(), QStringLiteral("0"));
        }
        QCOMPARE(w.LabelSumme->text(), QStringLiteral("0"));
        QVERIFY(w.EditBolus1->text().isEmpty());
        QVERIFY(w.EditBolus7->text().isEmpty());
        QVERIFY(w.EditDatum->text().isEmpty());
        QVERIFY(w.MemoNotizen->toPlainText().isEmpty());
        QCOMPARE(w.windowTitle(), QStringLiteral("Fendrimo"));
        QVERIFY(w.CheckBox1->isChecked());
        QVERIFY(w.DatenGespeichert());
        QTRY_COMPARE(w.LabelSaved->text(), QStringLiteral("Daten gespeichert: ja"));
    } else {
        QCOMPARE(w.ScrollBar(24)->value(), 23);
        QCOMPARE(w.Edit(5)->text(), QStringLiteral("0,7"));
        QCOMPARE(w.LabelSumme->text(), QStringLiteral("14"));
        QCOMPARE(w.EditBolus1->text(), QStringLiteral("1,5"));
        QCOMPARE(w.MemoNotizen->toPlainText(), QStringLiteral("Sport\nabends"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Fendrimo - /tmp/x.bar"));
        QVERIFY(!w.CheckBox1->isChecked());
        QVERIFY(!w.DatenGespeichert());
        QTRY_COMPARE(w.LabelSaved->text(), QStringLiteral("Daten gespeichert: nein"));
    }
}

void TestFields::neuKeepsMaximum()
{
    MainWindowFixture f(25);
    Form1UnderTest& w = f.w();
    w.Neu1->trigger();
    QCOMPARE(w.Maximum(), 25);
    QCOMPARE(w.ScrollBar(1)->maximum(), 25);
    QCOMPARE(w.LabelMax->text(), QStringLiteral("2,5 IE/h"));
    QCOMPARE(f.home.read(), setUpSettings(25));
}

QTEST_MAIN(TestFields)
#include "tst_fields.moc"

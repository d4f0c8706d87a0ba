// Undo and redo as the user works them: real mouse drags and key presses on
// the sliders, typing in the fields, Ctrl+Z and Ctrl+Y wherever the focus is,
// the menu texts, what starts a new history and the saved state.

#include "app/fieldmenu.h"
#include "support/mainwindowfixture.h"
#include "support/modalrun.h"

#include "options/optionsdialog.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

QList<qint32> ratesOf(const Form1UnderTest& w)
{
    QList<qint32> rates;
    for (int n = 1; n <= 24; ++n)
        rates << w.rate(n);
    return rates;
}

void pressKeys(Form1UnderTest& w, int n, Qt::Key key, int times)
{
    w.ScrollBar(n)->setFocus();
    for (int i = 0; i < times; ++i)
        QTest::keyClick(w.ScrollBar(n), key);
}

// Drags the thumb of slider n to the top with small moves, as a hand would.
void dragToTop(Form1UnderTest& w, int n)
{
    QScrollBar* slider = w.ScrollBar(n);
    const QPoint start = sliderPart(slider, QStyle::SC_ScrollBarSlider).center();
    const QRect groove = sliderPart(slider, QStyle::SC_ScrollBarGroove);
    sendMouse(slider, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    QPoint at = start;
    for (int dy = 4; start.y() - dy > groove.top() - 8; dy += 4) {
        at = start - QPoint(0, dy);
        sendMouse(slider, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
    }
    sendMouse(slider, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void undoKey(QWidget* focus)
{
    QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
}

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void linkedDragIsOneStep();
    void sliderSteps_data();
    void sliderSteps();
    void keysInTextFields_data();
    void keysInTextFields();
    void typingRunsAreSteps();
    void newDocumentClearsHistory_data();
    void newDocumentClearsHistory();
    void savedStateAfterUndo();
    void undoRestoresLinkingButNotMaximumOrTitle();
    void loweredMaximumClearsHistory_data();
    void loweredMaximumClearsHistory();
    void fieldMenusOfferNoUndo_data();
    void fieldMenusOfferNoUndo();
};

void TestUndo::linkedDragIsOneStep()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    QVERIFY(w.CheckBox1->isChecked());
    QVERIFY(!w.Rueckgaengig1->isEnabled());
    QCOMPARE(w.Rueckgaengig1->text(), QStringLiteral("Rückgängig"));
    dragToTop(w, 7);
    QCOMPARE(w.rate(7), 30);
    QCOMPARE(w.rate(24), 30); // followers moved with it
    QCOMPARE(w.history().count(), 1);
    QVERIFY(w.Rueckgaengig1->isEnabled());
    QCOMPARE(w.Rueckgaengig1->text(), QStringLiteral("Rückgängig: Basalrate 6 bis 24 Uhr"));

    undoKey(w.ScrollBar(7));
    QCOMPARE(ratesOf(w), QList<qint32>(24, 0));
    QCOMPARE(w.ScrollBar(24)->value(), 30);
    QCOMPARE(w.Edit(7)->text(), QStringLiteral("0"));
    QCOMPARE(w.LabelSumme->text(), QStringLiteral("0"));
    QCOMPARE(w.Wiederholen1->text(), QStringLiteral("Wiederholen: Basalrate 6 bis 24 Uhr"));
    QVERIFY(!w.Rueckgaengig1->isEnabled());

    QTest::keyClick(w.ScrollBar(7), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(w.rate(6), 0);
    for (int n = 7; n <= 24; ++n)
        QCOMPARE(w.rate(n), 30);
    QCOMPARE(w.LabelSumme->text(), QStringLiteral("54"));
}

void TestUndo::sliderSteps_data()
{
    QTest::addColumn<QString>("between"); // what happens between two runs of key presses
    QTest::addColumn<int>("steps");
    QTest::newRow("nothing: one run") << "" << 1;
    QTest::newRow("a save ends the run") << "save" << 2;
    QTest::newRow("another slider") << "other" << 3;
    QTest::newRow("the focus leaves and comes back") << "focus" << 2;
    QTest::newRow("a menu command") << "menu" << 2;
    QTest::newRow("an export format's command") << "export" << 2;
    QTest::newRow("clicks on the arrows merge too") << "click" << 1;
    QTest::newRow("a drag is a step of its own") << "drag" << 3;
}

void TestUndo::sliderSteps()
{
    QFETCH(QString, between);
    QFETCH(int, steps);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.CheckBox1->setChecked(false);
    pressKeys(w, 3, Qt::Key_Up, 3);
    if (between == QLatin1String("save")) {
        f.saveProfile();
    } else if (between == QLatin1String("other")) {
        pressKeys(w, 4, Qt::Key_Up, 1);
    } else if (between == QLatin1String("focus")) {
        w.EditDatum->setFocus();
        QTRY_VERIFY(w.EditDatum->hasFocus());
    } else if (between == QLatin1String("menu")) {
        f.fake.answer(MessageResult::Nein); // "Beenden", and then not
        w.Beenden1->trigger();
        QVERIFY(w.isVisible());
    } else if (between == QLatin1String("export")) {
        w.Exportieren1->actions().constFirst()->trigger(); // its file dialog cancelled
        QVERIFY(!f.fake.fileDialogs.isEmpty());
    }
    if (between == QLatin1String("click")) {
        for (int i = 0; i < 2; ++i)
            clickPart(w.ScrollBar(3), QStyle::SC_ScrollBarSubLine);
    } else if (between == QLatin1String("drag")) {
        // Up to the top and back down to 0,5 IE/h: one drag, one step.
        dragToTop(w, 3);
        pressKeys(w, 3, Qt::Key_End, 1);
        pressKeys(w, 3, Qt::Key_Up, 5);
    } else {
        pressKeys(w, 3, Qt::Key_Up, 2);
    }
    QCOMPARE(w.rate(3), 5);
    QCOMPARE(w.history().count(), steps);
    QCOMPARE(w.Rueckgaengig1->text(), QStringLiteral("Rückgängig: Basalrate 2 bis 3 Uhr"));
    // One undo takes back the last run only.
    w.Rueckgaengig1->trigger();
    QCOMPARE(w.rate(3), steps == 1 ? 0 : between == QLatin1String("drag") ? 30 : 3);
}

void TestUndo::keysInTextFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("bolus field") << "EditBolus4";
    QTest::newRow("date field") << "EditDatum";
    QTest::newRow("notes") << "MemoNotizen";
}

void TestUndo::keysInTextFields()
{
    // Ctrl+Z in a text field undoes the profile's last step, even one made
    // on a slider, not the field's own typing.
    QFETCH(QString, field);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    auto* target = w.findChild<QWidget*>(field);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClicks(target, QStringLiteral("12"));
    pressKeys(w, 10, Qt::Key_Up, 4);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());

    undoKey(target);
    QCOMPARE(w.rate(10), 0);
    QCOMPARE(w.history().count(), 2);
    undoKey(target);
    QCOMPARE(w.profile().content(), ProfileContent{});
    QCOMPARE(w.EditBolus4->text(), QString());
    QCOMPARE(w.EditDatum->text(), QString());
    QVERIFY(w.MemoNotizen->toPlainText().isEmpty());
    // Both redo keys bring the steps back.
    QTest::keyClick(target, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.rate(10), 4);
    const QString typed = field == QLatin1String("MemoNotizen")
                              ? w.MemoNotizen->toPlainText()
                              : static_cast<QLineEdit*>(target)->text();
    QCOMPARE(typed, QStringLiteral("12"));
}

void TestUndo::typingRunsAreSteps()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.EditBolus1->setFocus();
    QTest::keyClicks(w.EditBolus1, QStringLiteral("1,5"));
    w.EditDatum->setFocus();
    QTest::keyClicks(w.EditDatum, QStringLiteral("heute"));
    QTest::mouseDClick(w.EditDatum, Qt::LeftButton); // today's date: a step of its own
    QCOMPARE(w.EditDatum->text(), QStringLiteral("08.12.2026"));
    QCOMPARE(w.history().count(), 3);
    QCOMPARE(w.Rueckgaengig1->text(), QStringLiteral("Rückgängig: Datum"));
    undoKey(w.EditDatum);
    QCOMPARE(w.EditDatum->text(), QStringLiteral("heute"));
    undoKey(w.EditDatum);
    QCOMPARE(w.EditDatum->text(), QString());
    QCOMPARE(w.Rueckgaengig1->text(), QStringLiteral("Rückgängig: Bolus morgens"));
    QCOMPARE(w.EditBolus1->text(), QStringLiteral("1,5"));
}

void TestUndo::newDocumentClearsHistory_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Neu") << "Neu";
    QTest::newRow("Laden") << "Laden";
}

void TestUndo::newDocumentClearsHistory()
{
    QFETCH(QString, command);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    pressKeys(w, 2, Qt::Key_Up, 2);
    w.EditBolus1->setText(QStringLiteral("2"));
    QVERIFY(w.history().canUndo());
    if (command == QLatin1String("Neu")) {
        f.fake.answer(MessageResult::Ja);
        w.Neu1->trigger();
    } else {
        f.loadRates({5, 6, 7});
    }
    QVERIFY(!w.history().canUndo());
    QVERIFY(!w.history().canRedo());
    QVERIFY(!w.Rueckgaengig1->isEnabled());
    QCOMPARE(w.Rueckgaengig1->text(), QStringLiteral("Rückgängig"));
    const QList<qint32> before = ratesOf(w);
    undoKey(w.ScrollBar(2));
    QCOMPARE(ratesOf(w), before);
    QVERIFY(w.DatenGespeichert());
}

void TestUndo::savedStateAfterUndo()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates({4, 4, 4});
    pressKeys(w, 1, Qt::Key_Up, 1);
    QVERIFY(!w.DatenGespeichert());
    w.Rueckgaengig1->trigger();
    // Back to the content just loaded: saved, and the panel says so at once.
    QVERIFY(w.DatenGespeichert());
    QCOMPARE(w.LabelSaved->text(), QStringLiteral("Daten gespeichert: ja"));
    w.Wiederholen1->trigger();
    QVERIFY(!w.DatenGespeichert());
    QCOMPARE(w.LabelSaved->text(), QStringLiteral("Daten gespeichert: nein"));
    // Saved in the changed state: undoing leaves the saved content.
    f.saveProfile();
    w.Rueckgaengig1->trigger();
    QVERIFY(!w.DatenGespeichert());
    w.Wiederholen1->trigger();
    QVERIFY(w.DatenGespeichert());
}

void TestUndo::undoRestoresLinkingButNotMaximumOrTitle()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates({1, 2, 3}, QStringLiteral("profil.bar")); // linking off after a load
    const QString title = w.windowTitle();
    const QByteArray settings = f.home.read();
    pressKeys(w, 5, Qt::Key_Up, 2);
    QTest::mouseClick(w.CheckBox1, Qt::LeftButton);
    QVERIFY(w.CheckBox1->isChecked());
    w.Rueckgaengig1->trigger();
    QCOMPARE(w.rate(5), 0);
    QVERIFY(!w.CheckBox1->isChecked()); // as it was when the step was made
    QCOMPARE(w.windowTitle(), title);
    QCOMPARE(w.Maximum(), 30);
    QCOMPARE(f.home.read(), settings);
}

void TestUndo::loweredMaximumClearsHistory_data()
{
    QTest::addColumn<int>("item"); // 20, 30, 40, 50, 60
    QTest::addColumn<bool>("kept");
    QTest::newRow("lowered") << 0 << false;
    QTest::newRow("unchanged") << 2 << true;
    QTest::newRow("raised") << 4 << true;
}

void TestUndo::loweredMaximumClearsHistory()
{
    QFETCH(int, item);
    QFETCH(bool, kept);
    MainWindowFixture f(40);
    Form1UnderTest& w = f.w();
    pressKeys(w, 8, Qt::Key_Up, 5);
    const auto run = withModal<TFormOptionen>(
        &w, [&w] { w.Einstellungen->trigger(); },
        [item](TFormOptionen* dialog) {
            dialog->RadioGroupMax->setItemIndex(item);
            dialog->BitBtnOK->click();
        });
    QVERIFY(run->found);
    QCOMPARE(w.history().canUndo(), kept);
    QCOMPARE(w.Rueckgaengig1->isEnabled(), kept);
    QCOMPARE(w.rate(8), 5);
}

void TestUndo::fieldMenusOfferNoUndo_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("bolus field") << "EditBolus7";
    QTest::newRow("date field") << "EditDatum";
    QTest::newRow("notes") << "MemoNotizen";
}

void TestUndo::fieldMenusOfferNoUndo()
{
    QFETCH(QString, field);
    MainWindowFixture f(30);
    auto* target = f.w().findChild<QWidget*>(field);
    QVERIFY(target);
    QCOMPARE(target->contextMenuPolicy(), Qt::CustomContextMenu);
    std::unique_ptr<QMenu> menu(fieldContextMenu(target));
    QVERIFY(menu);
    // What the user sees: each entry's text, with its keys after the tab.
    QStringList keys;
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions)
        keys << action->text().section(QLatin1Char('\t'), 1);
    const auto shows = [&](QKeySequence::StandardKey which) {
        const QList<QKeySequence> bindings = QKeySequence::keyBindings(which);
        for (const QKeySequence& key : bindings) {
            if (keys.contains(key.toString(QKeySequence::NativeText)))
                return true;
        }
        return false;
    };
    QVERIFY(shows(QKeySequence::Paste)); // the field's own menu otherwise
    QVERIFY(!shows(QKeySequence::Undo));
    QVERIFY(!shows(QKeySequence::Redo));
    QVERIFY(!actions.isEmpty() && !actions.first()->isSeparator());
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"

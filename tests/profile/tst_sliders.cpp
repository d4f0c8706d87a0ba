// The sliders as the user works them: keys, arrow and trough clicks, thumb
// drags, linked dragging, the daily total and the check box.

#include "support/mainwindowfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

class TestSliders : public QObject
{
    Q_OBJECT

private slots:
    void rateScale_data();
    void rateScale();
    void linkedKeys_data();
    void linkedKeys();
    void linkedArrowAtEndOfRange();
    void arrowAndTroughClicks_data();
    void arrowAndTroughClicks();
    void thumbDragMovesFollowersOnEveryStep();
    void pressAndReleaseOnThumbForcesFollowers();
    void total_data();
    void total();
    void totalOfHugeMaximumDoesNotOverflow();
    void checkBoxClicks_data();
    void checkBoxClicks();
    void codeMovesRunNoScrollHandler();

private:
    static void pressKey(Form1UnderTest& w, int n, Qt::Key key, int times = 1)
    {
        w.ScrollBar(n)->setFocus();
        for (int i = 0; i < times; ++i)
            QTest::keyClick(w.ScrollBar(n), key);
    }
    static QStringList fieldTexts(Form1UnderTest& w)
    {
        QStringList texts;
        for (int n = 1; n <= 24; ++n)
            texts << w.Edit(n)->text();
        return texts;
    }
};

void TestSliders::rateScale_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("top is the maximum") << 0 << "3";
    QTest::newRow("bottom is zero") << 30 << "0";
    QTest::newRow("middle") << 15 << "1,5";
    QTest::newRow("one step above zero") << 29 << "0,1";
}

void TestSliders::rateScale()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.CheckBox1->setChecked(false);
    // Walk there by keys from the bottom: Home is the top, each Down one tenth less.
    pressKey(w, 7, Qt::Key_Home);
    pressKey(w, 7, Qt::Key_Down, position);
    QCOMPARE(w.ScrollBar(7)->value(), position);
    QCOMPARE(w.Edit(7)->text(), text);
    QCOMPARE(w.rate(7), 30 - position);
}

void TestSliders::linkedKeys_data()
{
    QTest::addColumn<bool>("linked");
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("ups");
    QTest::addColumn<QString>("total");
    QTest::newRow("linked from hour 0 to 1,2") << true << 1 << 12 << "28,8";
    QTest::newRow("linked from hour 12") << true << 13 << 5 << "6";
    QTest::newRow("linked on the last slider") << true << 24 << 7 << "0,7";
    QTest::newRow("not linked") << false << 1 << 12 << "1,2";
}

void TestSliders::linkedKeys()
{
    QFETCH(bool, linked);
    QFETCH(int, slider);
    QFETCH(int, ups);
    QFETCH(QString, total);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.CheckBox1->setChecked(linked);
    pressKey(w, slider, Qt::Key_Up, ups);
    const QString rateText = w.Edit(slider)->text();
    for (int n = 1; n <= 24; ++n) {
        const bool moved = n == slider || (linked && n > slider);
        QCOMPARE(w.ScrollBar(n)->value(), moved ? 30 - ups : 30);
        QCOMPARE(w.Edit(n)->text(), moved ? rateText : QStringLiteral("0"));
    }
    QCOMPARE(w.LabelSumme->text(), total);
    QVERIFY(!w.DatenGespeichert());
}

void TestSliders::linkedArrowAtEndOfRange()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    // Unlinked, give hours 6..24 some rate; hour 5 stays at 0.
    w.CheckBox1->setChecked(false);
    for (int n = 6; n <= 24; ++n)
        pressKey(w, n, Qt::Key_Up, n % 7 + 1);
    f.saveProfile();
    w.CheckBox1->setChecked(true);
    // The down arrow on hour 5 at 0 IE/h moves nothing, yet forces the followers.
    clickPart(w.ScrollBar(5), QStyle::SC_ScrollBarAddLine);
    QCOMPARE(w.ScrollBar(5)->value(), 30);
    QCOMPARE(w.Edit(5)->text(), QStringLiteral("0"));
    for (int n = 6; n <= 24; ++n) {
        QCOMPARE(w.ScrollBar(n)->value(), 30);
        QCOMPARE(w.Edit(n)->text(), QStringLiteral("0"));
    }
    QCOMPARE(w.LabelSumme->text(), QStringLiteral("0"));
    QVERIFY(!w.DatenGespeichert());
}

void TestSliders::arrowAndTroughClicks_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("position");
    QTest::newRow("up arrow") << int(QStyle::SC_ScrollBarSubLine) << 3 << 27;
    QTest::newRow("down arrow at the bottom") << int(QStyle::SC_ScrollBarAddLine) << 2 << 30;
    // A trough click is a page step, which is one tenth too.
    QTest::newRow("trough above the thumb") << int(QStyle::SC_ScrollBarSubPage) << 4 << 26;
}

void TestSliders::arrowAndTroughClicks()
{
    QFETCH(int, part);
    QFETCH(int, clicks);
    QFETCH(int, position);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    for (int i = 0; i < clicks; ++i)
        clickPart(w.ScrollBar(2), QStyle::SubControl(part));
    QCOMPARE(w.ScrollBar(2)->value(), position);
    QCOMPARE(w.Edit(2)->text(), ZehntelText(30 - position));
    QCOMPARE(w.ScrollBar(1)->value(), 30);
    QCOMPARE(w.ScrollBar(24)->value(), position); // linked
    QVERIFY(!w.DatenGespeichert());
}

void TestSliders::thumbDragMovesFollowersOnEveryStep()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    QScrollBar* slider = w.ScrollBar(3);
    const QRect thumb = sliderPart(slider, QStyle::SC_ScrollBarSlider);
    const QRect groove = sliderPart(slider, QStyle::SC_ScrollBarGroove);
    const QPoint start = thumb.center();
    sendMouse(slider, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    int lastPosition = slider->sliderPosition();
    int steps = 0;
    // Drag upwards in small moves; after each move the followers already stand with hour 2.
    for (int dy = 4; start.y() - dy > groove.top(); dy += 4) {
        sendMouse(slider, QEvent::MouseMove, start - QPoint(0, dy), Qt::NoButton, Qt::LeftButton);
        if (slider->sliderPosition() != lastPosition) {
            ++steps;
            lastPosition = slider->sliderPosition();
            QCOMPARE(w.ScrollBar(24)->value(), lastPosition);
            QCOMPARE(w.Edit(24)->text(), w.Edit(3)->text());
            QCOMPARE(w.LabelSumme->text(), ZehntelText(qint64(22) * (30 - lastPosition)));
        }
    }
    sendMouse(slider, QEvent::MouseButtonRelease, start - QPoint(0, groove.height()),
              Qt::LeftButton, Qt::NoButton);
    QVERIFY2(steps > 3, "the drag should pass several positions");
    QCOMPARE(slider->value(), 0);
    QCOMPARE(w.Edit(3)->text(), QStringLiteral("3"));
    QCOMPARE(w.ScrollBar(2)->value(), 30);
    QCOMPARE(w.LabelSumme->text(), QStringLiteral("66"));
}

void TestSliders::pressAndReleaseOnThumbForcesFollowers()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.CheckBox1->setChecked(false);
    pressKey(w, 20, Qt::Key_Up, 9);
    pressKey(w, 10, Qt::Key_Up, 4);
    f.saveProfile();
    w.CheckBox1->setChecked(true);
    // A click on the thumb moves nothing; its end of scroll still links.
    const QPoint thumb = sliderPart(w.ScrollBar(10), QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(w.ScrollBar(10), Qt::LeftButton, Qt::NoModifier, thumb);
    QTest::mouseRelease(w.ScrollBar(10), Qt::LeftButton, Qt::NoModifier, thumb);
    QCOMPARE(w.ScrollBar(10)->value(), 26);
    for (int n = 11; n <= 24; ++n)
        QCOMPARE(w.Edit(n)->text(), QStringLiteral("0,4"));
    QCOMPARE(w.ScrollBar(9)->value(), 30);
    QVERIFY(!w.DatenGespeichert());
}

void TestSliders::total_data()
{
    QTest::addColumn<QList<int>>("rates");
    QTest::addColumn<QString>("total");
    QList<int> mixed;
    for (int h = 0; h < 24; ++h)
        mixed << (h < 6 ? 8 : h < 12 ? 12 : 9);
    QList<int> oneHour(24, 0);
    oneHour[17] = 1;
    QTest::newRow("all zero") << QList<int>(24, 0) << "0";
    QTest::newRow("all at the maximum") << QList<int>(24, 30) << "72";
    QTest::newRow("one hour at 0,1") << oneHour << "0,1";
    QTest::newRow("0,8 / 1,2 / 0,9") << mixed << "22,8";
}

void TestSliders::total()
{
    QFETCH(QList<int>, rates);
    QFETCH(QString, total);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    // Rates set from code (a profile loaded) show their total too.
    f.loadRates(rates);
    QCOMPARE(w.LabelSumme->text(), total);
    QVERIFY(w.DatenGespeichert());
}

void TestSliders::totalOfHugeMaximumDoesNotOverflow()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    // The largest profile a file can hold: 99,9 IE/h every hour.
    f.loadRates(QList<qint32>(24, 999));
    QCOMPARE(w.Maximum(), 999);
    QCOMPARE(w.LabelSumme->text(), QStringLiteral("2397,6"));
}

void TestSliders::checkBoxClicks_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("left button toggles and beeps") << int(Qt::LeftButton) << false;
    QTest::newRow("right button only beeps") << int(Qt::RightButton) << true;
}

void TestSliders::checkBoxClicks()
{
    QFETCH(int, button);
    QFETCH(bool, ticked);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    QTest::mouseClick(w.CheckBox1, Qt::MouseButton(button), Qt::NoModifier,
                      QPoint(8, w.CheckBox1->height() / 2));
    QCOMPARE(w.CheckBox1->isChecked(), ticked);
    QCOMPARE(f.fake.beeps, 1);
    QVERIFY(w.DatenGespeichert());
    for (int n = 1; n <= 24; ++n)
        QCOMPARE(w.ScrollBar(n)->value(), 30);
    // The keyboard toggles silently.
    w.CheckBox1->setFocus();
    QTest::keyClick(w.CheckBox1, Qt::Key_Space);
    QCOMPARE(w.CheckBox1->isChecked(), !ticked);
    QCOMPARE(f.fake.beeps, 1);
}

void TestSliders::codeMovesRunNoScrollHandler()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.ScrollBar(4)->setValue(10);
    // No handler ran: the field and the followers are untouched, the profile still saved.
    QCOMPARE(w.Edit(4)->text(), QStringLiteral("0"));
    QCOMPARE(w.ScrollBar(5)->value(), 30);
    QVERIFY(w.DatenGespeichert());
    // A slider is a view of the profile: moving it from code changes no rate.
    QCOMPARE(w.rate(4), 0);
    QCOMPARE(w.LabelSumme->text(), QStringLiteral("0"));
    QCOMPARE(fieldTexts(w), QStringList(24, QStringLiteral("0")));
}

QTEST_MAIN(TestSliders)
#include "tst_sliders.moc"

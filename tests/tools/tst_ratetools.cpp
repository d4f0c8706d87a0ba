// The whole-profile tools through the menu: the dialog's live preview and
// notices, nothing changed without OK, and one undo step for the whole change.

#include "support/mainwindowfixture.h"
#include "support/modalrun.h"
#include "tools/ratetooldialog.h"
#include "tools/takehoursdialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

// The worked profile: 0,8 IE/h 0-6 Uhr, 1,2 6-10 Uhr, 1,0 10-18 Uhr, 0,9 18-24 Uhr.
QList<qint32> workedRates()
{
    QList<qint32> rates;
    for (int h = 0; h < 24; ++h)
        rates << (h < 6 ? 8 : h < 10 ? 12 : h < 18 ? 10 : 9);
    return rates;
}

struct ToolRun
{
    QString total;
    QString notices;
    bool found = false;
};

ToolRun runTool(Form1UnderTest& w, QAction* command, int value, bool ok)
{
    ToolRun seen;
    const auto run = withModal<RateToolDialog>(
        &w, [command] { command->trigger(); },
        [&](RateToolDialog* dialog) {
            dialog->Wert->setFocus();
            dialog->Wert->selectAll();
            QTest::keyClicks(dialog->Wert, QString::number(value));
            seen.total = dialog->LabelSumme->text();
            seen.notices = dialog->LabelHinweise->text();
            if (ok)
                QTest::keyClick(dialog->Wert, Qt::Key_Return);
            else
                QTest::keyClick(dialog->Wert, Qt::Key_Escape);
        });
    seen.found = run->found && !run->leftOpen;
    return seen;
}

} // namespace

class TestRateTools : public QObject
{
    Q_OBJECT

private slots:
    void percent_data();
    void percent();
    void shiftAndUndo();
    void longComparisonName_data();
    void longComparisonName();
};

void TestRateTools::percent_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("notices");
    QTest::addColumn<qint32>("hour6"); // the new rate of 6 to 7 Uhr
    QTest::newRow("110 %, OK") << 110 << true << "Tagessumme: 23 IE → 25,4 IE"
                               << "" << 13;
    QTest::newRow("110 %, Escape changes nothing") << 110 << false << "Tagessumme: 23 IE → 25,4 IE"
                                                   << "" << 12;
    QTest::newRow("typed 117 %, between the steps") << 117 << true << "Tagessumme: 23 IE → 27,2 IE"
                                                    << "" << 14;
    QTest::newRow("300 %: held at the maximum")
        << 300 << true << "Tagessumme: 23 IE → 66,6 IE"
        << "6 bis 10 Uhr: auf die höchste einstellbare Rate von 3 IE/h begrenzt." << 30;
}

void TestRateTools::percent()
{
    QFETCH(int, percent);
    QFETCH(bool, ok);
    QFETCH(QString, total);
    QFETCH(QString, notices);
    QFETCH(qint32, hour6);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(workedRates());
    const ToolRun seen = runTool(w, w.RatenProzent1, percent, ok);
    QVERIFY(seen.found);
    QCOMPARE(seen.total, total);
    QCOMPARE(seen.notices, notices);
    QCOMPARE(w.rate(7), hour6);
    QCOMPARE(w.DatenGespeichert(), !ok);
    QCOMPARE(w.history().count(), ok ? 1 : 0);
    if (ok) {
        QCOMPARE(w.LabelSumme->text(), total.section(QStringLiteral("→ "), 1).chopped(3));
        w.Rueckgaengig1->trigger();
        QCOMPARE(w.rate(7), 12);
        QCOMPARE(w.LabelSumme->text(), QStringLiteral("23"));
    }
}

void TestRateTools::shiftAndUndo()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(workedRates());
    const ToolRun seen = runTool(w, w.Verschieben1, -2, true);
    QVERIFY(seen.found);
    QCOMPARE(seen.total, QStringLiteral("Tagessumme: 23 IE → 23 IE"));
    // Two hours earlier: the 1,2 of 6 to 10 Uhr now runs from 4 to 8 Uhr.
    QCOMPARE(w.rate(5), 12);
    QCOMPARE(w.rate(9), 10);
    QCOMPARE(w.rate(23), 8); // 0 to 1 Uhr wrapped to 22 to 23 Uhr
    QCOMPARE(w.history().count(), 1);
    w.Rueckgaengig1->trigger();
    QCOMPARE(w.rate(5), 8);
    QCOMPARE(w.rate(23), 9);
}

void TestRateTools::longComparisonName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("10,000 characters, no blank") << QString(10000, u'x');
    QTest::newRow("10,000 characters in words") << QStringLiteral("Basalplan ").repeated(1000);
    QTest::newRow("5,000 lines") << QStringLiteral("a\n").repeated(5000);
}

// A schedule or profile may be named at any length: the take dialog stays on
// the screen, and the whole name is in the tooltip.
void TestRateTools::longComparisonName()
{
    QFETCH(QString, name);
    MainWindowFixture f(30);
    HourlyRates current{};
    ProfileReference reference;
    reference.name = name;
    reference.rates.fill(5);
    TakeHoursDialog dialog(&f.w(), current, reference);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY2(dialog.width() <= 1024, qPrintable(QString::number(dialog.width())));
    QVERIFY2(dialog.height() <= 768, qPrintable(QString::number(dialog.height())));
    const auto* heading = dialog.findChild<QLabel*>(QStringLiteral("LabelVergleich"));
    QVERIFY(heading);
    QCOMPARE(heading->toolTip(), name);
    qInfo("fault | take dialog, comparison named with %s | %dx%d px, whole name in the tooltip "
          "| nothing",
          QTest::currentDataTag(), dialog.width(), dialog.height());
}

QTEST_MAIN(TestRateTools)
#include "tst_ratetools.moc"

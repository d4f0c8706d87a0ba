// "Glukoseprofil" through the real window: a CGM export loaded by the menu,
// the window opened from it; the period, the days and the unit chosen; the
// rates following the profile's edits; an hour chosen giving its slider the
// focus; the window closed with the data.

#include "glucose/glucosesamples.h"
#include "glucoseview/agpchart.h"
#include "glucoseview/glucosewindow.h"
#include "glucoseview/hourtexts.h"
#include "support/openingsupport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;
using namespace glucosesamples;

namespace {

struct Opened
{
    MainWindowFixture f;
    GlucoseWindow* window = nullptr;
    QTableWidget* table = nullptr;

    Opened() : f(30)
    {
        f.loadRates(QList<qint32>(24, 8), QStringLiteral("profil.bar"));
        const QString path = f.home.path() + QStringLiteral("/cgm.csv");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(clarityTwentyDays()) <= 0)
            return;
        file.close();
        f.fake.chooseFile(path);
        f.w().openedItem("Glukose1", "GlukoseLaden1")->trigger();
        QAction* item = f.w().openedItem("Glukose1", "Glukoseprofil1");
        if (!QTest::qWaitFor([item] { return item->isEnabled(); }, 60000))
            return;
        item->trigger();
        window = f.w().findChild<GlucoseWindow*>();
        table =
            window ? window->findChild<QTableWidget*>(QStringLiteral("StundenTabelle")) : nullptr;
    }
    template <typename T> T* control(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    QString cell(int hour, HourColumn column) const
    {
        return table->item(hour, int(column))->text();
    }
};

} // namespace

class TestGlucoseWindow : public QObject
{
    Q_OBJECT

private slots:
    void periodAndDays_data();
    void periodAndDays();
    void followsProfileAndData();
};

void TestGlucoseWindow::periodAndDays_data()
{
    QTest::addColumn<QDate>("from"); // invalid: as opened
    QTest::addColumn<QDate>("to");
    QTest::addColumn<int>("days");          // the choice's row: all, Monday-Friday, weekend, picked
    QTest::addColumn<QList<int>>("picked"); // days of May
    QTest::addColumn<QString>("shown");     // from and to as the window shows them
    QTest::addColumn<int>("readings");      // in the hour 3 to 4
    QTest::addColumn<QString>("note");      // a piece of the note
    const QDate none;
    QTest::newRow("opened: the last 14 days")
        << none << none << 0 << QList<int>{} << "07.05.2025-20.05.2025" << 14 * 12 << "";
    QTest::newRow("Monday to Friday")
        << none << none << 1 << QList<int>{} << "07.05.2025-20.05.2025" << 10 * 12
        << "nur 10 von mindestens 14 Tagen";
    QTest::newRow("picked dates") << QDate(2025, 5, 1) << QDate(2025, 5, 20) << 3
                                  << QList<int>{10, 12, 19} << "01.05.2025-20.05.2025" << 3 * 12
                                  << "nur 3 von";
    QTest::newRow("from before and to after the data, moved in")
        << QDate(2025, 4, 20) << QDate(2025, 6, 3) << 0 << QList<int>{} << "01.05.2025-20.05.2025"
        << 20 * 12 << "lag außerhalb der Glukosedaten";
}

void TestGlucoseWindow::periodAndDays()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(int, days);
    QFETCH(QList<int>, picked);
    QFETCH(QString, shown);
    QFETCH(int, readings);
    QFETCH(QString, note);
    Opened o;
    QVERIFY(o.table);
    if (from.isValid()) {
        o.control<QDateEdit>("VonDatum")->setDate(from);
        o.control<QDateEdit>("BisDatum")->setDate(to);
    }
    o.control<QComboBox>("TageAuswahl")->setCurrentIndex(days);
    auto* list = o.control<QListWidget>("TageListe");
    QCOMPARE(list->isVisibleTo(o.window), days == 3);
    for (int day : picked)
        list->item(day - 1)->setCheckState(Qt::Checked);
    QCOMPARE(o.control<QDateEdit>("VonDatum")->text() + u'-' +
                 o.control<QDateEdit>("BisDatum")->text(),
             shown);
    QCOMPARE(o.cell(3, HourColumn::Readings), QString::number(readings));
    QCOMPARE(o.cell(3, HourColumn::Median), QStringLiteral("115"));
    const QString said = o.control<QLabel>("Hinweis")->text();
    QVERIFY2(note.isEmpty() ? said.isEmpty() : said.contains(note), qPrintable(said));
}

void TestGlucoseWindow::followsProfileAndData()
{
    Opened o;
    QVERIFY(o.table);
    Form1UnderTest& w = o.f.w();
    auto* chart = o.control<AgpChart>("AgpDiagramm");
    // No unit stored: the data's, and opening stores none.
    QCOMPARE(o.control<QComboBox>("Einheit")->currentText(), QStringLiteral("mg/dL"));
    QVERIFY(!o.f.home.read().contains("Glukoseeinheit"));
    o.control<QComboBox>("Einheit")->setCurrentIndex(1);
    QVERIFY(o.f.home.read().contains("Glukoseeinheit=mmol/L"));
    QCOMPARE(o.cell(3, HourColumn::Median), QStringLiteral("6,4"));
    const QString heard = o.table->item(3, 0)->data(Qt::AccessibleTextRole).toString();
    QVERIFY(heard.startsWith(QStringLiteral("3 bis 4 Uhr: Median 6,4 mmol/L")));
    // An edit in the main window, and the comparison with the saved rates.
    w.ScrollBar(4)->triggerAction(QAbstractSlider::SliderPageStepSub);
    QVERIFY(w.rate(4) != 8);
    QCOMPARE(o.cell(3, HourColumn::Rate), ZehntelText(w.rate(4)));
    QCOMPARE(chart->values().rates.at(3), w.rate(4));
    QVERIFY(!chart->values().reference);
    w.VergleichGespeichert1->trigger();
    QVERIFY(chart->values().reference && chart->values().reference->at(3) == 8);
    // An hour chosen in the chart by a click, then in the table by Enter.
    const QRectF plot = chart->plotArea();
    QTest::mouseClick(chart, Qt::LeftButton, {},
                      QPointF(plot.left() + plot.width() * 7.5 / 24, plot.center().y()).toPoint());
    QCOMPARE(w.focusWidget(), w.ScrollBar(8));
    o.table->setCurrentCell(10, 2);
    QTest::keyClick(o.table, Qt::Key_Return);
    QCOMPARE(w.focusWidget(), w.ScrollBar(11));
    // The chart heard hour by hour.
    chart->setFocus();
    QTest::keyClick(chart, Qt::Key_Right);
    QVERIFY(chart->accessibleDescription().startsWith(QStringLiteral("8 bis 9 Uhr: Median")));
    // One window, raised again; Escape closes it; removing the data too.
    w.openedItem("Glukose1", "Glukoseprofil1")->trigger();
    QCOMPARE(w.findChildren<GlucoseWindow*>().size(), 1);
    QTest::keyClick(o.window, Qt::Key_Escape);
    QTRY_VERIFY(!w.findChild<GlucoseWindow*>());
    w.openedItem("Glukose1", "Glukoseprofil1")->trigger();
    QVERIFY(w.findChild<GlucoseWindow*>()->isVisible());
    o.f.fake.answer(MessageResult::Ja);
    w.openedItem("Glukose1", "GlukoseEntfernen1")->trigger();
    QTRY_VERIFY(!w.findChild<GlucoseWindow*>());
    QVERIFY(!w.openedItem("Glukose1", "Glukoseprofil1")->isEnabled());
    QCOMPARE(w.history().count(), 1); // the window changed nothing of the profile
}

QTEST_MAIN(TestGlucoseWindow)
#include "tst_glucosewindow.moc"

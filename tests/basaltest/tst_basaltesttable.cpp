// The basal test's table for two days side by side: one day complete, the
// other with a missing reading and a Low, in mg/dL and in mmol/L.

#include "basaltest/basaltesttable.h"
#include "glucose/glucoseperiod.h"
#include "platform/regional.h"

#include <QTableWidget>
#include <QtTest>

using namespace fendrimo;

Q_DECLARE_METATYPE(GlucoseUnit)

class TestBasalTestTable : public QObject
{
    Q_OBJECT

private slots:
    void twoDays_data();
    void twoDays();
};

namespace {

const QDate kFirst(2025, 5, 13);
const QDate kSecond(2025, 5, 14);

GlucoseReading reading(const QDate& day, int hour, int mgPerDl,
                       ReadingKind kind = ReadingKind::Measured)
{
    return {dayOfDate(day) * 86400 + hour * 3600, kNoOffset, std::uint16_t(mgPerDl),
            GlucoseUnit::MgPerDl, kind};
}

// 22 to 1 o'clock on both days; the second has a Low at 23 and nothing at 0.
const GlucoseData kTwoNights{
    {reading(kFirst, 22, 120), reading(kFirst, 23, 130), reading(kFirst, 24, 125),
     reading(kFirst, 25, 150), reading(kSecond, 22, 200),
     reading(kSecond, 23, 40, ReadingKind::BelowRange), reading(kSecond, 25, 110)},
    {QStringLiteral("c.csv")}};

// A row's texts, empty cells left out.
QString rowText(const QTableWidget& table, int row)
{
    QStringList texts;
    for (int column = 0; column < table.columnCount(); ++column)
        if (const QTableWidgetItem* item = table.item(row, column))
            texts << item->text();
    return texts.join(u'|');
}

} // namespace

void TestBasalTestTable::twoDays_data()
{
    QTest::addColumn<GlucoseUnit>("unit");
    QTest::addColumn<QStringList>("rows"); // the last hour, the block, the range
    QTest::newRow("mg/dL") << GlucoseUnit::MgPerDl
                           << QStringList{"0 bis 1 Uhr|1,1 IE/h|125|150|+25|–|110|–",
                                          "Block 22 bis 1 Uhr|120|150|+10 je Std.|200|110|\u221230 "
                                          "je Std.",
                                          "Werte im Zielbereich|alle 4 Werte in 70–180 mg/dL|2 von "
                                          "3 Werten außerhalb 70–180 mg/dL"};
    QTest::newRow("mmol/L") << GlucoseUnit::MmolPerL
                            << QStringList{"0 bis 1 Uhr|1,1 IE/h|6,9|8,3|+1,4|–|6,1|–",
                                           "Block 22 bis 1 Uhr|6,7|8,3|+0,6 je Std.|11,1|6,1|"
                                           "\u22121,7 je Std.",
                                           "Werte im Zielbereich|alle 4 Werte in 3,9–10,0 mmol/L|2 "
                                           "von 3 Werten außerhalb 3,9–10,0 mmol/L"};
}

void TestBasalTestTable::twoDays()
{
    QFETCH(GlucoseUnit, unit);
    QFETCH(QStringList, rows);
    HourlyRates rates{};
    rates.fill(8);
    rates.at(0) = 11;
    const RegionalFormats german = RegionalFormats::fromLocale(QLocale(QLocale::German));
    const BasalTestBlock block{22, 1};
    QTableWidget table;
    fillBasalTestTable(table, basalTest(kTwoNights, {kFirst, kSecond}, block, unit), block, rates,
                       unit, german);
    QCOMPARE(table.horizontalHeaderItem(5)->text(), QStringLiteral("14.05.2025\nBeginn"));
    QCOMPARE((QStringList{rowText(table, 2), rowText(table, 3), rowText(table, 4)}), rows);
    // The Low, said on screen and to a screen reader with its day and hour.
    const QTableWidgetItem* low = table.item(0, 6);
    QCOMPARE(
        low->text() + u'|' + low->data(Qt::AccessibleTextRole).toString(),
        "unter Messbereich|14.05.2025, 22 bis 23 Uhr, Ende: unter dem Messbereich des Sensors");
}

QTEST_MAIN(TestBasalTestTable)
#include "tst_basaltesttable.moc"

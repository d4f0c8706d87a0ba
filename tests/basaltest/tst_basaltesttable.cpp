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
    GlucoseReading r;
    r.localSeconds = dayOfDate(day) * 86400 + std::int64_t(hour) * 3600;
    r.value = std::uint16_t(mgPerDl);
    r.kind = kind;
    return r;
}

// 22 to 1 o'clock on both days; the second has a Low at 23 and nothing at 0.
GlucoseData twoNights()
{
    GlucoseData data;
    data.files << QStringLiteral("c.csv");
    data.readings = {reading(kFirst, 22, 120),  reading(kFirst, 23, 130),
                     reading(kFirst, 24, 125),  reading(kFirst, 25, 150),
                     reading(kSecond, 22, 200), reading(kSecond, 23, 40, ReadingKind::BelowRange),
                     reading(kSecond, 25, 110)};
    return data;
}

using Cells = QMap<QString, QString>; // "row,column": text

} // namespace

void TestBasalTestTable::twoDays_data()
{
    QTest::addColumn<GlucoseUnit>("unit");
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<QString>("spoken"); // the second day's first end
    const QString low = QStringLiteral("unter Messbereich");
    QTest::newRow("mg/dL") << GlucoseUnit::MgPerDl
                           << Cells{{"0,0", "22 bis 23 Uhr"},
                                    {"0,1", "0,8 IE/h"},
                                    {"2,0", "0 bis 1 Uhr"},
                                    {"2,1", "1,1 IE/h"},
                                    {"0,2", "120"},
                                    {"0,3", "130"},
                                    {"0,4", "+10"},
                                    {"1,4", "\u22125"},
                                    {"0,5", "200"},
                                    {"0,6", low},
                                    {"0,7", "–"},
                                    {"1,5", low},
                                    {"2,5", "–"},
                                    {"2,6", "110"},
                                    {"3,0", "Block 22 bis 1 Uhr"},
                                    {"3,2", "120"},
                                    {"3,3", "150"},
                                    {"3,4", "+10 je Std."},
                                    {"3,7", "\u221230 je Std."},
                                    {"4,2", "alle 4 Werte in 70–180 mg/dL"},
                                    {"4,5", "2 von 3 Werten außerhalb 70–180 mg/dL"}}
                           << "14.05.2025, 22 bis 23 Uhr, Ende: unter dem Messbereich des Sensors";
    QTest::newRow("mmol/L") << GlucoseUnit::MmolPerL
                            << Cells{{"0,2", "6,7"},
                                     {"0,4", "+0,6"},
                                     {"1,4", "\u22120,3"},
                                     {"0,5", "11,1"},
                                     {"0,6", low},
                                     {"2,6", "6,1"},
                                     {"3,4", "+0,6 je Std."},
                                     {"3,7", "\u22121,7 je Std."},
                                     {"4,2", "alle 4 Werte in 3,9–10,0 mmol/L"},
                                     {"4,5", "2 von 3 Werten außerhalb 3,9–10,0 mmol/L"}}
                            << "14.05.2025, 22 bis 23 Uhr, Ende: unter dem Messbereich des Sensors";
}

void TestBasalTestTable::twoDays()
{
    QFETCH(GlucoseUnit, unit);
    QFETCH(Cells, cells);
    QFETCH(QString, spoken);
    HourlyRates rates{};
    rates.fill(8);
    rates.at(0) = 11;
    RegionalFormats german;
    german.decimalSeparator = QLatin1Char(',');
    const BasalTestBlock block{22, 1};
    QTableWidget table;
    fillBasalTestTable(table, basalTest(twoNights(), {kFirst, kSecond}, block, unit), block, rates,
                       unit, german);
    QCOMPARE(table.rowCount(), 5);
    QCOMPARE(table.columnCount(), 8);
    QCOMPARE(table.horizontalHeaderItem(5)->text(), QStringLiteral("14.05.2025\nBeginn"));
    for (auto it = cells.cbegin(); it != cells.cend(); ++it) {
        const QStringList at = it.key().split(u',');
        const QTableWidgetItem* item = table.item(at[0].toInt(), at[1].toInt());
        QVERIFY2(item, qPrintable(it.key()));
        QCOMPARE(item->text(), it.value());
    }
    QCOMPARE(table.item(0, 6)->data(Qt::AccessibleTextRole).toString(), spoken);
    QCOMPARE(table.columnSpan(4, 5), 3);
}

QTEST_MAIN(TestBasalTestTable)
#include "tst_basaltesttable.moc"

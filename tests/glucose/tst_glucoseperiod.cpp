// Which days the statistics take: the AGP's default 14 days, a chosen
// period moved within the data, and the weekday filters.

#include "glucose/glucosestats.h"
#include "readings.h"

#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::test;

namespace {

// One reading at noon on each day of the month from `first` to `last`, of
// 100 mg/dL plus the day of the month.
GlucoseData noonReadings(const QDate& first, const QDate& last)
{
    QStringList lines;
    for (QDate d = first; d <= last; d = d.addDays(1))
        lines << d.toString(Qt::ISODate) + QStringLiteral(" 12:00 %1").arg(100 + d.day());
    return dataOf(lines);
}

} // namespace

class TestGlucosePeriod : public QObject
{
    Q_OBJECT

private slots:
    void defaultPeriod_data();
    void defaultPeriod();
    void chosenPeriod_data();
    void chosenPeriod();
    void daysThatCount_data();
    void daysThatCount();
};

void TestGlucosePeriod::defaultPeriod_data()
{
    QTest::addColumn<QDate>("dataFirst");
    QTest::addColumn<QDate>("dataLast");
    QTest::addColumn<QDate>("first");
    QTest::newRow("20 days: the last 14, 20 - 13 = 7")
        << QDate(2024, 3, 1) << QDate(2024, 3, 20) << QDate(2024, 3, 7);
    QTest::newRow("5 days: from the data's first")
        << QDate(2024, 3, 1) << QDate(2024, 3, 5) << QDate(2024, 3, 1);
    QTest::newRow("over a year's end")
        << QDate(2023, 12, 1) << QDate(2024, 1, 3) << QDate(2023, 12, 21);
}

void TestGlucosePeriod::defaultPeriod()
{
    QFETCH(QDate, dataFirst);
    QFETCH(QDate, dataLast);
    QFETCH(QDate, first);
    const GlucosePeriod period = fendrimo::defaultPeriod(noonReadings(dataFirst, dataLast));
    QCOMPARE(period.first, first);
    QCOMPARE(period.last, dataLast);
    QCOMPARE(period.days, DaySelection::All);
}

void TestGlucosePeriod::chosenPeriod_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<bool>("clamped");
    // the data: 2024-03-01 to 2024-03-20
    QTest::newRow("within") << QDate(2024, 3, 5) << QDate(2024, 3, 9) << QDate(2024, 3, 5)
                            << QDate(2024, 3, 9) << false;
    QTest::newRow("either order") << QDate(2024, 3, 9) << QDate(2024, 3, 5) << QDate(2024, 3, 5)
                                  << QDate(2024, 3, 9) << false;
    QTest::newRow("before the data")
        << QDate(2024, 2, 1) << QDate(2024, 3, 9) << QDate(2024, 3, 1) << QDate(2024, 3, 9) << true;
    QTest::newRow("after the data") << QDate(2024, 3, 5) << QDate(2024, 4, 9) << QDate(2024, 3, 5)
                                    << QDate(2024, 3, 20) << true;
}

void TestGlucosePeriod::chosenPeriod()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(bool, clamped);
    const GlucoseData data = noonReadings(QDate(2024, 3, 1), QDate(2024, 3, 20));
    const PeriodChoice choice = choosePeriod(data, from, to);
    QCOMPARE(choice.period.first, first);
    QCOMPARE(choice.period.last, last);
    QCOMPARE(choice.clamped, clamped);
}

void TestGlucosePeriod::daysThatCount_data()
{
    QTest::addColumn<DaySelection>("selection");
    QTest::addColumn<QList<QDate>>("picked");
    QTest::addColumn<int>("days");
    QTest::addColumn<double>("mean");
    // Monday 2024-03-04 to Sunday 2024-03-17, 104 to 117 mg/dL
    QTest::newRow("all: (104 + 117) / 2") << DaySelection::All << QList<QDate>{} << 14 << 110.5;
    // 4..8 and 11..15: 95 / 10
    QTest::newRow("Monday to Friday")
        << DaySelection::MondayToFriday << QList<QDate>{} << 10 << 109.5;
    // 9, 10, 16, 17: 52 / 4
    QTest::newRow("Saturday and Sunday")
        << DaySelection::SaturdayAndSunday << QList<QDate>{} << 4 << 113.0;
    // 5 and 17; April 1st lies outside the period
    QTest::newRow("picked") << DaySelection::Picked
                            << QList<QDate>{QDate(2024, 3, 5), QDate(2024, 3, 17),
                                            QDate(2024, 4, 1)}
                            << 2 << 111.0;
}

void TestGlucosePeriod::daysThatCount()
{
    QFETCH(DaySelection, selection);
    QFETCH(QList<QDate>, picked);
    QFETCH(int, days);
    QFETCH(double, mean);
    const GlucoseData data = noonReadings(QDate(2024, 3, 1), QDate(2024, 3, 31));
    const PeriodChoice choice =
        choosePeriod(data, QDate(2024, 3, 4), QDate(2024, 3, 17), selection, picked);
    const PeriodFigures figures =
        glucoseStatistics(data, choice.period, GlucoseUnit::MgPerDl).overall;
    QCOMPARE(figures.days, days);
    QCOMPARE(figures.daysWithData, days);
    QCOMPARE(figures.readings, days);
    QCOMPARE(*figures.mean, mean);
}

QTEST_APPLESS_MAIN(TestGlucosePeriod)
#include "tst_glucoseperiod.moc"

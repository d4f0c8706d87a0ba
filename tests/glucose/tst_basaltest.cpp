// A basal test's facts: each hour's glucose at its start and end, the
// block's drift per hour, whether it stayed within 70-180 mg/dL.

#include "glucose/basaltest.h"
#include "readings.h"

#include <QtTest>

#include <cmath>

using namespace fendrimo;
using namespace fendrimo::test;

namespace {

using Values = QList<double>;

// Hourly readings from 21:00 on 2024-03-04 to 07:00 the next day; "-": none.
QStringList night(const QStringList& values)
{
    QStringList lines;
    for (int i = 0; i < values.size(); ++i) {
        const QDate day = i < 3 ? QDate(2024, 3, 4) : QDate(2024, 3, 5);
        if (values[i] != u'-')
            lines << QStringLiteral("%1 %2:00 %3")
                         .arg(day.toString(Qt::ISODate))
                         .arg((21 + i) % 24, 2, 10, QChar(u'0'))
                         .arg(values[i]);
    }
    return lines;
}

const QStringList kNight{"130", "120", "118", "115", "110", "105",
                         "100", "95",  "100", "106", "200"};

QStringList nightWith(int hour, const QString& value)
{
    QStringList values = kNight;
    values[(hour + 3) % 24] = value;
    return night(values);
}

} // namespace

class TestBasalTest : public QObject
{
    Q_OBJECT

private slots:
    void blockHours_data();
    void blockHours();
    void block_data();
    void block();
};

void TestBasalTest::blockHours_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("hours");
    QTest::newRow("6 to 12") << 6 << 12 << 6;
    QTest::newRow("22 to 6, over midnight") << 22 << 6 << 8;
    QTest::newRow("the same hour: a whole day") << 6 << 6 << 24;
}

void TestBasalTest::blockHours()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, hours);
    QCOMPARE((BasalTestBlock{from, to}.hours()), hours);
}

void TestBasalTest::block_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<Values>("changes"); // per hour, NaN: none
    QTest::addColumn<Values>("block");   // start, end, per hour, readings, outside, all within
    const double none = qQNaN();
    const QDate monday(2024, 3, 4);
    // (106 - 120) / 8 hours; 22:00 to 6:00 both included: 9 readings
    QTest::newRow("22 to 6 over midnight")
        << night(kNight) << monday << 22 << 6 << Values{-2, -3, -5, -5, -5, -5, 5, 6}
        << Values{120, 106, -1.75, 9, 0, 1};
    QTest::newRow("65 at 3:00: outside")
        << nightWith(3, "65") << monday << 22 << 6 << Values{-2, -3, -5, -5, -40, 30, 5, 6}
        << Values{120, 106, -1.75, 9, 1, 0};
    QTest::newRow("no reading near 4:00")
        << nightWith(4, "-") << monday << 22 << 6 << Values{-2, -3, -5, -5, -5, none, none, 6}
        << Values{120, 106, -1.75, 8, 0, 1};
    QTest::newRow("High at 1:00: no change, outside")
        << nightWith(1, "H") << monday << 22 << 6 << Values{-2, -3, none, none, -5, -5, 5, 6}
        << Values{120, 106, -1.75, 9, 1, 0};
    // 0:00 (+1 h) to 6:00 (+2 h) is 5 hours: (125 - 100) / 5; no 2:00 that day
    QTest::newRow("the night summer time begins")
        << QStringList{"2024-03-31 00:00 100 60",  "2024-03-31 01:00 110 60",
                       "2024-03-31 03:00 120 120", "2024-03-31 04:00 120 120",
                       "2024-03-31 05:00 120 120", "2024-03-31 06:00 125 120"}
        << QDate(2024, 3, 31) << 0 << 6 << Values{10, none, none, 0, 0, 5}
        << Values{100, 125, 5, 6, 0, 1};
}

void TestBasalTest::block()
{
    QFETCH(QStringList, lines);
    QFETCH(QDate, day);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(Values, changes);
    QFETCH(Values, block);
    const auto results = basalTest(dataOf(lines), {day}, {from, to}, GlucoseUnit::MgPerDl);
    QCOMPARE(results.size(), size_t(1));
    const BasalTestDay& result = results.front();
    QCOMPARE(result.hours.size(), size_t(changes.size()));
    for (int h = 0; h < changes.size(); ++h) {
        const BasalTestHour& hour = result.hours[size_t(h)];
        QCOMPARE(hour.hour, (from + h) % 24);
        QCOMPARE(hour.change.has_value(), !std::isnan(changes[h]));
        if (hour.change)
            QCOMPARE(*hour.change, changes[h]);
    }
    QCOMPARE(result.start->mgPerDl, block[0]);
    QCOMPARE(result.end->mgPerDl, block[1]);
    QCOMPARE(*result.changePerHour, block[2]);
    QCOMPARE(result.readings, int(block[3]));
    QCOMPARE(result.outsideTarget, int(block[4]));
    QCOMPARE(result.allWithinTarget, block[5] != 0);
}

QTEST_APPLESS_MAIN(TestBasalTest)
#include "tst_basaltest.moc"

// Whole-profile tools without a window: a percentage in whole tenths with
// its floor and its hold at the maximum, the notices naming the hours, and
// the shift in time around midnight.

#include "platform/regional.h"
#include "profile/profiletools.h"

#include <QtTest>

using namespace fendrimo;

class TestProfileTools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RegionalFormats::setCurrent(
            RegionalFormats::fromLocale(QLocale(QLocale::German, QLocale::Germany)));
    }
    void percentOfOneRate_data();
    void percentOfOneRate();
    void noticesNameRunsOfHours();
    void shift_data();
    void shift();
};

void TestProfileTools::percentOfOneRate_data()
{
    QTest::addColumn<qint32>("rate");
    QTest::addColumn<int>("percent");
    QTest::addColumn<qint32>("maximum");
    QTest::addColumn<qint32>("expected");
    QTest::addColumn<bool>("held");
    QTest::addColumn<bool>("raised");
    QTest::newRow("0,5 at 110 %: the half goes up") << 5 << 110 << 30 << 6 << false << false;
    QTest::newRow("0,8 at 90 %") << 8 << 90 << 30 << 7 << false << false;
    QTest::newRow("1,5 at 10 %: exactly a half") << 15 << 10 << 30 << 2 << false << false;
    QTest::newRow("0 stays 0") << 0 << 300 << 30 << 0 << false << false;
    QTest::newRow("0,1 at 10 % keeps 0,1") << 1 << 10 << 30 << 1 << false << true;
    QTest::newRow("2,8 at 110 % held at 3") << 28 << 110 << 30 << 30 << true << false;
    QTest::newRow("huge rate at 300 % held, no overflow")
        << 2000000000 << 300 << 2000000000 << 2000000000 << true << false;
    QTest::newRow("huge rate at 150 % below a huge maximum")
        << 1000000000 << 150 << 2147483640 << 1500000000 << false << false;
}

void TestProfileTools::percentOfOneRate()
{
    QFETCH(qint32, rate);
    QFETCH(int, percent);
    QFETCH(qint32, maximum);
    QFETCH(qint32, expected);
    QFETCH(bool, held);
    QFETCH(bool, raised);
    HourlyRates rates{};
    rates[7] = rate;
    const ScaledRates scaled = scaleRates(rates, percent, maximum);
    QCOMPARE(scaled.rates[7], expected);
    QCOMPARE(scaled.heldAtMaximum, held ? QList<int>{7} : QList<int>{});
    QCOMPARE(scaled.raisedToFloor, raised ? QList<int>{7} : QList<int>{});
    QCOMPARE(scaled.rates[6], 0);
}

void TestProfileTools::noticesNameRunsOfHours()
{
    HourlyRates rates{};
    rates[2] = 1;
    rates[6] = rates[7] = 29;
    rates[8] = 20;
    rates[23] = 30;
    const ScaledRates scaled = scaleRates(rates, 150, 30);
    QCOMPARE(scaled.rates[8], 30); // 3,0 exactly: not held
    QCOMPARE(
        scaleNotices(scaled, 30),
        (QStringList{
            QStringLiteral("6 bis 8 Uhr: auf die höchste einstellbare Rate von 3 IE/h begrenzt."),
            QStringLiteral("23 bis 24 Uhr: auf die höchste einstellbare Rate von 3 IE/h "
                           "begrenzt.")}));
    QCOMPARE(scaleNotices(scaleRates(rates, 10, 30), 30),
             QStringList{QStringLiteral("2 bis 3 Uhr: auf 0,1 IE/h angehoben.")});
}

void TestProfileTools::shift_data()
{
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("+2: 6 to 7 Uhr becomes 8 to 9 Uhr") << 2 << 6 << 8;
    QTest::newRow("+2 wraps past midnight") << 2 << 23 << 1;
    QTest::newRow("-1 wraps before midnight") << -1 << 0 << 23;
    QTest::newRow("-12") << -12 << 3 << 15;
    QTest::newRow("+12") << 12 << 15 << 3;
    QTest::newRow("0 keeps every hour") << 0 << 9 << 9;
}

void TestProfileTools::shift()
{
    QFETCH(int, hours);
    QFETCH(int, from);
    QFETCH(int, to);
    HourlyRates rates{};
    for (int h = 0; h < 24; ++h)
        rates[size_t(h)] = 100 + h;
    const HourlyRates shifted = shiftRates(rates, hours);
    QCOMPARE(shifted[size_t(to)], 100 + from);
    qint64 before = 0;
    qint64 after = 0;
    for (int h = 0; h < 24; ++h) {
        before += rates[size_t(h)];
        after += shifted[size_t(h)];
    }
    QCOMPARE(after, before);
}

QTEST_APPLESS_MAIN(TestProfileTools)
#include "tst_profiletools.moc"

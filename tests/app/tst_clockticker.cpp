// The status panel's clock: one tick at each full second of the wall clock,
// never before it, none while stopped.

#include "app/clockticker.h"

#include <QDateTime>
#include <QtTest>

using namespace fendrimo;

// 9 December 2026, 00:00:00 UTC.
static constexpr qint64 kBase = 1796774400000;

class TestClockTicker : public QObject
{
    Q_OBJECT

private slots:
    void ticksJustAfterEachFullSecond();
    void ticksOnlyInANewSecond_data();
    void ticksOnlyInANewSecond();
    void stopInTheTickEndsTicking();
};

void TestClockTicker::ticksJustAfterEachFullSecond()
{
    ClockTicker ticker;
    QList<qint64> ticks;
    connect(&ticker, &ClockTicker::tick, this,
            [&] { ticks.append(QDateTime::currentMSecsSinceEpoch()); });
    const qint64 before = QDateTime::currentMSecsSinceEpoch() / 1000;
    ticker.start();
    const qint64 after = QDateTime::currentMSecsSinceEpoch() / 1000;
    QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= 2, 4000);

    // The first tick in the second after the one start() read, then one a second.
    QVERIFY(ticks.first() / 1000 > before && ticks.first() / 1000 <= after + 1);
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        QCOMPARE(ticks.at(i) / 1000, ticks.first() / 1000 + i);
        // Scheduling on a shared machine: how late a tick may come.
        QVERIFY2(ticks.at(i) % 1000 < 150, qPrintable(QString::number(ticks.at(i) % 1000)));
    }
}

void TestClockTicker::ticksOnlyInANewSecond_data()
{
    QTest::addColumn<qint64>("wakeAt");
    QTest::addColumn<bool>("ticks");
    QTest::newRow("woken 1 ms early") << kBase + 999 << false;
    QTest::newRow("woken on the full second") << kBase + 1000 << true;
    QTest::newRow("clock set back an hour") << kBase + 990 - 3600000 << true;
}

void TestClockTicker::ticksOnlyInANewSecond()
{
    QFETCH(qint64, wakeAt);
    QFETCH(bool, ticks);
    qint64 now = kBase + 990;
    int reads = 0;
    ClockTicker ticker([&] { return ++reads, now; }, nullptr);
    int tickCount = 0;
    connect(&ticker, &ClockTicker::tick, this, [&] { ++tickCount; });
    ticker.start();
    now = wakeAt;

    // Woken early, it sleeps only for the rest of the second, again and again.
    QTRY_VERIFY_WITH_TIMEOUT(reads >= (ticks ? 2 : 4), 500);
    QTest::qWait(50);
    QCOMPARE(tickCount, ticks ? 1 : 0);
    QVERIFY(ticker.isActive());
}

void TestClockTicker::stopInTheTickEndsTicking()
{
    // Each reading a second later, 10 ms before its end: a tick every 10 ms.
    qint64 now = kBase - 10;
    ClockTicker ticker([&] { return now += 1000; }, nullptr);
    int tickCount = 0;
    connect(&ticker, &ClockTicker::tick, this, [&] {
        ++tickCount;
        ticker.stop();
    });
    ticker.start();
    QTRY_VERIFY_WITH_TIMEOUT(!ticker.isActive(), 1000);
    QTest::qWait(50);
    QCOMPARE(tickCount, 1);
}

QTEST_GUILESS_MAIN(TestClockTicker)
#include "tst_clockticker.moc"

// The status panel's clock: one tick at each full second of the wall clock,
// never before it, none while stopped.

#include "app/clockticker.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QtTest>

#include <memory>

using namespace fendrimo;

namespace {

// 9 December 2026, 00:00:00 UTC.
constexpr qint64 kBase = 1796774400000;

qint64 secondOf(qint64 ms)
{
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

// Scheduling on a shared machine: how late a tick may come.
constexpr qint64 kLatenessMs = 150;

} // namespace

class TestClockTicker : public QObject
{
    Q_OBJECT

private slots:
    void ticksJustAfterEachFullSecond_data();
    void ticksJustAfterEachFullSecond();
    void ticksOnlyInANewSecond_data();
    void ticksOnlyInANewSecond();
    void stopEndsTicking_data();
    void stopEndsTicking();
};

void TestClockTicker::ticksJustAfterEachFullSecond_data()
{
    // start: the wall clock's reading at the start, -1: the real clock;
    // rate: how fast the wall clock runs against the timer's clock.
    QTest::addColumn<qint64>("start");
    QTest::addColumn<double>("rate");
    QTest::newRow("real clock") << qint64(-1) << 1.0;
    QTest::newRow("started 1 ms before a full second") << kBase + 999 << 1.0;
    QTest::newRow("wall clock 5 % slower than the timer") << kBase + 600 << 0.95;
    QTest::newRow("wall clock 5 % faster than the timer") << kBase + 600 << 1.05;
}

void TestClockTicker::ticksJustAfterEachFullSecond()
{
    QFETCH(qint64, start);
    QFETCH(double, rate);
    QElapsedTimer elapsed;
    const auto clock = [&]() -> qint64 {
        return start < 0 ? QDateTime::currentMSecsSinceEpoch()
                         : start + qint64(double(elapsed.nsecsElapsed()) / 1e6 * rate);
    };
    auto ticker =
        start < 0 ? std::make_unique<ClockTicker>() : std::make_unique<ClockTicker>(clock, nullptr);
    QList<qint64> ticks;
    connect(ticker.get(), &ClockTicker::tick, this, [&] { ticks.append(clock()); });
    elapsed.start();
    const qint64 before = clock();
    ticker->start();
    const qint64 after = clock();
    QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= 3, 5000);

    // The first tick: in the second after the start, which start() read
    // somewhere between before and after.
    QVERIFY(secondOf(ticks.first()) > secondOf(before));
    QVERIFY(secondOf(ticks.first()) <= secondOf(after) + 1);
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        const qint64 second = secondOf(ticks.at(i));
        if (i > 0)
            QCOMPARE(second, secondOf(ticks.at(i - 1)) + 1);
        const qint64 late = ticks.at(i) - second * 1000;
        QVERIFY2(late < kLatenessMs,
                 qPrintable(QStringLiteral("tick %1 ms after the full second").arg(late)));
    }
}

void TestClockTicker::ticksOnlyInANewSecond_data()
{
    // The clock reads armedAt at the start, then stands at wakeAt: every
    // wake-up 10 ms later sees wakeAt.
    QTest::addColumn<qint64>("armedAt");
    QTest::addColumn<qint64>("wakeAt");
    QTest::addColumn<bool>("ticks");
    QTest::newRow("woken 5 ms early") << kBase + 990 << kBase + 995 << false;
    QTest::newRow("woken 1 ms early") << kBase + 990 << kBase + 999 << false;
    QTest::newRow("woken on the full second") << kBase + 990 << kBase + 1000 << true;
    QTest::newRow("woken late") << kBase + 990 << kBase + 1600 << true;
    QTest::newRow("a second passed unseen") << kBase + 990 << kBase + 2100 << true;
    QTest::newRow("clock set back an hour") << kBase + 990 << kBase + 990 - 3600000 << true;
    QTest::newRow("before 1970, early") << qint64(-1010) << qint64(-1001) << false;
    QTest::newRow("before 1970, on time") << qint64(-1010) << qint64(-1000) << true;
}

void TestClockTicker::ticksOnlyInANewSecond()
{
    QFETCH(qint64, armedAt);
    QFETCH(qint64, wakeAt);
    QFETCH(bool, ticks);
    qint64 now = armedAt;
    int reads = 0;
    ClockTicker ticker(
        [&] {
            ++reads;
            return now;
        },
        nullptr);
    int tickCount = 0;
    connect(&ticker, &ClockTicker::tick, this, [&] { ++tickCount; });
    ticker.start();
    now = wakeAt;

    if (ticks) {
        QTRY_COMPARE_WITH_TIMEOUT(tickCount, 1, 500);
        // Armed for the next full second, not again at once.
        QTest::qWait(50);
        QCOMPARE(tickCount, 1);
    } else {
        // Early every time: it must sleep only for the rest, again and again.
        QTRY_VERIFY_WITH_TIMEOUT(reads >= 4, 500);
        QCOMPARE(tickCount, 0);
    }
    QVERIFY(ticker.isActive());
}

void TestClockTicker::stopEndsTicking_data()
{
    QTest::addColumn<int>("stopAfterTicks"); // 0: right after start()
    QTest::addColumn<bool>("fromReceiver");  // false: from the event loop, between ticks
    QTest::newRow("before the first wake-up") << 0 << false;
    QTest::newRow("by the receiver of the first tick") << 1 << true;
    QTest::newRow("between ticks, after the third") << 3 << false;
}

void TestClockTicker::stopEndsTicking()
{
    QFETCH(int, stopAfterTicks);
    QFETCH(bool, fromReceiver);
    // Each reading a second later, 10 ms before its end: a tick every 10 ms.
    qint64 now = kBase - 10;
    int reads = 0;
    ClockTicker ticker(
        [&] {
            ++reads;
            return now += 1000;
        },
        nullptr);
    int tickCount = 0;
    connect(&ticker, &ClockTicker::tick, this, [&] {
        if (++tickCount != stopAfterTicks)
            return;
        if (fromReceiver)
            ticker.stop();
        else
            QTimer::singleShot(0, this, [&] { ticker.stop(); });
    });
    ticker.start();
    if (stopAfterTicks == 0)
        ticker.stop();
    QTRY_VERIFY_WITH_TIMEOUT(!ticker.isActive(), 1000);

    const int readsAtStop = reads;
    QTest::qWait(100);
    QCOMPARE(tickCount, stopAfterTicks);
    QCOMPARE(reads, readsAtStop);
    QVERIFY(!ticker.isActive());
}

QTEST_GUILESS_MAIN(TestClockTicker)
#include "tst_clockticker.moc"

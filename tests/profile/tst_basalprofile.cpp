// The profile model and its history without any window: linked dragging,
// the total, the maximum guard, step names, merging and the saved state.

#include "profile/basalprofile.h"
#include "profile/profilehistory.h"

#include <QSignalSpy>
#include <QtTest>

using namespace fendrimo;

namespace {

using Rates = QList<qint32>;

ProfileContent withRates(const Rates& rates)
{
    ProfileContent content;
    for (int h = 0; h < ProfileContent::Hours; ++h)
        content.rates.at(size_t(h)) = rates.value(h);
    return content;
}

Rates ratesOf(const BasalProfile& profile)
{
    Rates rates;
    for (int h = 0; h < BasalProfile::Hours; ++h)
        rates << profile.rate(h);
    return rates;
}

} // namespace

class TestBasalProfile : public QObject
{
    Q_OBJECT

private slots:
    void settingARate_data();
    void settingARate();
    void totalOfHugeRates();
    void maximumBelowARateRefused();
    void oneNotificationPerChange();
    void stepNames_data();
    void stepNames();
    void merging_data();
    void merging();
    void undoRestoresContentAndLinking();
    void savedState();
    void historyIsBounded();
};

void TestBasalProfile::settingARate_data()
{
    QTest::addColumn<bool>("linked");
    QTest::addColumn<int>("hour");
    QTest::addColumn<Rates>("expected");
    Rates unlinked(24, 5);
    unlinked[6] = 12;
    Rates linked(24, 5);
    for (int h = 6; h < 24; ++h)
        linked[h] = 12;
    Rates last(24, 5);
    last[23] = 12;
    QTest::newRow("unlinked: one hour") << false << 6 << unlinked;
    QTest::newRow("linked: that hour and every following one") << true << 6 << linked;
    QTest::newRow("linked: the last hour has no followers") << true << 23 << last;
}

void TestBasalProfile::settingARate()
{
    QFETCH(bool, linked);
    QFETCH(int, hour);
    QFETCH(Rates, expected);
    BasalProfile profile(30);
    profile.setState({withRates(Rates(24, 5)), linked});
    const ProfileContent next = profile.withRate(hour, 12);
    QCOMPARE(Rates(next.rates.begin(), next.rates.end()), expected);
    // Asking changes nothing yet.
    QCOMPARE(ratesOf(profile), Rates(24, 5));
}

void TestBasalProfile::totalOfHugeRates()
{
    BasalProfile profile(2000000000);
    profile.setContent(withRates(Rates(24, 2000000000)));
    QCOMPARE(profile.total(), qint64(48000000000));
    QCOMPARE(profile.highestRate(), 2000000000);
}

void TestBasalProfile::maximumBelowARateRefused()
{
    BasalProfile profile(50);
    Rates rates(24, 0);
    rates[3] = 41;
    profile.setContent(withRates(rates));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, profile.setMaximum(40));
    QCOMPARE(profile.maximum(), 50);
    profile.setMaximum(41);
    QCOMPARE(profile.maximum(), 41);
    // Nor can a content exceed the maximum in force.
    QVERIFY_THROWS_EXCEPTION(std::logic_error, profile.setContent(withRates(Rates(24, 42))));
    QCOMPARE(ratesOf(profile), rates);
}

void TestBasalProfile::oneNotificationPerChange()
{
    BasalProfile profile(30);
    QSignalSpy changed(&profile, &BasalProfile::changed);
    profile.setContent(withRates(Rates(24, 7)));
    QCOMPARE(changed.count(), 1);
    profile.setContent(withRates(Rates(24, 7)));
    profile.setLinkedDragging(profile.linkedDragging());
    profile.setMaximum(30);
    QCOMPARE(changed.count(), 1);
    profile.setLinkedDragging(!profile.linkedDragging());
    QCOMPARE(changed.count(), 2);
}

void TestBasalProfile::stepNames_data()
{
    QTest::addColumn<QList<int>>("changedHours");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing") << QList<int>{} << QString();
    QTest::newRow("first hour") << QList<int>{0} << "Basalrate 0 bis 1 Uhr";
    QTest::newRow("6 to 7") << QList<int>{6} << "Basalrate 6 bis 7 Uhr";
    QTest::newRow("run to midnight") << QList<int>{6, 7, 8, 22, 23} << "Basalrate 6 bis 24 Uhr";
    QTest::newRow("gap inside the span") << QList<int>{6, 8} << "Basalrate 6 bis 9 Uhr";
}

void TestBasalProfile::stepNames()
{
    QFETCH(QList<int>, changedHours);
    QFETCH(QString, text);
    ProfileContent before;
    ProfileContent after;
    for (int h : std::as_const(changedHours))
        after.rates.at(size_t(h)) = 4;
    QCOMPARE(changedHoursText(before, after), text);
}

void TestBasalProfile::merging_data()
{
    // Each step raises hour 2 by a tenth; kind 0 stands for a break between steps.
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<int>("steps");
    QTest::newRow("one slider, one run") << QList<int>{3, 3, 3} << 1;
    QTest::newRow("a break ends the run") << QList<int>{3, 3, 0, 3} << 2;
    QTest::newRow("another kind between") << QList<int>{3, 4, 3} << 3;
    QTest::newRow("unmergeable steps")
        << QList<int>{int(ProfileHistory::NoMerge), int(ProfileHistory::NoMerge)} << 2;
}

void TestBasalProfile::merging()
{
    QFETCH(QList<int>, kinds);
    QFETCH(int, steps);
    BasalProfile profile(100);
    ProfileHistory history(profile);
    qint32 rate = 0;
    for (int kind : std::as_const(kinds)) {
        if (kind == 0) {
            history.breakMerging();
            continue;
        }
        ProfileContent next = profile.content();
        next.rates.at(2) = ++rate;
        history.record(QStringLiteral("Schritt"), next, kind);
    }
    QCOMPARE(history.stack().count(), steps);
    // Undoing every step gets back to the start.
    for (int i = 0; i < steps; ++i)
        history.undo();
    QCOMPARE(profile.rate(2), 0);
    QVERIFY(!history.stack().canUndo());
}

void TestBasalProfile::undoRestoresContentAndLinking()
{
    BasalProfile profile(30);
    ProfileHistory history(profile);
    profile.setLinkedDragging(false);
    history.record(QStringLiteral("a"), profile.withRate(4, 9), ProfileHistory::SliderBase + 4);
    profile.setLinkedDragging(true);
    // A run that ends where it began is no step at all.
    history.record(QStringLiteral("b"), profile.withRate(10, 3), ProfileHistory::SliderBase + 10);
    history.record(QStringLiteral("b"), profile.withRate(10, 0), ProfileHistory::SliderBase + 10);
    QCOMPARE(history.stack().count(), 1);
    // A step that changes nothing is not recorded.
    history.record(QStringLiteral("c"), profile.content());
    QCOMPARE(history.stack().count(), 1);

    history.undo();
    QCOMPARE(ratesOf(profile), Rates(24, 0));
    QVERIFY(!profile.linkedDragging()); // as it was when the step was made
    history.redo();
    QCOMPARE(profile.rate(4), 9);
    QCOMPARE(profile.rate(5), 0);
    QVERIFY(!profile.linkedDragging());
}

void TestBasalProfile::savedState()
{
    BasalProfile profile(30);
    ProfileHistory history(profile);
    QVERIFY(history.matchesSaved());
    ProfileContent first = profile.content();
    first.datum = QStringLiteral("heute");
    history.record(QStringLiteral("Datum"), first, ProfileHistory::Datum);
    QVERIFY(!history.matchesSaved());
    history.markSaved();
    ProfileContent second = first;
    second.bolus.at(0) = QStringLiteral("1,5");
    history.record(QStringLiteral("Bolus morgens"), second, ProfileHistory::BolusBase);
    history.undo();
    QVERIFY(history.matchesSaved());
    history.undo();
    QVERIFY(!history.matchesSaved());
    // Clearing forgets the steps but not what was saved.
    history.clear();
    QVERIFY(!history.stack().canRedo());
    QVERIFY(!history.matchesSaved());
    history.restart();
    QVERIFY(history.matchesSaved());
}

void TestBasalProfile::historyIsBounded()
{
    BasalProfile profile(1000);
    ProfileHistory history(profile);
    for (int i = 1; i <= ProfileHistory::Limit + 20; ++i)
        history.record(QStringLiteral("x"), profile.withRate(0, i % 1000));
    QCOMPARE(history.stack().count(), ProfileHistory::Limit);
    while (history.stack().canUndo())
        history.undo();
    // The oldest steps are gone: the profile stops at the 20th value, not at 0.
    QCOMPARE(profile.rate(0), 20);
}

QTEST_APPLESS_MAIN(TestBasalProfile)
#include "tst_basalprofile.moc"

// The profile model and its history without any window: linked dragging,
// the maximum guard, step names, empty steps, the saved state, the bound.

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
    void maximumBelowARateRefused();
    void oneNotificationPerChange();
    void stepNames_data();
    void stepNames();
    void stepsThatChangeNothing();
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

void TestBasalProfile::stepsThatChangeNothing()
{
    BasalProfile profile(30);
    ProfileHistory history(profile);
    // A run that ends where it began is no step at all.
    history.record(QStringLiteral("b"), profile.withRate(10, 3), ProfileHistory::SliderBase + 10);
    history.record(QStringLiteral("b"), profile.withRate(10, 0), ProfileHistory::SliderBase + 10);
    QCOMPARE(history.stack().count(), 0);
    // Nor is a step that changes nothing.
    history.record(QStringLiteral("c"), profile.content());
    QCOMPARE(history.stack().count(), 0);
}

void TestBasalProfile::savedState()
{
    BasalProfile profile(30);
    ProfileHistory history(profile);
    ProfileContent edited = profile.content();
    edited.datum = QStringLiteral("heute");
    history.record(QStringLiteral("Datum"), edited, ProfileHistory::Datum);
    QVERIFY(!history.matchesSaved());
    // Clearing (a lowered maximum) forgets the steps but not what was saved;
    // a new document makes its content the saved one.
    history.clear();
    QVERIFY(!history.stack().canUndo());
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

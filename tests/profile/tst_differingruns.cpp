// The runs of hours in which the comparison differs, as the take dialog
// lists them, and what taking chosen hours makes of the rates.

#include "platform/regional.h"
#include "profile/comparison.h"

#include <QtTest>

using namespace fendrimo;

namespace {
using Rates = QMap<int, qint32>; // hour -> the reference's rate
using Days = QMap<int, int>;     // hour -> untuned days
} // namespace

class TestDifferingRuns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RegionalFormats::setCurrent(
            RegionalFormats::fromLocale(QLocale(QLocale::German, QLocale::Germany)));
    }
    void runs_data();
    void runs();
};

void TestDifferingRuns::runs_data()
{
    // The profile has 1 IE/h in every hour; changes maps hour -> reference rate.
    QTest::addColumn<Rates>("changes");
    QTest::addColumn<Days>("untuned");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("nothing differs") << Rates{} << Days{} << QStringList{};
    QTest::newRow("one run of one change")
        << Rates{{6, 12}, {7, 12}, {8, 12}} << Days{} << QStringList{"6 bis 9 Uhr: 1 → 1,2 IE/h"};
    QTest::newRow("another rate starts another run")
        << Rates{{6, 12}, {7, 13}} << Days{}
        << QStringList{"6 bis 7 Uhr: 1 → 1,2 IE/h", "7 bis 8 Uhr: 1 → 1,3 IE/h"};
    QTest::newRow("an equal hour between splits it")
        << Rates{{0, 8}, {22, 8}, {23, 8}} << Days{}
        << QStringList{"0 bis 1 Uhr: 1 → 0,8 IE/h", "22 bis 24 Uhr: 1 → 0,8 IE/h"};
    QTest::newRow("autotune without data on some days")
        << Rates{{6, 12}, {7, 12}, {10, 9}} << Days{{6, 1}, {7, 3}, {10, 1}}
        << QStringList{"6 bis 8 Uhr: 1 → 1,2 IE/h; autotune: 3 Tage ohne Daten",
                       "10 bis 11 Uhr: 1 → 0,9 IE/h; autotune: 1 Tag ohne Daten"};
    QTest::newRow("untuned hours that don't differ aren't listed")
        << Rates{} << Days{{3, 5}} << QStringList{};
}

void TestDifferingRuns::runs()
{
    QFETCH(Rates, changes);
    QFETCH(Days, untuned);
    QFETCH(QStringList, rows);
    HourlyRates rates;
    rates.fill(10);
    ProfileReference reference;
    reference.rates = rates;
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        reference.rates.at(size_t(it.key())) = it.value();
    for (auto it = untuned.cbegin(); it != untuned.cend(); ++it)
        reference.untunedDays.at(size_t(it.key())) = it.value();

    const QList<DifferingRun> runs = differingRuns(rates, reference);
    QStringList texts;
    QList<int> hours;
    for (const DifferingRun& run : runs) {
        texts << differingRunText(run);
        hours << run.hours();
    }
    QCOMPARE(texts, rows);
    QCOMPARE(hours, changes.keys());
    // Taking every run makes the profile the reference; taking none changes nothing.
    QCOMPARE(takenRates(rates, reference, hours), reference.rates);
    QCOMPARE(takenRates(rates, reference, {}), rates);
}

QTEST_APPLESS_MAIN(TestDifferingRuns)
#include "tst_differingruns.moc"

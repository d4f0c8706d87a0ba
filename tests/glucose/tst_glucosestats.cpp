// The AGP's figures per hour of the day and over a period and its days, the
// ranges in both units and their goals, the curves as drawn, a basal test.

#include "glucose/agpcurves.h"
#include "glucose/basaltest.h"
#include "glucose/glucoseshown.h"
#include "glucose/glucosestats.h"
#include "readings.h"

#include <QtTest>

#include <cmath>

using namespace fendrimo;
using namespace fendrimo::test;

namespace {

using Values = QList<double>; // NaN: none
const double none = qQNaN();

void compare(const Values& actual, const Values& expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i)
        QVERIFY2(std::isnan(actual[i]) ? std::isnan(expected[i])
                                       : std::abs(actual[i] - expected[i]) < 1e-6,
                 qPrintable(QStringLiteral("%1: %2").arg(i).arg(actual[i])));
}

double valueOr(const std::optional<double>& value)
{
    return value.value_or(none);
}

// Over the default period: the last 14 days.
GlucoseStatistics statisticsOf(const QStringList& lines)
{
    const GlucoseData data = dataOf(lines);
    return glucoseStatistics(data, defaultPeriod(data), GlucoseUnit::MgPerDl);
}

} // namespace

class TestGlucoseStats : public QObject
{
    Q_OBJECT

private slots:
    void hourFigures_data();
    void hourFigures();
    void ranges_data();
    void ranges();
    void goalsAtTheirLimits();
    void periodFigures_data();
    void periodFigures();
    void daysThatCount_data();
    void daysThatCount();
    void drawnCurves_data();
    void drawnCurves();
    void basalTest_data();
    void basalTest();
    void shownTexts_data();
    void shownTexts();
};

void TestGlucoseStats::hourFigures_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("hour");
    // readings, min, 5th-95th, max, <70, >180; change: days, median, days with Low or High
    QTest::addColumn<Values>("expected");
    QTest::newRow("one value") << QStringList{"08:00 100"} << 8
                               << Values{1, 100, 100, 100, 100, 100, 100, 100, 0, 0, 0, none, 0};
    // (n - 1) p = 0.05, 0.25, 0.5, 0.75, 0.95 between 100 and 200
    QTest::newRow("two") << QStringList{"08:00 200", "08:10 100"} << 8
                         << Values{2, 100, 105, 125, 150, 175, 195, 200, 0, 0.5, 0, none, 0};
    // 50 60 80 120 200: at 0.2 (50 + 0.2 * 10), 1, 2, 3, 3.8 (120 + 0.8 * 80); 8:40 not near 9
    QTest::newRow("five, unsorted")
        << QStringList{"08:00 200", "08:10 50", "08:20 120", "08:30 60", "08:40 80"} << 8
        << Values{5, 50, 52, 60, 80, 120, 184, 200, 0.4, 0.2, 0, none, 0};
    // 40 100 400: at 0.1 (40 + 0.1 * 60), 0.5, 1, 1.5 (100 + 0.5 * 300), 1.9
    QTest::newRow("Low and High as 40 and 400")
        << QStringList{"08:00 H", "08:10 L", "08:20 100"} << 8
        << Values{3, 40, 46, 70, 100, 250, 370, 400, 1 / 3.0, 1 / 3.0, 0, none, 0};
    // 5.0 and 10.0 mmol/L are 90.07795 and 180.1559 mg/dL: 90.07795 + 0.05 * 90.07795, ...
    QTest::newRow("mmol/L") << QStringList{"08:00 10.0", "08:10 5.0"} << 8
                            << Values{2,           90.07795,    94.5818475, 112.5974375, 135.116925,
                                      157.6364125, 175.6520025, 180.1559,   0,           0,
                                      0,           none,        0};
    // 90.07795 and 100: 90.07795 + 0.05 * 9.92205, ...
    QTest::newRow("both units") << QStringList{"08:00 100", "08:10 5.0"} << 8
                                << Values{2,          90.07795,   90.5740525, 92.5584625, 95.038975,
                                          97.5194875, 99.5038975, 100,        0,          0,
                                          0,          none,       0};
    // 7:55 is nearer 8:00 than 8:10 is; 130 - 100 in 70 minutes
    QTest::newRow("change between the readings nearest each end")
        << QStringList{"07:55 100", "08:10 200", "09:05 130"} << 8
        << Values{1, 200, 200, 200, 200, 200, 200, 200, 0, 1, 1, 30.0 * 60 / 70, 0};
    QTest::newRow("change: median of +20, -10, +30")
        << QStringList{"08:00 100",      "09:00 120",       "03-05 08:00 100",
                       "03-05 09:00 90", "03-06 08:00 100", "03-06 09:00 130"}
        << 8 << Values{3, 100, 100, 100, 100, 100, 100, 100, 0, 0, 3, 20, 0};
    QTest::newRow("change from Low: counted apart")
        << QStringList{"08:00 L", "09:00 120"} << 8
        << Values{1, 40, 40, 40, 40, 40, 40, 40, 1, 0, 0, none, 1};
}

void TestGlucoseStats::hourFigures()
{
    QFETCH(QStringList, lines);
    QFETCH(int, hour);
    QFETCH(Values, expected);
    const HourFigures h = statisticsOf(lines).hours[size_t(hour)];
    const auto& p = h.percentiles;
    compare({double(h.readings), h.minimum, p[0], p[1], p[2], p[3], p[4], h.maximum, h.shareBelow70,
             h.shareAbove180, double(h.changeDays), valueOr(h.medianChangePerHour),
             double(h.changeDaysBeyondSensor)},
            expected);
}

void TestGlucoseStats::ranges_data()
{
    QTest::addColumn<Values>("mgPerDl"); // either side of a boundary
    QTest::addColumn<GlucoseUnit>("shown");
    QTest::addColumn<QList<GlucoseRange>>("expected");
    const auto mg = GlucoseUnit::MgPerDl;
    const auto mmol = GlucoseUnit::MmolPerL;
    const double k = kMgPerDlPerMmol;
    using R = GlucoseRange;
    const auto row = [](const char* name, Values values, GlucoseUnit shown, R below, R above) {
        QTest::newRow(name) << values << shown << QList<GlucoseRange>{below, above};
    };
    row("69/70 mg/dL", {69, 70}, mg, R::Low, R::Target);
    row("180/181 mg/dL", {180, 181}, mg, R::Target, R::High);
    row("68.5/69.5 to even: 68/70", {68.5, 69.5}, mg, R::Low, R::Target);
    row("180.5/181.5 to even: 180/182", {180.5, 181.5}, mg, R::Target, R::High);
    row("3.8/3.9 mmol/L", {3.8 * k, 3.9 * k}, mmol, R::Low, R::Target);
    row("10.0/10.1 mmol/L", {10.0 * k, 10.1 * k}, mmol, R::Target, R::High);
    // exactly half a tenth as doubles
    row("3.85/10.05 to even: 3.8/10.0", {38.5 * k / 10, 100.5 * k / 10}, mmol, R::Low, R::Target);
    // / 18.01559: 3.830 -> 3.8, 3.886 -> 3.9; 10.047 -> 10.0 (not high), 10.102 -> 10.1
    row("69/70 mg/dL in mmol/L", {69, 70}, mmol, R::Low, R::Target);
    row("181/182 mg/dL in mmol/L", {181, 182}, mmol, R::Target, R::High);
}

void TestGlucoseStats::ranges()
{
    QFETCH(Values, mgPerDl);
    QFETCH(GlucoseUnit, shown);
    QFETCH(QList<GlucoseRange>, expected);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(rangeOfShown(shownValue(mgPerDl[i], shown), shown), expected[i]);
}

void TestGlucoseStats::goalsAtTheirLimits()
{
    // 70 % in target is not more than 70 %, 4 % below 70 not less than 4 %, and so on
    const auto atLimits = rangeGoals({1, 3, 70, 20, 6}); // very low, low, target, high, very high
    const auto within = rangeGoals({0, 3, 73, 20, 4});
    for (size_t g = 0; g < kRangeGoals; ++g)
        QCOMPARE((QList<bool>{atLimits[g].met, within[g].met}), (QList<bool>{false, true}));
}

void TestGlucoseStats::periodFigures_data()
{
    QTest::addColumn<QStringList>("lines");
    // days with data, readings, time with data, clamped, <14 days, <70 %, mean, SD, CV, GMI
    QTest::addColumn<Values>("expected");
    const QString monday = QStringLiteral("2024-03-04 00:00");
    // GMI 3.31 + 0.02392 * 100
    QTest::newRow("the last 14 of 20 days") << everyFiveMinutes(monday, 20 * 288, "100")
                                            << Values{14, 4032, 1, 0, 0, 0, 100, 0, 0, 5.702};
    // 2823 of 14 x 288 = 4032: 70.01 %, over 11 days
    QTest::newRow("70.01 %") << (everyFiveMinutes(monday, 2822, "100") << "2024-03-17 23:55 100")
                             << Values{11, 2823, 2823 / 4032.0, 0, 1, 0, 100, 0, 0, 5.702};
    // (4032 + 288) x 300 s is more than 14 days
    QTest::newRow("a day twice over: clamped")
        << everyFiveMinutes(monday, 14 * 288, "100") + everyFiveMinutes(monday, 288, "100 60")
        << Values{14, 4320, 1, 1, 0, 0, 100, 0, 0, 5.702};
    QTest::newRow("69.99 %") << (everyFiveMinutes(monday, 2821, "100") << "2024-03-17 23:55 100")
                             << Values{11, 2822, 2822 / 4032.0, 0, 1, 1, 100, 0, 0, 5.702};
    // 0:00-1:55 and 3:00-23:55: 276 x 300 s = 23 hours
    QTest::newRow("summer time begins: 23 hours")
        << everyFiveMinutes("2024-03-31 00:00", 24, "100 60") +
               everyFiveMinutes("2024-03-31 03:00", 252, "100 120")
        << Values{1, 276, 1, 0, 1, 0, 100, 0, 0, 5.702};
    // mean 110, SD sqrt((900 + 100 + 100 + 900) / 3), CV 25.8199 / 110, GMI 3.31 + 2.6312
    QTest::newRow("mean, SD, CV, GMI")
        << QStringList{"08:00 80", "08:05 100", "08:10 120", "08:15 140"}
        << Values{1, 4, 1200 / 86400.0, 0, 1, 1, 110, 25.81988897, 0.2347262634, 5.9412};
}

void TestGlucoseStats::periodFigures()
{
    QFETCH(QStringList, lines);
    QFETCH(Values, expected);
    const PeriodFigures o = statisticsOf(lines).overall;
    compare({double(o.daysWithData), double(o.readings), valueOr(o.timeWithData),
             double(o.timeWithDataClamped), double(o.fewerThan14Days),
             double(o.lessThan70PercentData), valueOr(o.mean), valueOr(o.sd), valueOr(o.cv),
             valueOr(o.gmi)},
            expected);
}

void TestGlucoseStats::daysThatCount_data()
{
    QTest::addColumn<DaySelection>("selection");
    QTest::addColumn<QList<QDate>>("picked");
    QTest::addColumn<Values>("expected"); // days, mean
    // Monday 2024-03-04 to Sunday 2024-03-17 of 1 to 20 March: 104 to 117 mg/dL
    QTest::newRow("all") << DaySelection::All << QList<QDate>{} << Values{14, 110.5};
    QTest::newRow("Monday to Friday: 4-8, 11-15") // 95 / 10
        << DaySelection::MondayToFriday << QList<QDate>{} << Values{10, 109.5};
    QTest::newRow("Saturday and Sunday: 9, 10, 16, 17") // 52 / 4
        << DaySelection::SaturdayAndSunday << QList<QDate>{} << Values{4, 113};
    QTest::newRow("picked 5 and 17; April 1st lies outside")
        << DaySelection::Picked
        << QList<QDate>{QDate(2024, 3, 5), QDate(2024, 3, 17), QDate(2024, 4, 1)} << Values{2, 111};
}

void TestGlucoseStats::daysThatCount()
{
    QFETCH(DaySelection, selection);
    QFETCH(QList<QDate>, picked);
    QFETCH(Values, expected);
    QStringList lines;
    for (int day = 1; day <= 20; ++day)
        lines << QStringLiteral("2024-03-%1 12:00 %2").arg(day, 2, 10, QChar(u'0')).arg(100 + day);
    const GlucoseData data = dataOf(lines);
    const GlucosePeriod period =
        choosePeriod(data, QDate(2024, 3, 17), QDate(2024, 3, 4), selection, picked).period;
    const PeriodFigures o = glucoseStatistics(data, period, GlucoseUnit::MgPerDl).overall;
    compare({double(o.days), double(o.daysWithData), valueOr(o.mean)},
            Values{expected[0], expected[0], expected[1]});
}

void TestGlucoseStats::drawnCurves_data()
{
    QTest::addColumn<Values>("hours"); // 95th percentiles; NaN: no readings
    QTest::addColumn<int>("hour");
    QTest::addColumn<Values>("expected"); // drawn, clamped
    Values peak(24, 100), midnight(24, 100), oneEmpty(24, 100), alone(24, none), high(24, 400);
    peak[5] = midnight[0] = 160;
    oneEmpty[3] = none;
    oneEmpty[4] = 150;
    alone[10] = 200;
    high[12] = 100;
    QTest::newRow("23 wraps to 0") << midnight << 23 << Values{(100 + 4 * 100 + 160) / 6.0, 0};
    QTest::newRow("one neighbour empty") << oneEmpty << 4 << Values{(4 * 150 + 100) / 5.0, 0};
    QTest::newRow("both neighbours empty") << alone << 10 << Values{200, 0};
    QTest::newRow("an empty hour stays empty") << oneEmpty << 3 << Values{none, 0};
    QTest::newRow("400 drawn at 350") << high << 10 << Values{350, 1};
    QTest::newRow("(400 + 4 * 400 + 100) / 6 = 350") << high << 11 << Values{350, 0};
}

void TestGlucoseStats::drawnCurves()
{
    QFETCH(Values, hours);
    QFETCH(int, hour);
    QFETCH(Values, expected);
    std::array<HourFigures, kHoursPerDay> figures{};
    for (size_t h = 0; h < figures.size(); ++h) {
        figures[h].readings = std::isnan(hours[int(h)]) ? 0 : 1;
        figures[h].percentiles[4] = hours[int(h)];
    }
    const AgpCurve top = agpCurves(figures)[4];
    compare({valueOr(top.values[size_t(hour)]), double(top.clamped[size_t(hour)])}, expected);
}

void TestGlucoseStats::basalTest_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<Values>("changes"); // per hour
    QTest::addColumn<Values>("block");   // start, end, per hour, readings, outside, all within
    // 22:00 to 6:00, both included: 8 readings, H and 65 outside; (106 - 120) / 8 hours
    QTest::newRow("22 to 6 over midnight")
        << QStringList{"21:00 30",        "22:00 120",       "23:00 118",      "03-05 00:00 115",
                       "03-05 01:00 H",   "03-05 02:00 105", "03-05 03:00 65", "03-05 05:00 100",
                       "03-05 06:00 106", "03-05 07:00 200"}
        << 22 << 6 << Values{-2, -3, none, none, -40, none, none, 6}
        << Values{120, 106, -1.75, 8, 2, 0};
    // 24 hours, no reading near any hour's other end; (124 - 100) / 24
    QTest::newRow("6 to 6: a whole day") << QStringList{"06:00 100", "03-05 06:00 124"} << 6 << 6
                                         << Values(24, none) << Values{100, 124, 1, 2, 0, 1};
    QTest::newRow("6 to 8, all within") << QStringList{"06:00 100", "07:00 110", "08:00 120"} << 6
                                        << 8 << Values{10, 10} << Values{100, 120, 10, 3, 0, 1};
}

void TestGlucoseStats::basalTest()
{
    QFETCH(QStringList, lines);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(Values, changes);
    QFETCH(Values, block);
    const auto results =
        fendrimo::basalTest(dataOf(lines), {QDate(2024, 3, 4)}, {from, to}, GlucoseUnit::MgPerDl);
    QCOMPARE(results.size(), size_t(1));
    const BasalTestDay& r = results.front();
    Values hours;
    for (const BasalTestHour& hour : r.hours) {
        QCOMPARE(hour.hour, (from + int(hours.size())) % 24);
        hours << valueOr(hour.change);
    }
    compare(hours, changes);
    compare({r.start->mgPerDl, r.end->mgPerDl, valueOr(r.changePerHour), double(r.readings),
             double(r.outsideTarget), double(r.allWithinTarget)},
            block);
}

void TestGlucoseStats::shownTexts_data()
{
    QTest::addColumn<double>("mgPerDl");
    QTest::addColumn<bool>("mmol");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("change");
    const QString minus(QChar(0x2212));
    QTest::newRow("mg/dL whole, half to even") << 142.5 << false << "142"
                                               << "+142";
    QTest::newRow("mg/dL rounds up") << 143.5 << false << "144"
                                     << "+144";
    QTest::newRow("mg/dL falling") << -12.4 << false << minus + "12" << minus + "12";
    QTest::newRow("a change that shows as zero") << 0.4 << false << "0"
                                                 << "0";
    // 142 / 18.01559 = 7.882: one decimal.
    QTest::newRow("mmol/L one decimal") << 142.0 << true << "7,9"
                                        << "+7,9";
    QTest::newRow("mmol/L below one") << -12.0 << true << minus + "0,7" << minus + "0,7";
    // 180 mg/dL is 9.991 mmol/L: shown as 10,0, as the ranges count it.
    QTest::newRow("mmol/L at the target's top") << 180.0 << true << "10,0"
                                                << "+10,0";
}

void TestGlucoseStats::shownTexts()
{
    QFETCH(double, mgPerDl);
    QFETCH(bool, mmol);
    QFETCH(QString, value);
    QFETCH(QString, change);
    const GlucoseUnit unit = mmol ? GlucoseUnit::MmolPerL : GlucoseUnit::MgPerDl;
    QCOMPARE(glucoseText(mgPerDl, unit, QLatin1Char(',')), value);
    QCOMPARE(glucoseChangeText(mgPerDl, unit, QLatin1Char(',')), change);
}

QTEST_APPLESS_MAIN(TestGlucoseStats)
#include "tst_glucosestats.moc"

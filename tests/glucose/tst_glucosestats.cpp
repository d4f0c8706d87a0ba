// The AGP's figures from readings: percentiles and shares per hour, the
// change within an hour, the ranges in both units, the period's figures and
// its shortfalls, the smoothed curves.

#include "glucose/agpcurves.h"
#include "glucose/glucosestats.h"
#include "readings.h"

#include <QtTest>

#include <cmath>

using namespace fendrimo;
using namespace fendrimo::test;

namespace {

using Values = QList<double>;

GlucoseStatistics statisticsOf(const QStringList& lines, GlucoseUnit shown = GlucoseUnit::MgPerDl)
{
    const GlucoseData data = dataOf(lines);
    const GlucosePeriod whole = choosePeriod(data, QDate(1970, 1, 1), QDate(2100, 1, 1)).period;
    return glucoseStatistics(data, whole, shown);
}

// Fourteen days of 5-minute readings, `perDay` of them from midnight on.
QStringList fourteenDays(int days, int perDay, const QString& value)
{
    QStringList lines;
    for (int d = 0; d < days; ++d)
        lines << everyFiveMinutes(QDate(2024, 3, 4).addDays(d).toString(Qt::ISODate) + " 00:00",
                                  perDay, value);
    return lines;
}

} // namespace

class TestGlucoseStats : public QObject
{
    Q_OBJECT

private slots:
    void hourPercentiles_data();
    void hourPercentiles();
    void hourChange_data();
    void hourChange();
    void ranges_data();
    void ranges();
    void halfToEven_data();
    void halfToEven();
    void goals_data();
    void goals();
    void periodFigures_data();
    void periodFigures();
    void smoothing_data();
    void smoothing();
    void drawnCurvesClamped();
};

void TestGlucoseStats::hourPercentiles_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<Values>("expected"); // 5th, 25th, 50th, 75th, 95th; below 70, above 180
    QTest::newRow("one value: every percentile")
        << QStringList{"100"} << Values{100, 100, 100, 100, 100, 0, 0};
    // positions 0.05, 0.25, 0.5, 0.75, 0.95 between 100 and 200
    QTest::newRow("two values") << QStringList{"200", "100"}
                                << Values{105, 125, 150, 175, 195, 0, 0.5};
    // sorted 50 60 80 120 200; positions 0.2 (50+0.2*10), 1, 2, 3, 3.8 (120+0.8*80)
    QTest::newRow("five values, unsorted")
        << QStringList{"200", "50", "120", "60", "80"} << Values{52, 60, 80, 120, 184, 0.4, 0.2};
    // L counts as 40, H as 400: sorted 40 100 400; 40+0.1*60, 40+0.5*60, 100, 100+0.5*300,
    // 100+0.9*300
    QTest::newRow("Low and High as the sensor's limits")
        << QStringList{"H", "L", "100"} << Values{46, 70, 100, 250, 370, 1.0 / 3, 1.0 / 3};
}

void TestGlucoseStats::hourPercentiles()
{
    QFETCH(QStringList, values);
    QFETCH(Values, expected);
    QStringList lines;
    for (int i = 0; i < values.size(); ++i)
        lines
            << QStringLiteral("2024-03-04 08:%1 %2").arg(i * 10, 2, 10, QChar(u'0')).arg(values[i]);
    const GlucoseStatistics stats = statisticsOf(lines);
    const HourFigures& hour = stats.hours[8];
    QCOMPARE(hour.readings, values.size());
    QCOMPARE(stats.hours[7].readings + stats.hours[9].readings, 0);
    for (int p = 0; p < kAgpPercentileCount; ++p)
        QCOMPARE(hour.percentiles[size_t(p)], expected[p]);
    QCOMPARE(hour.shareBelow70, expected[5]);
    QCOMPARE(hour.shareAbove180, expected[6]);
}

void TestGlucoseStats::hourChange_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("days");
    QTest::addColumn<double>("median"); // NaN: none
    QTest::addColumn<int>("beyondSensor");
    // 07:55 is nearer 08:00 than 08:10; 130-100 over 70 minutes
    QTest::newRow("nearest to each end, by the time between")
        << QStringList{"2024-03-04 07:55 100", "2024-03-04 08:10 200", "2024-03-04 09:05 130"} << 8
        << 1 << 30.0 * 60 / 70 << 0;
    // +20, -10 and +30 per hour: the middle one
    QTest::newRow("the median over the days")
        << QStringList{"2024-03-04 08:00 100", "2024-03-04 09:00 120", "2024-03-05 08:00 100",
                       "2024-03-05 09:00 90",  "2024-03-06 08:00 100", "2024-03-06 09:00 130"}
        << 8 << 3 << 20.0 << 0;
    QTest::newRow("20 minutes off is not near the start")
        << QStringList{"2024-03-04 08:20 100", "2024-03-04 09:00 120"} << 8 << 0 << qQNaN() << 0;
    QTest::newRow("Low at the start: left out, counted")
        << QStringList{"2024-03-04 08:00 L", "2024-03-04 09:00 120"} << 8 << 0 << qQNaN() << 1;
    QTest::newRow("hour 23 ends at the next midnight")
        << QStringList{"2024-03-04 23:00 100", "2024-03-05 00:00 112"} << 23 << 1 << 12.0 << 0;
}

void TestGlucoseStats::hourChange()
{
    QFETCH(QStringList, lines);
    QFETCH(int, hour);
    QFETCH(int, days);
    QFETCH(double, median);
    QFETCH(int, beyondSensor);
    const HourFigures figures = statisticsOf(lines).hours[size_t(hour)];
    QCOMPARE(figures.changeDays, days);
    QCOMPARE(figures.changeDaysBeyondSensor, beyondSensor);
    QCOMPARE(figures.medianChangePerHour.has_value(), !std::isnan(median));
    if (figures.medianChangePerHour)
        QCOMPARE(*figures.medianChangePerHour, median);
}

void TestGlucoseStats::ranges_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<GlucoseUnit>("shown");
    QTest::addColumn<GlucoseRange>("expected");
    const auto mg = GlucoseUnit::MgPerDl;
    const auto mmol = GlucoseUnit::MmolPerL;
    const auto row = [](const char* value, GlucoseUnit shown, GlucoseRange range) {
        QTest::addRow("%s %s", value, shown == GlucoseUnit::MgPerDl ? "mg/dL" : "mmol/L")
            << QString::fromLatin1(value) << shown << range;
    };
    row("53", mg, GlucoseRange::VeryLow);
    row("54", mg, GlucoseRange::Low);
    row("69", mg, GlucoseRange::Low);
    row("70", mg, GlucoseRange::Target);
    row("180", mg, GlucoseRange::Target);
    row("181", mg, GlucoseRange::High);
    row("250", mg, GlucoseRange::High);
    row("251", mg, GlucoseRange::VeryHigh);
    row("2.9", mmol, GlucoseRange::VeryLow);
    row("3.0", mmol, GlucoseRange::Low);
    row("3.8", mmol, GlucoseRange::Low);
    row("3.9", mmol, GlucoseRange::Target);
    row("10.0", mmol, GlucoseRange::Target);
    row("10.1", mmol, GlucoseRange::High);
    row("13.9", mmol, GlucoseRange::High);
    row("14.0", mmol, GlucoseRange::VeryHigh);
    row("69", mmol, GlucoseRange::Low);     // 69 / 18.01559 = 3.830 -> 3.8
    row("70", mmol, GlucoseRange::Target);  // 3.886 -> 3.9
    row("181", mmol, GlucoseRange::Target); // 10.047 -> 10.0, though above 180 mg/dL
    row("182", mmol, GlucoseRange::High);   // 10.102 -> 10.1
    row("3.8", mg, GlucoseRange::Low);      // 3.8 * 18.01559 = 68.46 -> 68
    row("3.9", mg, GlucoseRange::Target);   // 70.26 -> 70
    row("10.0", mg, GlucoseRange::Target);  // 180.16 -> 180
    row("10.1", mg, GlucoseRange::High);    // 181.96 -> 182
    row("L", mmol, GlucoseRange::VeryLow);  // 40 mg/dL = 2.2
    row("H", mmol, GlucoseRange::VeryHigh); // 400 mg/dL = 22.2
}

void TestGlucoseStats::ranges()
{
    QFETCH(QString, value);
    QFETCH(GlucoseUnit, shown);
    QFETCH(GlucoseRange, expected);
    QCOMPARE(rangeOf(readingOf("2024-03-04 08:00 " + value), shown), expected);
}

void TestGlucoseStats::halfToEven_data()
{
    QTest::addColumn<double>("mgPerDl");
    QTest::addColumn<GlucoseUnit>("shown");
    QTest::addColumn<int>("expected");
    QTest::addColumn<GlucoseRange>("range");
    const auto mg = GlucoseUnit::MgPerDl;
    const auto mmol = GlucoseUnit::MmolPerL;
    QTest::newRow("69.5 -> 70") << 69.5 << mg << 70 << GlucoseRange::Target;
    QTest::newRow("68.5 -> 68") << 68.5 << mg << 68 << GlucoseRange::Low;
    QTest::newRow("180.5 -> 180") << 180.5 << mg << 180 << GlucoseRange::Target;
    QTest::newRow("181.5 -> 182") << 181.5 << mg << 182 << GlucoseRange::High;
    // mg/dL that are exactly half a tenth of mmol/L in doubles
    QTest::newRow("3.85 -> 3.8") << 38.5 * kMgPerDlPerMmol / 10 << mmol << 38 << GlucoseRange::Low;
    QTest::newRow("3.95 -> 4.0") << 39.5 * kMgPerDlPerMmol / 10 << mmol << 40
                                 << GlucoseRange::Target;
    QTest::newRow("10.05 -> 10.0")
        << 100.5 * kMgPerDlPerMmol / 10 << mmol << 100 << GlucoseRange::Target;
}

void TestGlucoseStats::halfToEven()
{
    QFETCH(double, mgPerDl);
    QFETCH(GlucoseUnit, shown);
    QFETCH(int, expected);
    QFETCH(GlucoseRange, range);
    QCOMPARE(shownValue(mgPerDl, shown), expected);
    QCOMPARE(rangeOfShown(expected, shown), range);
}

void TestGlucoseStats::goals_data()
{
    QTest::addColumn<QList<int>>("counts"); // very low, low, target, high, very high
    QTest::addColumn<QList<bool>>("met");   // in target, <70, <54, >180, >250
    QTest::newRow("at or beyond every limit: none met")
        << QList<int>{1, 3, 70, 20, 6} << QList<bool>{false, false, false, false, false};
    QTest::newRow("71 % in target, 3 % below 70, 26 % above 180")
        << QList<int>{0, 3, 71, 21, 5} << QList<bool>{true, true, true, false, false};
    QTest::newRow("every goal met")
        << QList<int>{0, 3, 73, 20, 4} << QList<bool>{true, true, true, true, true};
    QTest::newRow("no readings: none met")
        << QList<int>{0, 0, 0, 0, 0} << QList<bool>{false, false, false, false, false};
}

void TestGlucoseStats::goals()
{
    QFETCH(QList<int>, counts);
    QFETCH(QList<bool>, met);
    std::array<int, kGlucoseRanges> byRange{};
    std::copy(counts.begin(), counts.end(), byRange.begin());
    const auto goals = rangeGoals(byRange);
    for (int g = 0; g < kRangeGoals; ++g)
        QCOMPARE(goals[size_t(g)].met, met[g]);
    QCOMPARE(goals[size_t(RangeGoalKind::Below70)].readings, counts[0] + counts[1]);
}

void TestGlucoseStats::periodFigures_data()
{
    QTest::addColumn<QStringList>("lines");
    // days with data, readings, time with data, <14 days, <70 %, mean, SD, CV, CV met, GMI,
    // Low, High, time with data clamped; NaN: none
    QTest::addColumn<Values>("expected");
    const double none = qQNaN();
    QTest::newRow("14 days every 5 minutes") // GMI 3.31 + 0.02392 * 100
        << fourteenDays(14, 288, "100") << Values{14, 4032, 1, 0, 0, 100, 0, 0, 1, 5.702, 0, 0, 0};
    QTest::newRow("13 days: fewer than 14")
        << fourteenDays(13, 288, "100") << Values{13, 3744, 1, 1, 0, 100, 0, 0, 1, 5.702, 0, 0, 0};
    QTest::newRow("202 readings a day: 70.1 %") // 202 * 300 s / 86400 s
        << fourteenDays(14, 202, "100")
        << Values{14, 2828, 202 * 300 / 86400.0, 0, 0, 100, 0, 0, 1, 5.702, 0, 0, 0};
    QTest::newRow("201 readings a day: 69.8 %")
        << fourteenDays(14, 201, "100")
        << Values{14, 2814, 201 * 300 / 86400.0, 0, 1, 100, 0, 0, 1, 5.702, 0, 0, 0};
    // 0:00-1:55 and 3:00-23:55: 276 readings fill 23 hours
    QTest::newRow("the day summer time begins has 23 hours")
        << everyFiveMinutes("2024-03-31 00:00", 24, "100 60") +
               everyFiveMinutes("2024-03-31 03:00", 252, "100 120")
        << Values{1, 276, 1, 1, 0, 100, 0, 0, 1, 5.702, 0, 0, 0};
    // 0:00-2:55 and again 2:00-23:55: 300 readings fill 25 hours
    QTest::newRow("the day summer time ends has 25 hours")
        << everyFiveMinutes("2024-10-27 00:00", 36, "100 120") +
               everyFiveMinutes("2024-10-27 02:00", 264, "100 60")
        << Values{1, 300, 1, 1, 0, 100, 0, 0, 1, 5.702, 0, 0, 0};
    // 4032 + 288 readings x 300 s fill more than 14 days
    QTest::newRow("one day twice over: clamped at 100 %")
        << fourteenDays(14, 288, "100") + everyFiveMinutes("2024-03-04 00:00", 288, "100 60")
        << Values{14, 4320, 1, 0, 0, 100, 0, 0, 1, 5.702, 0, 0, 1};
    // mean 110; squares 900 + 100 + 100 + 900 over 3: SD 25.8199; CV 25.8199 / 110;
    // GMI 3.31 + 2.6312
    QTest::newRow("mean, SD with n - 1, CV, GMI")
        << QStringList{"2024-03-04 08:00 80", "2024-03-04 08:05 100", "2024-03-04 08:10 120",
                       "2024-03-04 08:15 140"}
        << Values{1, 4, 1200 / 86400.0, 1, 1, 110, 25.81988897, 0.2347262634, 1, 5.9412, 0, 0, 0};
    QTest::newRow("one reading: no spacing, no SD")
        << QStringList{"2024-03-04 08:00 100"}
        << Values{1, 1, none, 1, 1, 100, none, none, 0, 5.702, 0, 0, 0};
    // 40 + 400 + 100 + 100 = 640 / 4; squares 14400 + 57600 + 3600 + 3600 over 3: SD 162.4808
    QTest::newRow("Low and High count as the sensor's limits")
        << QStringList{"2024-03-04 08:00 L", "2024-03-04 08:05 H", "2024-03-04 08:10 100",
                       "2024-03-04 08:15 100"}
        << Values{1, 4, 1200 / 86400.0, 1, 1, 160, 162.4807681, 1.0155048, 0, 7.1372, 1, 1, 0};
}

void TestGlucoseStats::periodFigures()
{
    QFETCH(QStringList, lines);
    QFETCH(Values, expected);
    const PeriodFigures o = statisticsOf(lines).overall;
    const auto compare = [](const std::optional<double>& actual, double wanted) {
        QCOMPARE(actual.has_value(), !std::isnan(wanted));
        if (actual)
            QVERIFY2(std::abs(*actual - wanted) < 1e-6, qPrintable(QString::number(*actual)));
    };
    QCOMPARE(o.daysWithData, int(expected[0]));
    QCOMPARE(o.readings, int(expected[1]));
    compare(o.timeWithData, expected[2]);
    QCOMPARE(o.fewerThan14Days, expected[3] != 0);
    QCOMPARE(o.lessThan70PercentData, expected[4] != 0);
    compare(o.mean, expected[5]);
    compare(o.sd, expected[6]);
    compare(o.cv, expected[7]);
    QCOMPARE(o.cvGoalMet, expected[8] != 0);
    compare(o.gmi, expected[9]);
    QCOMPARE(o.belowSensorRange, int(expected[10]));
    QCOMPARE(o.aboveSensorRange, int(expected[11]));
    QCOMPARE(o.timeWithDataClamped, expected[12] != 0);
}

void TestGlucoseStats::smoothing_data()
{
    QTest::addColumn<Values>("hours"); // NaN: empty
    QTest::addColumn<int>("hour");
    QTest::addColumn<double>("expected");
    Values peak(24, 100);
    peak[5] = 160;
    Values midnight(24, 100);
    midnight[0] = 160;
    Values oneEmpty(24, 100);
    oneEmpty[3] = qQNaN();
    oneEmpty[4] = 150;
    Values alone(24, qQNaN());
    alone[10] = 200;
    QTest::newRow("own and both neighbours") << peak << 5 << (100 + 4 * 160 + 100) / 6.0;
    QTest::newRow("next to the peak") << peak << 4 << (100 + 4 * 100 + 160) / 6.0;
    QTest::newRow("hour 23 wraps to hour 0") << midnight << 23 << (100 + 4 * 100 + 160) / 6.0;
    QTest::newRow("hour 0 wraps to hour 23") << midnight << 0 << (100 + 4 * 160 + 100) / 6.0;
    QTest::newRow("one neighbour empty") << oneEmpty << 4 << (4 * 150 + 100) / 5.0;
    QTest::newRow("both neighbours empty: kept") << alone << 10 << 200.0;
    QTest::newRow("an empty hour stays empty") << oneEmpty << 3 << qQNaN();
}

void TestGlucoseStats::smoothing()
{
    QFETCH(Values, hours);
    QFETCH(int, hour);
    QFETCH(double, expected);
    HourValues values;
    for (int h = 0; h < kHoursPerDay; ++h) {
        if (!std::isnan(hours[h]))
            values[size_t(h)] = hours[h];
    }
    const std::optional<double> smoothed = smoothedHours(values)[size_t(hour)];
    QCOMPARE(smoothed.has_value(), !std::isnan(expected));
    if (smoothed)
        QCOMPARE(*smoothed, expected);
}

void TestGlucoseStats::drawnCurvesClamped()
{
    std::array<HourFigures, kHoursPerDay> hours{};
    for (HourFigures& hour : hours)
        hour = {1, {100, 100, 100, 100, 400}, 0, 0, std::nullopt, 0, 0};
    hours[12].percentiles[4] = 100;
    const AgpCurve top = agpCurves(hours)[4];
    QCOMPARE(*top.values[10], 350.0); // 400 drawn at the top
    QCOMPARE(top.clamped[10], true);
    QCOMPARE(*top.values[11], 350.0); // (400 + 4 * 400 + 100) / 6 = 350, not above it
    QCOMPARE(top.clamped[11], false);
    QCOMPARE(*top.values[12], 200.0); // (400 + 4 * 100 + 400) / 6
    QCOMPARE(agpCurves(hours)[0].clamped[10], false);
}

QTEST_APPLESS_MAIN(TestGlucoseStats)
#include "tst_glucosestats.moc"

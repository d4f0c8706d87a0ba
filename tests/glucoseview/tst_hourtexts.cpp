// The glucose window's words: an hour's cells and what a screen reader
// hears for it, the period's figures beside their goals, the shortfall and
// the readings counted at the sensor's limit, in mg/dL and mmol/L.

#include "glucoseview/hourtexts.h"

#include <QTest>

using namespace fendrimo;

namespace {

// Readings 12, percentiles, extremes, shares below 70 and above 180, change.
const HourFigures kHour{12, {70, 118, 142, 170, 250}, 0, 0, 0.12, 0.2, 12.4};

// 4000 readings over 14 days by range: 20 below 54, 110 from 54, 2870 in
// the target, 800 above 180, 200 above 250.
PeriodFigures fullPeriod()
{
    PeriodFigures f;
    f.days = f.daysWithData = 14;
    f.readings = 4000;
    f.timeWithData = 0.95;
    f.mean = 150;
    f.cv = 0.3;
    f.gmi = 6.898;
    f.cvGoalMet = true;
    f.belowSensorRange = 3;
    f.aboveSensorRange = 1;
    f.rangeReadings = {20, 110, 2870, 800, 200};
    for (size_t r = 0; r < f.rangeReadings.size(); ++r)
        f.rangeShares.at(r) = f.rangeReadings.at(r) / 4000.0;
    f.goals = rangeGoals(f.rangeReadings);
    f.fewerThan14Days = f.lessThan70PercentData = false;
    return f;
}

QStringList rowTexts(const std::vector<FigureRow>& rows)
{
    QStringList texts;
    for (const FigureRow& row : rows)
        texts << QStringList{row.name, row.value, row.goal, row.verdict}.join(u'|') +
                     (row.missed ? QStringLiteral("!") : QString());
    return texts;
}

} // namespace

class TestHourTexts : public QObject
{
    Q_OBJECT

private slots:
    void hourRow_data();
    void hourRow();
    void periodFigures_data();
    void periodFigures();
};

void TestHourTexts::hourRow_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("readings");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("heard");
    const int mg = int(GlucoseUnit::MgPerDl);
    const int mmol = int(GlucoseUnit::MmolPerL);
    QTest::newRow("mg/dL")
        << mg << true << QStringList{"3 bis 4 Uhr", "0,8", "12", "70", "118", "142",
                                     "170",         "250", "12", "20", "+12"}
        << "3 bis 4 Uhr: Median 142 mg/dL, 25 bis 75 %: 118 bis 170, 12 % unter 70, "
           "Basalrate 0,8 IE/h";
    QTest::newRow("mmol/L, one decimal")
        << mmol << true << QStringList{"3 bis 4 Uhr", "0,8",  "12", "3,9", "6,5", "7,9",
                                       "9,4",         "13,9", "12", "20",  "+0,7"}
        << "3 bis 4 Uhr: Median 7,9 mmol/L, 25 bis 75 %: 6,5 bis 9,4, 12 % unter 3,9, "
           "Basalrate 0,8 IE/h";
    QTest::newRow("no readings: empty cells, the rate still there")
        << mg << false << QStringList{"3 bis 4 Uhr", "0,8", "0", "", "", "", "", "", "", "", ""}
        << "3 bis 4 Uhr: keine Messwerte, Basalrate 0,8 IE/h";
}

void TestHourTexts::hourRow()
{
    QFETCH(int, unit);
    QFETCH(bool, readings);
    QFETCH(QStringList, cells);
    QFETCH(QString, heard);
    const GlucoseFormat format{GlucoseUnit(unit), u','};
    const HourFigures hour = readings ? kHour : HourFigures();
    QCOMPARE(hourCells(3, hour, 8, format), cells);
    QCOMPARE(hourCells(3, hour, 8, format).size(), hourColumnTitles(format).size());
    QCOMPARE(hourAnnouncement(3, hour, 8, format), heard);
}

void TestHourTexts::periodFigures_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("lacking");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("note");
    QTest::newRow("mg/dL, a full period")
        << int(GlucoseUnit::MgPerDl) << false
        << QStringList{"Tage mit Daten|14 von 14|mindestens 14|erreicht",
                       "Zeit mit CGM-Daten|95 %|> 70 %|erreicht",
                       "Mittlere Glukose|150 mg/dL||",
                       "Glukosemanagement-Indikator (GMI)|6,9 %||",
                       "Variationskoeffizient (CV)|30,0 %|≤ 36 %|erreicht",
                       "Zeit über 250 mg/dL|5 %|< 5 %|verfehlt!",
                       "Zeit 181–250 mg/dL|20 %||",
                       "Zeit über 180 mg/dL zusammen|25 %|< 25 %|verfehlt!",
                       "Zeit 70–180 mg/dL|72 %|> 70 %|erreicht",
                       "Zeit unter 70 mg/dL zusammen|3 %|< 4 %|erreicht",
                       "Zeit 54–69 mg/dL|3 %||",
                       "Zeit unter 54 mg/dL|0 %|< 1 %|erreicht"}
        << "3 Werte unter dem Messbereich (Low) als 40 mg/dL gezählt; 1 Wert über dem "
           "Messbereich (High) als 400 mg/dL gezählt.";
    QTest::newRow("mmol/L, too few days and too little time")
        << int(GlucoseUnit::MmolPerL) << true
        << QStringList{"Tage mit Daten|9 von 14|mindestens 14|verfehlt!",
                       "Zeit mit CGM-Daten|55 %|> 70 %|verfehlt!",
                       "Mittlere Glukose|8,3 mmol/L||",
                       "Glukosemanagement-Indikator (GMI)|6,9 %||",
                       "Variationskoeffizient (CV)|30,0 %|≤ 36 %|erreicht",
                       "Zeit über 13,9 mmol/L|5 %|< 5 %|verfehlt!",
                       "Zeit 10,1–13,9 mmol/L|20 %||",
                       "Zeit über 10,0 mmol/L zusammen|25 %|< 25 %|verfehlt!",
                       "Zeit 3,9–10,0 mmol/L|72 %|> 70 %|erreicht",
                       "Zeit unter 3,9 mmol/L zusammen|3 %|< 4 %|erreicht",
                       "Zeit 3,0–3,8 mmol/L|3 %||",
                       "Zeit unter 3,0 mmol/L|0 %|< 1 %|erreicht"}
        << "Weniger Daten, als ein AGP verlangt (nur 9 von mindestens 14 Tagen mit Daten; nur "
           "55 % der Zeit mit Daten statt mindestens 70 %): Die Werte sind nur eingeschränkt "
           "aussagekräftig.\n3 Werte unter dem Messbereich (Low) als 2,2 mmol/L gezählt; 1 Wert "
           "über dem Messbereich (High) als 22,2 mmol/L gezählt.";
}

void TestHourTexts::periodFigures()
{
    QFETCH(int, unit);
    QFETCH(bool, lacking);
    QFETCH(QStringList, rows);
    QFETCH(QString, note);
    const GlucoseFormat format{GlucoseUnit(unit), u','};
    PeriodFigures f = fullPeriod();
    if (lacking) {
        f.daysWithData = 9;
        f.timeWithData = 0.55;
        f.fewerThan14Days = f.lessThan70PercentData = true;
    }
    QCOMPARE(rowTexts(periodRows(f, format)), rows);
    QCOMPARE(QStringList({shortfallText(f), sensorLimitText(f, format)}).join(u'\n').trimmed(),
             note);
}

QTEST_APPLESS_MAIN(TestHourTexts)
#include "tst_hourtexts.moc"

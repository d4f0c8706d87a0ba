// The glucose profile page as drawing steps: its hourly table in both units and languages, the
// shortfall, clamped curves, black and white, and everything on the page, unoverlapped.

#include "app/translation.h"
#include "glucosesample.h"
#include "printing/reportpainter.h"

#include <QPainter>
#include <QPdfWriter>
#include <QtTest>

#include <algorithm>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

// Letter less half an inch at top and bottom, the shallower of the papers;
// the width is the report page's own right edge.
constexpr qint64 kDepth = 2540;
constexpr qint64 kWidth = 1960;

// The texts on the row of the text `first`, left to right, joined by "|".
QString rowOf(const QList<ReportStep>& steps, const QString& first)
{
    QMap<qint64, QString> row;
    for (const ReportStep& start : steps) {
        for (const ReportStep& step : steps) {
            if (start.text == first && step.y == start.y && !step.text.isEmpty())
                row.insert(step.x, step.text);
        }
    }
    return row.values().join(u'|');
}

} // namespace

class TestGlucosePage : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { useInterfaceLanguage(QStringLiteral("de")); }
    void describesThePage_data();
    void describesThePage();
};

void TestGlucosePage::describesThePage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<GlucoseReport>("report");
    QTest::addColumn<QStringList>("rows"); // the header, 8 Uhr
    QTest::addColumn<bool>("shortfall");
    QTest::addColumn<int>("clampMarks");
    const QString mg = "Uhrzeit|IE/h|Werte|5 %|25 %|Median|75 %|95 %|< 70|> 180|mg/dL/h";
    const QString hour8 = "8 bis 9 Uhr|1|168|100|111|122|133|144|0|0|+48";
    QTest::newRow("mg/dL in colour")
        << "de" << true << hourlyRises(14) << QStringList{mg, hour8} << false << 0;
    QTest::newRow("English, mmol/L in black and white")
        << "en" << false << hourlyRises(14, -1, false, GlucoseUnit::MmolPerL)
        << QStringList{"Time|U/h|Readings|5 %|25 %|Median|75 %|95 %|< 3,9|> 10,0|mmol/L/h",
                       "8 to 9 h|1|168|5,6|6,2|6,8|7,4|8,0|0|0|+2,7"}
        << false << 0;
    // Nothing stands in an hour without readings but its rate and count.
    QTest::newRow("an hour without readings")
        << "de" << true << hourlyRises(14, 8) << QStringList{mg, "8 bis 9 Uhr|1|0"} << false << 0;
    QTest::newRow("fewer than 14 days")
        << "de" << false << hourlyRises(5)
        << QStringList{mg, "8 bis 9 Uhr|1|60|100|111|122|133|144|0|0|+48"} << true << 0;
    // The 95th percentile lies above 350 from 19 to 22 Uhr, smoothed or not.
    QTest::newRow("a clamped curve")
        << "de" << true << hourlyRises(14, -1, true) << QStringList{mg, hour8} << false << 3;
}

void TestGlucosePage::describesThePage()
{
    QFETCH(QString, language);
    QFETCH(bool, colour);
    QFETCH(GlucoseReport, report);
    QFETCH(QStringList, rows);
    QFETCH(bool, shortfall);
    QFETCH(int, clampMarks);
    useInterfaceLanguage(language);
    ReportInput input;
    input.profile.rates.fill(10);
    input.colour = colour;
    input.glucose = report;
    const QList<QList<ReportStep>> pages = describePages(input, kDepth);
    const QList<ReportStep>& page = pages.last();
    for (const QString& row : rows)
        QCOMPARE(rowOf(page, row.section(u'|', 0, 0)), row);
    QVERIFY(rowOf(page, "clarity.csv").endsWith("|clarity.csv"));
    const auto count = [&](const std::function<bool(const ReportStep&)>& which) {
        return int(std::count_if(page.begin(), page.end(), which));
    };
    QCOMPARE(count([](auto& s) { return s.text.startsWith("Weniger Daten"); }), int(shortfall));
    // Clamped curves are marked by the small triangles along the chart's top.
    QCOMPARE(count([](auto& s) {
                 return s.polygon.size() == 3 && s.polygon.boundingRect().top() == -560;
             }),
             clampMarks);
    QCOMPARE(count([](auto& s) { return s.colour.hsvSaturation() > 40; }) > 0, colour);
    const auto onPage = [](qreal x, qreal y) {
        return x >= 0 && x <= kWidth && y <= 0 && y >= -kDepth;
    };
    QPdfWriter writer(QStringLiteral("/dev/null"));
    QPainter painter(&writer);
    ReportPainter measure(painter);
    QList<QRectF> cells;
    for (const ReportStep& step : page) {
        for (const QPoint& corner : step.polygon)
            QVERIFY(onPage(corner.x(), corner.y()));
        QVERIFY(onPage(step.x, step.y) && onPage(step.x2, step.y2));
        if (step.kind != ReportStep::Kind::Text || step.text.isEmpty())
            continue;
        // The cell as drawn, y upward, moved left by its alignment.
        const qreal width = measure.textWidth(step);
        const qreal shift = step.align == ReportStep::Align::Right    ? width
                            : step.align == ReportStep::Align::Centre ? width / 2
                                                                      : 0;
        const QRectF cell(step.x - shift, qreal(step.y - step.fontHeight), width, step.fontHeight);
        QVERIFY2(onPage(cell.left(), cell.top()) && onPage(cell.right(), cell.top()),
                 qPrintable(step.text));
        for (const QRectF& other : cells)
            QVERIFY2(!other.intersects(cell), qPrintable(step.text));
        cells << cell;
    }
}

QTEST_MAIN(TestGlucosePage)
#include "tst_glucosepage.moc"

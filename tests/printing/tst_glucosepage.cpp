// The glucose profile page as drawing steps: its hourly table in both units
// and languages, an hour without readings, the shortfall line, the marks of
// clamped curves, black and white, and everything on the page, unoverlapped.

#include "app/translation.h"
#include "glucosesample.h"
#include "printing/reportpainter.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QtTest>

#include <algorithm>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

// A4 less 10 mm at top and bottom; Letter less half an inch. The width is
// the report page's own right edge.
constexpr qint64 kA4Depth = 2770;
constexpr qint64 kLetterDepth = 2540;
constexpr qint64 kWidth = 1960;

const ReportStep* findText(const QList<ReportStep>& steps, const QString& text)
{
    const auto found = std::find_if(steps.begin(), steps.end(), [&](const ReportStep& step) {
        return step.kind == ReportStep::Kind::Text && step.text == text;
    });
    return found == steps.end() ? nullptr : &*found;
}

// The texts in the row of the first text, left to right, joined by "|".
QString rowOf(const QList<ReportStep>& steps, const QString& first)
{
    const ReportStep* start = findText(steps, first);
    QList<ReportStep> row;
    std::copy_if(steps.begin(), steps.end(), std::back_inserter(row), [&](const ReportStep& s) {
        return start && s.kind == ReportStep::Kind::Text && s.y == start->y && !s.text.isEmpty();
    });
    std::sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    QStringList texts;
    for (const ReportStep& step : row)
        texts << step.text;
    return texts.join(u'|');
}

// A text's cell as drawn, its width from the painter; y upward.
QRectF cellOf(const ReportStep& step, ReportPainter& measure)
{
    const qreal width = measure.textWidth(step);
    const qreal shift = step.align == ReportStep::Align::Left    ? 0
                        : step.align == ReportStep::Align::Right ? width
                                                                 : width / 2;
    return QRectF(step.x - shift, qreal(step.y - step.fontHeight), width, step.fontHeight);
}

bool onPage(qreal x, qreal y, qint64 depth)
{
    return x >= 0 && x <= kWidth && y <= 0 && y >= -depth;
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
    QTest::addColumn<GlucoseUnit>("unit");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<qint64>("depth");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("emptyHour"); // -1: none
    QTest::addColumn<bool>("highEvening");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("row"); // 8 Uhr's cells
    QTest::addColumn<bool>("shortfall");
    QTest::addColumn<int>("clampMarks");

    const QString mg = "Uhrzeit|IE/h|Werte|5 %|25 %|Median|75 %|95 %|< 70|> 180|mg/dL/h";
    const QString hour8 = "8 bis 9 Uhr|1|168|100|111|122|133|144|0|0|+48";
    QTest::newRow("mg/dL in colour on A4") << "de" << GlucoseUnit::MgPerDl << true << kA4Depth << 14
                                           << -1 << false << mg << hour8 << false << 0;
    QTest::newRow("English, mmol/L in black and white on Letter")
        << "en" << GlucoseUnit::MmolPerL << false << kLetterDepth << 14 << -1 << false
        << "Time|U/h|Readings|5 %|25 %|Median|75 %|95 %|< 3,9|> 10,0|mmol/L/h"
        << "8 to 9 h|1|168|5,6|6,2|6,8|7,4|8,0|0|0|+2,7" << false << 0;
    // Nothing stands in an hour without readings but its rate and count.
    QTest::newRow("an hour without readings")
        << "de" << GlucoseUnit::MgPerDl << true << kA4Depth << 14 << 8 << false << mg
        << "8 bis 9 Uhr|1|0" << false << 0;
    QTest::newRow("fewer than 14 days")
        << "de" << GlucoseUnit::MgPerDl << false << kLetterDepth << 5 << -1 << false << mg
        << "8 bis 9 Uhr|1|60|100|111|122|133|144|0|0|+48" << true << 0;
    // The 95th percentile's curve lies above 350 from 19 to 22 Uhr, smoothed
    // with the lower hours beside them.
    QTest::newRow("a clamped curve") << "de" << GlucoseUnit::MgPerDl << true << kA4Depth << 14 << -1
                                     << true << mg << hour8 << false << 3;
}

void TestGlucosePage::describesThePage()
{
    QFETCH(QString, language);
    QFETCH(GlucoseUnit, unit);
    QFETCH(bool, colour);
    QFETCH(qint64, depth);
    QFETCH(int, days);
    QFETCH(int, emptyHour);
    QFETCH(bool, highEvening);
    QFETCH(QString, header);
    QFETCH(QString, row);
    QFETCH(bool, shortfall);
    QFETCH(int, clampMarks);
    useInterfaceLanguage(language);
    const GlucoseData data = hourlyRises(days, emptyHour, highEvening);
    ReportInput input;
    input.profile.rates.fill(10);
    input.colour = colour;
    input.table = true;
    input.glucose = hourlyRisesReport(data, unit);
    const QList<QList<ReportStep>> pages = describePages(input, depth);
    QCOMPARE(pages.size(), 3);
    const QList<ReportStep>& page = pages.last();

    QVERIFY(findText(page, QStringLiteral("clarity.csv")));
    QCOMPARE(rowOf(page, header.section(u'|', 0, 0)), header);
    QCOMPARE(rowOf(page, row.section(u'|', 0, 0)), row);
    QCOMPARE(std::any_of(page.begin(), page.end(),
                         [](const ReportStep& s) { return s.text.startsWith("Weniger Daten"); }),
             shortfall);
    // Clamped curves are marked by the small triangles along the chart's top.
    QCOMPARE(std::count_if(page.begin(), page.end(),
                           [](const ReportStep& s) {
                               return s.polygon.size() == 3 &&
                                      s.polygon.boundingRect().top() == -560;
                           }),
             clampMarks);
    QCOMPARE(std::any_of(page.begin(), page.end(),
                         [](const ReportStep& s) { return s.colour.hsvSaturation() > 40; }),
             colour);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter painter(&writer);
    ReportPainter measure(painter);
    QList<QRectF> cells;
    for (const ReportStep& step : page) {
        for (const QPoint& corner : step.polygon)
            QVERIFY(onPage(corner.x(), corner.y(), depth));
        if (step.kind == ReportStep::Kind::Line)
            QVERIFY(onPage(step.x, step.y, depth) && onPage(step.x2, step.y2, depth));
        if (step.kind != ReportStep::Kind::Text || step.text.isEmpty())
            continue;
        const QRectF cell = cellOf(step, measure);
        QVERIFY2(onPage(cell.left(), cell.bottom(), depth) &&
                     onPage(cell.right(), cell.top(), depth),
                 qPrintable(step.text));
        for (const QRectF& other : cells)
            QVERIFY2(!other.intersects(cell), qPrintable(step.text));
        cells << cell;
    }
}

QTEST_MAIN(TestGlucosePage)
#include "tst_glucosepage.moc"

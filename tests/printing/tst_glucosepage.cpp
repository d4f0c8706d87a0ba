// The glucose profile page as drawing steps: its hourly table row by row in
// both units, the shortfall line, the marks of clamped curves, the colours
// of black and white, and that everything lies on the page, unoverlapped.

#include "app/translation.h"
#include "glucosesample.h"
#include "printing/reportpainter.h"
#include "printing/reportpdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QtTest>

#include <algorithm>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

// A4 less 10 mm at top and bottom; Letter less half an inch.
constexpr qint64 kA4Depth = 2770;
constexpr qint64 kLetterDepth = 2540;
// The report page's own right edge.
constexpr qint64 kWidth = 1960;

QList<ReportStep> textsAt(const QList<ReportStep>& steps, qint64 y)
{
    QList<ReportStep> row;
    for (const ReportStep& step : steps) {
        if (step.kind == ReportStep::Kind::Text && step.y == y && !step.text.isEmpty())
            row << step;
    }
    std::sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    return row;
}

QStringList textsOf(const QList<ReportStep>& steps)
{
    QStringList texts;
    for (const ReportStep& step : steps)
        texts << step.text;
    return texts;
}

const ReportStep* findText(const QList<ReportStep>& steps, const QString& text)
{
    const auto found = std::find_if(steps.begin(), steps.end(), [&](const ReportStep& step) {
        return step.kind == ReportStep::Kind::Text && step.text == text;
    });
    return found == steps.end() ? nullptr : &*found;
}

// A text's cell on the page as drawn: its width from the painter, y upward.
QRectF cellOf(const ReportStep& step, ReportPainter& measure)
{
    const qreal width = measure.textWidth(step);
    const qreal left = step.align == ReportStep::Align::Left    ? qreal(step.x)
                       : step.align == ReportStep::Align::Right ? step.x - width
                                                                : step.x - width / 2;
    return QRectF(left, qreal(step.y - step.fontHeight), width, qreal(step.fontHeight));
}

bool onPage(qint64 x, qint64 y, qint64 depth)
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
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("row"); // the first hour's cells
    QTest::addColumn<bool>("shortfall");
    QTest::addColumn<int>("clampMarks");

    const QStringList mgHeader{"Uhrzeit", "IE/h", "Werte", "5 %",   "25 %",   "Median",
                               "75 %",    "95 %", "< 70",  "> 180", "mg/dL/h"};
    // In English, with the unit's own bounds.
    const QStringList mmolHeader{"Time", "U/h",  "Readings", "5 %",    "25 %",    "Median",
                                 "75 %", "95 %", "< 3,9",    "> 10,0", "mmol/L/h"};
    const QStringList hour8{"8 bis 9 Uhr", "1",   "168", "100", "111", "122",
                            "133",         "144", "0",   "0",   "+48"};
    QTest::newRow("mg/dL in colour on A4") << "de" << GlucoseUnit::MgPerDl << true << kA4Depth << 14
                                           << -1 << false << mgHeader << hour8 << false << 0;
    QTest::newRow("English, mmol/L in black and white on Letter")
        << "en" << GlucoseUnit::MmolPerL << false << kLetterDepth << 14 << -1 << false << mmolHeader
        << QStringList{"8 to 9 h", "1", "168", "5,6", "6,2", "6,8", "7,4", "8,0", "0", "0", "+2,7"}
        << false << 0;
    // Nothing stands in an hour without readings but its rate and count.
    QTest::newRow("an hour without readings")
        << "de" << GlucoseUnit::MgPerDl << true << kA4Depth << 14 << 8 << false << mgHeader
        << QStringList{"8 bis 9 Uhr", "1", "0"} << false << 0;
    QTest::newRow("fewer than 14 days")
        << "de" << GlucoseUnit::MgPerDl << false << kLetterDepth << 5 << -1 << false << mgHeader
        << QStringList{"8 bis 9 Uhr", "1", "60", "100", "111", "122", "133", "144", "0", "0", "+48"}
        << true << 0;
    // A high evening: the 95th percentile's curve lies above 350 from 19 to
    // 22 Uhr, smoothed with the lower hours beside them.
    QTest::newRow("a clamped curve")
        << "de" << GlucoseUnit::MgPerDl << true << kA4Depth << 14 << -1 << true << mgHeader
        << QStringList{"8 bis 9 Uhr", "1",   "168", "100", "111", "122",
                       "133",         "144", "0",   "0",   "+48"}
        << false << 3;
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
    QFETCH(QStringList, header);
    QFETCH(QStringList, row);
    QFETCH(bool, shortfall);
    QFETCH(int, clampMarks);

    useInterfaceLanguage(language);
    const GlucoseData data = hourlyRises(days, emptyHour, highEvening);
    ReportInput input;
    input.maximum = 30;
    input.profile.rates.fill(10);
    input.colour = colour;
    input.table = true;
    input.glucose = hourlyRisesReport(data, unit);
    const QList<QList<ReportStep>> pages = describePages(input, depth);
    // The page of each row as a PDF to look at, when asked for.
    const QString samples = qEnvironmentVariable("FENDRIMO_GLUCOSE_PAGES");
    if (!samples.isEmpty()) {
        QFile file(samples + u'/' + QString::fromUtf8(QTest::currentDataTag()).replace(u'/', u'-') +
                   ".pdf");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reportPdf(input, pdfFileSetup(QPageLayout(QPageSize(QPageSize::A4),
                                                             QPageLayout::Portrait,
                                                             QMarginsF(10, 10, 10, 10))))
                       .pdf);
    }
    QCOMPARE(pages.size(), 3);
    const QList<ReportStep>& page = pages.last();

    QVERIFY(findText(page, language == u"de" ? QStringLiteral("Glukoseprofil")
                                             : QStringLiteral("Glucose profile")));
    QVERIFY(findText(page, QStringLiteral("clarity.csv")));
    const ReportStep* hourHeader = findText(page, header.first());
    QVERIFY(hourHeader);
    QCOMPARE(textsOf(textsAt(page, hourHeader->y)), header);
    const ReportStep* hour = findText(page, row.first());
    QVERIFY(hour);
    QCOMPARE(textsOf(textsAt(page, hour->y)), row);
    // Every hour has its row, in order, under the header.
    qint64 above = hourHeader->y;
    for (int h = 0; h < 24; ++h) {
        const ReportStep* span = findText(page, hourSpanText(h, h));
        QVERIFY(span && span->y < above);
        above = span->y;
    }
    const bool saysShortfall = std::any_of(page.begin(), page.end(), [](const ReportStep& step) {
        return step.text.startsWith(QStringLiteral("Weniger Daten"));
    });
    QCOMPARE(saysShortfall, shortfall);
    // The marks of clamped curves are the small triangles along the chart's top.
    const int marks = int(std::count_if(page.begin(), page.end(), [](const ReportStep& step) {
        return step.kind == ReportStep::Kind::Polygon && step.polygon.size() == 3 &&
               step.polygon.boundingRect().top() == -560;
    }));
    QCOMPARE(marks, clampMarks);
    const bool anyColour = std::any_of(page.begin(), page.end(), [](const ReportStep& step) {
        return step.colour.hsvSaturation() > 40;
    });
    QCOMPARE(anyColour, colour);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter painter(&writer);
    ReportPainter measure(painter);
    QList<QRectF> cells;
    for (const ReportStep& step : page) {
        if (step.kind == ReportStep::Kind::Polygon) {
            for (const QPoint& corner : step.polygon)
                QVERIFY(onPage(corner.x(), corner.y(), depth));
        } else if (step.kind == ReportStep::Kind::Line) {
            QVERIFY(onPage(step.x, step.y, depth) && onPage(step.x2, step.y2, depth));
        } else if (!step.text.isEmpty()) {
            const QRectF cell = cellOf(step, measure);
            QVERIFY2(onPage(qint64(cell.left()), step.y, depth) &&
                         onPage(qint64(cell.right()), qint64(cell.top()), depth),
                     qPrintable(step.text));
            for (const QRectF& other : cells)
                QVERIFY2(!other.intersects(cell), qPrintable(step.text));
            cells << cell;
        }
    }
}

QTEST_MAIN(TestGlucosePage)
#include "tst_glucosepage.moc"

// The AGP chart's geometry: the hour a click lands in, the columns a band
// covers (none over an hour without readings), the marks over clamped hours.

#include "glucoseview/agpgeometry.h"

#include <QTest>

using namespace fendrimo;

namespace {

// 24 columns of 10 pixels from x = 40.
const QRectF kPlot(40, 20, 240, 350);

// "x" an hour with a value, "." one without, "^" clamped; from hour 0 on.
AgpCurve curveOf(const QString& hours)
{
    AgpCurve curve;
    for (int h = 0; h < hours.size(); ++h) {
        if (hours.at(h) != u'.')
            curve.values.at(size_t(h)) = hours.at(h) == u'^' ? kAgpDrawnHighestMgPerDl : 100.0 + h;
        curve.clamped.at(size_t(h)) = hours.at(h) == u'^';
    }
    return curve;
}

// The hours whose column any point of the polygons lies strictly inside.
QString coveredHours(const QList<QPolygonF>& polygons)
{
    QString hours(kHoursPerDay, u'.');
    for (const QPolygonF& polygon : polygons) {
        const QRectF bounds = polygon.boundingRect();
        for (int h = 0; h < kHoursPerDay; ++h) {
            if (bounds.left() < xOfHour(kPlot, h + 0.5) && bounds.right() > xOfHour(kPlot, h + 0.5))
                hours[h] = u'x';
        }
    }
    return hours;
}

} // namespace

class TestAgpGeometry : public QObject
{
    Q_OBJECT

private slots:
    void hourOfClick_data();
    void hourOfClick();
    void bandsOnlyOverReadings_data();
    void bandsOnlyOverReadings();
    void clampedMarks_data();
    void clampedMarks();
};

void TestAgpGeometry::hourOfClick_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("hour");
    QTest::newRow("left of the plot") << 39.9 << -1;
    QTest::newRow("left edge") << 40.0 << 0;
    QTest::newRow("first pixel of hour 1") << 50.0 << 1;
    QTest::newRow("last pixel") << 279.9 << 23;
    QTest::newRow("right edge") << 280.0 << -1;
}

void TestAgpGeometry::hourOfClick()
{
    QFETCH(double, x);
    QFETCH(int, hour);
    QCOMPARE(hourAtX(kPlot, x), hour);
}

void TestAgpGeometry::bandsOnlyOverReadings_data()
{
    QTest::addColumn<QString>("hours");
    QTest::newRow("every hour") << QString(24, u'x');
    QTest::newRow("a gap at night") << QStringLiteral("xx...xxxxxxxxxxxxxxxxxxx");
    QTest::newRow("a single hour alone") << QStringLiteral("....x...................");
    QTest::newRow("none") << QString(24, u'.');
}

void TestAgpGeometry::bandsOnlyOverReadings()
{
    QFETCH(QString, hours);
    const AgpCurve lower = curveOf(hours);
    AgpCurve upper = lower;
    for (auto& value : upper.values)
        value = value ? std::optional(*value + 50) : std::nullopt;
    QList<QPolygonF> bands;
    QList<QPolygonF> lines;
    for (const HourRun& run : hourRuns(lower.values)) {
        bands << bandPolygon(kPlot, lower.values, upper.values, run);
        lines << curvePoints(kPlot, lower.values, run);
    }
    QCOMPARE(coveredHours(bands), hours);
    QCOMPARE(coveredHours(lines), hours);
    // Each band lies between its curves, never down to zero.
    for (const QPolygonF& band : std::as_const(bands))
        QVERIFY(band.boundingRect().bottom() <= yOfGlucose(kPlot, 100));
}

void TestAgpGeometry::clampedMarks_data()
{
    QTest::addColumn<QString>("p95");
    QTest::addColumn<QString>("p75");
    QTest::addColumn<QList<double>>("markedX");
    QTest::newRow("nothing clamped") << QString(24, u'x') << QString(24, u'x') << QList<double>{};
    QTest::newRow("95 % at 2, 3 and 23, 75 % at 23: one mark an hour")
        << QStringLiteral("xx^^xxxxxxxxxxxxxxxxxxx^") << QStringLiteral("xxxxxxxxxxxxxxxxxxxxxxx^")
        << QList<double>{65.0, 75.0, 275.0};
}

void TestAgpGeometry::clampedMarks()
{
    QFETCH(QString, p95);
    QFETCH(QString, p75);
    QFETCH(QList<double>, markedX);
    std::array<AgpCurve, kAgpPercentileCount> curves;
    curves.fill(curveOf(QString(24, u'x')));
    curves[3] = curveOf(p75);
    curves[4] = curveOf(p95);
    QList<double> xs;
    for (const QPointF& mark : clampMarks(kPlot, curves)) {
        QCOMPARE(mark.y(), kPlot.top());
        xs << mark.x();
    }
    QCOMPARE(xs, markedX);
    QCOMPARE(yOfGlucose(kPlot, 500), kPlot.top()); // a value above stands at the top
}

QTEST_APPLESS_MAIN(TestAgpGeometry)
#include "tst_agpgeometry.moc"

// The step chart's value axis: a whole step of 5, 10, 20, 50, 100 … of the
// caller's unit, no more than five lines, reaching the highest value of any
// series and at least the axis's least top.

#include "widgets/stepchart.h"

#include <QTest>

using namespace fendrimo;

namespace {

StepSeries seriesUpTo(qint32 highest)
{
    StepSeries series;
    series.values.fill(1);
    series.values.at(17) = highest;
    return series;
}

} // namespace

class TestStepChart : public QObject
{
    Q_OBJECT

private slots:
    void axisLines_data();
    void axisLines();
};

void TestStepChart::axisLines_data()
{
    QTest::addColumn<qint64>("leastTop");
    QTest::addColumn<QList<qint32>>("highestOfEach"); // one series per value
    QTest::addColumn<QList<qint64>>("lines");         // the values the axis writes
    QTest::newRow("below the least top")
        << qint64(10) << QList<qint32>{7} << QList<qint64>{0, 5, 10};
    // 30 / 5 = 6 lines are too many: steps of 10.
    QTest::newRow("3 IE/h") << qint64(10) << QList<qint32>{30} << QList<qint64>{0, 10, 20, 30};
    // 101 needs 6 steps of 20: steps of 50 up to 150.
    QTest::newRow("just above a whole step")
        << qint64(10) << QList<qint32>{101} << QList<qint64>{0, 50, 100, 150};
    QTest::newRow("the highest of two series")
        << qint64(10) << QList<qint32>{12, 26} << QList<qint64>{0, 10, 20, 30};
    // A glucose scale in mg/dL: 350 needs 7 steps of 50, so steps of 100.
    QTest::newRow("mg/dL up to 350")
        << qint64(180) << QList<qint32>{350} << QList<qint64>{0, 100, 200, 300, 400};
    QTest::newRow("empty day, least top alone")
        << qint64(180) << QList<qint32>{0} << QList<qint64>{0, 50, 100, 150, 200};
}

void TestStepChart::axisLines()
{
    QFETCH(qint64, leastTop);
    QFETCH(QList<qint32>, highestOfEach);
    QFETCH(QList<qint64>, lines);
    QList<qint64> written;
    StepChart chart({leastTop, [&written](qint64 value) {
                         written << value;
                         return QString::number(value);
                     }});
    QList<StepSeries> series;
    for (const qint32 highest : highestOfEach)
        series << seriesUpTo(highest);
    chart.setSeries(series);
    chart.grab(); // paints the axis, which writes each line's value
    QCOMPARE(written, lines);
}

QTEST_MAIN(TestStepChart)
#include "tst_stepchart.moc"

// The basal test sheet: a row per hour of the block and one for its end, the
// profile's rates pre-filled, everything on one portrait page.

#include "printing/basaltestsheet.h"

#include <QtTest>

using namespace fendrimo;

class TestBasalTestSheet : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
};

void TestBasalTestSheet::rows_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<qint64>("depth"); // A4's and Letter's printable depth in portrait
    QTest::addColumn<QString>("span");
    QTest::addColumn<QStringList>("rows"); // time and rate: the first hour, the second, the end
    QTest::newRow("crossing midnight, A4")
        << 22 << 6 << qint64(2770) << "22 bis 6 Uhr"
        << QStringList{"22:00|2,3 IE/h", "23:00|2,4 IE/h", "06:00"};
    QTest::newRow("a whole day, Letter")
        << 6 << 6 << qint64(2590) << "6 bis 6 Uhr"
        << QStringList{"06:00|0,7 IE/h", "07:00|0,8 IE/h", "06:00"};
}

void TestBasalTestSheet::rows()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(qint64, depth);
    QFETCH(QString, span);
    QFETCH(QStringList, rows);
    ReportInput input;
    for (int h = 0; h < 24; ++h)
        input.profile.rates.at(size_t(h)) = h + 1; // 0,1 IE/h from 0 Uhr to 2,4 from 23 Uhr
    input.basalTestSheet = BasalTestBlock{from, to};
    const QList<QList<ReportStep>> pages = describePages(input, depth);
    QCOMPARE(pages.size(), 1);
    // The table's texts by row, after its header: time, then the rate beside it.
    QStringList shown;
    for (const ReportStep& step : pages.constFirst()) {
        const bool inTable = step.kind == ReportStep::Kind::Text && step.y < -660 && step.x < 700;
        if (inTable && step.x == 165)
            shown << step.text;
        else if (inTable && step.align == ReportStep::Align::Right)
            shown.last() += u'|' + step.text;
        const qint64 lowest = std::min(step.y - step.fontHeight, step.y2);
        QVERIFY2(step.x >= 0 && std::max(step.x, step.x2) <= 1950 && step.y <= 0 &&
                     lowest >= -depth,
                 qPrintable(step.text));
    }
    QVERIFY(std::any_of(pages[0].begin(), pages[0].end(), [&](auto& s) { return s.text == span; }));
    QCOMPARE(shown.size(), input.basalTestSheet->hours() + 1);
    QCOMPARE((QStringList{shown[0], shown[1], shown.constLast()}), rows);
}

QTEST_MAIN(TestBasalTestSheet)
#include "tst_basaltestsheet.moc"

// The basal test sheet as described: a row per hour of the block and one for
// its end, the profile's rates pre-filled, everything on one portrait page.

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

namespace {

// Printable depths of A4 and Letter in portrait within Qt's default margins.
constexpr qint64 kA4Depth = 2770;
constexpr qint64 kLetterDepth = 2590;
constexpr qint64 kPrintableWidth = 1950;

QStringList textsInColumn(const QList<ReportStep>& steps, qint64 x, ReportStep::Align align)
{
    QStringList texts;
    for (const ReportStep& step : steps)
        if (step.kind == ReportStep::Kind::Text && step.x == x && step.align == align &&
            step.y < -600)
            texts << step.text;
    return texts;
}

} // namespace

void TestBasalTestSheet::rows_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<qint64>("depth");
    QTest::addColumn<QString>("span");
    QTest::addColumn<QStringList>("times"); // first, second, last
    QTest::addColumn<QStringList>("rates"); // the first hour's and the last's
    QTest::newRow("crossing midnight")
        << 22 << 6 << kA4Depth << "22 bis 6 Uhr" << QStringList{"22:00", "23:00", "06:00"}
        << QStringList{"2,3 IE/h", "0,6 IE/h"};
    QTest::newRow("a whole day, Letter")
        << 6 << 6 << kLetterDepth << "6 bis 6 Uhr" << QStringList{"06:00", "07:00", "06:00"}
        << QStringList{"0,7 IE/h", "0,6 IE/h"};
}

void TestBasalTestSheet::rows()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(qint64, depth);
    QFETCH(QString, span);
    QFETCH(QStringList, times);
    QFETCH(QStringList, rates);
    ReportInput input;
    for (int h = 0; h < 24; ++h)
        input.profile.rates.at(size_t(h)) = h + 1; // 0,1 IE/h at 0 Uhr ... 2,4 at 23 Uhr
    input.today = QStringLiteral("10.12.2026");
    input.basalTestSheet = BasalTestBlock{from, to};
    const QList<QList<ReportStep>> pages = describePages(input, depth);
    QCOMPARE(pages.size(), 1);
    const QList<ReportStep>& sheet = pages.constFirst();

    const int hours = BasalTestBlock{from, to}.hours();
    const QStringList shownTimes = textsInColumn(sheet, 165, ReportStep::Align::Left);
    QCOMPARE(shownTimes.size(), hours + 2); // the header, each hour and the end
    QCOMPARE(shownTimes.mid(1, 2), times.mid(0, 2));
    QCOMPARE(shownTimes.constLast(), times.constLast());
    // The rate of each hour of the block, none for its end.
    const QStringList shownRates = textsInColumn(sheet, 680, ReportStep::Align::Right);
    QCOMPARE(shownRates.size(), hours);
    QCOMPARE(shownRates.constFirst(), rates.constFirst());
    QCOMPARE(shownRates.constLast(), rates.constLast());

    bool spanShown = false;
    for (const ReportStep& step : sheet) {
        spanShown = spanShown || step.text == span;
        const qint64 lowest = std::min(step.y - step.fontHeight, step.y2);
        QVERIFY2(step.x >= 0 && std::max(step.x, step.x2) <= kPrintableWidth && step.y <= 0 &&
                     lowest >= -depth,
                 qPrintable(QStringLiteral("%1 at %2, %3").arg(step.text).arg(step.x).arg(step.y)));
    }
    QVERIFY(spanShown);
}

QTEST_MAIN(TestBasalTestSheet)
#include "tst_basaltestsheet.moc"

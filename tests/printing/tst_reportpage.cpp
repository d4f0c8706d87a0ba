// The report page as drawing steps: the numbers of the layout, the order,
// the colours and the bounds on work for a huge maximum.

#include "printing/reportpage.h"

#include <QtTest>

#include <algorithm>

using namespace fendrimo;

namespace {

constexpr qint64 kA4Depth = 2970;

using Kind = ReportStep::Kind;

// Rates from runs: {{6, 8}, {4, 12}} is six hours at 8 tenths, then four at 12.
QList<qint64> runs(const QList<QPair<int, qint64>>& pieces)
{
    QList<qint64> rates;
    for (const auto& piece : pieces)
        rates.append(QList<qint64>(piece.first, piece.second));
    return rates;
}

QList<qint64> workedRates()
{
    return runs({{6, 8}, {4, 12}, {8, 10}, {6, 9}});
}

ReportInput input(qint32 maximum, const QList<qint64>& rates)
{
    ReportInput in;
    in.maximum = maximum;
    for (int h = 0; h < 24; ++h)
        in.profile.rates[size_t(h)] = qint32(rates.value(h));
    in.profile.datum = QStringLiteral("08.12.2026");
    in.profile.bolus = {QStringLiteral("1,5"), QStringLiteral("1,0"), QStringLiteral("1,2")};
    in.notes = {QStringLiteral("Sport"), QStringLiteral("abends")};
    in.today = QStringLiteral("09.12.2026");
    return in;
}

QList<ReportStep> textsOfHeight(const QList<ReportStep>& steps, int height)
{
    QList<ReportStep> found;
    for (const ReportStep& step : steps) {
        if (step.kind == Kind::Text && step.fontHeight == height)
            found.append(step);
    }
    return found;
}

QList<ReportStep> linesOfWidth(const QList<ReportStep>& steps, int width)
{
    QList<ReportStep> found;
    for (const ReportStep& step : steps) {
        if (step.kind == Kind::Line && step.penWidth == width)
            found.append(step);
    }
    return found;
}

QList<ReportStep> horizontalGrid(const QList<ReportStep>& steps)
{
    QList<ReportStep> found;
    for (const ReportStep& step : linesOfWidth(steps, 1)) {
        if (step.y == step.y2 && step.x == 150 && step.x2 == 1830)
            found.append(step);
    }
    return found;
}

QList<ReportStep> verticalGrid(const QList<ReportStep>& steps)
{
    QList<ReportStep> found;
    for (const ReportStep& step : linesOfWidth(steps, 1)) {
        if (step.x == step.x2)
            found.append(step);
    }
    return found;
}

int indexOfText(const QList<ReportStep>& steps, const QString& text)
{
    for (int i = 0; i < steps.size(); ++i) {
        if (steps[i].kind == Kind::Text && steps[i].text == text)
            return i;
    }
    return -1;
}

const ReportStep* findText(const QList<ReportStep>& steps, const QString& text)
{
    const int i = indexOfText(steps, text);
    return i < 0 ? nullptr : &steps[i];
}

} // namespace

class TestReportPage : public QObject
{
    Q_OBJECT

private slots:
    void headingBlockInOrder_data();
    void headingBlockInOrder();
    void workedExampleVerticalLayout();
    void chartFollowsMaximum_data();
    void chartFollowsMaximum();
    void rateScale();
    void stepLine_data();
    void stepLine();
    void valueLabelsWhereTheRateChanges_data();
    void valueLabelsWhereTheRateChanges();
    void bolusTexts_data();
    void bolusTexts();
    void exactlyThreeThingsBlue_data();
    void exactlyThreeThingsBlue();
    void decimalSeparator_data();
    void decimalSeparator();
    void drawingOrder();
    void cuttingAtThePageChangesNothingOnIt_data();
    void cuttingAtThePageChangesNothingOnIt();
    void hugeMaximumIsBoundedByThePage_data();
    void hugeMaximumIsBoundedByThePage();
    void comparisonProfile_data();
    void comparisonProfile();
    void tableWithComparison_data();
    void tableWithComparison();
};

void TestReportPage::headingBlockInOrder_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text"); // empty: the title rule
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("blue");
    QTest::newRow("title") << 0 << "Basalrate" << 150 << -150 << 100 << false;
    QTest::newRow("rule") << 1 << "" << 150 << -260 << 1 << false;
    QTest::newRow("programmed caption") << 2 << "Programmiert am:" << 150 << -290 << 50 << false;
    QTest::newRow("programmed date") << 3 << "08.12.2026" << 750 << -290 << 50 << false;
    QTest::newRow("printed caption") << 4 << "Gedruckt am: " << 150 << -340 << 50 << false;
    QTest::newRow("printed date") << 5 << "09.12.2026" << 750 << -340 << 50 << false;
    QTest::newRow("total caption")
        << 6 << "Tagessumme der Basalrate: " << 150 << -390 << 50 << false;
    QTest::newRow("total value") << 7 << "23 IE" << 750 << -390 << 50 << true;
    QTest::newRow("morning caption") << 8 << "Bolus morgens:" << 1200 << -290 << 50 << false;
    QTest::newRow("morning value") << 9 << "1,5:1" << 1600 << -290 << 50 << false;
    QTest::newRow("noon caption") << 10 << "Bolus mittags:" << 1200 << -340 << 50 << false;
    QTest::newRow("noon value") << 11 << "1,0:1" << 1600 << -340 << 50 << false;
    QTest::newRow("evening caption") << 12 << "Bolus abends:" << 1200 << -390 << 50 << false;
    QTest::newRow("evening value") << 13 << "1,2:1" << 1600 << -390 << 50 << false;
}

void TestReportPage::headingBlockInOrder()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, height);
    QFETCH(bool, blue);
    const QList<ReportStep> steps = describeReport(input(30, workedRates()), kA4Depth);
    QVERIFY(steps.size() > index);
    const ReportStep& step = steps[index];
    QCOMPARE(step.x, x);
    QCOMPARE(step.y, y);
    QCOMPARE(step.colour, blue ? QColor(0, 0, 255) : QColor(0, 0, 0));
    if (text.isEmpty()) {
        QCOMPARE(step.kind, Kind::Line);
        QCOMPARE(step.x2, 1950);
        QCOMPARE(step.y2, -260);
        QCOMPARE(step.penWidth, height);
    } else {
        QCOMPARE(step.kind, Kind::Text);
        QCOMPARE(step.text, text);
        QCOMPARE(step.fontHeight, height);
    }
}

void TestReportPage::workedExampleVerticalLayout()
{
    // Maximum 3,0 IE/h; hour 3 at 1,5 IE/h.
    QList<qint64> rates = workedRates();
    rates[3] = 15;
    const QList<ReportStep> steps = describeReport(input(30, rates), kA4Depth);

    const QList<ReportStep> horizontal = horizontalGrid(steps);
    QCOMPARE(horizontal.size(), 31);
    QCOMPARE(horizontal.first().y, -1300); // base line, 130 mm down
    QCOMPARE(horizontal.last().y, -700);   // chart top, 70 mm down

    const QList<ReportStep> vertical = verticalGrid(steps);
    QCOMPARE(vertical.size(), 25);
    for (int i = 0; i <= 24; ++i) {
        QCOMPARE(vertical[i].x, 150 + 70 * i);
        QCOMPARE(vertical[i].y, -1300);
        QCOMPARE(vertical[i].y2, (i == 0 || i == 24) ? -500 : -700);
    }

    const QList<ReportStep> small = textsOfHeight(steps, 30);
    QCOMPARE(small[0].text, QStringLiteral("Uhr"));
    QCOMPARE(small[0].x, 1890);
    QCOMPARE(small[0].y, -1320);
    for (int n = 0; n <= 24; ++n) {
        QCOMPARE(small[1 + n].text, QString::number(n));
        QCOMPARE(small[1 + n].x, 145 + 70 * n);
        QCOMPARE(small[1 + n].y, -1320);
    }
    QCOMPARE(small[26].text, QStringLiteral("IE/h"));
    QCOMPARE(small[26].x, 160);
    QCOMPARE(small[26].y, -500);
    QCOMPARE(small[27].text, QStringLiteral("IE/h"));
    QCOMPARE(small[27].x, 1777);
    QCOMPARE(small[27].y, -500);

    // The hour at 1,5 IE/h: drawn at -1000, its label cell from -963.
    const QList<ReportStep> stepLine = linesOfWidth(steps, 10);
    QCOMPARE(stepLine[6].y, -1000); // horizontal stretch of hour 3
    QCOMPARE(stepLine[6].x, 360);
    QCOMPARE(stepLine[6].x2, 430);
    // The value labels follow the hour numbers and the two "IE/h".
    const QList<ReportStep> labels = small.mid(28);
    QCOMPARE(labels.size(), 6);
    QCOMPARE(labels[1].text, QStringLiteral("1,5"));
    QCOMPARE(labels[1].x, 370);
    QCOMPARE(labels[1].y, -963);

    const ReportStep* notes = findText(steps, QStringLiteral("Notizen / Bemerkungen:"));
    QVERIFY(notes);
    QCOMPARE(notes->x, 150);
    QCOMPARE(notes->y, -1500);
    QCOMPARE(notes->fontHeight, 50);
    const QList<ReportStep> noteLines = textsOfHeight(steps, 45);
    QCOMPARE(noteLines.size(), 2);
    QCOMPARE(noteLines[0].text, QStringLiteral("Sport"));
    QCOMPARE(noteLines[0].y, -1600);
    QCOMPARE(noteLines[1].text, QStringLiteral("abends"));
    QCOMPARE(noteLines[1].y, -1650);
}

void TestReportPage::chartFollowsMaximum_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("base");
    QTest::newRow("2,0 IE/h") << 20 << -1100;
    QTest::newRow("3,0 IE/h") << 30 << -1300;
    QTest::newRow("6,0 IE/h") << 60 << -1900;
    QTest::newRow("0,1 IE/h") << 1 << -720;
}

void TestReportPage::chartFollowsMaximum()
{
    QFETCH(int, maximum);
    QFETCH(int, base);
    const QList<ReportStep> steps = describeReport(input(maximum, {}), kA4Depth);
    const QList<ReportStep> horizontal = horizontalGrid(steps);
    QCOMPARE(horizontal.size(), maximum + 1);
    for (int k = 0; k <= maximum; ++k)
        QCOMPARE(horizontal[k].y, base + 20 * k);
    QCOMPARE(findText(steps, QStringLiteral("Uhr"))->y, base - 20);
    QCOMPARE(findText(steps, QStringLiteral("Notizen / Bemerkungen:"))->y, base - 200);
    QCOMPARE(textsOfHeight(steps, 45).first().y, base - 300);
    // All rates 0: the step line lies on the base line.
    for (const ReportStep& segment : linesOfWidth(steps, 10)) {
        QCOMPARE(segment.y, base);
        QCOMPARE(segment.y2, base);
    }
}

void TestReportPage::rateScale()
{
    const QList<ReportStep> scale = textsOfHeight(describeReport(input(30, {}), kA4Depth), 15);
    QCOMPARE(scale.size(), 62);
    // Left then right for each tenth, the lowest first.
    const QStringList expected = {QStringLiteral("0"), QStringLiteral("0,1"),
                                  QStringLiteral("0,2")};
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(scale[2 * k].text, expected[k]);
        QCOMPARE(scale[2 * k].x, 120);
        QCOMPARE(scale[2 * k].y, -1293 + 20 * k);
        QCOMPARE(scale[2 * k + 1].text, expected[k]);
        QCOMPARE(scale[2 * k + 1].x, 1840);
        QCOMPARE(scale[2 * k + 1].y, -1293 + 20 * k);
    }
    QCOMPARE(scale[30].text, QStringLiteral("1,5"));
    QCOMPARE(scale[30].y, -993);
    QCOMPARE(scale[60].text, QStringLiteral("3"));
    QCOMPARE(scale[60].y, -693);
}

void TestReportPage::stepLine_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<qint64>>("rates");
    QTest::addColumn<QList<qint64>>("heights"); // y of each hour's stretch
    QTest::newRow("worked example")
        << 30 << workedRates() << runs({{6, -1140}, {4, -1060}, {8, -1100}, {6, -1120}});
    QTest::newRow("flat") << 30 << runs({{24, 10}}) << runs({{24, -1100}});
    QTest::newRow("all zero") << 30 << runs({{24, 0}}) << runs({{24, -1300}});
    QTest::newRow("at the maximum") << 30 << runs({{24, 30}}) << runs({{24, -700}});
    QTest::newRow("peak at noon") << 20 << runs({{12, 5}, {1, 20}, {11, 5}})
                                  << runs({{12, -1000}, {1, -700}, {11, -1000}});
}

void TestReportPage::stepLine()
{
    QFETCH(int, maximum);
    QFETCH(QList<qint64>, rates);
    QFETCH(QList<qint64>, heights);
    const QList<ReportStep> line =
        linesOfWidth(describeReport(input(maximum, rates), kA4Depth), 10);
    // One stretch per hour, joined by a riser at each inner hour boundary.
    QCOMPARE(line.size(), 47);
    QCOMPARE(line[0].x, 150);
    QCOMPARE(line[0].x2, 220);
    QCOMPARE(line[0].y, heights[0]);
    QCOMPARE(line[0].y2, heights[0]);
    for (int h = 1; h < 24; ++h) {
        const ReportStep& riser = line[2 * h - 1];
        const ReportStep& stretch = line[2 * h];
        QCOMPARE(riser.x, 150 + 70 * h);
        QCOMPARE(riser.x2, 150 + 70 * h);
        QCOMPARE(riser.y, heights[h - 1]);
        QCOMPARE(riser.y2, heights[h]);
        QCOMPARE(stretch.x, 150 + 70 * h);
        QCOMPARE(stretch.x2, 220 + 70 * h);
        QCOMPARE(stretch.y, heights[h]);
        QCOMPARE(stretch.y2, heights[h]);
    }
    // No closing segment down to the base line.
    QCOMPARE(line.last().x2, 1830);
}

void TestReportPage::valueLabelsWhereTheRateChanges_data()
{
    QTest::addColumn<QList<qint64>>("rates");
    QTest::addColumn<QList<int>>("hours");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("worked example") << workedRates() << QList<int>{0, 6, 10, 18}
                                    << QStringList{QStringLiteral("0,8"), QStringLiteral("1,2"),
                                                   QStringLiteral("1"), QStringLiteral("0,9")};
    QTest::newRow("flat") << runs({{24, 10}}) << QList<int>{0} << QStringList{QStringLiteral("1")};
    QTest::newRow("all zero") << runs({{24, 0}}) << QList<int>{0}
                              << QStringList{QStringLiteral("0")};
    QTest::newRow("back to an earlier rate")
        << runs({{2, 5}, {1, 6}, {21, 5}}) << QList<int>{0, 2, 3}
        << QStringList{QStringLiteral("0,5"), QStringLiteral("0,6"), QStringLiteral("0,5")};
    QTest::newRow("change in the last hour")
        << runs({{23, 7}, {1, 30}}) << QList<int>{0, 23}
        << QStringList{QStringLiteral("0,7"), QStringLiteral("3")};
}

void TestReportPage::valueLabelsWhereTheRateChanges()
{
    QFETCH(QList<qint64>, rates);
    QFETCH(QList<int>, hours);
    QFETCH(QStringList, texts);
    const QList<ReportStep> steps = describeReport(input(30, rates), kA4Depth);
    // The labels are the 30-high texts after the hour numbers and the two "IE/h".
    const QList<ReportStep> labels = textsOfHeight(steps, 30).mid(28);
    QCOMPARE(labels.size(), hours.size());
    for (int i = 0; i < hours.size(); ++i) {
        const int h = hours[i];
        const qint64 y = -1300 + 20 * rates[h];
        QCOMPARE(labels[i].text, texts[i]);
        QCOMPARE(labels[i].x, 160 + 70 * h);
        QCOMPARE(labels[i].y, y + 37);
    }
}

void TestReportPage::bolusTexts_data()
{
    QTest::addColumn<QString>("bolus");
    QTest::addColumn<QString>("printed");
    QTest::newRow("empty") << ""
                           << "k. A.";
    QTest::newRow("0,8") << "0,8"
                         << "0,8:1";
    QTest::newRow("four characters") << "12,5"
                                     << "12,5:1";
    QTest::newRow("blanks are printed") << "  "
                                        << "  :1";
}

void TestReportPage::bolusTexts()
{
    QFETCH(QString, bolus);
    QFETCH(QString, printed);
    ReportInput in = input(30, workedRates());
    in.profile.bolus = {bolus, bolus, bolus};
    const QList<ReportStep> steps = describeReport(in, kA4Depth);
    const int rows[] = {-290, -340, -390};
    for (int i = 0; i < 3; ++i) {
        const ReportStep& value = steps[9 + 2 * i];
        QCOMPARE(value.text, printed);
        QCOMPARE(value.x, 1600);
        QCOMPARE(value.y, rows[i]);
    }
}

void TestReportPage::exactlyThreeThingsBlue_data()
{
    QTest::addColumn<bool>("colour");
    QTest::addColumn<QList<qint64>>("rates");
    QTest::newRow("colour, worked example") << true << workedRates();
    QTest::newRow("colour, flat") << true << runs({{24, 10}});
    QTest::newRow("black and white, worked example") << false << workedRates();
    QTest::newRow("black and white, flat") << false << runs({{24, 10}});
}

void TestReportPage::exactlyThreeThingsBlue()
{
    QFETCH(bool, colour);
    QFETCH(QList<qint64>, rates);
    ReportInput in = input(30, rates);
    in.colour = colour;
    const QList<ReportStep> steps = describeReport(in, kA4Depth);
    const QList<ReportStep> labels = textsOfHeight(steps, 30).mid(28);
    int blue = 0;
    for (const ReportStep& step : steps) {
        QVERIFY(step.colour == QColor(0, 0, 0) || step.colour == QColor(0, 0, 255));
        if (step.colour != QColor(0, 0, 255))
            continue;
        ++blue;
        const bool total = step.kind == Kind::Text && step.x == 750 && step.y == -390;
        const bool stepLine = step.kind == Kind::Line && step.penWidth == 10;
        const bool label = std::any_of(labels.cbegin(), labels.cend(), [&](const ReportStep& l) {
            return l.x == step.x && l.y == step.y && l.text == step.text;
        });
        QVERIFY2(total || stepLine || label, qPrintable(step.text));
    }
    QCOMPARE(blue, colour ? 1 + 47 + int(labels.size()) : 0);
}

void TestReportPage::decimalSeparator_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("total");
    QTest::newRow("comma") << QChar(',') << "2,5"
                           << "60 IE";
    QTest::newRow("point") << QChar('.') << "2.5"
                           << "60 IE";
}

void TestReportPage::decimalSeparator()
{
    QFETCH(QChar, separator);
    QFETCH(QString, label);
    QFETCH(QString, total);
    ReportInput in = input(30, runs({{24, 25}}));
    in.decimalSeparator = separator;
    const QList<ReportStep> steps = describeReport(in, kA4Depth);
    QCOMPARE(steps[7].text, total);
    QVERIFY(findText(steps, label));
    QCOMPARE(textsOfHeight(steps, 15)[2].text,
             QStringLiteral("0") + separator + QStringLiteral("1"));
}

void TestReportPage::drawingOrder()
{
    // Texts are opaque: what comes later covers what came before.
    const QList<ReportStep> steps = describeReport(input(30, workedRates()), kA4Depth);
    const int rule = 1;
    const int lastHeading = indexOfText(steps, QStringLiteral("1,2:1"));
    int firstGrid = -1;
    for (int i = 0; i < steps.size() && firstGrid < 0; ++i) {
        if (steps[i].kind == Kind::Line && steps[i].x == steps[i].x2)
            firstGrid = i;
    }
    const int uhr = indexOfText(steps, QStringLiteral("Uhr"));
    const int firstScale = indexOfText(steps, QStringLiteral("0,1"));
    int firstStepLine = -1;
    int lastStepLine = -1;
    for (int i = 0; i < steps.size(); ++i) {
        if (steps[i].kind == Kind::Line && steps[i].penWidth == 10) {
            if (firstStepLine < 0)
                firstStepLine = i;
            lastStepLine = i;
        }
    }
    const int firstLabel = lastStepLine + 1;
    QCOMPARE(steps[firstLabel].text, QStringLiteral("0,8"));
    QCOMPARE(steps[firstLabel].fontHeight, 30);
    const int notes = indexOfText(steps, QStringLiteral("Notizen / Bemerkungen:"));
    QVERIFY(rule < lastHeading);
    QCOMPARE(firstGrid, lastHeading + 1);
    QCOMPARE(uhr, firstGrid + 25 + 31);
    QVERIFY(uhr < firstScale);
    QCOMPARE(firstStepLine, uhr + 28 + 62);
    QCOMPARE(lastStepLine, firstStepLine + 46);
    QCOMPARE(notes, firstLabel + 4);
    QCOMPARE(steps.size(), notes + 3);
}

void TestReportPage::cuttingAtThePageChangesNothingOnIt_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<qint64>("depth");
    QTest::newRow("A4, nothing to cut") << 30 << kA4Depth;
    QTest::newRow("short page through the chart") << 30 << qint64(1000);
    QTest::newRow("page ends at the base line") << 30 << qint64(1300);
    QTest::newRow("page ends in the notes") << 30 << qint64(1620);
    QTest::newRow("tall chart on A4") << 200 << kA4Depth;
}

void TestReportPage::cuttingAtThePageChangesNothingOnIt()
{
    QFETCH(int, maximum);
    QFETCH(qint64, depth);
    ReportInput in = input(maximum, runs({{8, 5}, {8, maximum}, {8, 0}}));
    in.notes = QStringList(30, QStringLiteral("Zeile"));
    const QList<ReportStep> cut = describeReport(in, depth);
    const QList<ReportStep> whole = describeReport(in, qint64(1) << 40);

    // The whole page less what lies below the printable area, lines cut
    // 2 mm below its edge.
    QList<ReportStep> expected;
    for (ReportStep step : whole) {
        if (step.kind == Kind::Text) {
            if (step.y > -depth)
                expected.append(step);
            continue;
        }
        if (std::max(step.y, step.y2) < -depth)
            continue;
        step.y = std::max(step.y, -depth - 20);
        step.y2 = std::max(step.y2, -depth - 20);
        expected.append(step);
    }
    QCOMPARE(cut.size(), expected.size());
    for (int i = 0; i < cut.size(); ++i) {
        QCOMPARE(cut[i].kind, expected[i].kind);
        QCOMPARE(cut[i].text, expected[i].text);
        QCOMPARE(cut[i].x, expected[i].x);
        QCOMPARE(cut[i].y, expected[i].y);
        QCOMPARE(cut[i].x2, expected[i].x2);
        QCOMPARE(cut[i].y2, expected[i].y2);
    }
}

void TestReportPage::hugeMaximumIsBoundedByThePage_data()
{
    QTest::addColumn<qint32>("maximum");
    QTest::addColumn<int>("hoursAtMaximum"); // the first hours; the rest at 0 IE/h
    QTest::addColumn<QString>("topLabel");
    QTest::addColumn<QString>("total");
    QTest::addColumn<int>("stepLineSegments");
    QTest::newRow("two thousand million, one hour") << qint32(2000000000) << 1 << "200000000"
                                                    << "200000000 IE" << 2;
    QTest::newRow("two thousand million, all hours") << qint32(2000000000) << 24 << "200000000"
                                                     << "4800000000 IE" << 47;
    QTest::newRow("largest 32-bit, one hour") << qint32(2147483647) << 1 << "214748364,7"
                                              << "214748364,7 IE" << 2;
}

void TestReportPage::hugeMaximumIsBoundedByThePage()
{
    QFETCH(qint32, maximum);
    QFETCH(int, hoursAtMaximum);
    QFETCH(QString, topLabel);
    QFETCH(QString, total);
    QFETCH(int, stepLineSegments);
    const QList<ReportStep> steps =
        describeReport(input(maximum, runs({{hoursAtMaximum, maximum}})), kA4Depth);

    // As much as a page holds: 114 grid lines from -700 down to -2960 with
    // two labels each, the heading, 25 hour lines, the step line and a label.
    QCOMPARE(horizontalGrid(steps).size(), 114);
    QCOMPARE(textsOfHeight(steps, 15).size(), 2 * 114);
    QVERIFY(steps.size() < 500);
    for (const ReportStep& step : steps) {
        QVERIFY(step.y >= -kA4Depth - 20 && step.y <= 0);
        QVERIFY(step.y2 >= -kA4Depth - 20 && step.y2 <= 0);
    }

    QCOMPARE(steps[7].text, total);
    const QList<ReportStep> scale = textsOfHeight(steps, 15);
    QCOMPARE(scale.last().text, topLabel);
    QCOMPARE(scale.last().y, -693);
    QCOMPARE(horizontalGrid(steps).last().y, -700);
    // The step line runs along the top grid line, then drops off the page.
    const QList<ReportStep> line = linesOfWidth(steps, 10);
    QCOMPARE(line.size(), stepLineSegments);
    QCOMPARE(line[0].y, -700);
    QCOMPARE(line[1].y, -700);
    QCOMPARE(line[1].y2, hoursAtMaximum == 24 ? -700 : -kA4Depth - 20);
    // Hour 0's value label is the only one on the page.
    const QList<ReportStep> small = textsOfHeight(steps, 30);
    QCOMPARE(small.size(), 3);
    QCOMPARE(small.last().text, topLabel);
    QCOMPARE(small.last().y, -663);
    QVERIFY(!findText(steps, QStringLiteral("Uhr")));
    QVERIFY(!findText(steps, QStringLiteral("Notizen / Bemerkungen:")));
    // The axes run from off the page up to their tops.
    const QList<ReportStep> vertical = verticalGrid(steps);
    QCOMPARE(vertical.size(), 25);
    QCOMPARE(vertical[0].y, -kA4Depth - 20);
    QCOMPARE(vertical[0].y2, -500);
}

void TestReportPage::comparisonProfile_data()
{
    QTest::addColumn<bool>("compared");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<qint64>>("reference");
    QTest::addColumn<QList<qint64>>("heights"); // y of each hour's dashed stretch
    QTest::addColumn<QStringList>("topTexts");  // "hour:text" above the chart
    QTest::addColumn<QString>("legend");
    QTest::newRow("none") << false << 30 << QList<qint64>() << QList<qint64>() << QStringList()
                          << QString();
    QTest::newRow("within the chart") << true << 30 << runs({{6, 8}, {4, 10}, {14, 9}})
                                      << runs({{6, -1140}, {4, -1100}, {14, -1120}})
                                      << QStringList() << "Vergleich: alt.bar, Tagessumme 21,4 IE";
    QTest::newRow("above the chart along its top")
        << true << 20 << runs({{12, 5}, {2, 35}, {1, 21}, {9, 5}})
        << runs({{12, -1000}, {3, -700}, {9, -1000}}) << QStringList{"12:3,5", "14:2,1"}
        << "Vergleich: alt.bar, Tagessumme 19,6 IE";
    QTest::newRow("huge maximum, all above")
        << true << 2000000000 << runs({{24, 2000000005}}) << runs({{24, -700}})
        << QStringList{"0:200000000,5"} << "Vergleich: alt.bar, Tagessumme 4800000012 IE";
}

void TestReportPage::comparisonProfile()
{
    QFETCH(bool, compared);
    QFETCH(int, maximum);
    QFETCH(QList<qint64>, reference);
    QFETCH(QList<qint64>, heights);
    QFETCH(QStringList, topTexts);
    QFETCH(QString, legend);
    ReportInput in = input(maximum, workedRates());
    if (compared) {
        ProfileReference other;
        std::transform(reference.begin(), reference.end(), other.rates.begin(),
                       [](qint64 rate) { return qint32(rate); });
        other.name = QStringLiteral("alt.bar");
        in.reference = other;
    }
    const QList<ReportStep> steps = describeReport(in, kA4Depth);
    QList<ReportStep> dashed;
    QStringList grey;
    for (const ReportStep& step : steps) {
        if (step.dashed)
            dashed.append(step);
        if (step.kind == Kind::Text && step.colour == kReportGrey && step.y == -620)
            grey << QStringLiteral("%1:%2").arg((step.x - 160) / 70).arg(step.text);
    }
    QCOMPARE(grey, topTexts);
    if (!compared) {
        QVERIFY(dashed.isEmpty());
        return;
    }
    // The legend's sample line, then one stretch per hour joined by risers.
    QCOMPARE(dashed.size(), 48);
    QCOMPARE(dashed[0].y, -465);
    for (int h = 0; h < 24; ++h) {
        const ReportStep& stretch = dashed[2 * h + 1];
        QCOMPARE(stretch.x, 150 + 70 * h);
        QCOMPARE(stretch.x2, 220 + 70 * h);
        QCOMPARE(stretch.y, heights[h]);
        QCOMPARE(stretch.y2, heights[h]);
        QCOMPARE(stretch.colour, kReportGrey);
    }
    const ReportStep* text = findText(steps, legend);
    QVERIFY(text);
    QCOMPARE(text->y, -445);
}

void TestReportPage::tableWithComparison_data()
{
    QTest::addColumn<bool>("compared");
    QTest::addColumn<qint64>("reference"); // at 6 to 7 Uhr, where the profile has 1,2
    QTest::addColumn<QString>("change");
    QTest::newRow("no comparison: the table as before") << false << qint64(0) << QString();
    QTest::newRow("equal: no change, no mark") << true << qint64(12) << QString();
    QTest::newRow("higher") << true << qint64(13) << "+0,1";
    QTest::newRow("lower") << true << qint64(10) << "\u22120,2";
}

// The sheet to program the pump from: with a comparison the table gains its
// rate and the change per hour, differing rows marked, the comparison named.
void TestReportPage::tableWithComparison()
{
    QFETCH(bool, compared);
    QFETCH(qint64, reference);
    QFETCH(QString, change);
    ReportInput in = input(30, workedRates());
    if (compared) {
        ProfileReference other;
        other.rates = in.profile.rates;
        other.rates[6] = qint32(reference);
        other.name = QStringLiteral("Autotune (gerundet)");
        in.reference = other;
    }
    const QList<ReportStep> steps = describeTablePage(in, kA4Depth);
    constexpr qint64 row6 = -410 - 60 * 7 - 8;
    QStringList changes;
    for (const ReportStep& step : steps) {
        if (step.kind == Kind::Text && step.x == 1570 && step.y != -418)
            changes << QStringLiteral("%1:%2").arg((-418 - step.y) / 60).arg(step.text);
    }
    QCOMPARE(changes, change.isEmpty() ? QStringList() : QStringList{"7:" + change});
    QCOMPARE(linesOfWidth(steps, 10).size(), change.isEmpty() ? 0 : 1);
    QCOMPARE(verticalGrid(steps).size(), compared ? 5 : 3);
    QCOMPARE(findText(steps, QStringLiteral("Autotune (gerundet)")) != nullptr, compared);
    const ReportStep* comparedRate = findText(steps, QStringLiteral("1,3"));
    QCOMPARE(comparedRate && comparedRate->y == row6, reference == 13);
}

QTEST_APPLESS_MAIN(TestReportPage)
#include "tst_reportpage.moc"

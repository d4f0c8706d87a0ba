// The report drawn on an image of an A4 page at 254 dpi, where one pixel is
// one report unit (0.1 mm): the chart lands where the steps say, texts stand
// upright on white cells of the asked height.

#include "printing/reportpainter.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <algorithm>

using namespace fendrimo;

namespace {

// 254 dots per inch: 10000 dots per metre.
QImage page(int width = 2100, int height = 2970, QColor background = Qt::white)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(background);
    return image;
}

QImage painted(const QList<ReportStep>& steps, QImage image = page())
{
    QPainter painter(&image);
    paintReport(painter, steps);
    painter.end();
    return image;
}

bool isBlue(QRgb pixel)
{
    return qBlue(pixel) > 180 && qRed(pixel) < 90 && qGreen(pixel) < 90;
}

bool isWhite(QRgb pixel)
{
    return qRed(pixel) > 245 && qGreen(pixel) > 245 && qBlue(pixel) > 245;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 110;
}

// A hairline on a pixel boundary is shared by the two pixel rows beside it.
bool hasLine(const QImage& image, int x, int row)
{
    return std::min(qGray(image.pixel(x, row - 1)), qGray(image.pixel(x, row))) < 200;
}

// The pixel of a report point: one unit per pixel, y downward.
QRgb at(const QImage& image, qint64 x, qint64 y)
{
    return image.pixel(int(x), int(-y));
}

ReportInput workedExample(bool colour)
{
    const qint64 rates[24] = {8,  8,  8,  8,  8,  8,  12, 12, 12, 12, 10, 10,
                              10, 10, 10, 10, 10, 10, 9,  9,  9,  9,  9,  9};
    ReportInput in;
    in.maximum = 30;
    for (int h = 0; h < 24; ++h)
        in.profile.rates[size_t(h)] = qint32(rates[h]);
    in.profile.datum = QStringLiteral("08.12.2026");
    in.profile.bolus[0] = QStringLiteral("1,5");
    in.notes = {QStringLiteral("Sport")};
    in.today = QStringLiteral("08.12.2026");
    in.colour = colour;
    return in;
}

ReportStep text(qint64 x, qint64 y, const QString& content, int height)
{
    return {ReportStep::Kind::Text, x, y, 0, 0, content, height, 0, Qt::black};
}

ReportStep line(qint64 x1, qint64 y1, qint64 x2, qint64 y2, int width)
{
    return {ReportStep::Kind::Line, x1, y1, x2, y2, QString(), 0, width, Qt::black};
}

// The bounding box of the white pixels on a grey page.
QRect whiteArea(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isWhite(image.pixel(x, y)))
                box = box.united(QRect(x, y, 1, 1));
        }
    }
    return box;
}

} // namespace

class TestReportPainter : public QObject
{
    Q_OBJECT

private slots:
    void pageDepthOfTheDevice_data();
    void pageDepthOfTheDevice();
    void stepLineWhereTheStepsSay_data();
    void stepLineWhereTheStepsSay();
    void blackAndWhiteHasNoColour();
    void textCellHeightAndCorner_data();
    void textCellHeightAndCorner();
    void textIsUpright();
    void textCellHidesTheGrid();
    void lineWidths_data();
    void lineWidths();
    void textAlignment_data();
    void textAlignment();
};

void TestReportPainter::pageDepthOfTheDevice_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("dotsPerMetre");
    QTest::addColumn<qint64>("depth");
    QTest::newRow("A4 at 254 dpi") << 2970 << 10000 << qint64(2970);
    QTest::newRow("A4 at 127 dpi") << 1485 << 5000 << qint64(2970);
    QTest::newRow("partial unit rounds up") << 1001 << 20000 << qint64(501);
}

void TestReportPainter::pageDepthOfTheDevice()
{
    QFETCH(int, pixels);
    QFETCH(int, dotsPerMetre);
    QFETCH(qint64, depth);
    QImage image(10, pixels, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QCOMPARE(reportPageDepth(image), depth);
}

void TestReportPainter::stepLineWhereTheStepsSay_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("height"); // of its stretch, from the worked example
    QTest::newRow("hour 0 at 0,8") << 0 << -1140;
    QTest::newRow("hour 6 at 1,2") << 6 << -1060;
    QTest::newRow("hour 12 at 1,0") << 12 << -1100;
    QTest::newRow("hour 23 at 0,9") << 23 << -1120;
}

void TestReportPainter::stepLineWhereTheStepsSay()
{
    QFETCH(int, hour);
    QFETCH(int, height);
    static const QImage image = painted(describeReport(workedExample(true), 2970));
    const qint64 middle = 150 + 70 * hour + 35;
    // The 1 mm pen is centred on the line: blue 3 units off it, not 8 units off.
    QVERIFY(isBlue(at(image, middle, height)));
    QVERIFY(isBlue(at(image, middle, height + 3)));
    QVERIFY(isBlue(at(image, middle, height - 3)));
    QVERIFY(!isBlue(at(image, middle, height + 8)));
    QVERIFY(!isBlue(at(image, middle, height - 8)));
    // The base line (grid, black) lies below it, off the step line.
    QVERIFY(!isBlue(at(image, middle, -1300)));
    QVERIFY(hasLine(image, int(middle), 1300));
}

void TestReportPainter::blackAndWhiteHasNoColour()
{
    const QImage image = painted(describeReport(workedExample(false), 2970));
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            QCOMPARE(qRed(row[x]), qBlue(row[x]));
            QCOMPARE(qGreen(row[x]), qBlue(row[x]));
            dark += isDark(row[x]) ? 1 : 0;
        }
    }
    QVERIFY(dark > 10000); // something was drawn
    QVERIFY(isDark(at(image, 185, -1140)));
}

void TestReportPainter::textCellHeightAndCorner_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("title, 10 mm") << 100;
    QTest::newRow("heading, 5 mm") << 50;
    QTest::newRow("notes, 4.5 mm") << 45;
    QTest::newRow("hours, 3 mm") << 30;
    QTest::newRow("scale, 1.5 mm") << 15;
}

void TestReportPainter::textCellHeightAndCorner()
{
    QFETCH(int, height);
    const QImage image =
        painted({text(200, -300, QStringLiteral("Basalrate"), height)}, page(800, 600, Qt::gray));
    const QRect cell = whiteArea(image);
    QVERIFY(!cell.isEmpty());
    QCOMPARE(cell.left(), 200);
    QVERIFY2(qAbs(cell.top() - 300) <= 1, qPrintable(QString::number(cell.top())));
    QVERIFY2(qAbs(cell.height() - height) <= 1, qPrintable(QString::number(cell.height())));
    // Nine letters are wider than tall.
    QVERIFY(cell.width() > 2 * height);
}

void TestReportPainter::textIsUpright()
{
    // "T": its bar is at the top of the cell when the text is not mirrored.
    const QImage image = painted({text(100, -100, QStringLiteral("T"), 100)}, page(400, 400));
    int widestRow = -1;
    int widest = 0;
    for (int y = 100; y < 200; ++y) {
        int count = 0;
        for (int x = 100; x < 200; ++x)
            count += isDark(image.pixel(x, y)) ? 1 : 0;
        if (count > widest) {
            widest = count;
            widestRow = y;
        }
    }
    QVERIFY(widest > 20);
    QVERIFY2(widestRow < 150, qPrintable(QString::number(widestRow)));
}

void TestReportPainter::textCellHidesTheGrid()
{
    // A line, then a text over it: the text's white cell covers the line
    // (dots sit on the baseline, so the cell is white at mid height).
    const QImage image = painted(
        {line(0, -200, 600, -200, 1), text(100, -180, QStringLiteral("..."), 50)}, page(600, 400));
    QVERIFY(hasLine(image, 50, 200));
    QVERIFY(hasLine(image, 400, 200));
    QVERIFY(!hasLine(image, 102, 200));
    QVERIFY(!hasLine(image, 110, 200));
}

void TestReportPainter::lineWidths_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("grid, 0.1 mm") << 1;
    QTest::newRow("step line, 1 mm") << 10;
}

void TestReportPainter::lineWidths()
{
    QFETCH(int, width);
    const QImage image = painted({line(100, -200, 300, -200, width)}, page(400, 400));
    int thickness = 0;
    for (int y = 150; y < 250; ++y)
        thickness += qGray(image.pixel(200, y)) < 128 ? 1 : 0;
    QVERIFY2(qAbs(thickness - width) <= 1, qPrintable(QString::number(thickness)));
}

void TestReportPainter::textAlignment_data()
{
    QTest::addColumn<ReportStep::Align>("align");
    QTest::addColumn<qreal>("share"); // of the cell that lies left of x
    QTest::newRow("right: x is the right edge") << ReportStep::Align::Right << 1.0;
    QTest::newRow("centre: x is the middle") << ReportStep::Align::Centre << 0.5;
}

void TestReportPainter::textAlignment()
{
    QFETCH(ReportStep::Align, align);
    QFETCH(qreal, share);
    ReportStep step = text(400, -100, QStringLiteral("1234"), 50);
    step.align = align;
    const QRect cell = whiteArea(painted({step}, page(800, 300, Qt::gray)));
    QVERIFY(qAbs(cell.left() + share * cell.width() - 400) <= 1.5);
    QCOMPARE(cell.top(), 100);
}

QTEST_MAIN(TestReportPainter)
#include "tst_reportpainter.moc"

// The program on a screen with twice the pixel density (QT_SCALE_FACTOR=2):
// windows keep their logical size and proportions and are rendered with
// twice the pixels, and the pictures are drawn for that density rather than
// blown up.

#include "about/aboutbox.h"
#include "app/dialogvalues.h"
#include "options/optionsdialog.h"
#include "printing/grafikform.h"
#include "support/mainwindowfixture.h"
#include "widgets/artwork.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

// Mean difference per colour channel, 0 … 255.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size())
        return 255.0;
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            sum += qAbs(qRed(p[col]) - qRed(q[col])) + qAbs(qGreen(p[col]) - qGreen(q[col])) +
                   qAbs(qBlue(p[col]) - qBlue(q[col]));
        }
    }
    return double(sum) / (3.0 * x.width() * x.height());
}

// The picture as it should look on the label's background.
QImage onBackground(const QPixmap& picture, const QSize& size, const QColor& background)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(QPoint(0, 0), size), picture);
    return image;
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void screenHasDoubleDensity();
    void windowsRenderAtTwiceTheirSize_data();
    void windowsRenderAtTwiceTheirSize();
    void layoutStaysInLogicalUnits();
    void pumpPictureIsSharp();
    void aboutIconIsSharp();
};

void TestHighDpi::screenHasDoubleDensity()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
}

void TestHighDpi::windowsRenderAtTwiceTheirSize_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("logical");
    // The design sizes on the fake 1024 x 768 screen.
    QTest::newRow("main window") << "main" << QSize(934, 606);
    QTest::newRow("options dialog") << "options" << QSize(435, 415);
    QTest::newRow("information box") << "about" << QSize(427, 526);
    QTest::newRow("print dialog") << "print" << QSize(477, 454);
}

void TestHighDpi::windowsRenderAtTwiceTheirSize()
{
    QFETCH(QString, window);
    QFETCH(QSize, logical);
    MainWindowFixture f(30);
    std::unique_ptr<QWidget> dialog;
    QWidget* shown = f.window.get();
    if (window == QLatin1String("options"))
        dialog = std::make_unique<TFormOptionen>(f.window.get(), optionsShown(f.w().settings()));
    else if (window == QLatin1String("about"))
        dialog = std::make_unique<TAboutBox>(f.window.get());
    else if (window == QLatin1String("print"))
        dialog = std::make_unique<TGrafikForm>(f.window.get(), ReportInput{},
                                               printOptions(f.w().settings()));
    if (dialog) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        shown = dialog.get();
    }
    QCOMPARE(shown->size(), logical);
    QCOMPARE(shown->devicePixelRatio(), 2.0);

    const QPixmap shot = shown->grab();
    QCOMPARE(shot.devicePixelRatio(), 2.0);
    QCOMPARE(shot.size(), logical * 2);
    QCOMPARE(shot.deviceIndependentSize().toSize(), logical);
    // Kept for a person to look at.
    shot.save(QStringLiteral("%1@2x.png").arg(window));
}

void TestHighDpi::layoutStaysInLogicalUnits()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    // Design coordinates on a screen 1024 wide, in logical pixels: the same
    // proportions as at a ratio of 1.
    QCOMPARE(w.ScrollBar(1)->geometry(), QRect(38, 76, 33, 201));
    QCOMPARE(w.ScrollBar(24)->geometry(), QRect(38 + 32 * 23, 76, 33, 201));
    QCOMPARE(w.Image1->geometry(), QRect(714, 341, 137, 96));
    QCOMPARE(w.LabelSumme->font().pixelSize(), 17);
    QCOMPARE(w.Edit(1)->font().pixelSize(), 15);
}

void TestHighDpi::pumpPictureIsSharp()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QSize logical = w.Image1->size();
    // Drawn with one pixel of its own for every device pixel.
    QCOMPARE(w.Image1->pixmap().size(), logical * 2);

    const QImage shot = w.Image1->grab().toImage();
    QCOMPARE(shot.size(), logical * 2);
    const QColor background = shot.pixelColor(0, 0);
    const double sharp =
        meanDifference(shot, onBackground(pumpPicture(logical * 2), shot.size(), background));
    const double blownUp =
        meanDifference(shot, onBackground(pumpPicture(logical), shot.size(), background));
    QVERIFY2(sharp < 1.0, qPrintable(QString::number(sharp)));
    // The measure tells the two apart: a picture drawn at ratio 1 and
    // stretched would be visibly softer.
    QVERIFY2(blownUp > 4 * sharp + 0.5,
             qPrintable(QStringLiteral("%1 vs %2").arg(blownUp).arg(sharp)));
}

void TestHighDpi::aboutIconIsSharp()
{
    MainWindowFixture f(30);
    TAboutBox box(f.window.get());
    const QPixmap icon = box.Image1->pixmap();
    QCOMPARE(icon.devicePixelRatio(), 2.0);
    QCOMPARE(icon.deviceIndependentSize().toSize(), QSize(32, 32));
    QCOMPARE(icon.size(), QSize(64, 64));
}

int main(int argc, char** argv)
{
    // Before the application exists: the ratio is fixed at start-up.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"

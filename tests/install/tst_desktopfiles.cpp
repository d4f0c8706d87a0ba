// The files that make Fendrimo a desktop application: the icon in the
// hicolor theme is the picture the window shows, and the AppStream
// description refers to screenshots that are in docs/.

#include "widgets/artwork.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>
#include <QXmlStreamReader>

using namespace fendrimo;

namespace {

const QString kSource = QStringLiteral(FENDRIMO_SOURCE_DIR);

// Mean difference per channel (0 … 255) of two pictures with transparency,
// each laid on white first so that invisible pixels don't count.
double meanDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255.0;
    const auto onWhite = [](const QImage& image) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
        return flat;
    };
    const QImage x = onWhite(a);
    const QImage y = onWhite(b);
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum +=
                qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return double(sum) / (3.0 * x.width() * x.height());
}

QImage windowIcon(int side)
{
    return programIcon().pixmap(QSize(side, side)).toImage();
}

QImage renderSvg(int side)
{
    QSvgRenderer renderer(kSource +
                          QStringLiteral("/data/icons/hicolor/scalable/apps/fendrimo.svg"));
    if (!renderer.isValid())
        return {};
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

class TestDesktopFiles : public QObject
{
    Q_OBJECT

private slots:
    void themeIconIsWindowIcon_data();
    void themeIconIsWindowIcon();
    void windowIconDrawnOnDemand_data();
    void windowIconDrawnOnDemand();
    void metainfoScreenshotsAreInDocs();
};

void TestDesktopFiles::themeIconIsWindowIcon_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("side");
    // Each PNG is the SVG at its size; the SVG is the window's icon at every
    // size the window icon is drawn at. Renderers differ a little in their
    // smoothing, nothing more.
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QTest::addRow("png %d is the svg", side)
            << QStringLiteral("/data/icons/hicolor/%1x%1/apps/fendrimo.png").arg(side) << side;
    }
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("svg at %d is the window icon", side) << QString() << side;
}

void TestDesktopFiles::themeIconIsWindowIcon()
{
    QFETCH(QString, file);
    QFETCH(int, side);
    constexpr double tolerance = 4.0;
    const QImage svg = renderSvg(side);
    QVERIFY(!svg.isNull());
    QCOMPARE(svg.size(), QSize(side, side));
    const QImage theme = file.isEmpty() ? svg : QImage(kSource + file);
    QVERIFY2(!theme.isNull(), qPrintable(file));
    QCOMPARE(theme.size(), QSize(side, side));
    const QImage reference = file.isEmpty() ? windowIcon(side) : svg;

    const double difference = meanDifference(theme, reference);
    QVERIFY2(difference < tolerance, qPrintable(QString::number(difference)));
    // The measure would notice another picture: the same one upside down.
    const double mirrored = meanDifference(theme, reference.mirrored(false, true));
    QVERIFY2(mirrored > 3 * difference + tolerance,
             qPrintable(QStringLiteral("%1 vs %2").arg(mirrored).arg(difference)));
}

void TestDesktopFiles::windowIconDrawnOnDemand_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QIcon::Mode>("mode");
    for (const int side : {16, 64, 100, 256}) {
        QTest::addRow("%d normal", side) << side << QIcon::Normal;
        QTest::addRow("%d disabled", side) << side << QIcon::Disabled;
    }
}

void TestDesktopFiles::windowIconDrawnOnDemand()
{
    QFETCH(int, side);
    QFETCH(QIcon::Mode, mode);
    const QIcon icon = programIcon();
    // The window system gets the usual small sizes, not a 256-pixel picture.
    QCOMPARE(icon.availableSizes(),
             (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));

    const QImage normal = icon.pixmap(QSize(side, side)).toImage();
    const QImage shown = icon.pixmap(QSize(side, side), mode).toImage();
    QCOMPARE(shown.size(), QSize(side, side));
    // Drawn, not empty: about half the square is covered.
    qint64 covered = 0;
    for (int row = 0; row < side; ++row)
        for (int col = 0; col < side; ++col)
            covered += qAlpha(shown.pixel(col, row)) > 128;
    QVERIFY2(covered > side * side / 4, qPrintable(QString::number(covered)));
    // A disabled icon looks greyed, a normal one is the same drawing again.
    if (mode == QIcon::Disabled)
        QVERIFY(meanDifference(shown, normal) > 10);
    else
        QCOMPARE(shown, normal);
}

void TestDesktopFiles::metainfoScreenshotsAreInDocs()
{
    QFile file(kSource + QStringLiteral("/data/fendrimo.metainfo.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int images = 0;
    bool defaultScreenshot = false;
    QString launchable;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("screenshot") &&
            xml.attributes().value(QLatin1String("type")) == QLatin1String("default"))
            defaultScreenshot = true;
        if (xml.name() == QLatin1String("launchable"))
            launchable = xml.readElementText();
        if (xml.name() != QLatin1String("image"))
            continue;
        const int width = xml.attributes().value(QLatin1String("width")).toInt();
        const int height = xml.attributes().value(QLatin1String("height")).toInt();
        const QString url = xml.readElementText().trimmed();
        // The address names the file by its place in the source tree.
        const qsizetype docs = url.lastIndexOf(QLatin1String("/docs/"));
        QVERIFY2(url.startsWith(QLatin1String("https://")) && docs > 0, qPrintable(url));
        const QString local = kSource + url.mid(docs);
        const QImage picture(local);
        QVERIFY2(!picture.isNull(), qPrintable(local));
        QCOMPARE(picture.size(), QSize(width, height));
        ++images;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(images >= 1);
    QVERIFY(defaultScreenshot);
    QVERIFY(QFile::exists(kSource + QStringLiteral("/data/") + launchable));
}

QTEST_MAIN(TestDesktopFiles)
#include "tst_desktopfiles.moc"

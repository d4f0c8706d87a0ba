// Printing with the real platform on a machine without a print service: the
// platform offers its PDF printer, "Drucken" asks for a file and the page
// lands there. Only the message boxes and file dialogs are the fake's.

#include "glucose/glucosesamples.h"
#include "glucosesample.h"
#include "platform/qtplatform.h"
#include "printcheck.h"
#include "support/mainwindowfixture.h"

#include "files/filename.h"
#include "printing/previewdialog.h"
#include "printing/reportpdf.h"

#include <QAbstractPrintDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPrinter>
#include <QPrintPreviewWidget>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FENDRIMO_SANITIZED
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define FENDRIMO_SANITIZED
#endif

namespace {

// Sanitizers slow everything down many times over.
#ifdef FENDRIMO_SANITIZED
constexpr qint64 kPreviewBudgetMs = 5000;
#else
constexpr qint64 kPreviewBudgetMs = 200;
#endif

// The extent of the white paper along a line of pixels through its middle.
std::pair<int, int> whiteSpan(const QImage& image, bool across)
{
    const int length = across ? image.width() : image.height();
    int first = -1;
    int last = -1;
    for (int i = 0; i < length; ++i) {
        const QRgb pixel =
            across ? image.pixel(i, image.height() / 2) : image.pixel(image.width() / 2, i);
        if (pixel == qRgb(255, 255, 255)) {
            first = first < 0 ? i : first;
            last = i;
        }
    }
    return {first, last};
}

// The first page as the preview shows it, rendered at size: the paper is
// found as the white area inside the page item's shadow and surround.
QImage firstPreviewPage(QPrintPreviewWidget& preview, const QSize& size)
{
    auto* view = preview.findChild<QGraphicsView*>();
    if (!view || !view->scene())
        return {};
    QList<QGraphicsItem*> items = view->scene()->items();
    items.erase(
        std::remove_if(items.begin(), items.end(),
                       [](QGraphicsItem* item) { return item->sceneBoundingRect().width() < 100; }),
        items.end());
    if (items.isEmpty())
        return {};
    const auto top = std::min_element(items.begin(), items.end(), [](auto* a, auto* b) {
        return a->sceneBoundingRect().top() < b->sceneBoundingRect().top();
    });
    const QRectF bounds = (*top)->sceneBoundingRect();
    // Twice the wanted width is fine enough to find the paper's edges.
    const qreal scale = 2.0 * size.width() / bounds.width();
    QImage whole((bounds.size() * scale).toSize(), QImage::Format_RGB32);
    whole.fill(Qt::gray);
    {
        QPainter painter(&whole);
        view->scene()->render(&painter, QRectF(whole.rect()), bounds);
    }
    const auto [left, right] = whiteSpan(whole, true);
    const auto [upper, lower] = whiteSpan(whole, false);
    if (left < 0 || upper < 0)
        return {};
    const QRectF paper(bounds.left() + left / scale, bounds.top() + upper / scale,
                       (right - left + 1) / scale, (lower - upper + 1) / scale);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    view->scene()->render(&painter, QRectF(image.rect()), paper);
    return image;
}

// How many pixels of each row (across false: column) are dark.
QList<int> darkProfile(const QImage& image, bool rows)
{
    QList<int> profile(rows ? image.height() : image.width(), 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                ++profile[rows ? y : x];
        }
    }
    return profile;
}

// The shift of b against a (a few pixels at most) that lines their dark
// rows or columns up best: renderers may place the page a pixel apart.
int bestShift(const QList<int>& a, const QList<int>& b)
{
    int best = 0;
    qint64 bestCost = -1;
    for (int shift = -4; shift <= 4; ++shift) {
        qint64 cost = 0;
        for (int i = 4; i < a.size() - 4; ++i)
            cost += qAbs(a[i] - b.value(i + shift));
        if (bestCost < 0 || cost < bestCost) {
            bestCost = cost;
            best = shift;
        }
    }
    return best;
}

// Any ink black, paper white: a thin line drawn light grey by one renderer
// and black by another is the same mark.
QImage inkOnly(const QImage& image)
{
    QImage ink = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < ink.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(ink.scanLine(y));
        for (int x = 0; x < ink.width(); ++x)
            row[x] = qGray(row[x]) < 230 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return ink;
}

// Ink pixels of either image with no ink of the other at most one pixel away.
int unmatchedInk(const QImage& a, const QImage& b)
{
    const auto inkNear = [](const QImage& image, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint at(x + dx, y + dy);
                if (image.rect().contains(at) && qGray(image.pixel(at)) == 0)
                    return true;
            }
        }
        return false;
    };
    int unmatched = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (qGray(a.pixel(x, y)) == 0 && !inkNear(b, x, y))
                ++unmatched;
            if (qGray(b.pixel(x, y)) == 0 && !inkNear(a, x, y))
                ++unmatched;
        }
    }
    return unmatched;
}

// b moved so that its marks lie on those of a.
QImage alignedTo(const QImage& a, const QImage& b)
{
    const int dx = bestShift(darkProfile(a, false), darkProfile(b, false));
    const int dy = bestShift(darkProfile(a, true), darkProfile(b, true));
    QImage moved(b.size(), QImage::Format_RGB32);
    moved.fill(Qt::white);
    QPainter(&moved).drawImage(QPoint(-dx, -dy), b);
    return moved;
}

} // namespace

class TestPrintPdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pdfPrinterWithoutPrintService();
    void printsTheWorkedExampleToAFile();
    void printsTheComparison();
    void tableSetting_data();
    void tableSetting();
    void pdfButton_data();
    void pdfButton();
    void glucosePageInThePdf();
    void glucosePageOfTheChosenDays();
    void previewShowsThePrintedPages_data();
    void previewShowsThePrintedPages();
    void setupDialog_data();
    void setupDialog();
    void proposedName_data();
    void proposedName();

private:
    QTemporaryDir m_dir;
};

void TestPrintPdf::initTestCase()
{
    // ctest points the print service at a socket where nothing listens.
    QVERIFY(!qEnvironmentVariableIsEmpty("CUPS_SERVER"));
    QVERIFY(m_dir.isValid());
}

void TestPrintPdf::pdfPrinterWithoutPrintService()
{
    QtPlatform real;
    const ActivePrinter active = real.activePrinter();
    QVERIFY(active.printer);
    QCOMPARE(active.name, QStringLiteral("PDF-Datei"));
    QVERIFY(active.toFile);
    QCOMPARE(active.printer->outputFormat(), QPrinter::PdfFormat);
    // The same printer for the rest of the run.
    QCOMPARE(real.activePrinter().printer, active.printer);
}

void TestPrintPdf::printsTheWorkedExampleToAFile()
{
    MainWindowFixture f(30);
    QtPlatform real;
    f.fake.printing = &real;
    enterProfile(f.w(), workedRates());
    const QString path = m_dir.filePath(QStringLiteral("Basalrate.pdf"));
    f.fake.chooseFile(path);

    QString shown;
    const DialogRun run = runPrintDialog(f.w(), [&](TGrafikForm& form) {
        shown = form.EditPrinter->text();
        QTest::mouseClick(form.BitBtnDruck, Qt::LeftButton);
    });
    QCOMPARE(shown, QStringLiteral("PDF-Datei"));
    QVERIFY(!run.openAfter);
    QCOMPARE(f.fake.events, QStringList{QStringLiteral("save-dialog")});
    QCOMPARE(f.fake.fileDialogs.constFirst().filter, QStringLiteral("PDF-Dateien (*.pdf)"));

    QCOMPARE(pdfPages(path), 1);
    const QString text = pdfText(path);
    for (const QString& part :
         {QStringLiteral("Basalrate"), QStringLiteral("Programmiert am:"),
          QStringLiteral("Gedruckt am:"), QStringLiteral("08.12.2026"), QStringLiteral("23 IE"),
          QStringLiteral("1,5:1"), QStringLiteral("k. A."), QStringLiteral("1,2:1")})
        QVERIFY2(text.contains(part), qPrintable(part));

    const QPointF origin =
        real.activePrinter().printer->pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    const int dpi = 127;
    verifyStepLine(pdfImage(path, dpi), origin, dpi, 30, workedRates());

    // The picture of a printed page for the documentation, when asked for.
    const QString sample = qEnvironmentVariable("FENDRIMO_REPORT_SAMPLE");
    if (!sample.isEmpty()) {
        QFile::remove(sample);
        QVERIFY(QFile::copy(path, sample));
    }
}

// The comparison profile on paper: the legend, and a grey dashed line where
// the other profile's rates are, with gaps between its dashes.
void TestPrintPdf::printsTheComparison()
{
    MainWindowFixture f(30);
    QtPlatform real;
    f.fake.printing = &real;
    enterProfile(f.w(), workedRates());
    std::array<int, 24> other = workedRates();
    other[3] = 35; // above the chart's top
    other[6] = other[7] = other[8] = 10;
    Profilsatz record;
    for (int h = 0; h < 24; ++h)
        record.setRate(h, other[size_t(h)]);
    const QString otherPath = m_dir.filePath(QStringLiteral("vorher.bar"));
    QVERIFY(writeProfileFile(otherPath, record).ok());
    f.fake.chooseFile(otherPath);
    f.w().Vergleichen1->trigger();
    const QString path = m_dir.filePath(QStringLiteral("Vergleich.pdf"));
    f.fake.chooseFile(path);

    const DialogRun run = runPrintDialog(
        f.w(), [&](TGrafikForm& form) { QTest::mouseClick(form.BitBtnDruck, Qt::LeftButton); });
    QVERIFY(!run.openAfter);
    QCOMPARE(pdfPages(path), 1);
    const QString text = pdfText(path);
    QVERIFY(text.contains(QStringLiteral("Vergleich: vorher.bar, Tagessumme 25,1 IE")));
    QVERIFY(text.contains(QStringLiteral("3,5")));

    const QPointF origin =
        real.activePrinter().printer->pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    const int dpi = 254;
    const QImage page = pdfImage(path, dpi);
    verifyStepLine(page, origin, dpi, 30, workedRates());
    const auto isGrey = [](QRgb pixel) {
        return !hasColour(pixel) && qAbs(qGray(pixel) - 110) < 30;
    };
    for (const int h : {3, 6, 7, 8}) {
        const qint64 y = -1300 + 20 * std::min(other[size_t(h)], 30);
        // Two pixels off the line's middle: clear of the grid line under it.
        int grey = 0;
        int white = 0;
        for (qint64 x = 150 + 70 * h + 5; x < 150 + 70 * h + 65; ++x) {
            const QRgb pixel = page.pixel(pagePixel(origin, x, y, dpi) + QPoint(0, 2));
            grey += isGrey(pixel) ? 1 : 0;
            white += qGray(pixel) > 240 ? 1 : 0;
        }
        QVERIFY2(
            grey >= 20 && white >= 10,
            qPrintable(QStringLiteral("hour %1: %2 grey, %3 white").arg(h).arg(grey).arg(white)));
    }

    // The picture of a compared page for the documentation, when asked for.
    const QString sample = qEnvironmentVariable("FENDRIMO_COMPARISON_SAMPLE");
    if (!sample.isEmpty()) {
        QFile::remove(sample);
        QVERIFY(QFile::copy(path, sample));
    }
}

void TestPrintPdf::tableSetting_data()
{
    QTest::addColumn<QByteArray>("stored"); // the line in the settings file, if any
    QTest::addColumn<bool>("shown");
    QTest::newRow("absent") << QByteArray() << false;
    QTest::newRow("on") << QByteArray("Tabelle=1\n") << true;
    QTest::newRow("off") << QByteArray("Tabelle=0\n") << false;
}

// The box shows the setting without writing it; a toggle writes it at once.
void TestPrintPdf::tableSetting()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, shown);
    MainWindowFixture f(setUpSettings(30).replace("Verzeichnis=\n", "Verzeichnis=\n" + stored),
                        true);
    const QByteArray before = f.home.read();
    bool checked = !shown;
    QByteArray afterOpening;
    QByteArray afterToggle;
    runPrintDialog(f.w(), [&](TGrafikForm& form) {
        checked = form.CheckBoxTabelle->isChecked();
        afterOpening = f.home.read();
        QTest::mouseClick(form.CheckBoxTabelle, Qt::LeftButton, {},
                          QPoint(8, form.CheckBoxTabelle->height() / 2));
        afterToggle = f.home.read();
    });
    QCOMPARE(checked, shown);
    QCOMPARE(afterOpening, before);
    QVERIFY2(afterToggle.contains(shown ? "Tabelle=0" : "Tabelle=1"), afterToggle.constData());
    bool reopened = shown;
    runPrintDialog(f.w(), [&](TGrafikForm& form) { reopened = form.CheckBoxTabelle->isChecked(); });
    QCOMPARE(reopened, !shown);
}

void TestPrintPdf::pdfButton_data()
{
    QTest::addColumn<bool>("printerInstalled");
    QTest::addColumn<bool>("table");
    QTest::addColumn<qint32>("sixth"); // the rate of 6 to 7 Uhr
    QTest::newRow("no printer, report only") << false << false << 12;
    QTest::newRow("no printer, with table") << false << true << 12;
    QTest::newRow("a printer installed, with table") << true << true << 12;
    QTest::newRow("largest maximum, with table") << false << true << 999;
}

// "Als PDF speichern…" writes the pages to the file chosen, prints nothing
// and keeps the dialog open; the table page lists every hour, and the report
// page is the same with or without it.
void TestPrintPdf::pdfButton()
{
    QFETCH(bool, printerInstalled);
    QFETCH(bool, table);
    QFETCH(qint32, sixth);
    MainWindowFixture f(
        setUpSettings(30).replace("Verzeichnis=\n",
                                  table ? "Verzeichnis=\nTabelle=1\n" : "Verzeichnis=\n"),
        true);
    QtPlatform real;
    if (!printerInstalled)
        f.fake.printing = &real;
    QList<qint32> rates(24, 8);
    rates[6] = sixth;
    f.loadRates(rates);
    const QByteArray settings = f.home.read();
    const QString path =
        m_dir.filePath(QStringLiteral("Seiten-%1.pdf").arg(QTest::currentDataTag()));
    f.fake.chooseFile(path);

    const DialogRun run = runPrintDialog(f.w(), [&](TGrafikForm& form) {
        QVERIFY(form.BitBtnPdf->isEnabled());
        QTest::mouseClick(form.BitBtnPdf, Qt::LeftButton);
    });
    QVERIFY(run.openAfter);
    const FileDialogRequest& dialog = f.fake.fileDialogs.constFirst();
    QCOMPARE(dialog.title, QStringLiteral("Als PDF speichern"));
    QCOMPARE(dialog.filter, QStringLiteral("PDF-Dateien (*.pdf)"));
    QCOMPARE(dialog.defaultSuffix, QStringLiteral("pdf"));
    QCOMPARE(dialog.startFolder, f.home.path() + QLatin1Char('/'));
    QCOMPARE(QFileInfo(dialog.proposedFile).fileName(), QStringLiteral("raten.pdf"));
    QCOMPARE(f.home.read(), settings);
    QVERIFY(f.fake.printerOutput.isEmpty() || !QFile::exists(f.fake.printerOutput));
    QCOMPARE(pdfPages(path), table ? 2 : 1);
    const QString text = pdfText(path);
    QVERIFY(text.contains(QStringLiteral("Tagessumme der Basalrate")));
    QCOMPARE(text.contains(QStringLiteral("Basalrate \u2013 Stundenwerte")), table);
    if (table) {
        for (const QString& part :
             {QStringLiteral("Uhrzeit"), QStringLiteral("IE/h"), QStringLiteral("5 bis 6 Uhr"),
              QStringLiteral("23 bis 24 Uhr"), QStringLiteral("6 bis 7 Uhr"), ZehntelText(sixth)})
            QVERIFY2(text.contains(part), qPrintable(part));
        // The report page itself is the one printed without the table.
        f.home.write(settings);
        const QString alone = m_dir.filePath(QStringLiteral("allein.pdf"));
        f.fake.chooseFile(alone);
        runPrintDialog(f.w(), [&](TGrafikForm& form) {
            form.CheckBoxTabelle->setChecked(false);
            QTest::mouseClick(form.BitBtnPdf, Qt::LeftButton);
        });
        QCOMPARE(pdfImage(path, 50), pdfImage(alone, 50));
    }
    // The pages with the table for the documentation, when asked for.
    const QString sample = qEnvironmentVariable("FENDRIMO_TABLE_SAMPLE");
    if (!sample.isEmpty() && table && sixth == 12) {
        QFile::remove(sample);
        QVERIFY(QFile::copy(path, sample));
    }
}

// With the box ticked, "Als PDF speichern…" adds the glucose profile after
// the table page, its hourly table read back row by row; the pages before it
// are the ones printed without it.
void TestPrintPdf::glucosePageInThePdf()
{
    MainWindowFixture f(setUpSettings(30).replace("Verzeichnis=\n", "Tabelle=1\n"), true);
    QtPlatform real;
    f.fake.printing = &real;
    QList<qint32> rates(24, 8);
    rates[8] = 12;
    f.loadRates(rates);
    f.w().printing().setGlucoseSource([] { return std::optional(hourlyRises(14, 3)); });
    const QString with = m_dir.filePath(QStringLiteral("mit.pdf"));
    const QString without = m_dir.filePath(QStringLiteral("ohne.pdf"));
    for (const QString& path : {with, without}) {
        f.fake.chooseFile(path);
        runPrintDialog(f.w(), [&](TGrafikForm& form) {
            form.CheckBoxGlukose->setChecked(path == with);
            QTest::mouseClick(form.BitBtnPdf, Qt::LeftButton);
        });
    }
    QCOMPARE(pdfPages(with), 3);
    QCOMPARE(pdfPages(without), 2);
    QCOMPARE(pdfImage(with, 50), pdfImage(without, 50));
    QStringList rows;
    for (const QString& line :
         runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"),
                                               QStringLiteral("3"), with, QStringLiteral("-")})
             .split(u'\n'))
        rows << line.simplified();
    for (const char* row : {"Glukoseprofil", "8 bis 9 Uhr 1,2 168 100 111 122 133 144 0 0 +48",
                            "3 bis 4 Uhr 0,8 0", "23 bis 24 Uhr 0,8 168 100 111 122 133 144 0 0 0"})
        QVERIFY2(rows.contains(QString::fromUtf8(row)), row);
}

// Through the menus: a CGM export loaded, Monday to Friday chosen in the
// glucose profile's window; the printed page has that period's figures.
void TestPrintPdf::glucosePageOfTheChosenDays()
{
    MainWindowFixture f(30);
    QtPlatform real;
    f.fake.printing = &real;
    f.loadRates(QList<qint32>(24, 8));
    const QString export_ = m_dir.filePath(QStringLiteral("cgm.csv"));
    QFile file(export_);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(glucosesamples::clarityTwentyDays()) > 0);
    file.close();
    f.fake.chooseFile(export_);
    f.w().openedItem("Glukose1", "GlukoseLaden1")->trigger();
    QAction* profile = f.w().openedItem("Glukose1", "Glukoseprofil1");
    QTRY_VERIFY_WITH_TIMEOUT(profile->isEnabled(), 60000);
    profile->trigger();
    auto* days = f.w().findChild<QComboBox*>(QStringLiteral("TageAuswahl"));
    QVERIFY(days);
    days->setCurrentIndex(1);
    const QString pdf = m_dir.filePath(QStringLiteral("glukose.pdf"));
    f.fake.chooseFile(pdf);
    runPrintDialog(f.w(), [&](TGrafikForm& form) {
        form.CheckBoxGlukose->setChecked(true);
        QTest::mouseClick(form.BitBtnPdf, Qt::LeftButton);
    });
    QCOMPARE(pdfPages(pdf), 2);
    const QString page =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"),
                                              QStringLiteral("2"), pdf, QStringLiteral("-")})
            .simplified();
    // The last 14 days hold ten weekdays of 12 readings an hour; 4 Uhr reads 5 more.
    for (const char* text : {"07.05.2025 bis 20.05.2025, Montag bis Freitag",
                             "3 bis 4 Uhr 0,8 120 115 115 115 115 115 0 0 +5"})
        QVERIFY2(page.contains(QString::fromUtf8(text)), text);
}

void TestPrintPdf::previewShowsThePrintedPages_data()
{
    QTest::addColumn<qint32>("sixth"); // the rate of 6 to 7 Uhr
    QTest::newRow("ordinary profile") << 12;
    QTest::newRow("largest maximum") << 999;
}

// The preview opens quickly with both pages, and its first page has the ink
// of the PDF the same dialog saves.
void TestPrintPdf::previewShowsThePrintedPages()
{
    QFETCH(qint32, sixth);
    MainWindowFixture f(setUpSettings(30).replace("Verzeichnis=\n", "Verzeichnis=\nTabelle=1\n"),
                        true);
    QtPlatform real;
    f.fake.printing = &real;
    QList<qint32> rates(24, 8);
    rates[6] = sixth;
    f.loadRates(rates);
    const QString path = m_dir.filePath(QStringLiteral("vorschau-%1.pdf").arg(sixth));
    f.fake.chooseFile(path);

    qint64 openedAfter = -1;
    int pages = 0;
    QImage shown;
    const DialogRun run = runPrintDialog(f.w(), [&](TGrafikForm& form) {
        QTest::mouseClick(form.BitBtnPdf, Qt::LeftButton);
        QElapsedTimer timer;
        QTimer::singleShot(0, &form, [&] {
            auto* preview = qobject_cast<PreviewDialog*>(QApplication::activeModalWidget());
            if (!preview)
                return;
            openedAfter = timer.elapsed();
            pages = preview->pagesShown();
            // The paper of the PDF printer at 100 dpi, as pdftoppm renders it.
            const QSizeF paper =
                real.activePrinter().printer->pageLayout().fullRect(QPageLayout::Point).size();
            shown = firstPreviewPage(*preview->Vorschau, QSize(qCeil(paper.width() * 100 / 72),
                                                               qCeil(paper.height() * 100 / 72)));
            preview->reject();
        });
        timer.start();
        QTest::mouseClick(form.BitBtnVorschau, Qt::LeftButton);
    });
    QVERIFY(run.openAfter); // closing the preview leaves the print dialog
    QCOMPARE(pages, 2);
    QVERIFY2(openedAfter >= 0 && openedAfter < kPreviewBudgetMs,
             qPrintable(QString::number(openedAfter)));
    const QImage saved = pdfImage(path, 100);
    QCOMPARE(shown.size(), saved.size());
    const QImage savedInk = inkOnly(saved);
    const int unmatched = unmatchedInk(savedInk, alignedTo(savedInk, inkOnly(shown)));
    // Antialiasing of the many small labels leaves some hundred pixels at
    // most; half an IE/h more in a single hour leaves more than that.
    QVERIFY2(unmatched < 160, qPrintable(QString::number(unmatched)));
}

void TestPrintPdf::setupDialog_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed") << true;
    QTest::newRow("cancelled") << false;
}

void TestPrintPdf::setupDialog()
{
    QFETCH(bool, confirm);
    MainWindowFixture f(30);
    QtPlatform real;
    f.fake.printing = &real;
    // A file that doesn't exist yet: the setup then asks nothing more.
    real.activePrinter().printer->setOutputFileName(
        m_dir.filePath(QStringLiteral("setup-%1.pdf").arg(confirm)));

    QString title;
    QString after;
    runPrintDialog(f.w(), [&](TGrafikForm& form) {
        QTimer::singleShot(0, &form, [&] {
            auto* setup = qobject_cast<QAbstractPrintDialog*>(QApplication::activeModalWidget());
            if (!setup)
                return;
            title = setup->windowTitle();
            if (confirm)
                setup->accept();
            else
                setup->reject();
            QCOMPARE(setup->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text(),
                     QStringLiteral("Übernehmen"));
        });
        QTest::mouseClick(form.BitBtnDruckSetup, Qt::LeftButton);
        after = form.EditPrinter->text();
    });
    QCOMPARE(title, QStringLiteral("Drucker auswählen und einrichten"));
    QCOMPARE(f.fake.printerSetups, 1);
    QCOMPARE(after, QStringLiteral("PDF-Datei"));
    QVERIFY(f.fake.boxes.isEmpty());
}

void TestPrintPdf::proposedName_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("profileFile");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("with a path") << "/a/pdf/" << QStringLiteral("/a/w.bar") << "/a/pdf/w.pdf";
    QTest::newRow("no file yet") << "/a/" << QString() << "/a/Basalrate.pdf";
    QTest::newRow("several dots") << "/a/" << QStringLiteral("/a/a.b.bar") << "/a/a.b.pdf";
    QTest::newRow("no suffix") << "/a/" << QStringLiteral("/a/w") << "/a/w.pdf";
    QTest::newRow("folder without slash") << "/t" << QStringLiteral("/a/w.bar") << "/t/w.pdf";
    QTest::newRow("not UTF-8") << "/a/" << decodeFileName("/a/M\xfc.bar") << "/a/M\u00fc.pdf";
}

void TestPrintPdf::proposedName()
{
    QFETCH(QString, folder);
    QFETCH(QString, profileFile);
    QFETCH(QString, proposed);
    QCOMPARE(proposedPdfFile(folder, profileFile), proposed);
}

QTEST_MAIN(TestPrintPdf)
#include "tst_printpdf.moc"

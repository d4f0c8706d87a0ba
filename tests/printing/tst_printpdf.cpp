// Printing with the real platform on a machine without a print service: the
// platform offers its PDF printer, "Drucken" asks for a file and the page
// lands there. Only the message boxes and file dialogs are the fake's.

#include "platform/qtplatform.h"
#include "printcheck.h"
#include "support/mainwindowfixture.h"

#include <QAbstractPrintDialog>
#include <QPrinter>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

class TestPrintPdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pdfPrinterWithoutPrintService();
    void printsTheWorkedExampleToAFile();
    void printsTheComparison();
    void setupDialog_data();
    void setupDialog();

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
        });
        QTest::mouseClick(form.BitBtnDruckSetup, Qt::LeftButton);
        after = form.EditPrinter->text();
    });
    QCOMPARE(title, QStringLiteral("Drucker auswählen und einrichten"));
    QCOMPARE(f.fake.printerSetups, 1);
    QCOMPARE(after, QStringLiteral("PDF-Datei"));
    QVERIFY(f.fake.boxes.isEmpty());
}

QTEST_MAIN(TestPrintPdf)
#include "tst_printpdf.moc"

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

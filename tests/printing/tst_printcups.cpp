// Printing end to end through the system's print service: the test starts
// its own CUPS server with a cups-pdf queue as the default printer, prints
// through the real print dialog and the real platform, and reads the PDF that
// the queue writes. It needs root, as the cups-pdf backend does. The server
// is also made to refuse jobs, to lose its queue, to stop and to hold jobs,
// and each print must come back with what the service said.

#include "cupsserver.h"
#include "platform/qtplatform.h"
#include "printcheck.h"
#include "printing/reportjob.h"
#include "support/mainwindowfixture.h"

#include <QPainter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QtTest>

#include <unistd.h>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

const QString kQueue = QStringLiteral("FendrimoTestPDF");
// A second cups-pdf queue, with a duplex unit and stopped: its jobs wait, so
// what they asked for can be read back.
const QString kDuplexQueue = QStringLiteral("FendrimoTestDuplex");
const QString kPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString kRefused = QStringLiteral("Der Druckauftrag wurde nicht angenommen: ");

// What the print service is made to do to the next job.
enum class Fault { None, Rejecting, Deleted, ServerStopped, QueueStopped };

ReportInput workedInput()
{
    ReportInput input;
    input.maximum = 30;
    for (int h = 0; h < 24; ++h)
        input.profile.rates[size_t(h)] = workedRates()[size_t(h)];
    input.profile.datum = QStringLiteral("08.12.2026");
    input.today = QStringLiteral("09.12.2026");
    return input;
}

// The boxes as a line that a refusal's or a waiting job's reason can't
// change: "Fehler:refused", "Information:waits", else caption and text.
QString boxSummary(const QList<FakePlatform::Box>& boxes)
{
    static const QRegularExpression refusal(
        QStringLiteral("^") + QRegularExpression::escape(kRefused) + QStringLiteral(".*\\S.*\\.$"));
    QStringList lines;
    for (const FakePlatform::Box& box : boxes) {
        if (box.caption == messageCaption(MessageType::Fehler) &&
            refusal.match(box.text).hasMatch())
            lines.append(box.caption + QStringLiteral(":refused"));
        else if (box.caption == messageCaption(MessageType::Information) &&
                 box.text.startsWith(QStringLiteral("Der Drucker ist angehalten")))
            lines.append(box.caption + QStringLiteral(":waits"));
        else
            lines.append(box.caption + QLatin1Char(':') + box.text);
    }
    return lines.join(QLatin1Char(' '));
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestPrintCups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void defaultQueueIsTheActivePrinter();
    void printsThroughThePrintService();
    void printOutcome_data();
    void printOutcome();
    void dialogTellsTheOutcome_data();
    void dialogTellsTheOutcome();
    void jobCarriesThePrinterSetup_data();
    void jobCarriesThePrinterSetup();

private:
    bool addQueue();
    void applyFault(Fault fault);
    void restoreFault(Fault fault);
    QString awaitPdf(const PdfFiles& before);

    CupsServer m_server;
    QString m_outFolder;
    QStringList m_printed;
};

void TestPrintCups::initTestCase()
{
    if (geteuid() != 0)
        QSKIP("The print service test starts its own CUPS server and needs root.");
    QVERIFY2(!systemProgram(QStringLiteral("cupsd")).isEmpty(),
             "cupsd is missing: scripts/setup.sh installs cups");
    QVERIFY2(!systemProgram(QStringLiteral("lpadmin")).isEmpty(), "lpadmin is missing");
    QVERIFY2(QFile::exists(kPpd), "cups-pdf is missing: scripts/setup.sh installs it");

    QVERIFY(m_server.configure());
    m_server.start();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(addQueue());
    m_outFolder = cupsPdfFolder();

    QFile ppd(kPpd);
    QVERIFY(ppd.open(QIODevice::ReadOnly));
    const QString duplexPpd = m_server.filePath(QStringLiteral("duplex.ppd"));
    QVERIFY(writeFile(duplexPpd, QString::fromLatin1(ppd.readAll()) +
                                     QStringLiteral("*OpenUI *Duplex/Duplex: PickOne\n"
                                                    "*OrderDependency: 10 AnySetup *Duplex\n"
                                                    "*DefaultDuplex: None\n"
                                                    "*Duplex None/Off: \"\"\n"
                                                    "*Duplex DuplexNoTumble/Long Edge: \"\"\n"
                                                    "*Duplex DuplexTumble/Short Edge: \"\"\n"
                                                    "*CloseUI: *Duplex\n")));
    QVERIFY(m_server.run(QStringLiteral("lpadmin"),
                         {QStringLiteral("-p"), kDuplexQueue, QStringLiteral("-E"),
                          QStringLiteral("-v"), QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
                          duplexPpd}));
    QVERIFY(m_server.run(QStringLiteral("cupsdisable"), {kDuplexQueue}));
}

void TestPrintCups::cleanupTestCase()
{
    for (const QString& name : std::as_const(m_printed))
        QFile::remove(QDir(m_outFolder).filePath(name));
    m_server.stop();
}

bool TestPrintCups::addQueue()
{
    return m_server.run(QStringLiteral("lpadmin"),
                        {QStringLiteral("-p"), kQueue, QStringLiteral("-E"), QStringLiteral("-v"),
                         QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), kPpd}) &&
           m_server.run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), kQueue});
}

void TestPrintCups::applyFault(Fault fault)
{
    switch (fault) {
    case Fault::None:
        break;
    case Fault::Rejecting:
        QVERIFY(m_server.run(QStringLiteral("cupsreject"), {kQueue}));
        break;
    case Fault::Deleted:
        QVERIFY(m_server.run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), kQueue}));
        break;
    case Fault::ServerStopped:
        m_server.stop();
        break;
    case Fault::QueueStopped:
        QVERIFY(m_server.run(QStringLiteral("cupsdisable"), {kQueue}));
        break;
    }
}

// Back to an accepting, running queue for the next test; a waiting job is
// cancelled first, so it never prints.
void TestPrintCups::restoreFault(Fault fault)
{
    switch (fault) {
    case Fault::None:
        break;
    case Fault::Rejecting:
        QVERIFY(m_server.run(QStringLiteral("cupsaccept"), {kQueue}));
        break;
    case Fault::Deleted:
        QVERIFY(addQueue());
        break;
    case Fault::ServerStopped:
        m_server.start();
        break;
    case Fault::QueueStopped:
        QVERIFY(m_server.run(QStringLiteral("cancel"), {QStringLiteral("-a"), kQueue}));
        QVERIFY(m_server.run(QStringLiteral("cupsenable"), {kQueue}));
        break;
    }
}

// The next PDF of the queue; it is removed at the end.
QString TestPrintCups::awaitPdf(const PdfFiles& before)
{
    const QString pdf = awaitNewPdf(m_outFolder, before);
    if (!pdf.isEmpty())
        m_printed.append(QFileInfo(pdf).fileName());
    return pdf;
}

void TestPrintCups::defaultQueueIsTheActivePrinter()
{
    QtPlatform real;
    const ActivePrinter active = real.activePrinter();
    QVERIFY(active.printer);
    QCOMPARE(active.name, kQueue);
    QVERIFY(!active.toFile);
    QCOMPARE(active.printer->outputFormat(), QPrinter::NativeFormat);
}

void TestPrintCups::printsThroughThePrintService()
{
    MainWindowFixture f(30);
    QtPlatform real;
    f.fake.printing = &real;
    enterProfile(f.w(), workedRates());
    const PdfFiles before = pdfsIn(m_outFolder);

    QString shown;
    const DialogRun run = runPrintDialog(f.w(), [&](TGrafikForm& form) {
        shown = form.EditPrinter->text();
        QTest::mouseClick(form.BitBtnDruck, Qt::LeftButton);
    });
    QCOMPARE(shown, kQueue);
    QVERIFY(!run.openAfter);
    QVERIFY(f.fake.boxes.isEmpty());
    // A real printer needs no file name.
    QVERIFY(f.fake.fileDialogs.isEmpty());

    // The queue converts the job and writes it as a new PDF of its own.
    const QString pdf = awaitPdf(before);
    QVERIFY2(!pdf.isEmpty(),
             qPrintable(QStringLiteral("no PDF in %1\n%2").arg(m_outFolder, m_server.errorLog())));

    QCOMPARE(pdfPages(pdf), 1);

    // The queue turns the job into PostScript and back, which loses the
    // text layer; so the page that arrives is compared, mark for mark, with
    // the page drawn straight into a PDF of the same layout, whose text is
    // readable.
    QPrinter* sent = real.activePrinter().printer;
    const QPointF origin = sent->pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    f.fake.printing = nullptr;
    f.fake.printerOutput = m_server.filePath(QStringLiteral("reference.pdf"));
    f.fake.activePrinter().printer->setPageLayout(sent->pageLayout());
    runPrintDialog(f.w(),
                   [](TGrafikForm& form) { QTest::mouseClick(form.BitBtnDruck, Qt::LeftButton); });
    const QString reference = f.fake.printerOutput;
    const QString text = pdfText(reference);

    const int dpi = 254;
    const QImage arrived = pdfImage(pdf, dpi);
    const QImage drawn = pdfImage(reference, dpi);
    QCOMPARE(arrived.size(), drawn.size());
    struct Cell
    {
        QString text;
        QRect area; // report units, y downward from the printable area's top
    };
    const QList<Cell> heading = {
        {QStringLiteral("Basalrate"), QRect(150, 150, 600, 100)},
        {QStringLiteral("Programmiert am:"), QRect(150, 290, 550, 50)},
        {QStringLiteral("08.12.2026"), QRect(750, 290, 400, 50)},
        {QStringLiteral("Gedruckt am:"), QRect(150, 340, 550, 50)},
        {QStringLiteral("Tagessumme der Basalrate:"), QRect(150, 390, 580, 50)},
        {QStringLiteral("23 IE"), QRect(750, 390, 400, 50)},
        {QStringLiteral("Bolus morgens:"), QRect(1200, 290, 380, 50)},
        {QStringLiteral("1,5:1"), QRect(1600, 290, 300, 50)},
        {QStringLiteral("Bolus mittags:"), QRect(1200, 340, 380, 50)},
        {QStringLiteral("k. A."), QRect(1600, 340, 300, 50)},
        {QStringLiteral("Bolus abends:"), QRect(1200, 390, 380, 50)},
        {QStringLiteral("1,2:1"), QRect(1600, 390, 300, 50)},
    };
    for (const Cell& cell : heading) {
        QVERIFY2(text.contains(cell.text), qPrintable(cell.text));
        const qreal same = inkAgreement(arrived, drawn, origin, cell.area, dpi);
        QVERIFY2(same > 0.95, qPrintable(QStringLiteral("%1: %2").arg(cell.text).arg(same)));
    }
    // Other marks in the same place don't pass for these: a page with the
    // noon row drawn over the morning row differs from the one that arrived.
    const auto swapped = [&](const Cell& from, const Cell& to) {
        QImage page = drawn.copy();
        QPainter painter(&page);
        const QPoint source = pagePixel(origin, from.area.left(), -from.area.top(), dpi);
        const QPoint target = pagePixel(origin, to.area.left(), -to.area.top(), dpi);
        const QSize size(qRound(from.area.width() * dpi / 254.0),
                         qRound(from.area.height() * dpi / 254.0));
        painter.fillRect(QRect(target, size), Qt::white);
        painter.drawImage(target, drawn.copy(QRect(source, size)));
        painter.end();
        return inkAgreement(arrived, page, origin, to.area, dpi);
    };
    QVERIFY(swapped(heading[8], heading[6]) < 0.9);  // "Bolus mittags:" for "Bolus morgens:"
    QVERIFY(swapped(heading[11], heading[7]) < 0.9); // "1,2:1" for "1,5:1"

    // The printer's margins move the page: its printable area is the origin.
    verifyStepLine(arrived, origin, dpi, 30, workedRates());
}

void TestPrintCups::printOutcome_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("printed");
    QTest::addColumn<bool>("held");
    QTest::addColumn<QString>("reason");
    QTest::newRow("accepting queue") << Fault::None << true << false << "";
    QTest::newRow("queue rejecting jobs")
        << Fault::Rejecting << false << false << "is not accepting jobs";
    QTest::newRow("queue deleted after it was chosen")
        << Fault::Deleted << false << false << "does not exist";
    QTest::newRow("print service stopped")
        << Fault::ServerStopped << false << false << "ist nicht erreichbar";
    QTest::newRow("queue stopped") << Fault::QueueStopped << true << true << "";
}

// The outcome of a print on the real platform's printer, and what the user
// is told of it.
void TestPrintCups::printOutcome()
{
    QFETCH(Fault, fault);
    QFETCH(bool, printed);
    QFETCH(bool, held);
    QFETCH(QString, reason);
    FakePlatform fake;
    QtPlatform real;
    const ActivePrinter active = real.activePrinter();
    QCOMPARE(active.name, kQueue);
    const QSet<int> jobsBefore = CupsServer::jobIds();
    const PdfFiles pdfsBefore = pdfsIn(m_outFolder);

    auto restore = qScopeGuard([&] { restoreFault(fault); });
    applyFault(fault);
    const PrintOutcome outcome = printReport(*active.printer, workedInput());
    const bool told = reportPrintOutcome(nullptr, outcome);
    restore.dismiss();
    restoreFault(fault);

    QCOMPARE(outcome.printed(), printed);
    QCOMPARE(told, printed);
    QCOMPARE(outcome.held, held);
    QCOMPARE(outcome.refusal.isEmpty(), printed);
    QVERIFY2(outcome.refusal.contains(reason), qPrintable(outcome.refusal));
    QCOMPARE(boxSummary(fake.boxes), printed
                                         ? held ? QStringLiteral("Information:waits") : QString()
                                         : QStringLiteral("Fehler:refused"));
    if (!printed)
        QCOMPARE(fake.boxes.constFirst().text, kRefused + outcome.refusal + QLatin1Char('.'));

    // A refused job is no job at all: nothing can come out later.
    const QSet<int> jobs = CupsServer::jobIds() - jobsBefore;
    QCOMPARE(jobs.size(), printed ? 1 : 0);
    if (held) {
        // Still waiting when the queue was cleared, not printed.
        QCOMPARE(CupsServer::jobAttributes(*jobs.cbegin()).value(QStringLiteral("job-state")),
                 QStringLiteral("canceled"));
    } else if (printed) {
        const QString pdf = awaitPdf(pdfsBefore);
        QVERIFY2(!pdf.isEmpty(), qPrintable(m_server.errorLog()));
        QCOMPARE(pdfPages(pdf), 1);
    }
}

void TestPrintCups::dialogTellsTheOutcome_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("printed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("queue rejecting jobs") << Fault::Rejecting << false << "offen Fehler:refused";
    QTest::newRow("queue deleted after the dialog opened")
        << Fault::Deleted << false << "offen Fehler:refused";
    QTest::newRow("print service stopped after the dialog opened")
        << Fault::ServerStopped << false << "offen Fehler:refused";
    QTest::newRow("queue stopped") << Fault::QueueStopped << true << "zu Information:waits";
}

// The print dialog after "Drucken": open with the refusal, or closed (with a
// notice when the job waits in a stopped queue).
void TestPrintCups::dialogTellsTheOutcome()
{
    QFETCH(Fault, fault);
    QFETCH(bool, printed);
    QFETCH(QString, shown);
    MainWindowFixture f(30);
    QtPlatform real;
    f.fake.printing = &real;
    enterProfile(f.w(), workedRates());
    const QSet<int> jobsBefore = CupsServer::jobIds();

    auto restore = qScopeGuard([&] { restoreFault(fault); });
    const DialogRun run = runPrintDialog(f.w(), [&](TGrafikForm& form) {
        applyFault(fault);
        QTest::mouseClick(form.BitBtnDruck, Qt::LeftButton);
    });
    restore.dismiss();
    restoreFault(fault);

    QVERIFY(run.opened);
    QCOMPARE((CupsServer::jobIds() - jobsBefore).size(), printed ? 1 : 0);
    QCOMPARE((run.openAfter ? QStringLiteral("offen ") : QStringLiteral("zu ")) +
                 boxSummary(f.fake.boxes),
             shown);
}

void TestPrintCups::jobCarriesThePrinterSetup_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("duplex");
    QTest::addColumn<int>("printerColour");
    QTest::addColumn<bool>("colourMethod");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("sides");
    QTest::addColumn<QString>("colourMode");
    // Options of the printer's properties dialog, as Qt keeps them.
    QTest::addColumn<QStringList>("more");
    QTest::addColumn<QString>("priority");
    const auto row = [](const char* name, QPageSize::PageSizeId size,
                        QPageLayout::Orientation orientation, int copies,
                        QPrinter::DuplexMode duplex, QPrinter::ColorMode printerColour,
                        bool colourMethod) -> QTestData& {
        return QTest::newRow(name) << int(size) << int(orientation) << copies << int(duplex)
                                   << int(printerColour) << colourMethod;
    };
    row("A4 in colour, one-sided", QPageSize::A4, QPageLayout::Portrait, 1, QPrinter::DuplexNone,
        QPrinter::Color, true)
        << "iso_a4_210x297mm"
        << "one-sided"
        << "color" << QStringList() << "50";
    row("Letter twice, long edge, black and white", QPageSize::Letter, QPageLayout::Portrait, 2,
        QPrinter::DuplexLongSide, QPrinter::Color, false)
        << "na_letter_8.5x11in"
        << "two-sided-long-edge"
        << "monochrome" << QStringList{"job-priority", "80"} << "80";
    row("A5 across, either edge, grey printer", QPageSize::A5, QPageLayout::Landscape, 1,
        QPrinter::DuplexAuto, QPrinter::GrayScale, true)
        << "iso_a5_148x210mm"
        << "two-sided-short-edge"
        << "monochrome" << QStringList{"sides", "one-sided", "job-priority", "20"} << "20";
    row("A4 upright three times, either edge", QPageSize::A4, QPageLayout::Portrait, 3,
        QPrinter::DuplexAuto, QPrinter::Color, true)
        << "iso_a4_210x297mm"
        << "two-sided-long-edge"
        << "color" << QStringList() << "50";
}

// What the printer setup chose arrives with the job.
void TestPrintCups::jobCarriesThePrinterSetup()
{
    QFETCH(int, size);
    QFETCH(int, orientation);
    QFETCH(int, copies);
    QFETCH(int, duplex);
    QFETCH(int, printerColour);
    QFETCH(bool, colourMethod);
    QFETCH(QString, media);
    QFETCH(QString, sides);
    QFETCH(QString, colourMode);
    QFETCH(QStringList, more);
    QFETCH(QString, priority);
    QPrinter printer(QPrinterInfo::printerInfo(kDuplexQueue), QPrinter::HighResolution);
    QCOMPARE(printer.printerName(), kDuplexQueue);
    printer.setPageSize(QPageSize(QPageSize::PageSizeId(size)));
    printer.setPageOrientation(QPageLayout::Orientation(orientation));
    printer.setCopyCount(copies);
    printer.setDuplex(QPrinter::DuplexMode(duplex));
    printer.setColorMode(QPrinter::ColorMode(printerColour));
    if (!more.isEmpty())
        printer.printEngine()->setProperty(QPrintEngine::PrintEnginePropertyKey(0xfe00), more);
    QCOMPARE(int(printer.duplex()), duplex);
    QCOMPARE(int(printer.colorMode()), printerColour);
    const QSet<int> jobsBefore = CupsServer::jobIds();
    const auto clear = qScopeGuard([&] {
        m_server.run(QStringLiteral("cancel"), {QStringLiteral("-a"), kDuplexQueue});
    });

    ReportInput input = workedInput();
    input.colour = colourMethod;
    const PrintOutcome outcome = printReport(printer, input);
    QVERIFY2(outcome.printed(), qPrintable(outcome.refusal));
    QVERIFY(outcome.held);

    const QSet<int> jobs = CupsServer::jobIds() - jobsBefore;
    QCOMPARE(jobs.size(), 1);
    const QHash<QString, QString> job = CupsServer::jobAttributes(*jobs.cbegin());
    QCOMPARE(job.value(QStringLiteral("media")), media);
    QCOMPARE(job.value(QStringLiteral("sides")), sides);
    QCOMPARE(job.value(QStringLiteral("print-color-mode")), colourMode);
    QCOMPARE(job.value(QStringLiteral("copies")), QString::number(copies));
    QCOMPARE(job.value(QStringLiteral("job-priority")), priority);
    QCOMPARE(job.value(QStringLiteral("job-name")), QStringLiteral("Basalrate"));
    QCOMPARE(job.value(QStringLiteral("document-format-supplied")),
             QStringLiteral("application/pdf"));
}

QTEST_MAIN(TestPrintCups)
#include "tst_printcups.moc"

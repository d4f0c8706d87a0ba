// The print command and the print dialog in the real main window, with the
// platform fake standing in for the printers: the hand-over, the dialog, the
// printer setup, printing to the fake's PDF printer and printer failures.

#include "glucosesample.h"
#include "printcheck.h"
#include "printing/shownlines.h"
#include "support/mainwindowfixture.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

#include <climits>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

// A printer whose engine goes into its error state after a number of drawing
// calls, as a printer does that goes away while the page is drawn. It keeps
// what became of the job.
class FailingEngine final : public QPaintEngine, public QPrintEngine
{
public:
    // failAfter 0: the job can't even begin.
    explicit FailingEngine(int failAfter)
        : QPaintEngine(QPaintEngine::AllFeatures), m_failAfter(failAfter)
    {
    }

    bool aborted = false;
    bool sent = false;
    int calls = 0;

    bool begin(QPaintDevice*) override
    {
        if (m_failAfter == 0)
            return false;
        m_state = QPrinter::Active;
        return true;
    }
    bool end() override
    {
        sent = m_state != QPrinter::Aborted;
        m_state = QPrinter::Idle;
        return true;
    }
    void updateState(const QPaintEngineState&) override {}
    using QPaintEngine::drawLines;
    using QPaintEngine::drawPolygon;
    using QPaintEngine::drawRects;
    void drawLines(const QLineF*, int) override { drew(); }
    void drawRects(const QRectF*, int) override { drew(); }
    void drawPath(const QPainterPath&) override { drew(); }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { drew(); }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { drew(); }
    void drawTextItem(const QPointF&, const QTextItem&) override { drew(); }
    Type type() const override { return QPaintEngine::User; }

    bool newPage() override { return true; }
    bool abort() override
    {
        aborted = true;
        m_state = QPrinter::Aborted;
        return true;
    }
    QPrinter::PrinterState printerState() const override { return m_state; }
    void setProperty(PrintEnginePropertyKey, const QVariant&) override {}
    QVariant property(PrintEnginePropertyKey) const override { return {}; }
    // An A4 page at 254 dpi.
    int metric(QPaintDevice::PaintDeviceMetric id) const override
    {
        switch (id) {
        case QPaintDevice::PdmWidth:
            return 2100;
        case QPaintDevice::PdmHeight:
            return 2970;
        case QPaintDevice::PdmWidthMM:
            return 210;
        case QPaintDevice::PdmHeightMM:
            return 297;
        case QPaintDevice::PdmDpiX:
        case QPaintDevice::PdmDpiY:
        case QPaintDevice::PdmPhysicalDpiX:
        case QPaintDevice::PdmPhysicalDpiY:
            return 254;
        case QPaintDevice::PdmDepth:
            return 32;
        case QPaintDevice::PdmNumColors:
            return INT_MAX;
        case QPaintDevice::PdmDevicePixelRatio:
            return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    void drew()
    {
        if (++calls >= m_failAfter && m_state == QPrinter::Active)
            m_state = QPrinter::Error;
    }

    int m_failAfter;
    QPrinter::PrinterState m_state = QPrinter::Idle;
};

class FailingPrinter final : public QPrinter
{
public:
    explicit FailingPrinter(FailingEngine* engine) { setEngines(engine, engine); }
};

QString workedExampleTotal()
{
    int total = 0;
    for (int rate : workedRates())
        total += rate;
    return ZehntelText(total) + QStringLiteral(" IE");
}

QPointF printableOrigin(FakePlatform& fake)
{
    return fake.activePrinter().printer->pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
}

} // namespace

class TestPrintDialog : public QObject
{
    Q_OBJECT

private slots:
    void handOver_data();
    void handOver();
    void dialogWindow();
    void controlGeometry_data();
    void controlGeometry();
    void printMethodFromSettings_data();
    void printMethodFromSettings();
    void glucoseBox_data();
    void glucoseBox();
    void closingWithoutPrinting_data();
    void closingWithoutPrinting();
    void setupRefreshesPrinterName_data();
    void setupRefreshesPrinterName();
    void noPrinterAtAll();
    void printsOnePage_data();
    void printsOnePage();
    void printMethodReadWhenPrinting();
    void pdfPrinterAsksForFile_data();
    void pdfPrinterAsksForFile();
    void printerFailure_data();
    void printerFailure();
    void fileCannotBeWritten();
    void printOutcome_data();
    void printOutcome();
    void notesAsTheFieldShowsThem_data();
    void notesAsTheFieldShowsThem();
    void wrappedNotesPrinted();
    void hugeMaximumPrintsLikeAnOrdinaryProfile();

private:
    QTemporaryDir m_dir;
};

void TestPrintDialog::handOver_data()
{
    QTest::addColumn<QString>("datum");
    QTest::addColumn<QString>("bolus");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("storedDatum");
    QTest::addColumn<QString>("storedBolus");
    QTest::addColumn<QString>("storedNotes");
    QTest::newRow("short texts") << "08.12.2026"
                                 << "1,5"
                                 << "Sport\nabends"
                                 << "08.12.2026"
                                 << "1,5"
                                 << "Sport\r\nabends";
    QTest::newRow("four-character bolus whole") << "x"
                                                << "12,5"
                                                << ""
                                                << "x"
                                                << "12,5"
                                                << "";
    QTest::newRow("date of 255 characters") << QString(255, QLatin1Char('d')) << ""
                                            << "" << QString(255, QLatin1Char('d')) << ""
                                            << "";
    QTest::newRow("notes cut after 255 characters")
        << ""
        << "" << QString(254, QLatin1Char('a')) + QStringLiteral("\nb") << ""
        << "" << QString(254, QLatin1Char('a')) + QStringLiteral("\r");
}

void TestPrintDialog::handOver()
{
    QFETCH(QString, datum);
    QFETCH(QString, bolus);
    QFETCH(QString, notes);
    QFETCH(QString, storedDatum);
    QFETCH(QString, storedBolus);
    QFETCH(QString, storedNotes);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    enterProfile(w, workedRates());
    w.EditDatum->setText(datum);
    w.EditBolus4->setText(bolus);
    w.MemoNotizen->setPlainText(notes);

    ReportInput handed;
    const DialogRun run = runPrintDialog(w, [&](TGrafikForm& form) { handed = form.content(); });
    QVERIFY(run.opened);
    // Rates, not slider positions; texts as a profile file would hold them.
    QCOMPARE(handed.maximum, 30);
    for (int h = 0; h < 24; ++h)
        QCOMPARE(handed.profile.rates[size_t(h)], workedRates()[size_t(h)]);
    QCOMPARE(handed.profile.datum, storedDatum);
    QCOMPARE(handed.profile.bolus[0], QStringLiteral("1,5"));
    QCOMPARE(handed.profile.bolus[1], storedBolus);
    QCOMPARE(handed.profile.bolus[2], QStringLiteral("1,2"));
    // The notes print as the field shows them, line by line.
    QCOMPARE(handed.notes.join(QString()), w.MemoNotizen->text().remove(QLatin1Char('\n')));
}

void TestPrintDialog::dialogWindow()
{
    MainWindowFixture f(30);
    f.fake.printerName = QStringLiteral("Laserdrucker im Flur");
    const DialogRun run = runPrintDialog(f.w(), [&](TGrafikForm& form) {
        QCOMPARE(form.windowTitle(), QStringLiteral("Fendrimo - Drucken"));
        QCOMPARE(form.size(), QSize(477, 454));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.pos(), QPoint((1024 - 477) / 2, (768 - 454) / 2));
        QVERIFY(!(form.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowSystemMenuHint));
        QCOMPARE(form.parent(), &f.w());
        QCOMPARE(form.focusWidget(), form.BitBtnDruck);
        QApplication::setActiveWindow(&form);
        QCOMPARE(QApplication::focusWidget(), form.BitBtnDruck);

        QCOMPARE(form.EditPrinter->text(), QStringLiteral("Laserdrucker im Flur"));
        QVERIFY(form.EditPrinter->isReadOnly());
        QVERIFY(form.EditPrinter->font().italic());
        QCOMPARE(form.EditPrinter->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(form.GroupBoxAktDrucker->title(), QStringLiteral("Aktiver Drucker:"));
        QCOMPARE(form.GroupBoxPrintMethod->title(),
                 QStringLiteral("Druckmethode (bei \"Optionen\" einzustellen):"));
        QCOMPARE(form.LabelPrintMethod->parentWidget(), form.GroupBoxPrintMethod);
        QVERIFY(form.LabelPrintMethod->font().bold());
        QVERIFY(form.LabelPrintMethod->font().italic());
        QCOMPARE(form.BitBtnDruckSetup->text(), QStringLiteral("Drucker auswählen und einrichten"));
        QCOMPARE(form.BitBtnDruck->text(), QStringLiteral("Drucken"));
        QCOMPARE(form.BitBtnCancel->text(), QStringLiteral("Abbrechen"));
        for (QPushButton* button : {form.BitBtnDruckSetup, form.BitBtnDruck, form.BitBtnCancel})
            QVERIFY(!button->icon().isNull());
        QCOMPARE(form.font().family(), QStringLiteral("Arial"));
        QCOMPARE(form.font().pixelSize(), 17);

        // Tab goes round the buttons and the table box, the new band before
        // "Drucken", and never to the printer name.
        const QList<QWidget*> round{form.BitBtnCancel,    form.BitBtnDruckSetup,
                                    form.CheckBoxTabelle, form.BitBtnVorschau,
                                    form.BitBtnPdf,       form.BitBtnDruck};
        QWidget* from = form.BitBtnDruck;
        for (QWidget* next : round) {
            QTest::keyClick(from, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
            from = next;
        }
    });
    QVERIFY(run.opened);
    QVERIFY(f.fake.boxes.isEmpty());
    // Each command makes a fresh dialog and discards it when it closes.
    QVERIFY(f.w().findChildren<TGrafikForm*>().isEmpty());
    QVERIFY(runPrintDialog(f.w(), [](TGrafikForm&) {}).opened);
    QVERIFY(f.w().findChildren<TGrafikForm*>().isEmpty());
}

void TestPrintDialog::controlGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Bevel1") << "Bevel1" << QRect(18, 20, 441, 137);
    QTest::newRow("Bevel3") << "Bevel3" << QRect(18, 164, 441, 81);
    QTest::newRow("Bevel4") << "Bevel4" << QRect(18, 256, 441, 85);
    QTest::newRow("Bevel2") << "Bevel2" << QRect(18, 348, 441, 85);
    QTest::newRow("GroupBoxAktDrucker") << "GroupBoxAktDrucker" << QRect(32, 36, 413, 101);
    QTest::newRow("EditPrinter") << "EditPrinter" << QRect(44, 60, 385, 28);
    QTest::newRow("BitBtnDruckSetup") << "BitBtnDruckSetup" << QRect(48, 96, 381, 33);
    QTest::newRow("GroupBoxPrintMethod") << "GroupBoxPrintMethod" << QRect(32, 176, 413, 57);
    QTest::newRow("LabelPrintMethod") << "LabelPrintMethod" << QRect(20, 24, 381, 19);
    QTest::newRow("BitBtnDruck") << "BitBtnDruck" << QRect(56, 368, 161, 37);
    QTest::newRow("BitBtnCancel") << "BitBtnCancel" << QRect(256, 368, 161, 37);
}

void TestPrintDialog::controlGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    // At a large screen too: the print dialog is never scaled.
    MainWindowFixture f(30);
    f.fake.screen = QSize(1920, 1200);
    QRect found;
    runPrintDialog(f.w(), [&](TGrafikForm& form) {
        QWidget* control = form.findChild<QWidget*>(name);
        QVERIFY(control);
        found = control->geometry();
    });
    QCOMPARE(found, geometry);
}

void TestPrintDialog::printMethodFromSettings_data()
{
    QTest::addColumn<QByteArray>("farbDruck"); // the line in the settings file
    QTest::addColumn<QString>("label");
    QTest::newRow("colour") << QByteArray("FarbDruck=1\n") << "Farbdruck";
    QTest::newRow("black and white") << QByteArray("FarbDruck=0\n") << "Schwarz / Weiß";
    QTest::newRow("absent: colour") << QByteArray() << "Farbdruck";
    QTest::newRow("any other number: colour") << QByteArray("FarbDruck=2\n") << "Farbdruck";
}

void TestPrintDialog::printMethodFromSettings()
{
    QFETCH(QByteArray, farbDruck);
    QFETCH(QString, label);
    MainWindowFixture f(QByteArray("[Einstellungen]\nMaximum=30\n") + farbDruck +
                            QByteArray("[Teststring]\nDatei=Vorhanden\n"),
                        true);
    QString shown;
    runPrintDialog(f.w(), [&](TGrafikForm& form) { shown = form.LabelPrintMethod->text(); });
    QCOMPARE(shown, label);
}

void TestPrintDialog::glucoseBox_data()
{
    QTest::addColumn<int>("source");        // 0: none set, 1: one without data, 2: one with data
    QTest::addColumn<QByteArray>("stored"); // the line in the settings file, if any
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");
    const QByteArray on("Glukoseprofil=1\n");
    QTest::newRow("no glucose data, stored on") << 0 << on << false << false;
    QTest::newRow("a source without data, stored on") << 1 << on << false << false;
    QTest::newRow("data, absent") << 2 << QByteArray() << true << false;
    QTest::newRow("data, stored on") << 2 << on << true << true;
}

// "Glukoseprofil drucken" can be ticked only while glucose data is loaded;
// it shows the setting without writing it, a click writes it at once and
// the next print starts with it.
void TestPrintDialog::glucoseBox()
{
    QFETCH(int, source);
    QFETCH(QByteArray, stored);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);
    MainWindowFixture f(setUpSettings(30).replace("Verzeichnis=\n", "Verzeichnis=\n" + stored),
                        true);
    if (source > 0)
        f.w().printing().setGlucoseSource(
            [source] { return source == 2 ? std::optional(hourlyRises(3)) : std::nullopt; });
    const QByteArray before = f.home.read();
    QList<bool> shown; // enabled and checked, as opened and as reopened
    for (int run = 0; run < 2; ++run) {
        runPrintDialog(f.w(), [&](TGrafikForm& form) {
            auto* box = form.findChild<QCheckBox*>(QStringLiteral("CheckBoxGlukose"));
            shown << box->isEnabled() << box->isChecked();
            if (run == 0)
                QCOMPARE(f.home.read(), before); // shown, not written
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        });
    }
    QCOMPARE(shown, (QList<bool>{enabled, checked, enabled, enabled != checked}));
    if (enabled)
        QVERIFY(f.home.read().contains(checked ? "Glukoseprofil=1" : "Glukoseprofil=0"));
    else
        QCOMPARE(f.home.read(), before);
}

void TestPrintDialog::closingWithoutPrinting_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Escape") << true;
    QTest::newRow("Abbrechen") << false;
}

void TestPrintDialog::closingWithoutPrinting()
{
    QFETCH(bool, escape);
    MainWindowFixture f(30);
    f.fake.printerOutput = m_dir.filePath(QStringLiteral("closing.pdf"));
    QFile::remove(f.fake.printerOutput);
    const DialogRun run = runPrintDialog(f.w(), [&](TGrafikForm& form) {
        if (escape)
            QTest::keyClick(form.BitBtnDruck, Qt::Key_Escape);
        else
            QTest::mouseClick(form.BitBtnCancel, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
    });
    QVERIFY(run.opened);
    QVERIFY(!run.openAfter);
    QVERIFY(!QFile::exists(f.fake.printerOutput));
    QVERIFY(f.fake.boxes.isEmpty());
}

void TestPrintDialog::setupRefreshesPrinterName_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<bool>("printerChanges");
    QTest::addColumn<QString>("shown");
    QTest::newRow("confirmed, other printer") << true << true << "Tintenstrahler";
    QTest::newRow("confirmed, same printer") << true << false << "Laserdrucker";
    QTest::newRow("cancelled, same printer") << false << false << "Laserdrucker";
    QTest::newRow("cancelled, but the printer changed") << false << true << "Tintenstrahler";
}

void TestPrintDialog::setupRefreshesPrinterName()
{
    QFETCH(bool, confirmed);
    QFETCH(bool, printerChanges);
    QFETCH(QString, shown);
    MainWindowFixture f(30);
    f.fake.onPrinterSetup = [&] {
        if (printerChanges)
            f.fake.printerName = QStringLiteral("Tintenstrahler");
        return confirmed;
    };
    QString before;
    QString after;
    const DialogRun run = runPrintDialog(f.w(), [&](TGrafikForm& form) {
        before = form.EditPrinter->text();
        QTest::mouseClick(form.BitBtnDruckSetup, Qt::LeftButton);
        after = form.EditPrinter->text();
    });
    QCOMPARE(before, QStringLiteral("Laserdrucker"));
    QCOMPARE(f.fake.printerSetups, 1);
    QCOMPARE(after, shown);
    // The setup never closes the print dialog.
    QVERIFY(run.openAfter);
}

void TestPrintDialog::noPrinterAtAll()
{
    MainWindowFixture f(30);
    f.fake.printerAvailable = false;
    const QString message = QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt.");
    const DialogRun run = runPrintDialog(f.w(), [&](TGrafikForm& form) {
        QCOMPARE(f.fake.boxes.size(), 1);
        QVERIFY(form.EditPrinter->text().isEmpty());
        QTest::mouseClick(form.BitBtnDruck, Qt::LeftButton);
    });
    QVERIFY(run.opened);
    // The opening and the press of "Drucken" each fail; the dialog stays.
    QCOMPARE(f.fake.events, (QStringList{QStringLiteral("failure:") + message,
                                         QStringLiteral("failure:") + message}));
    QVERIFY(f.fake.boxes[0].failure);
    QVERIFY(run.openAfter);
}

void TestPrintDialog::printsOnePage_data()
{
    QTest::addColumn<bool>("colour");
    QTest::newRow("colour") << true;
    QTest::newRow("black and white") << false;
}

void TestPrintDialog::printsOnePage()
{
    QFETCH(bool, colour);
    MainWindowFixture f(QByteArray("[Einstellungen]\nMaximum=30\nFarbDruck=") +
                            (colour ? "1" : "0") + QByteArray("\n[Teststring]\nDatei=Vorhanden\n"),
                        true);
    Form1UnderTest& w = f.w();
    enterProfile(w, workedRates());
    f.fake.printerOutput = m_dir.filePath(QStringLiteral("page-%1.pdf").arg(colour));
    QFile::remove(f.fake.printerOutput);
    const DialogRun run = runPrintDialog(
        w, [](TGrafikForm& form) { QTest::mouseClick(form.BitBtnDruck, Qt::LeftButton); });
    QVERIFY(run.opened);
    QVERIFY(!run.openAfter);
    QVERIFY(f.fake.boxes.isEmpty());

    const QString pdf = f.fake.printerOutput;
    QCOMPARE(pdfPages(pdf), 1);
    const QString text = pdfText(pdf);
    const QStringList expected = {QStringLiteral("Basalrate"),
                                  QStringLiteral("Programmiert am:"),
                                  QStringLiteral("08.12.2026"),
                                  QStringLiteral("Gedruckt am:"),
                                  QStringLiteral("Tagessumme der Basalrate:"),
                                  workedExampleTotal(),
                                  QStringLiteral("Bolus morgens:"),
                                  QStringLiteral("1,5:1"),
                                  QStringLiteral("Bolus mittags:"),
                                  QStringLiteral("k. A."),
                                  QStringLiteral("Bolus abends:"),
                                  QStringLiteral("1,2:1"),
                                  QStringLiteral("Uhr"),
                                  QStringLiteral("IE/h"),
                                  QStringLiteral("Notizen / Bemerkungen:"),
                                  QStringLiteral("Sport"),
                                  QStringLiteral("abends")};
    for (const QString& part : expected)
        QVERIFY2(text.contains(part), qPrintable(part));

    const int dpi = 127;
    const QImage page = pdfImage(pdf, dpi);
    if (colour) {
        verifyStepLine(page, printableOrigin(f.fake), dpi, 30, workedRates());
    } else {
        QVERIFY(!anyColour(page));
        const QPoint onLine = pagePixel(printableOrigin(f.fake), 185, -1140, dpi);
        QVERIFY(qGray(page.pixel(onLine)) < 80);
    }
}

void TestPrintDialog::printMethodReadWhenPrinting()
{
    // The dialog shows colour; the setting changes before "Drucken" is pressed.
    MainWindowFixture f(30);
    enterProfile(f.w(), workedRates());
    f.fake.printerOutput = m_dir.filePath(QStringLiteral("changed-method.pdf"));
    QString label;
    runPrintDialog(f.w(), [&](TGrafikForm& form) {
        label = form.LabelPrintMethod->text();
        f.home.write(QByteArray("[Einstellungen]\nMaximum=30\nFarbDruck=0\n"
                                "[Teststring]\nDatei=Vorhanden\n"));
        QTest::mouseClick(form.BitBtnDruck, Qt::LeftButton);
    });
    QCOMPARE(label, QStringLiteral("Farbdruck"));
    QVERIFY(!anyColour(pdfImage(f.fake.printerOutput, 50)));
}

void TestPrintDialog::pdfPrinterAsksForFile_data()
{
    QTest::addColumn<bool>("chosen");
    QTest::newRow("file chosen") << true;
    QTest::newRow("cancelled") << false;
}

void TestPrintDialog::pdfPrinterAsksForFile()
{
    QFETCH(bool, chosen);
    MainWindowFixture f(30);
    enterProfile(f.w(), workedRates());
    f.saveProfile(QStringLiteral("worked.bar"));
    f.fake.printerName = QStringLiteral("PDF-Datei");
    f.fake.printerToFile = true;
    const QString path = m_dir.filePath(QStringLiteral("Basalrate-%1.pdf").arg(chosen));
    QFile::remove(path);
    f.fake.chooseFile(chosen ? std::optional<QString>(path) : std::nullopt);

    QString shown;
    const DialogRun run = runPrintDialog(f.w(), [&](TGrafikForm& form) {
        shown = form.EditPrinter->text();
        QTest::mouseClick(form.BitBtnDruck, Qt::LeftButton);
    });
    QCOMPARE(shown, QStringLiteral("PDF-Datei"));
    QCOMPARE(f.fake.events, QStringList{QStringLiteral("save-dialog")});
    const FileDialogRequest& request = f.fake.fileDialogs.constFirst();
    QCOMPARE(request.filter, QStringLiteral("PDF-Dateien (*.pdf)"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("pdf"));
    QCOMPARE(request.proposedFile, f.home.path() + QStringLiteral("/worked.pdf"));
    QVERIFY(request.confirmOverwrite);
    QVERIFY(!request.fileMustExist);
    // Cancelling prints nothing and leaves the dialog open for another try.
    QCOMPARE(run.openAfter, !chosen);
    QCOMPARE(QFile::exists(path), chosen);
    if (chosen) {
        QCOMPARE(pdfPages(path), 1);
        QVERIFY(pdfText(path).contains(workedExampleTotal()));
    }
}

void TestPrintDialog::printerFailure_data()
{
    QTest::addColumn<int>("failAfter");
    QTest::addColumn<QString>("message"); // empty: the page goes out
    QTest::newRow("job can't begin") << 0 << "Der Druckauftrag kann nicht gestartet werden.";
    QTest::newRow("fails at the first stroke")
        << 1 << "Fehler beim Drucken, der Druckauftrag wurde abgebrochen.";
    QTest::newRow("fails in the chart")
        << 60 << "Fehler beim Drucken, der Druckauftrag wurde abgebrochen.";
    QTest::newRow("never fails") << INT_MAX << "";
}

void TestPrintDialog::printerFailure()
{
    QFETCH(int, failAfter);
    QFETCH(QString, message);
    MainWindowFixture f(30);
    enterProfile(f.w(), workedRates());
    FailingEngine engine(failAfter);
    FailingPrinter printer(&engine);
    f.fake.printer = &printer;
    const DialogRun run = runPrintDialog(
        f.w(), [](TGrafikForm& form) { QTest::mouseClick(form.BitBtnDruck, Qt::LeftButton); });
    if (message.isEmpty()) {
        QVERIFY(f.fake.boxes.isEmpty());
        QVERIFY(engine.sent);
        QVERIFY(!engine.aborted);
        QVERIFY(engine.calls > 100);
        QVERIFY(!run.openAfter);
        return;
    }
    QCOMPARE(f.fake.events, QStringList{QStringLiteral("failure:") + message});
    // No half page: the job was aborted before it ended, or never began.
    QVERIFY(!engine.sent);
    QCOMPARE(engine.aborted, failAfter > 0);
    // Drawing stops with the step during which the printer failed.
    if (failAfter > 0)
        QVERIFY(engine.calls >= failAfter && engine.calls <= failAfter + 1);
    QVERIFY(run.openAfter);
}

void TestPrintDialog::fileCannotBeWritten()
{
    MainWindowFixture f(30);
    const QString path = m_dir.filePath(QStringLiteral("kein/Ordner/seite.pdf"));
    f.fake.printerOutput = path;
    const DialogRun run = runPrintDialog(
        f.w(), [](TGrafikForm& form) { QTest::mouseClick(form.BitBtnDruck, Qt::LeftButton); });
    QCOMPARE(f.fake.events,
             QStringList{
                 QStringLiteral("failure:Die Datei %1 kann nicht geschrieben werden.").arg(path)});
    QVERIFY(run.openAfter);
}

void TestPrintDialog::printOutcome_data()
{
    QTest::addColumn<int>("failAfter"); // -1: Qt's PDF printer into a missing folder
    QTest::addColumn<int>("problem");
    QTest::newRow("job can't begin") << 0 << int(PrintOutcome::Problem::NotStarted);
    QTest::newRow("fails in the chart") << 60 << int(PrintOutcome::Problem::Aborted);
    QTest::newRow("never fails") << INT_MAX << int(PrintOutcome::Problem::None);
    QTest::newRow("file can't be written") << -1 << int(PrintOutcome::Problem::FileNotWritten);
}

// A printer that fails comes back as the outcome's problem, not as a throw.
void TestPrintDialog::printOutcome()
{
    QFETCH(int, failAfter);
    QFETCH(int, problem);
    FailingEngine engine(failAfter);
    FailingPrinter failing(&engine);
    QPrinter pdfPrinter(QPrinter::HighResolution);
    const QString path = m_dir.filePath(QStringLiteral("fehlt/seite.pdf"));
    pdfPrinter.setOutputFormat(QPrinter::PdfFormat);
    pdfPrinter.setOutputFileName(path);
    ReportInput input;
    input.maximum = 30;
    const PrintOutcome outcome = printReport(failAfter < 0 ? pdfPrinter : failing, input);
    QCOMPARE(int(outcome.problem), problem);
    QCOMPARE(outcome.printed(), problem == int(PrintOutcome::Problem::None));
    QCOMPARE(outcome.file, failAfter < 0 ? path : QString());
}

void TestPrintDialog::notesAsTheFieldShowsThem_data()
{
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("two lines") << "Sport\nabends"
                               << QStringList{QStringLiteral("Sport"), QStringLiteral("abends")};
    QTest::newRow("empty line kept")
        << "a\n\nb" << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")};
    QTest::newRow("trailing line break") << "Sport\n" << QStringList{QStringLiteral("Sport")};
}

void TestPrintDialog::notesAsTheFieldShowsThem()
{
    QFETCH(QString, notes);
    QFETCH(QStringList, lines);
    MainWindowFixture f(30);
    f.w().MemoNotizen->setPlainText(notes);
    QCOMPARE(shownLines(*f.w().MemoNotizen), lines);
}

void TestPrintDialog::wrappedNotesPrinted()
{
    MainWindowFixture f(30);
    NotesEdit* memo = f.w().MemoNotizen;
    const QString paragraph =
        QStringLiteral("Nach dem Sport am Abend die Rate um zwei Zehntel senken und den "
                       "Blutzucker vor dem Schlafen noch einmal messen");
    memo->setPlainText(paragraph);
    const QStringList lines = shownLines(*memo);
    // The field wraps the paragraph; together the rows are the paragraph.
    QVERIFY2(lines.size() > 1, qPrintable(lines.join(QLatin1Char('|'))));
    QCOMPARE(lines.join(QString()), paragraph);
    const QFontMetrics metrics(memo->font());
    for (const QString& line : lines)
        QVERIFY(metrics.horizontalAdvance(line.trimmed()) <= memo->viewport()->width());

    f.fake.printerOutput = m_dir.filePath(QStringLiteral("wrapped.pdf"));
    runPrintDialog(f.w(),
                   [](TGrafikForm& form) { QTest::mouseClick(form.BitBtnDruck, Qt::LeftButton); });
    // Each row is its own line on paper.
    const QStringList printed = pdfText(f.fake.printerOutput).split(QLatin1Char('\n'));
    for (const QString& line : lines)
        QVERIFY2(printed.contains(line.trimmed()), qPrintable(line));
}

void TestPrintDialog::hugeMaximumPrintsLikeAnOrdinaryProfile()
{
    // The largest maximum a loaded profile can raise it to: 99,9 IE/h.
    MainWindowFixture f(999);
    Form1UnderTest& w = f.w();
    std::array<int, 24> rates{};
    rates[0] = w.Maximum();
    enterProfile(w, rates);
    f.fake.printerOutput = m_dir.filePath(QStringLiteral("huge.pdf"));
    QElapsedTimer timer;
    timer.start();
    const DialogRun run = runPrintDialog(
        w, [](TGrafikForm& form) { QTest::mouseClick(form.BitBtnDruck, Qt::LeftButton); });
    QVERIFY(timer.elapsed() < 20000);
    QVERIFY(!run.openAfter);
    QVERIFY(f.fake.boxes.isEmpty());
    QVERIFY(QFileInfo(f.fake.printerOutput).size() < 200000);
    QCOMPARE(pdfPages(f.fake.printerOutput), 1);
    const QString text = pdfText(f.fake.printerOutput);
    QVERIFY(text.contains(QStringLiteral("99,9 IE")));
    // Hour 0 at the maximum lies on the top grid line.
    const QImage page = pdfImage(f.fake.printerOutput, 127);
    QVERIFY(isBlue(page.pixel(pagePixel(printableOrigin(f.fake), 185, -700, 127))));
}

QTEST_MAIN(TestPrintDialog)
#include "tst_printdialog.moc"

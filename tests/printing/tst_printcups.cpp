// Printing end to end through the system's print service: the test starts
// its own CUPS server with a cups-pdf queue as the default printer, prints
// through the real print dialog and the real platform, and reads the PDF that
// the queue writes. It needs root, as the cups-pdf backend does.

#include "platform/qtplatform.h"
#include "printcheck.h"
#include "support/mainwindowfixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

const QString kQueue = QStringLiteral("FendrimoTestPDF");

QString systemProgram(const QString& name)
{
    return QStandardPaths::findExecutable(
        name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
               QStringLiteral("/usr/local/sbin"), QStringLiteral("/usr/local/bin")});
}

bool writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

// Where cups-pdf puts the jobs of this user: "Out" of its settings, with
// ${HOME} and ${USER} of the job's owner.
QString cupsPdfFolder()
{
    const passwd* user = getpwuid(geteuid());
    const QString home = user ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath();
    const QString name = user ? QString::fromLocal8Bit(user->pw_name) : QString();
    QString folder = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile settings(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (settings.open(QIODevice::ReadOnly)) {
        static const QRegularExpression out(QStringLiteral("^\\s*Out\\s+(\\S.*)$"));
        for (const QString& line : QString::fromLocal8Bit(settings.readAll()).split('\n')) {
            const QRegularExpressionMatch match = out.match(line);
            if (match.hasMatch())
                folder = match.captured(1).trimmed();
        }
    }
    folder.replace(QLatin1String("${HOME}"), home);
    folder.replace(QLatin1String("${USER}"), name);
    return folder;
}

QSet<QString> pdfsIn(const QString& folder)
{
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    return QSet<QString>(names.cbegin(), names.cend());
}

} // namespace

class TestPrintCups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void defaultQueueIsTheActivePrinter();
    void printsThroughThePrintService();

private:
    bool runAdmin(const QStringList& arguments);
    QString errorLog() const;

    QTemporaryDir m_root;
    QProcess m_cupsd;
    QString m_socket;
    QString m_outFolder;
    QStringList m_printed;
};

void TestPrintCups::initTestCase()
{
    if (geteuid() != 0)
        QSKIP("The print service test starts its own CUPS server and needs root.");
    const QString cupsd = systemProgram(QStringLiteral("cupsd"));
    QVERIFY2(!cupsd.isEmpty(), "cupsd is missing: scripts/setup.sh installs cups");
    QVERIFY2(!systemProgram(QStringLiteral("lpadmin")).isEmpty(), "lpadmin is missing");
    const QString ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
    QVERIFY2(QFile::exists(ppd), "cups-pdf is missing: scripts/setup.sh installs it");

    // The server's filters run as the user lp and must reach the spool.
    QVERIFY(m_root.isValid());
    QFile::setPermissions(m_root.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                             QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                             QFileDevice::ExeOther);
    const QString root = m_root.path();
    QVERIFY(QDir().mkpath(root + QStringLiteral("/etc")));
    m_socket = root + QStringLiteral("/cups.sock");
    QVERIFY(writeFile(root + QStringLiteral("/etc/cupsd.conf"),
                      QStringLiteral("LogLevel info\n"
                                     "Listen %1\n"
                                     "Browsing No\n"
                                     "WebInterface No\n"
                                     "DefaultAuthType None\n"
                                     "ErrorPolicy abort-job\n"
                                     "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                     "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                     "  </Limit>\n</Policy>\n")
                          .arg(m_socket)));
    QVERIFY(writeFile(root + QStringLiteral("/etc/cups-files.conf"),
                      QStringLiteral("ServerRoot %1/etc\n"
                                     "RequestRoot %1/spool\n"
                                     "CacheDir %1/cache\n"
                                     "StateDir %1/run\n"
                                     "Printcap %1/run/printcap\n"
                                     "ErrorLog %1/error_log\n"
                                     "AccessLog %1/access_log\n"
                                     "PageLog %1/page_log\n"
                                     "SystemGroup root\n")
                          .arg(root)));

    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"),
                          root + QStringLiteral("/etc/cupsd.conf"), QStringLiteral("-s"),
                          root + QStringLiteral("/etc/cups-files.conf")});
    QVERIFY2(m_cupsd.waitForStarted(10000), qPrintable(m_cupsd.errorString()));
    QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(m_socket), qPrintable(errorLog()), 20000);

    // Everything of this process, Qt's print support included, asks this server.
    qputenv("CUPS_SERVER", m_socket.toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QVERIFY(runAdmin({QStringLiteral("-p"), kQueue, QStringLiteral("-E"), QStringLiteral("-v"),
                      QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), ppd}));
    QVERIFY(runAdmin({QStringLiteral("-d"), kQueue}));
    m_outFolder = cupsPdfFolder();
}

void TestPrintCups::cleanupTestCase()
{
    for (const QString& name : std::as_const(m_printed))
        QFile::remove(QDir(m_outFolder).filePath(name));
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000))
            m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
}

bool TestPrintCups::runAdmin(const QStringList& arguments)
{
    QProcess admin;
    admin.setProcessChannelMode(QProcess::MergedChannels);
    admin.start(systemProgram(QStringLiteral("lpadmin")), arguments);
    const bool ok = admin.waitForFinished(30000) && admin.exitStatus() == QProcess::NormalExit &&
                    admin.exitCode() == 0;
    if (!ok)
        qWarning("lpadmin %s: %s", qPrintable(arguments.join(' ')), admin.readAll().constData());
    return ok;
}

QString TestPrintCups::errorLog() const
{
    QFile log(m_root.filePath(QStringLiteral("error_log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll().right(4000))
                                         : QStringLiteral("(no error log)");
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
    const QSet<QString> before = pdfsIn(m_outFolder);

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
    QString pdf;
    QElapsedTimer waited;
    waited.start();
    while (pdf.isEmpty() && waited.elapsed() < 120000) {
        QTest::qWait(500);
        for (const QString& name : pdfsIn(m_outFolder) - before) {
            const QString path = QDir(m_outFolder).filePath(name);
            if (pdfPages(path) > 0) {
                m_printed.append(name);
                pdf = path;
            }
        }
    }
    QVERIFY2(!pdf.isEmpty(),
             qPrintable(QStringLiteral("no PDF in %1\n%2").arg(m_outFolder, errorLog())));

    QCOMPARE(pdfPages(pdf), 1);

    // The queue turns the job into PostScript and back, which loses the
    // text layer; so the page that arrives is compared, mark for mark, with
    // the page drawn straight into a PDF of the same layout, whose text is
    // readable.
    QPrinter* sent = real.activePrinter().printer;
    const QPointF origin = sent->pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    f.fake.printing = nullptr;
    f.fake.printerOutput = m_root.filePath(QStringLiteral("reference.pdf"));
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

QTEST_MAIN(TestPrintCups)
#include "tst_printcups.moc"

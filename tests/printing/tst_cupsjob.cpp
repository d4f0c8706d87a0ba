// The print service's library, loaded for a job only: the program starts
// without it, and a job whose library can't be had is refused with the reason.

#include "printing/cupsjob.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace fendrimo;

namespace {

const QByteArray kPdf("%PDF-1.4");

bool libcupsMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libcups.so");
}

} // namespace

class TestCupsJob : public QObject
{
    Q_OBJECT

private slots:
    void loadsLibcupsForAJobOnly();
    void libraryThatCantBeLoaded_data();
    void libraryThatCantBeLoaded();
};

void TestCupsJob::loadsLibcupsForAJobOnly()
{
    QVERIFY(!libcupsMapped());
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    qputenv("CUPS_SERVER", folder.filePath(QStringLiteral("no-print-service.sock")).toUtf8());
    const CupsSubmission submission = submitPdf(QStringLiteral("AnyQueue"), kPdf, {});
    // The service's own answer: the library was there to ask it.
    QVERIFY2(submission.refusal.contains(QStringLiteral("ist nicht erreichbar")),
             qPrintable(submission.refusal));
    QVERIFY(libcupsMapped());
}

void TestCupsJob::libraryThatCantBeLoaded_data()
{
    QTest::addColumn<QString>("library");
    QTest::addColumn<QString>("named");
    QTest::newRow("missing") << "libfendrimo-missing.so.0"
                             << "libfendrimo-missing.so.0";
    QTest::newRow("without the print functions") << "libQt6Core.so.6"
                                                 << "cupsAddOption";
}

void TestCupsJob::libraryThatCantBeLoaded()
{
    QFETCH(QString, library);
    QFETCH(QString, named);
    const CupsSubmission submission =
        submitPdfThrough(library, QStringLiteral("AnyQueue"), kPdf, {});
    QVERIFY(!submission.ok());
    QVERIFY2(submission.refusal.startsWith(
                 QStringLiteral("der Druckdienst (libcups) lässt sich nicht laden: ")),
             qPrintable(submission.refusal));
    QVERIFY2(submission.refusal.contains(named), qPrintable(submission.refusal));
    QVERIFY(!submission.refusal.endsWith(QLatin1Char('.')));
}

QTEST_MAIN(TestCupsJob)
#include "tst_cupsjob.moc"

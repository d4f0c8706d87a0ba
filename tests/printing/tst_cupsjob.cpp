// The print service's library is loaded for a job, not at the start, and a
// job whose library can't be had is refused with the reason.

#include "printing/cupsjob.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace fendrimo;

static bool libcupsMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libcups.so");
}

class TestCupsJob : public QObject
{
    Q_OBJECT

private slots:
    void submission_data();
    void submission();
};

void TestCupsJob::submission_data()
{
    const QString cantLoad =
        QStringLiteral("^der Druckdienst \\(libcups\\) lässt sich nicht laden: ");
    QTest::addColumn<QString>("library");
    QTest::addColumn<QString>("refusal"); // a pattern
    QTest::newRow("missing") << "libfendrimo-missing.so.0"
                             << cantLoad + ".*libfendrimo-missing\\.so\\.0.*[^.]$";
    QTest::newRow("without the print functions")
        << "libQt6Core.so.6" << cantLoad + "libQt6Core\\.so\\.6 hat keine Funktion cupsAddOption$";
    // Last, as it stays loaded. No print service at CUPS_SERVER: only libcups can tell.
    QTest::newRow("libcups") << "libcups.so.2"
                             << "^der Druckdienst \\S+ ist nicht erreichbar$";
}

void TestCupsJob::submission()
{
    QFETCH(QString, library);
    QFETCH(QString, refusal);
    QVERIFY(!libcupsMapped());
    const CupsSubmission submission =
        submitPdfThrough(library, QStringLiteral("AnyQueue"), QByteArray("%PDF-1.4"), {});
    QVERIFY(!submission.ok());
    QVERIFY2(QRegularExpression(refusal).match(submission.refusal).hasMatch(),
             qPrintable(submission.refusal));
    QCOMPARE(libcupsMapped(), library == QLatin1String("libcups.so.2"));
}

QTEST_MAIN(TestCupsJob)
#include "tst_cupsjob.moc"

// The name proposed for a PDF of the report, after the profile's file.

#include "files/filename.h"
#include "printing/reportpdf.h"

#include <QtTest>

using namespace fendrimo;

class TestPdfName : public QObject
{
    Q_OBJECT

private slots:
    void proposedName_data();
    void proposedName();
};

void TestPdfName::proposedName_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("profileFile");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("file with a path") << "/home/a/pdf/"
                                      << "/home/a/bar/worked.bar"
                                      << "/home/a/pdf/worked.pdf";
    QTest::newRow("no file yet") << "/home/a/"
                                 << ""
                                 << "/home/a/Basalrate.pdf";
    QTest::newRow("several dots") << "/home/a/"
                                  << "/home/a/a.b.bar"
                                  << "/home/a/a.b.pdf";
    QTest::newRow("no suffix") << "/home/a/"
                               << "/home/a/worked"
                               << "/home/a/worked.pdf";
    QTest::newRow("folder without slash") << "/tmp"
                                          << "/home/a/worked.bar"
                                          << "/tmp/worked.pdf";
    QTest::newRow("no folder") << ""
                               << "/home/a/worked.bar"
                               << "worked.pdf";
    QTest::newRow("name not in UTF-8")
        << "/home/a/" << decodeFileName("/home/a/M\xfcller.bar") << "/home/a/M\u00fcller.pdf";
}

void TestPdfName::proposedName()
{
    QFETCH(QString, folder);
    QFETCH(QString, profileFile);
    QFETCH(QString, proposed);
    QCOMPARE(proposedPdfFile(folder, profileFile), proposed);
}

QTEST_MAIN(TestPdfName)
#include "tst_pdfname.moc"

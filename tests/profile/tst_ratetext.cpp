// Rate texts: whole tenths to the text the user reads.

#include "platform/regional.h"
#include "profile/zehntel.h"

#include <QtTest>

#include <limits>

using namespace fendrimo;

class TestRateText : public QObject
{
    Q_OBJECT

private slots:
    void zehntelText_data();
    void zehntelText();
    void followsRegionalSeparator();
};

void TestRateText::zehntelText_data()
{
    QTest::addColumn<qint64>("tenths");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::newRow("zero") << qint64(0) << "0"
                          << "0";
    QTest::newRow("one tenth") << qint64(1) << "0,1"
                               << "0.1";
    QTest::newRow("half") << qint64(5) << "0,5"
                          << "0.5";
    QTest::newRow("whole: no trailing zero") << qint64(10) << "1"
                                             << "1";
    QTest::newRow("2,3") << qint64(23) << "2,3"
                         << "2.3";
    QTest::newRow("2,5") << qint64(25) << "2,5"
                         << "2.5";
    QTest::newRow("thirty") << qint64(300) << "30"
                            << "30";
    QTest::newRow("daily total 28,8") << qint64(288) << "28,8"
                                      << "28.8";
    QTest::newRow("no thousands separator") << qint64(123456) << "12345,6"
                                            << "12345.6";
    QTest::newRow("int32 max") << qint64(2147483647) << "214748364,7"
                               << "214748364.7";
    QTest::newRow("beyond 32 bits") << qint64(24) * 2147483640 << "5153960736"
                                    << "5153960736";
    QTest::newRow("negative keeps its sign") << qint64(-15) << "-1,5"
                                             << "-1.5";
    QTest::newRow("negative whole") << qint64(-100) << "-10"
                                    << "-10";
    QTest::newRow("9,9 to 10: one more digit") << qint64(99) << "9,9"
                                               << "9.9";
    QTest::newRow("100") << qint64(1000) << "100"
                         << "100";
    QTest::newRow("99999,9") << qint64(999999) << "99999,9"
                             << "99999.9";
    QTest::newRow("int64 max") << std::numeric_limits<qint64>::max() << "922337203685477580,7"
                               << "922337203685477580.7";
    QTest::newRow("int64 min") << std::numeric_limits<qint64>::min() << "-922337203685477580,8"
                               << "-922337203685477580.8";
}

void TestRateText::zehntelText()
{
    QFETCH(qint64, tenths);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    QCOMPARE(ZehntelText(tenths, QLatin1Char(',')), comma);
    QCOMPARE(ZehntelText(tenths, QLatin1Char('.')), point);
}

void TestRateText::followsRegionalSeparator()
{
    RegionalFormats::setCurrent(
        RegionalFormats::fromLocale(QLocale(QLocale::German, QLocale::Germany)));
    QCOMPARE(ZehntelText(25), QStringLiteral("2,5"));
    RegionalFormats::setCurrent(
        RegionalFormats::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates)));
    QCOMPARE(ZehntelText(25), QStringLiteral("2.5"));
}

QTEST_APPLESS_MAIN(TestRateText)
#include "tst_ratetext.moc"

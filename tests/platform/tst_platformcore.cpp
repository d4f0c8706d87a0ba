// MulDiv rounding and the regional date and time texts.

#include "platform/muldiv.h"
#include "platform/regional.h"

#include <QtTest>

using namespace fendrimo;

class TestPlatformCore : public QObject
{
    Q_OBJECT

private slots:
    void mulDiv_data();
    void mulDiv();
    void regionalTexts_data();
    void regionalTexts();
};

void TestPlatformCore::mulDiv_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("expected");
    QTest::newRow("window width at 800") << 934 << 800 << 1024 << 730; // 729.69
    QTest::newRow("window height at 600") << 606 << 600 << 768 << 473; // 473.44
    QTest::newRow("identity at 1024") << 849 << 1024 << 1024 << 849;
    QTest::newRow("half rounds up") << 1 << 1 << 2 << 1;                 // 0.5
    QTest::newRow("half of 3 rounds up") << 3 << 1 << 2 << 2;            // 1.5
    QTest::newRow("negative half away from zero") << -3 << 1 << 2 << -2; // -1.5
    QTest::newRow("below half rounds down") << 38 << 800 << 1024 << 30;  // 29.69 -> 30
    QTest::newRow("needs 64 bits") << 2000000000 << 3 << 4 << 1500000000;
    QTest::newRow("overflow") << 2000000000 << 2 << 1 << -1;
    QTest::newRow("divide by zero") << 5 << 5 << 0 << -1;
    QTest::newRow("negative divisor") << 10 << 3 << -4 << -8; // -7.5
}

void TestPlatformCore::mulDiv()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, expected);
    QCOMPARE(MulDiv(a, b, c), expected);
}

void TestPlatformCore::regionalTexts_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QChar>("decimal");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "08.12.2026"
                            << "17:05:09" << QChar(u',');
    QTest::newRow("Austrian") << QLocale(QLocale::German, QLocale::Austria) << "08.12.2026"
                              << "17:05:09" << QChar(u',');
    QTest::newRow("US English") << QLocale(QLocale::English, QLocale::UnitedStates) << "12/8/2026"
                                << "5:05:09 PM" << QChar(u'.');
}

void TestPlatformCore::regionalTexts()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QChar, decimal);
    const RegionalFormats formats = RegionalFormats::fromLocale(locale);
    QCOMPARE(formats.shortDate(QDate(2026, 12, 8)), date);
    // Qt's own long time format carries a time zone; ours must not.
    QCOMPARE(formats.longTime(QTime(17, 5, 9)), time);
    QCOMPARE(formats.decimalSeparator, decimal);
}

QTEST_APPLESS_MAIN(TestPlatformCore)
#include "tst_platformcore.moc"

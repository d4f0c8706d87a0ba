// Tables (CSV): time styles, separators, quotes, byte-order mark and line
// ends, rounding to tenths, the refusals naming lines and hours, and the
// written table.

#include "exchange/exchange.h"

#include <QtTest>

#include <functional>

using namespace fendrimo;

namespace {

// 24 lines, one per hour, after the head, each ended by eol.
QByteArray table(const std::function<QString(int)>& line, const QByteArray& head = {},
                 const QByteArray& eol = "\n")
{
    QByteArray text = head;
    for (int h = 0; h < 24; ++h)
        text += line(h).toUtf8() + eol;
    return text;
}

QString hh(int hour)
{
    return QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'));
}

// "06:00;1" for each hour, rate at hour 6.
QByteArray withRateAt6(const QString& rate)
{
    return table([&](int h) { return hh(h) + ":00;" + (h == 6 ? rate : "1"); });
}

} // namespace

class TestExchangeCsv : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void refused_data();
    void refused();
    void written_data();
    void written();
    void writtenInLayout_data();
    void writtenInLayout();
};

void TestExchangeCsv::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<qint32>("rate"); // at 6 to 7 Uhr
    QTest::addColumn<QList<int>>("adjusted");
    QTest::newRow("06:00;0,8 with header")
        << table([](int h) { return hh(h) + ":00;0,8"; }, "Uhrzeit;Basalrate (IE/h)\n") << 8
        << QList<int>{};
    QTest::newRow("hour only, tab, point")
        << table([](int h) { return QString::number(h) + "\t1.2"; }) << 12 << QList<int>{};
    QTest::newRow("6:00 and rate quoted")
        << table([](int h) { return '"' + QString::number(h) + ":00\";\"0,8\""; }) << 8
        << QList<int>{};
    QTest::newRow("comma between fields, point in numbers")
        << table([](int h) { return hh(h) + ":00,0.7"; }, "Uhrzeit,Rate\n") << 7 << QList<int>{};
    QTest::newRow("byte-order mark, CR LF, blank lines")
        << "\xEF\xBB\xBFUhrzeit;Rate\r\n\r\n" +
               table([](int h) { return hh(h) + ":00;2"; }, {}, "\r\n\r\n")
        << 20 << QList<int>{};
    QTest::newRow("Windows-1252 header")
        << table([](int h) { return hh(h) + ":00;0,3"; }, "St\xFCndlich;IE/h\n") << 3
        << QList<int>{};
    QTest::newRow("hours backwards")
        << table([](int h) { return hh(23 - h) + ":00;" + QString::number(23 - h); }) << 60
        << QList<int>{};
    QTest::newRow("0,85 rounds to 0,9") << withRateAt6("0,85") << 9 << QList<int>{6};
    QTest::newRow("0,25 goes up, not to even") << withRateAt6("0.25") << 3 << QList<int>{6};
    QTest::newRow("0,049 raised to 0,1") << withRateAt6("0,049") << 1 << QList<int>{6};
    QTest::newRow("0 stays 0") << withRateAt6("0,00") << 0 << QList<int>{};
}

void TestExchangeCsv::read()
{
    QFETCH(QByteArray, file);
    QFETCH(qint32, rate);
    QFETCH(QList<int>, adjusted);
    const ImportOutcome outcome = readCsv(file);
    QVERIFY2(outcome.profile, qPrintable(outcome.error));
    QCOMPARE(outcome.profile->rates[6], rate);
    QCOMPARE(outcome.profile->adjustedHours, adjusted);
}

void TestExchangeCsv::refused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    const auto without = [](QList<int> gone) {
        return table([&](int h) { return gone.contains(h) ? QString() : hh(h) + ":00;1"; });
    };
    QTest::newRow("hour twice") << "Uhrzeit;Rate\n" + withRateAt6("1") + "6;2\n"
                                << "Zeile 26: Die Stunde 6 bis 7 Uhr kommt zweimal vor.";
    QTest::newRow("hour 3 missing") << without({3}) << "Es fehlen Stunden: 3 bis 4 Uhr.";
    QTest::newRow("runs missing") << without({3, 10, 11})
                                  << "Es fehlen Stunden: 3 bis 4 Uhr, 10 bis 12 Uhr.";
    QTest::newRow("24:00") << withRateAt6("1") + "24:00;1\n"
                           << R"(Zeile 25: "24:00" ist keine volle Stunde von 0 bis 23.)";
    QTest::newRow("06:30") << "06:30;1\n" + withRateAt6("1")
                           << R"(Zeile 1: "06:30" ist keine volle Stunde von 0 bis 23.)";
    QTest::newRow("three fields") << withRateAt6("0,8;x")
                                  << "Zeile 7: Erwartet werden zwei Felder, Uhrzeit und "
                                     "Basalrate; die Zeile hat 3.";
    QTest::newRow("decimal comma between commas")
        << table([](int h) { return hh(h) + ":00,0,8"; }) << "Zeile 1: Erwartet werden zwei";
    QTest::newRow("negative") << withRateAt6("-0,2") << R"(Zeile 7: Rate "-0,2" ist negativ.)";
    QTest::newRow("no number") << withRateAt6("abc") << R"(Zeile 7: Rate "abc" ist keine Zahl.)";
    QTest::newRow("no exponent in tables") << withRateAt6("1e1") << R"(Rate "1e1" ist keine Zahl.)";
    QTest::newRow("empty file") << QByteArray() << "Die Tabelle enthält keine Basalraten.";
    QTest::newRow("too large") << QByteArray(kLargestExchangeFile + 1, '\n') << "größer als 10 MB";
}

void TestExchangeCsv::refused()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    const ImportOutcome outcome = readCsv(file);
    QVERIFY(!outcome.profile);
    QVERIFY2(outcome.error.contains(message), qPrintable(outcome.error));
}

void TestExchangeCsv::written_data()
{
    QTest::addColumn<qint32>("rate");
    QTest::addColumn<QString>("line");
    QTest::newRow("0,8") << 8 << "06:00;0,8";
    QTest::newRow("largest") << 2147483640 << "06:00;214748364";
}

void TestExchangeCsv::written()
{
    QFETCH(qint32, rate);
    QFETCH(QString, line);
    HourlyRates rates{};
    rates[6] = rate;
    const QByteArray file = writeCsv(rates);
    QVERIFY(file.startsWith("\xEF\xBB\xBFUhrzeit;Basalrate (IE/h)\r\n00:00;0\r\n"));
    const QStringList lines = QString::fromUtf8(file.mid(3)).split("\r\n");
    QCOMPARE(lines.size(), 26); // header, 24 hours, nothing after the last CR LF
    QCOMPARE(lines[7], line);
    QVERIFY(lines.last().isEmpty());
}

void TestExchangeCsv::writtenInLayout_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QChar>("regionalDecimal");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("line");
    QTest::newRow("German whatever the region") << "de" << QChar('.') << "Uhrzeit;Basalrate (IE/h)"
                                                << "06:00;1,2";
    QTest::newRow("English, decimal comma") << "en" << QChar(',') << "Time;Basal rate (U/h)"
                                            << "06:00;1,2";
    QTest::newRow("English, decimal point") << "en" << QChar('.') << "Time,Basal rate (U/h)"
                                            << "06:00,1.2";
    QTest::newRow("English, Arabic decimal separator")
        << "en" << QChar(0x066B) << "Time,Basal rate (U/h)"
        << "06:00,1.2";
}

// Each layout is read back by the import to the same rates.
void TestExchangeCsv::writtenInLayout()
{
    QFETCH(QString, language);
    QFETCH(QChar, regionalDecimal);
    QFETCH(QString, header);
    QFETCH(QString, line);
    HourlyRates rates{};
    rates.fill(8);
    rates[6] = 12;
    const QByteArray file =
        writeCsv(rates, language == "de" ? germanCsvLayout() : englishCsvLayout(regionalDecimal));
    const QStringList lines = QString::fromUtf8(file.mid(3)).split("\r\n");
    QCOMPARE(lines[0], header);
    QCOMPARE(lines[7], line);
    const ImportOutcome back = readCsv(file);
    QVERIFY2(back.profile, qPrintable(back.error));
    QCOMPARE(back.profile->rates, rates);
}

QTEST_APPLESS_MAIN(TestExchangeCsv)
#include "tst_exchangecsv.moc"

// OpenAPS basal_profile.json: entries at any minute, "minutes" as the time
// with "start" only checked against it, the hours before the first entry,
// autotune's result, the refusals, and the written list per change of rate.

#include "exchange/exchange.h"
#include "seeds.h"

#include <QtTest>

using namespace fendrimo;

class TestOpenAps : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void autotune_data();
    void autotune();
    void refused_data();
    void refused();
    void written_data();
    void written();
};

void TestOpenAps::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("hour");
    QTest::addColumn<qint32>("rate");
    QTest::addColumn<QList<int>>("adjusted");
    QTest::addColumn<QStringList>("notices");
    QTest::newRow("oref0 example")
        << QByteArray(R"([{"i":0,"start":"00:00:00","minutes":0,"rate":0.8},
        {"i":1,"start":"06:00:00","minutes":360,"rate":1.2}])")
        << 6 << 12 << QList<int>{} << QStringList{};
    QTest::newRow("half hour, minutes as text, no start")
        << QByteArray(R"([{"minutes":"0","rate":0.8},{"minutes":"390","rate":"0.9"}])") << 6 << 9
        << QList<int>{6} << QStringList{};
    QTest::newRow("out of order, i ignored, first at 02:00: before it the last")
        << QByteArray(R"([{"i":0,"minutes":600,"rate":1},{"i":0,"minutes":120,"rate":2}])") << 0
        << 10 << QList<int>{}
        << QStringList{"0 bis 2 Uhr: vom letzten Eintrag des Tages übernommen."};
    QTest::newRow("first at 02:30: the hour 2 to 3 half the last, half the first")
        << QByteArray(R"([{"minutes":150,"rate":1},{"minutes":1200,"rate":0.6}])") << 2 << 8
        << QList<int>{2}
        << QStringList{"0 bis 3 Uhr: bis 02:30 vom letzten Eintrag des Tages übernommen."};
    QTest::newRow("0,04 raised in the last minute's hour")
        << QByteArray(R"([{"minutes":0,"rate":0},{"minutes":1439,"rate":2.4}])") << 23 << 1
        << QList<int>{23} << QStringList{};
}

void TestOpenAps::read()
{
    QFETCH(QByteArray, file);
    QFETCH(int, hour);
    QFETCH(qint32, rate);
    QFETCH(QList<int>, adjusted);
    QFETCH(QStringList, notices);
    const ImportOutcome outcome = readOpenAps(file, RegionalFormats());
    QVERIFY2(outcome.profile, qPrintable(outcome.error));
    QCOMPARE(outcome.profile->rates.at(size_t(hour)), rate);
    QCOMPARE(outcome.profile->adjustedHours, adjusted);
    QCOMPARE(outcome.profile->rateNotices, notices);
    QVERIFY(!outcome.profile->hasBolus);
    QVERIFY(outcome.profile->datum.isEmpty() && outcome.profile->profileName.isEmpty());
}

void TestOpenAps::autotune_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<qint32>>("rates"); // at 0, 1, 4 and 23 to 24 Uhr
    QTest::addColumn<QList<int>>("untuned");  // the same hours
    QTest::addColumn<QStringList>("bolus");   // none: the fields stay
    QTest::newRow("oref0, 24 rates of three decimals, carb ratio 11.4")
        << fuzzSeed("fuzz_openaps/autotune-profile.json") << QList<qint32>{8, 9, 1, 9}
        << QList<int>{0, 1, 1, 2} << QStringList{"1.1", "1.1", "1.1"};
    QTest::newRow("AndroidAPS, no i, each entry's untuned for the hours it covers")
        << fuzzSeed("fuzz_openaps/autotune-two-entries-no-i.json") << QList<qint32>{10, 10, 8, 10}
        << QList<int>{0, 0, 2, 0} << QStringList{};
}

void TestOpenAps::autotune()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<qint32>, rates);
    QFETCH(QList<int>, untuned);
    QFETCH(QStringList, bolus);
    const ImportOutcome outcome = readOpenAps(file, RegionalFormats());
    QVERIFY2(outcome.profile, qPrintable(outcome.error));
    const ImportedProfile& p = *outcome.profile;
    QCOMPARE((QList<qint32>{p.rates[0], p.rates[1], p.rates[4], p.rates[23]}), rates);
    QCOMPARE((QList<int>{p.untunedDays[0], p.untunedDays[1], p.untunedDays[4], p.untunedDays[23]}),
             untuned);
    QCOMPARE((p.hasBolus ? QStringList{p.bolus[0], p.bolus[1], p.bolus[2]} : QStringList()), bolus);
}

void TestOpenAps::refused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("start disagrees")
        << QByteArray(R"([{"i":0,"start":"00:30:00","minutes":0,"rate":1}])")
        << R"(Eintrag 1: "start" "00:30:00" passt nicht zu "minutes" 0 (00:00).)";
    QTest::newRow("minute 1440")
        << QByteArray(R"([{"minutes":1440,"rate":1}])")
        << R"(Eintrag 1: "minutes" "1440" ist keine Minute von 0 bis 1439.)";
    QTest::newRow("minute 1.5") << QByteArray(R"([{"minutes":1.5,"rate":1}])")
                                << R"("minutes" "1.5" ist keine Minute)";
    QTest::newRow("negative rate")
        << QByteArray(R"([{"minutes":0,"rate":1},{"minutes":60,"rate":-0.1}])")
        << R"(Eintrag 2: Rate "-0.1" ist negativ.)";
    QTest::newRow("rate missing") << QByteArray(R"([{"minutes":0}])")
                                  << R"(Eintrag 1: Die Rate fehlt ("rate").)";
    QTest::newRow("same minute twice")
        << QByteArray(R"([{"minutes":0,"rate":1},{"minutes":"0","rate":2}])")
        << "Eintrag 2: Die Uhrzeit 00:00 kommt zweimal vor.";
    QTest::newRow("an object, not a list")
        << QByteArray(R"({"minutes":0,"rate":1})") << "Die Datei ist keine OpenAPS-Basalrate";
    QTest::newRow("empty list") << QByteArray("[]") << "Die Datei ist keine OpenAPS-Basalrate";
    QTest::newRow("autotune, untuned -1")
        << QByteArray(R"({"basalprofile":[{"minutes":0,"rate":1,"untuned":-1}]})")
        << R"(Eintrag 1 von "basalprofile": "untuned" "-1" ist keine Anzahl von Tagen.)";
    QTest::newRow("autotune, carb ratio as text")
        << QByteArray(R"({"basalprofile":[{"minutes":0,"rate":1}],"carb_ratio":"zehn"})")
        << R"("carb_ratio": Kohlenhydratfaktor "zehn" ist keine Zahl.)";
}

void TestOpenAps::refused()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    const ImportOutcome outcome = readOpenAps(file, RegionalFormats());
    QVERIFY(!outcome.profile);
    QVERIFY2(outcome.error.contains(message), qPrintable(outcome.error));
}

void TestOpenAps::written_data()
{
    QTest::addColumn<QList<int>>("changes"); // hours where the rate changes
    QTest::newRow("the same rate all day") << QList<int>{};
    QTest::newRow("changes at 6, 10 and 23") << QList<int>{6, 10, 23};
    QTest::newRow("every hour") << QList<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                              13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23};
}

void TestOpenAps::written()
{
    QFETCH(QList<int>, changes);
    HourlyRates rates{};
    for (int h = 0; h < 24; ++h)
        rates[size_t(h)] = 5 + 7 * int(std::count_if(changes.begin(), changes.end(),
                                                     [h](int c) { return c <= h; }));
    const QJsonArray entries = QJsonDocument::fromJson(writeOpenAps(rates)).array();
    QCOMPARE(entries.size(), changes.size() + 1);
    for (int i = 0; i < int(entries.size()); ++i) {
        const int hour = i == 0 ? 0 : changes[i - 1];
        const QJsonObject entry = entries[i].toObject();
        QCOMPARE(entry["i"].toInt(), i);
        QCOMPARE(entry["minutes"].toInt(), hour * 60);
        QCOMPARE(entry["start"].toString(), QTime(hour, 0).toString("HH:mm:ss"));
        QCOMPARE(entry["rate"].toDouble(), (5 + 7 * i) / 10.0);
    }
}

QTEST_APPLESS_MAIN(TestOpenAps)
#include "tst_openaps.moc"

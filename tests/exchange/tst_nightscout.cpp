// Nightscout profile documents: schedules to hourly rates (order, exact
// decimals, averaging, rounding), refusals, the choice of document and
// profile, bolus factors from carb ratios, the date, the web editor's shape,
// the profile after an import and the written document.

#include "exchange/exchange.h"

#include <QtTest>

#include <cstdlib>
#include <ctime>

using namespace fendrimo;

namespace {

RegionalFormats german()
{
    return RegionalFormats::fromLocale(QLocale(QLocale::German, QLocale::Germany));
}

// A dated document with profile "A" holding the basal list and further members.
QByteArray document(const QByteArray& basal, const QByteArray& more = {})
{
    return R"({"defaultProfile": "A", "startDate": "2026-12-08T10:00:00Z",)"
           R"( "store": {"A": {"basal": )" +
           basal + more + "}}}";
}

QList<int> allHours()
{
    QList<int> hours;
    for (int h = 0; h < 24; ++h)
        hours << h;
    return hours;
}

} // namespace

class TestNightscout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    void schedule_data();
    void schedule();
    void refused_data();
    void refused();
    void choice_data();
    void choice();
    void nameLedByByteOrderMark();
    void manyProfiles_data();
    void manyProfiles();
    void bolus_data();
    void bolus();
    void datum_data();
    void datum();
    void webEditorDocument();
    void imported_data();
    void imported();
    void written_data();
    void written();
};

void TestNightscout::schedule_data()
{
    QTest::addColumn<QByteArray>("basal");
    QTest::addColumn<int>("hour");
    QTest::addColumn<qint32>("rate");
    QTest::addColumn<QList<int>>("adjusted");
    QTest::newRow("one entry holds the day")
        << QByteArray(R"([{"time":"00:00","value":0.8}])") << 23 << 8 << QList<int>{};
    QTest::newRow("before the first entry at 06:00 the last holds")
        << QByteArray(R"([{"time":"06:00","value":1.2},{"time":"12:00","value":0.5}])") << 0 << 5
        << QList<int>{};
    QTest::newRow("entries out of order")
        << QByteArray(R"([{"time":"12:00","value":0.5},{"time":"00:00","value":1.2}])") << 12 << 5
        << QList<int>{};
    QTest::newRow("2.05 is 2,05 and rounds up")
        << QByteArray(R"([{"time":"00:00","value":2.05}])") << 3 << 21 << allHours();
    QTest::newRow("half hours 0.8 and 0.9 average to 0,9")
        << QByteArray(R"([{"time":"00:00","value":0.8},{"time":"00:30","value":0.9},)"
                      R"({"time":"01:00","value":0.8}])")
        << 0 << 9 << QList<int>{0};
    QTest::newRow("0,05 rounds to 0,1")
        << QByteArray(R"([{"time":"0:00","value":"0.05"}])") << 5 << 1 << allHours();
    QTest::newRow("0,04 raised to 0,1")
        << QByteArray(R"([{"time":"0:00","value":0.04}])") << 5 << 1 << allHours();
    QTest::newRow("H:MM:SS, 36 s of 1 before 2")
        << QByteArray(R"([{"time":"0:00","value":1},{"time":"06:00:36","value":2}])") << 6 << 20
        << QList<int>{6};
    QTest::newRow("timeAsSeconds without time")
        << QByteArray(R"([{"timeAsSeconds":"0","value":"1"},{"timeAsSeconds":21600,"value":2}])")
        << 6 << 20 << QList<int>{};
    QTest::newRow("same value twice is no mean")
        << QByteArray(R"([{"time":"00:00","value":1},{"time":"00:30","value":" 1.0 "}])") << 0 << 10
        << QList<int>{};
    QTest::newRow("exponent") << QByteArray(R"([{"time":"00:00","value":"15e-1"}])") << 0 << 15
                              << QList<int>{};
    QTest::newRow("24 decimals taken")
        << QByteArray(R"([{"time":"00:00","value":"0.100000000000000000000001"}])") << 0 << 1
        << allHours();
    QTest::newRow("largest rate") << QByteArray(R"([{"time":"00:00","value":214748364}])") << 9
                                  << 2147483640 << QList<int>{};
}

void TestNightscout::schedule()
{
    QFETCH(QByteArray, basal);
    QFETCH(int, hour);
    QFETCH(qint32, rate);
    QFETCH(QList<int>, adjusted);
    const ImportOutcome outcome = readNightscout(document(basal), german());
    QVERIFY2(outcome.profile, qPrintable(outcome.error));
    QCOMPARE(outcome.profile->rates.at(size_t(hour)), rate);
    QCOMPARE(outcome.profile->adjustedHours, adjusted);
    QVERIFY(!outcome.profile->hasBolus);
}

void TestNightscout::refused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("message");
    const QByteArray four = R"({"time":"00:00","value":1},{"time":"01:00","value":1},)"
                            R"({"time":"02:00","value":1},{"time":"03:00","value":1},)";
    QTest::newRow("not JSON") << QByteArray("{\"store\":") << QString()
                              << "Die Datei ist kein gültiges JSON.";
    QTest::newRow("too large") << QByteArray(kLargestExchangeFile + 1, ' ') << QString()
                               << "Die Datei ist größer als 10 MB und wird nicht gelesen.";
    QTest::newRow("empty array") << QByteArray("[]") << QString()
                                 << "Die Datei enthält kein Nightscout-Profil.";
    QTest::newRow("negative rate, entry 5")
        << document('[' + four + R"({"time":"04:00","value":-0.2}])") << QString()
        << R"(Eintrag 5 von "basal": Rate "-0.2" ist negativ.)";
    QTest::newRow("rate 0.8x") << document(R"([{"time":"00:00","value":"0.8x"}])") << QString()
                               << R"(Eintrag 1 von "basal": Rate "0.8x" ist keine Zahl.)";
    QTest::newRow("rate missing") << document(R"([{"time":"00:00"}])") << QString()
                                  << R"(Eintrag 1 von "basal": Der Wert fehlt ("value").)";
    QTest::newRow("25 decimals")
        << document(R"([{"time":"0:00","value":"0.1000000000000000000000001"}])") << QString()
        << "hat mehr als 24 Nachkommastellen.";
    QTest::newRow("above the largest rate")
        << document(R"([{"time":"0:00","value":214748364.1}])") << QString()
        << R"(Rate "214748364.1" ist größer als 214748364.)";
    QTest::newRow("24:00")
        << document(R"([{"time":"00:00","value":1},{"time":"24:00","value":1}])") << QString()
        << R"(Eintrag 2 von "basal": "24:00" ist keine Uhrzeit zwischen 00:00 und 23:59.)";
    QTest::newRow("timeAsSeconds 86400") << document(R"([{"timeAsSeconds":86400,"value":1}])")
                                         << QString() << R"("timeAsSeconds" "86400" ist keine)";
    QTest::newRow("duplicate time")
        << document(R"([{"time":"00:00","value":1},{"time":"06:00","value":1},)"
                    R"({"time":"6:00","value":2}])")
        << QString() << R"(Eintrag 3 von "basal": Die Uhrzeit 06:00 kommt zweimal vor.)";
    QTest::newRow("no basal") << QByteArray(R"({"store":{"A":{"dia":3}}})") << QString()
                              << R"(Das Profil "A" enthält keine Basalrate)";
    QTest::newRow("unknown profile")
        << document(R"([{"time":"00:00","value":1}])") << QStringLiteral("B")
        << R"(Die Datei enthält kein Profil "B".)";
    QTest::newRow("negative carb ratio")
        << document(R"([{"time":"00:00","value":1}])",
                    R"(,"carbratio":[{"time":"00:00","value":"-10"}])")
        << QString() << R"(Eintrag 1 von "carbratio": Kohlenhydratfaktor "-10" ist negativ.)";
    QTest::newRow("carb ratio times twice")
        << document(R"([{"time":"00:00","value":1}])",
                    R"(,"carbratio":[{"time":"00:00","value":9},{"time":"0:00","value":9}])")
        << QString() << R"(Eintrag 2 von "carbratio": Die Uhrzeit 00:00 kommt zweimal vor.)";
}

void TestNightscout::refused()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, profile);
    QFETCH(QString, message);
    const ImportOutcome outcome =
        profile.isNull() ? readNightscout(file, german()) : readNightscout(file, profile, german());
    QVERIFY(!outcome.profile);
    QVERIFY2(outcome.error.contains(message), qPrintable(outcome.error));
}

void TestNightscout::choice_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("preselected");
    QTest::addColumn<qint32>("rate"); // of the profile read without a name
    const auto profile = [](int value) {
        return QByteArray(R"({"basal":[{"time":"00:00","value":)") + QByteArray::number(value) +
               "}]}";
    };
    const auto dated = [&](const QByteArray& members, int value) {
        return '{' + members + R"(,"store":{"P":)" + profile(value) + "}}";
    };
    QTest::newRow("store order as in the file")
        << R"({"store":{"Zeta":)" + profile(1) + R"(,"Alpha":)" + profile(2) + "}}"
        << QStringList{"Zeta", "Alpha"} << 0 << 10;
    QTest::newRow("defaultProfile preselected")
        << R"({"defaultProfile":"Alpha","store":{"Zeta":)" + profile(1) + R"(,"Alpha":)" +
               profile(2) + "}}"
        << QStringList{"Zeta", "Alpha"} << 1 << 20;
    QTest::newRow("escaped name") << R"({"defaultProfile":"Spät","store":{"Sp\u00e4t":)" +
                                         profile(3) + "}}"
                                  << QStringList{QStringLiteral("Spät")} << 0 << 30;
    QTest::newRow("legacy document") << profile(4) << QStringList{"Default"} << 0 << 40;
    QTest::newRow("newest by startDate")
        << "[" +
               dated(R"("startDate":"2026-01-01T00:00:00Z","created_at":"2027-01-01T00:00:00Z")",
                     1) +
               "," +
               dated(
                   R"("startDate":"2026-06-01T00:00:00.000Z","created_at":"2020-01-01T00:00:00Z")",
                   2) +
               "]"
        << QStringList{"P"} << 0 << 20;
    QTest::newRow("newest by created_at")
        << "[" + dated(R"("created_at":"2026-06-01T00:00:00Z")", 1) + "," +
               dated(R"("created_at":"2026-01-01T00:00:00Z")", 2) + "]"
        << QStringList{"P"} << 0 << 10;
    QTest::newRow("newest by mills, number and text")
        << "[1," + dated(R"("mills":"1700000000000")", 1) + "," +
               dated(R"("mills":1800000000000)", 2) + "]"
        << QStringList{"P"} << 0 << 20;
    QTest::newRow("a profile named \"\" that isn't preselected")
        << R"({"defaultProfile":"A","store":{"":)" + profile(1) + R"(,"A":)" + profile(2) + "}}"
        << QStringList{"", "A"} << 1 << 20;
}

void TestNightscout::choice()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QFETCH(int, preselected);
    QFETCH(qint32, rate);
    const NamedProfiles profiles = nightscoutProfiles(file);
    QCOMPARE(profiles.error, QString());
    QCOMPARE(profiles.names, names);
    QCOMPARE(profiles.preselected, preselected);
    const ImportOutcome outcome = readNightscout(file, german());
    QVERIFY2(outcome.profile, qPrintable(outcome.error));
    QCOMPARE(outcome.profile->rates[0], rate);
    QCOMPARE(outcome.profile->profileName, names.at(preselected));
    for (const QString& name : names) {
        const ImportOutcome chosen = readNightscout(file, name, german());
        QVERIFY2(chosen.profile, qPrintable(chosen.error));
        QCOMPARE(chosen.profile->profileName, name);
    }
}

// Qt hands out a key without its leading U+FEFF but looks keys up with it:
// such a profile is still listed, and reads under the name it is listed by.
void TestNightscout::nameLedByByteOrderMark()
{
    const QByteArray file = "{\"store\":{\"\xEF\xBB\xBFNacht\":"
                            "{\"basal\":[{\"time\":\"00:00\",\"value\":0.7}]}}}";
    const NamedProfiles profiles = nightscoutProfiles(file);
    QCOMPARE(profiles.error, QString());
    QCOMPARE(profiles.names.size(), 1);
    for (const ImportOutcome& outcome :
         {readNightscout(file, german()), readNightscout(file, profiles.names[0], german())}) {
        QVERIFY2(outcome.profile, qPrintable(outcome.error));
        QCOMPARE(outcome.profile->rates[0], 7);
    }
}

void TestNightscout::manyProfiles_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("100,000 profiles, distinct") << 100000;
    QTest::newRow("50,000 profiles, each twice") << -50000;
}

// The choice list of a file with very many profiles comes in linear time: the
// window waits for it. A negative count writes each name twice (JSON keeps one).
void TestNightscout::manyProfiles()
{
    QFETCH(int, count);
    const int names = std::abs(count);
    QByteArray file = R"({"defaultProfile":"P)" + QByteArray::number(names - 1) + R"(","store":{)";
    for (int i = 0; i < names * (count < 0 ? 2 : 1); ++i) {
        file += (i == 0 ? "\"P" : ",\"P") + QByteArray::number(i % names) +
                R"(":{"basal":[{"time":"00:00","value":)" + QByteArray::number(i % 9 + 1) + "}]}";
    }
    file += "}}";
    QElapsedTimer timer;
    timer.start();
    const NamedProfiles profiles = nightscoutProfiles(file);
    const qint64 listed = timer.elapsed();
    QCOMPARE(profiles.names.size(), names);
    QCOMPARE(profiles.names.constLast(), QStringLiteral("P%1").arg(names - 1));
    QCOMPARE(profiles.preselected, names - 1);
    const ImportOutcome chosen =
        readNightscout(file, QStringLiteral("P%1").arg(names / 2), german());
    QVERIFY2(chosen.profile, qPrintable(chosen.error));
    // Even under the sanitizers; the quadratic reading took 109 s here.
    QVERIFY2(listed < 10000, qPrintable(QStringLiteral("%1 ms").arg(listed)));
    qInfo("fault | Nightscout file with %s | profiles listed in %lld ms (%.1f MB) | —",
          QTest::currentDataTag(), listed, double(file.size()) / 1e6);
}

void TestNightscout::bolus_data()
{
    QTest::addColumn<QByteArray>("ratios");
    QTest::addColumn<QStringList>("bolus");
    QTest::addColumn<QStringList>("notices");
    QTest::newRow("change at 07:00 counts for morgens")
        << QByteArray(R"([{"time":"00:00","value":10},{"time":"07:00","value":8},)"
                      R"({"time":"12:00","value":"12"},{"time":"18:00","value":6}])")
        << QStringList{"1,5", "1,0", "2,0"} << QStringList{};
    QTest::newRow("change at 07:01 does not")
        << QByteArray(R"([{"time":"00:00","value":10},{"time":"07:01","value":8}])")
        << QStringList{"1,2", "1,5", "1,5"} << QStringList{};
    QTest::newRow("12 / 11 rounded")
        << QByteArray(R"([{"time":"00:00","value":8},{"time":"06:30","value":11},)"
                      R"({"time":"08:00","value":8}])")
        << QStringList{"1,1", "1,5", "1,5"}
        << QStringList{"Bolus morgens: 12 g / 11 g je IE = 1,09… IE/BE, auf 1,1 gerundet."};
    QTest::newRow("12 / 9.6 = 1,25 goes up")
        << QByteArray(R"([{"time":"00:00","value":8},{"time":"17:00","value":9.6}])")
        << QStringList{"1,5", "1,5", "1,3"}
        << QStringList{"Bolus abends: 12 g / 9,6 g je IE = 1,25 IE/BE, auf 1,3 gerundet."};
    QTest::newRow("ratio 0 leaves the field empty")
        << QByteArray(R"([{"time":"00:00","value":8},{"time":"18:00","value":0}])")
        << QStringList{"1,5", "1,5", ""}
        << QStringList{"Bolus abends bleibt leer: Kohlenhydratfaktor 0 g je IE ist nicht "
                       "größer als 0."};
    QTest::newRow("before the first ratio at 08:00 the last holds")
        << QByteArray(R"([{"time":"08:00","value":10},{"time":"20:00","value":6}])")
        << QStringList{"2,0", "1,2", "1,2"} << QStringList{};
    QTest::newRow("factors beyond the field")
        << QByteArray(R"([{"time":"00:00","value":0.12},{"time":"12:00","value":250},)"
                      R"({"time":"18:00","value":0.1201}])")
        << QStringList{"", "", "99,9"}
        << QStringList{"Bolus morgens bleibt leer: 12 g / 0,12 g je IE ergibt mehr als 99,9 "
                       "IE/BE.",
                       "Bolus mittags bleibt leer: 12 g / 250 g je IE ergibt weniger als 0,1 "
                       "IE/BE.",
                       "Bolus abends: 12 g / 0,1201 g je IE = 99,91… IE/BE, auf 99,9 gerundet."};
}

void TestNightscout::bolus()
{
    QFETCH(QByteArray, ratios);
    QFETCH(QStringList, bolus);
    QFETCH(QStringList, notices);
    const QByteArray file = document(R"([{"time":"00:00","value":1}])", ",\"carbratio\":" + ratios);
    const ImportOutcome outcome = readNightscout(file, german());
    QVERIFY2(outcome.profile, qPrintable(outcome.error));
    QVERIFY(outcome.profile->hasBolus);
    const auto& read = outcome.profile->bolus;
    QCOMPARE((QStringList{read[0], read[1], read[2]}), bolus);
    QCOMPARE(outcome.profile->notices, notices);
}

void TestNightscout::datum_data()
{
    QTest::addColumn<QByteArray>("members"); // of the document, and of the profile
    QTest::addColumn<QByteArray>("inProfile");
    QTest::addColumn<QString>("datum");
    QTest::newRow("UTC evening is the next local day")
        << QByteArray() << QByteArray(R"(,"startDate":"2026-12-07T23:30:00.000Z")") << "08.12.2026";
    QTest::newRow("document's, without milliseconds")
        << QByteArray(R"("startDate":"2026-12-08T10:00:00Z",)") << QByteArray() << "08.12.2026";
    QTest::newRow("document's before profile's")
        << QByteArray(R"("startDate":"2026-12-08T10:00:00Z",)")
        << QByteArray(R"(,"startDate":"2025-03-01T10:00:00Z")") << "08.12.2026";
    QTest::newRow("the epoch is no date")
        << QByteArray(R"("startDate":"1970-01-01T00:00:00Z",)")
        << QByteArray(R"(,"startDate":"1970-01-01T00:00:00.000Z")") << "";
    QTest::newRow("unreadable") << QByteArray(R"("startDate":"gestern",)") << QByteArray() << "";
}

void TestNightscout::datum()
{
    QFETCH(QByteArray, members);
    QFETCH(QByteArray, inProfile);
    QFETCH(QString, datum);
    const QByteArray file =
        '{' + members + R"("store":{"A":{"basal":[{"time":"00:00","value":1}])" + inProfile + "}}}";
    const ImportOutcome outcome = readNightscout(file, german());
    QVERIFY2(outcome.profile, qPrintable(outcome.error));
    QCOMPARE(outcome.profile->datum, datum);
    QCOMPARE(outcome.profile->notices,
             datum.isEmpty() ? QStringList{"Das Datum bleibt, wie es ist: Die Datei nennt keines."}
                             : QStringList());
}

// As Nightscout's own profile editor stores a profile: half-hour entries,
// numbers as strings, further schedules Fendrimo doesn't read, the epoch as
// the profile's start date.
void TestNightscout::webEditorDocument()
{
    const QByteArray file = R"([{"_id":"6571","defaultProfile":"Alltag","store":{"Alltag":{
        "dia":"3","carbs_hr":"20","delay":"20","timezone":"UTC","units":"mg/dl",
        "startDate":"1970-01-01T00:00:00.000Z",
        "carbratio":[{"time":"00:00","value":"10","timeAsSeconds":"0"}],
        "sens":[{"time":"00:00","value":"40","timeAsSeconds":"0"}],
        "basal":[{"time":"00:00","value":"0.8","timeAsSeconds":"0"},
                 {"time":"05:30","value":"1.1","timeAsSeconds":"19800"},
                 {"time":"07:00","value":"1.0","timeAsSeconds":"25200"},
                 {"time":"21:30","value":"0.75","timeAsSeconds":"77400"}],
        "target_low":[{"time":"00:00","value":"90","timeAsSeconds":"0"}],
        "target_high":[{"time":"00:00","value":"140","timeAsSeconds":"0"}]}},
        "startDate":"2026-11-30T23:00:00.000Z","mills":"1796079600000","units":"mg/dl",
        "created_at":"2026-11-30T23:00:01.000Z"}])";
    const ImportOutcome outcome = readNightscout(file, german());
    QVERIFY2(outcome.profile, qPrintable(outcome.error));
    const ImportedProfile& p = *outcome.profile;
    QCOMPARE(p.rates[4], 8);
    QCOMPARE(p.rates[5], 10); // 0,95 halves up
    QCOMPARE(p.rates[6], 11);
    QCOMPARE(p.rates[21], 9); // 0,875
    QCOMPARE(p.rates[22], 8); // 0,75
    QCOMPARE(adjustedHoursNotice(p.adjustedHours),
             QStringLiteral("Gerundet oder gemittelt: 5 bis 6 Uhr, 21 bis 24 Uhr."));
    QCOMPARE(p.bolus[1], QStringLiteral("1,2"));
    QCOMPARE(p.profileName, QStringLiteral("Alltag"));
    QCOMPARE(p.sourceName, QStringLiteral("Nightscout-Profil \"Alltag\""));
    QCOMPARE(p.datum, QStringLiteral("01.12.2026"));
}

void TestNightscout::imported_data()
{
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    const QString from = QStringLiteral("Importiert aus Nightscout-Profil \"A\"");
    QTest::newRow("empty notes") << QString() << "A" << from;
    QTest::newRow("after a line break") << "Sport\r\nabends"
                                        << "A"
                                        << "Sport\r\nabends\r\n" + from;
    QTest::newRow("no name, no line") << "Sport" << QString() << "Sport";
    QTest::newRow("255 characters fit")
        << QString(217, 'x') << "A" << QString(217, 'x') + "\r\n" + from;
    QTest::newRow("256 don't") << QString(218, 'x') << "A" << QString(218, 'x');
    QTest::newRow("euro sign fits the code page")
        << ""
        << "€" << QStringLiteral("Importiert aus Nightscout-Profil \"€\"");
    QTest::newRow("name the code page can't hold") << "Sport"
                                                   << "日本"
                                                   << "Sport";
}

void TestNightscout::imported()
{
    QFETCH(QString, notes);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    ProfileContent before;
    before.rates.fill(5);
    before.bolus = {"1", "2", "3"};
    before.datum = "01.01.2020";
    before.notizen = notes;
    ImportedProfile imported;
    imported.rates.fill(7);
    imported.profileName = name;
    imported.bolus = {"", "4,5", ""};
    imported.hasBolus = !name.isEmpty();
    imported.datum = name.isEmpty() ? QString() : QStringLiteral("08.12.2026");
    const ProfileContent after = importedContent(before, imported);
    QCOMPARE(after.notizen, expected);
    QCOMPARE(after.rates, imported.rates);
    QCOMPARE(after.bolus, imported.hasBolus ? imported.bolus : before.bolus);
    QCOMPARE(after.datum, name.isEmpty() ? before.datum : imported.datum);
}

void TestNightscout::written_data()
{
    QTest::addColumn<QStringList>("bolus");
    QTest::addColumn<QString>("datum");
    QTest::addColumn<int>("ratios");
    QTest::addColumn<QString>("startDate");
    QTest::newRow("three factors, winter date")
        << QStringList{" 1,5 ", "1.0", "2"} << "08.12.2026" << 3 << "2026-12-07T23:00:00.000Z";
    QTest::newRow("a zero: no carb ratios, no such day")
        << QStringList{"0", "1", "1"} << "31.02.2026" << 0 << "2026-06-30T22:00:00.000Z";
}

void TestNightscout::written()
{
    QFETCH(QStringList, bolus);
    QFETCH(QString, datum);
    QFETCH(int, ratios);
    QFETCH(QString, startDate);
    ProfileContent content;
    content.rates.fill(8);
    content.bolus = {bolus[0], bolus[1], bolus[2]};
    content.datum = datum;
    const QDateTime now(QDate(2026, 7, 1), QTime(1, 30));
    const QByteArray file = writeNightscout(content, {now, "Europe/Berlin", german()});
    QVERIFY(file.contains("\"value\": 0.8\n"));
    const QJsonObject document = QJsonDocument::fromJson(file).object();
    QCOMPARE(document["startDate"].toString(), startDate);
    QCOMPARE(document["created_at"].toString(), QStringLiteral("2026-06-30T23:30:00.000Z"));
    const QJsonObject profile = document["store"]["Default"].toObject();
    QCOMPARE(profile.keys(), ratios ? QStringList({"basal", "carbratio", "timezone"})
                                    : QStringList({"basal", "timezone"}));
    QCOMPARE(profile["basal"].toArray().size(), 24);
    QCOMPARE(profile["basal"][23]["time"].toString(), QStringLiteral("23:00"));
    QCOMPARE(profile["basal"][23]["timeAsSeconds"].toInt(), 23 * 3600);
    QCOMPARE(profile["carbratio"].toArray().size(), ratios);
    if (ratios) {
        QCOMPARE(profile["carbratio"][1]["time"].toString(), QStringLiteral("11:00"));
        QCOMPARE(profile["carbratio"][2]["value"].toDouble(), 6.0);
    }
    const ImportOutcome back = readNightscout(file, german());
    QVERIFY2(back.profile, qPrintable(back.error));
    QCOMPARE(back.profile->hasBolus, ratios != 0);
}

QTEST_APPLESS_MAIN(TestNightscout)
#include "tst_nightscout.moc"

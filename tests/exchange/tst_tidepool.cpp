// Tidepool pump settings as Medtronic and Loop upload them and as Tidepool
// exports them: the schedules offered, their rates, the carb ratios by unit,
// the refusals.

#include "exchange/exchange.h"
#include "seeds.h"

#include <QtTest>

using namespace fendrimo;

class TestTidepool : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void refused_data();
    void refused();
};

void TestTidepool::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");   // the preselected first
    QTest::addColumn<QList<qint32>>("rates"); // at 0, 2, 8 and 17 to 18 Uhr
    QTest::addColumn<QStringList>("bolus");   // none: the fields stay
    QTest::addColumn<QString>("notice");      // the last
    const QByteArray medtronic = fuzzSeed("fuzz_tidepool/medtronic-multirate.json");
    const QStringList factors{"0.7", "0.7", "2.0"};
    const QString rounded = "Bolus mittags: 12 g / 17 g je IE = 0.70… IE/BE, auf 0.7 gerundet.";
    const char* active = R"("activeSchedule": "standard")";
    QTest::newRow("Medtronic, 02:30 and 17:30 averaged")
        << medtronic << QStringList{"standard", "pattern a"} << QList<qint32>{8, 8, 9, 9} << factors
        << rounded;
    QTest::newRow("Medtronic, a single 0 is a schedule")
        << QByteArray(medtronic).replace(active, R"("activeSchedule": "pattern a")")
        << QStringList{"pattern a", "standard"} << QList<qint32>{0, 0, 0, 0} << factors << rounded;
    QTest::newRow("Medtronic, the active schedule empty")
        << QByteArray(medtronic).replace(active, R"("activeSchedule": "pattern b")")
        << QStringList{"standard", "pattern a"} << QList<qint32>{8, 8, 9, 9} << factors
        << R"(Der aktive Basalplan "pattern b" fehlt oder hat keine Einträge; )"
           R"(gelesen wurde "standard".)";
    QTest::newRow("Medtronic in exchanges")
        << QByteArray(medtronic).replace("grams", "exchanges")
        << QStringList{"standard", "pattern a"} << QList<qint32>{8, 8, 9, 9} << QStringList{}
        << R"(Die Bolusfelder bleiben, wie sie sind: Die Kohlenhydratfaktoren sind in )"
           R"("exchanges" angegeben, nicht in Gramm je IE.)";
    QTest::newRow("Loop, 0.125 steps, carb ratios by schedule")
        << fuzzSeed("fuzz_tidepool/loop-multirate.json") << QStringList{"Default"}
        << QList<qint32>{10, 10, 11, 15} << QStringList{"1.2", "1.0", "1.5"} << QString();
}

void TestTidepool::read()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QFETCH(QList<qint32>, rates);
    QFETCH(QStringList, bolus);
    QFETCH(QString, notice);
    NamedProfiles offered = tidepoolSchedules(file);
    offered.names.move(offered.preselected, 0);
    QCOMPARE(offered.names, names);
    const ImportOutcome outcome = readTidepool(file, RegionalFormats());
    QVERIFY2(outcome.profile, qPrintable(outcome.error));
    const ImportedProfile& p = *outcome.profile;
    QCOMPARE((QList<qint32>{p.rates[0], p.rates[2], p.rates[8], p.rates[17]}), rates);
    QCOMPARE((p.hasBolus ? QStringList{p.bolus[0], p.bolus[1], p.bolus[2]} : QStringList()), bolus);
    const QStringList notices = p.notices + p.rateNotices;
    QCOMPARE(notices.isEmpty() ? QString() : notices.constLast(), notice);
}

void TestTidepool::refused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("no pump settings")
        << QByteArray(R"([{"type":"cbg","value":7.2}])")
        << R"(Die Datei enthält keine Tidepool-Pumpeneinstellungen ("type": "pumpSettings").)";
    QTest::newRow("start within a second")
        << fuzzSeed("fuzz_tidepool/refused-half-second.json")
        << R"(Eintrag 2 von Basalplan "A": "start" "500" ist keine volle Sekunde)";
}

void TestTidepool::refused()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    const ImportOutcome outcome = readTidepool(file, RegionalFormats());
    QVERIFY2(!outcome.profile && outcome.error.startsWith(message), qPrintable(outcome.error));
}

QTEST_APPLESS_MAIN(TestTidepool)
#include "tst_tidepool.moc"

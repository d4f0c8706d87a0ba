// What Fendrimo writes it reads back unchanged, in every format: random
// profiles, small and huge rates, one-decimal bolus factors and the date.
// Any source by its content: each shape recognised and read under its name,
// the one error for a file no reader takes. The time zone a Nightscout
// export names, or leaves out.

#include "exchange/formats.h"
#include "files/profilsatz.h"
#include "profile/zehntel.h"
#include "seeds.h"

#include <QtTest>

#include <cstdlib>
#include <ctime>

using namespace fendrimo;

using Format = std::optional<ExchangeFormat>;
Q_DECLARE_METATYPE(Format)

namespace {

constexpr qint32 kLargestHeld = 2147483640;

// Mostly everyday rates; every fifth profile spans the whole range, with
// the largest rate in it.
ProfileContent randomProfile(quint32 seed)
{
    QRandomGenerator random(seed);
    const bool huge = seed % 5 == 0;
    ProfileContent content;
    for (qint32& rate : content.rates)
        rate = huge ? qint32(random.bounded(quint32(kLargestHeld) + 1)) : random.bounded(60);
    if (huge)
        content.rates[random.bounded(24)] = kLargestHeld;
    for (QString& factor : content.bolus)
        factor = ZehntelText(1 + random.bounded(999), random.bounded(2) ? ',' : '.');
    content.datum = QDate(2000, 1, 1).addDays(random.bounded(36500)).toString("dd.MM.yyyy");
    return content;
}

// A file read for a comparison, at least a profile file's size: text that
// could be taken for 656 bytes of a profile if no reader recognised it.
QByteArray padded(QByteArray text)
{
    return text + QByteArray(std::max<qsizetype>(0, 700 - text.size()), ' ');
}

QByteArray utf16(const QByteArray& utf8, bool byteOrderMark)
{
    const QString text = QString::fromUtf8(utf8).remove(QChar(0xFEFF));
    const QByteArray bytes(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return byteOrderMark ? "\xFF\xFE" + bytes : bytes;
}

QByteArray profileFile(qint32 rate)
{
    Profilsatz record;
    for (int h = 0; h < Profilsatz::Hours; ++h)
        record.setRate(h, rate);
    return record.toBytes();
}

} // namespace

class TestExchangeRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "America/Sao_Paulo"); // midnight is UTC's 03:00
        tzset();
    }
    void roundTrip_data();
    void roundTrip();
    void recognised_data();
    void recognised();
    void timeZone_data();
    void timeZone();
};

void TestExchangeRoundTrip::roundTrip_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 300; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void TestExchangeRoundTrip::roundTrip()
{
    QFETCH(quint32, seed);
    const ProfileContent content = randomProfile(seed);
    const RegionalFormats formats = RegionalFormats::fromLocale(QLocale(QLocale::German));
    const ExportContext context{QDateTime(QDate(2026, 12, 8), QTime(12, 0)), "UTC", formats};
    const ImportOutcome outcomes[] = {readCsv(writeCsv(content.rates)),
                                      readOpenAps(writeOpenAps(content.rates), formats),
                                      readNightscout(writeNightscout(content, context), formats)};
    for (const ImportOutcome& outcome : outcomes) {
        QVERIFY2(outcome.profile, qPrintable(outcome.error));
        QCOMPARE(outcome.profile->rates, content.rates);
        QCOMPARE(outcome.profile->adjustedHours, QList<int>());
        QCOMPARE(outcome.profile->notices, QStringList());
    }
    const ImportedProfile& nightscout = *outcomes[2].profile;
    QVERIFY(nightscout.hasBolus);
    for (size_t i = 0; i < 3; ++i) {
        QString oneDecimal = content.bolus[i];
        oneDecimal.replace('.', ',');
        if (!oneDecimal.contains(','))
            oneDecimal += ",0";
        QCOMPARE(nightscout.bolus[i], oneDecimal);
    }
    QCOMPARE(nightscout.datum, content.datum);
}

void TestExchangeRoundTrip::recognised_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Format>("format");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("read"); // the source's name, else the error
    const QString none = "Die Datei ist weder ein Nightscout-Profil noch ein OpenAPS-Basalprofil, "
                         "ein Autotune-Ergebnis, Tidepool-Pumpeneinstellungen oder eine Tabelle: ";
    QTest::newRow("Nightscout document")
        << fuzzSeed("fuzz_nightscout/fendrimo-export.json") << Format(ExchangeFormat::Nightscout)
        << true << R"(Nightscout-Profil "Default")";
    QTest::newRow("Nightscout API answer, the second of two chosen")
        << fuzzSeed("fuzz_nightscout/web-editor-array.json") << Format(ExchangeFormat::Nightscout)
        << true << R"(Nightscout-Profil "Sport")";
    QTest::newRow("Nightscout, refused by its reader")
        << fuzzSeed("fuzz_nightscout/refused-negative.json") << Format(ExchangeFormat::Nightscout)
        << false << R"(Eintrag 2 von "basal": "24:00" ist keine Uhrzeit)";
    QTest::newRow("OpenAPS basal profile")
        << fuzzSeed("fuzz_openaps/basal_profile.json") << Format(ExchangeFormat::OpenAps) << true
        << "OpenAPS-Basalprofil";
    QTest::newRow("autotune result") << fuzzSeed("fuzz_openaps/autotune-profile.json")
                                     << Format(ExchangeFormat::OpenAps) << true << "Autotune";
    QTest::newRow("Tidepool pump settings, the second of two chosen")
        << fuzzSeed("fuzz_tidepool/medtronic-multirate.json") << Format(ExchangeFormat::Tidepool)
        << true << R"(Tidepool "pattern a")";
    QTest::newRow("Tidepool pump settings with a NUL byte in a key")
        << fuzzSeed("fuzz_tidepool/medtronic-multirate.json").insert(1, QByteArray("\"a\0\":1,", 7))
        << Format(ExchangeFormat::Tidepool) << true << R"(Tidepool "pattern a")";
    QTest::newRow("Tidepool data")
        << fuzzSeed("fuzz_tidepool/export-array.json") << Format(ExchangeFormat::Tidepool) << true
        << R"(Tidepool "pattern a")";
    QTest::newRow("table, named by the caller") << fuzzSeed("fuzz_csv/fendrimo-export.csv")
                                                << Format(ExchangeFormat::Csv) << true << QString();
    QTest::newRow("text") << QByteArray("Basalrate 0,8") << Format(ExchangeFormat::Csv) << false
                          << none + "Die Tabelle enthält keine Basalraten.";
    QTest::newRow("JSON of no such shape")
        << QByteArray(R"({"rates":[1,2]})") << Format() << false
        << none + "Sie enthält JSON, aber in keiner dieser Formen.";
    QTest::newRow("JSON nested too deep")
        << padded(QByteArray(3000, '[') + QByteArray(3000, ']')) << Format() << false
        << none + "Die Datei ist kein gültiges JSON.";
    QTest::newRow("larger than 10 MB") << QByteArray(11 * 1024 * 1024, '{') << Format() << false
                                       << "Die Datei ist größer als 10 MB und wird nicht gelesen.";
    QByteArray halfHours = "Uhrzeit;Basalrate (IE/h)\r\n";
    for (int i = 0; i < 48; ++i)
        halfHours += QStringLiteral("%1:%2;0,8\r\n")
                         .arg(i / 2, 2, 10, QChar('0'))
                         .arg(i % 2 * 30, 2, 10, QChar('0'))
                         .toLatin1();
    QTest::newRow("table of half hours")
        << halfHours << Format(ExchangeFormat::Csv) << false
        << none + R"(Zeile 3: "00:30" ist keine volle Stunde von 0 bis 23.)";
    const QByteArray table = fuzzSeed("fuzz_csv/fendrimo-export.csv");
    const QString utf16Problem = none + "Die Tabelle ist in UTF-16 gespeichert.";
    QTest::newRow("table in UTF-16")
        << utf16(table, true) << Format(ExchangeFormat::Csv) << false << utf16Problem;
    QTest::newRow("table in UTF-16 without byte-order mark")
        << utf16(table, false) << Format(ExchangeFormat::Csv) << false << utf16Problem;
    QTest::newRow("table with CR line breaks")
        << QByteArray(table).replace("\r\n", "\r") << Format(ExchangeFormat::Csv) << false
        << none + "Die Zeilen der Tabelle enden nur mit CR";
    ProfileContent tooMuch;
    tooMuch.rates.fill(8);
    tooMuch.rates[6] = tooMuch.rates[7] = 1000;
    QTest::newRow("Nightscout with 100 IE/h")
        << writeNightscout(tooMuch, {QDateTime::currentDateTime(), {}, {}})
        << Format(ExchangeFormat::Nightscout) << false
        << QString("6 bis 8 Uhr: Die Rate ist größer als %1 IE/h").arg(ZehntelText(999));
    QTest::newRow("profile file") << profileFile(999) << Format() << true << QString();
    QTest::newRow("profile file of 100 IE/h")
        << profileFile(1000) << Format() << false
        << QString("Eine Basalraten-Datei hat 656 Bytes, Raten von 0 bis %1 IE/h")
               .arg(ZehntelText(999));
}

void TestExchangeRoundTrip::recognised()
{
    QFETCH(QByteArray, file);
    QFETCH(Format, format);
    QFETCH(bool, taken);
    QFETCH(QString, read);
    QCOMPARE(recogniseFormat(file), format);
    const auto second = [](const QStringList&, int) { return 1; };
    const std::optional<ImportOutcome> outcome = importAny(file, second, RegionalFormats());
    QVERIFY(outcome && outcome->profile.has_value() == taken);
    QCOMPARE(outcome->profile ? outcome->profile->sourceName : outcome->error.left(read.size()),
             read);
}

void TestExchangeRoundTrip::timeZone_data()
{
    QTest::addColumn<QByteArray>("zoneId");
    QTest::addColumn<QString>("localtime");
    QTest::addColumn<QString>("name"); // what the export writes
    const QByteArray posix = "CET-1CEST,M3.5.0,M10.5.0/3";
    const QString target = "/usr/share/zoneinfo/posix/America/Sao_Paulo";
    QTest::newRow("IANA id") << QByteArray("Europe/Berlin") << target << "Europe/Berlin";
    QTest::newRow("IANA id Qt doesn't list") << QByteArray("Etc/GMT+8") << QString() << "Etc/GMT+8";
    QTest::newRow("POSIX rule, localtime names the zone") << posix << target << "America/Sao_Paulo";
    QTest::newRow("POSIX rule, no link") << posix << QString() << QString();
    QTest::newRow("Qt's offset") << QByteArray("UTC+01:00") << QString() << QString();
}

// Without an IANA name Nightscout would take UTC: the zone is left out.
void TestExchangeRoundTrip::timeZone()
{
    QFETCH(QByteArray, zoneId);
    QFETCH(QString, localtime);
    QFETCH(QString, name);
    const ExportBytes written =
        exportBytes(ExchangeFormat::Nightscout, ProfileContent(),
                    {QDateTime::currentDateTime(), ianaTimeZoneName(zoneId, localtime), {}});
    const QJsonObject profile =
        QJsonDocument::fromJson(written.bytes)["store"]["Default"].toObject();
    QCOMPARE(profile.value("timezone"), name.isEmpty() ? QJsonValue::Undefined : QJsonValue(name));
    QCOMPARE(written.timeZoneLeftOut, name.isEmpty());
}

QTEST_APPLESS_MAIN(TestExchangeRoundTrip)
#include "tst_exchangeroundtrip.moc"

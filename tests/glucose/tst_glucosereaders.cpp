// Every glucose export through the one flow that recognises and reads it:
// the readings as written or placed by their offset, what is skipped and
// why, and the refusals naming their line or entry.

#include "glucose/glucoseformats.h"
#include "glucosesamples.h"

#include <QtTest>

using namespace fendrimo;
using namespace glucosesamples;

Q_DECLARE_METATYPE(GlucoseFormat)
Q_DECLARE_METATYPE(GlucoseUnit)

namespace {

// Skipped counts in the order of SkipReason: metadata, notes,
// calibrations, scans, status codes, other events.
using Skipped = QList<int>;

QByteArray germanClarity()
{
    return "Index;Zeitstempel (JJJJ-MM-TTThh:mm:ss);Ereignistyp;Ereignis-Subtyp;Patienteninfo;"
           "Ger\xE4teinfo;Quellger\xE4te-ID;Glukosewert (mmol/l);Insulinwert (IE);"
           "Kohlenhydratwert (Gramm);Dauer (hh:mm:ss);Glukose\xE4nderungsrate (mmol/l/min);"
           "Transmitterzeit (Long Integer);Transmitter-ID\n" +
           clarityRow(1, "", "FirstName", "", ';') +
           clarityRow(4, "2025-05-13T21:27:20", "EGV", "5,8", ';') +
           clarityRow(5, "2025-05-13T21:32:20", "EGV", "Low", ';');
}

QByteArray germanLibre(const char* unit, const QByteArray& value)
{
    return QByteArray("Glukose-Werte,Erstellt am,29-03-2021 18:51 UTC,Erstellt von,Erika\r\n") +
           "Ger\xC3\xA4t,Seriennummer,Ger\xC3\xA4tezeitstempel,Aufzeichnungstyp,"
           "Glukosewert-Verlauf " +
           unit + ",Glukose-Scan " + unit + ",Insulin,Notizen\r\n" +
           "FreeStyle LibreLink,1d9c,16-03-2021 13:42,0," + value + ",,,\r\n" +
           "FreeStyle LibreLink,1d9c,16-03-2021 13:45,1,," + value + ",,\r\n";
}

QByteArray nightscout(bool offsets)
{
    const std::optional<int> offset = offsets ? std::optional(120) : std::nullopt;
    return jsonArray({nightscoutEntry(utc("2024-05-13T19:27:20Z"), 142, offset),
                      R"({"type":"mbg","mbg":130,"date":1715628500000})",
                      R"({"type":"cal","slope":900,"date":1715628600000})",
                      nightscoutEntry(utc("2024-05-13T19:32:20Z"), 5, offset),
                      nightscoutEntry(utc("2024-05-13T19:22:20Z"), 39, offset)});
}

QByteArray tidepool(bool offsets)
{
    const std::optional<int> offset = offsets ? std::optional(120) : std::nullopt;
    return jsonArray({R"({"type":"pumpSettings","time":"2024-05-01T00:00:00.000Z",)"
                      R"("basalSchedules":{"standard":[{"start":0,"rate":0.8}]}})",
                      tidepoolCbg(utc("2024-05-13T19:27:20Z"), "7.88206", offset),
                      R"({"type":"smbg","units":"mmol/L","value":7.2,"time":"x"})",
                      R"({"type":"deviceEvent","subType":"calibration","time":"x"})",
                      tidepoolCbg(utc("2024-05-13T19:32:20Z"), "5.5", offset)});
}

} // namespace

class TestGlucoseReaders : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void refused_data();
    void refused();
    void cutShort_data();
    void cutShort();
};

void TestGlucoseReaders::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<GlucoseFormat>("format");
    QTest::addColumn<GlucoseUnit>("unit");
    QTest::addColumn<QStringList>("readings");
    QTest::addColumn<Skipped>("skipped");
    QTest::addColumn<QByteArray>("zone"); // the system's, when it placed readings
    const auto mg = GlucoseUnit::MgPerDl;
    const auto mmol = GlucoseUnit::MmolPerL;
    QTest::newRow("Clarity: metadata, EGV, Low/High, calibration, insulin")
        << kClarityHeader + kClarityMetadata + clarityRow(4, "2025-05-13T21:27:20", "EGV", "111") +
               clarityRow(5, "2025-05-13T21:32:20", "EGV", "Low") +
               clarityRow(6, "2025-05-13T21:35:00", "Calibration", "120") +
               clarityRow(7, "2025-05-13T21:36:00", "Insulin", "") +
               clarityRow(8, "2025-05-13T21:42:20", "egv", "High")
        << GlucoseFormat::Clarity << mg
        << QStringList{"2025-05-13T21:27:20 111 mg/dL", "2025-05-13T21:32:20 Low 40 mg/dL",
                       "2025-05-13T21:42:20 High 400 mg/dL"}
        << Skipped{3, 0, 1, 0, 0, 1} << QByteArray();
    QTest::newRow("Clarity: German, mmol/l, ';', Latin-1")
        << germanClarity() << GlucoseFormat::Clarity << mmol
        << QStringList{"2025-05-13T21:27:20 5.8 mmol/L", "2025-05-13T21:32:20 Low 2.2 mmol/L"}
        << Skipped{1, 0, 0, 0, 0, 0} << QByteArray();
    QTest::newRow("LibreView: mmol/L, scans, notes, food, not in time order")
        << kLibreTitle + libreHeader("mmol/L") + libreRow("16-03-2021 13:42", 0, "4.1") +
               libreRow("16-03-2021 13:50", 1, "4.4") + libreRow("16-03-2021 13:51", 6) +
               libreRow("16-03-2021 13:52", 5) + libreRow("16-03-2021 13:27", 0, "12") + "\r\n"
        << GlucoseFormat::LibreView << mmol
        << QStringList{"2021-03-16T13:27:00 12.0 mmol/L", "2021-03-16T13:42:00 4.1 mmol/L"}
        << Skipped{0, 1, 0, 1, 0, 1} << QByteArray();
    QTest::newRow("LibreView: mg/dL")
        << kLibreTitle + libreHeader("mg/dL") + libreRow("31-12-2021 23:59", 0, "74")
        << GlucoseFormat::LibreView << mg << QStringList{"2021-12-31T23:59:00 74 mg/dL"}
        << Skipped{0, 0, 0, 0, 0, 0} << QByteArray();
    QTest::newRow("LibreView: saved by a spreadsheet, byte-order mark first")
        << "\xEF\xBB\xBF" + kLibreTitle + libreHeader("mg/dL") +
               libreRow("31-12-2021 23:59", 0, "74")
        << GlucoseFormat::LibreView << mg << QStringList{"2021-12-31T23:59:00 74 mg/dL"}
        << Skipped{0, 0, 0, 0, 0, 0} << QByteArray();
    QTest::newRow("LibreView: German, mg/dL")
        << germanLibre("mg/dL", "105") << GlucoseFormat::LibreView << mg
        << QStringList{"2021-03-16T13:42:00 105 mg/dL"} << Skipped{0, 0, 0, 1, 0, 0}
        << QByteArray();
    QTest::newRow("LibreView: German, mmol/L, decimal comma quoted")
        << germanLibre("mmol/L", "\"5,8\"") << GlucoseFormat::LibreView << mmol
        << QStringList{"2021-03-16T13:42:00 5.8 mmol/L"} << Skipped{0, 0, 0, 1, 0, 0}
        << QByteArray();
    QTest::newRow("LibreView: US, month first, 12 hours")
        << kLibreTitle + libreHeader("mg/dL") + libreRow("03-01-2021 01:42 PM", 0, "98") +
               libreRow("03-01-2021 12:05 AM", 0, "120") + libreRow("03-01-2021 12:30 PM", 0, "101")
        << GlucoseFormat::LibreView << mg
        << QStringList{"2021-03-01T00:05:00 120 mg/dL", "2021-03-01T12:30:00 101 mg/dL",
                       "2021-03-01T13:42:00 98 mg/dL"}
        << Skipped{0, 0, 0, 0, 0, 0} << QByteArray();
    QTest::newRow("LibreView: month first told by a day after the 12th")
        << kLibreTitle + libreHeader("mg/dL") + libreRow("03-01-2021 13:42", 0, "98") +
               libreRow("03-14-2021 08:00", 0, "99")
        << GlucoseFormat::LibreView << mg
        << QStringList{"2021-03-01T13:42:00 98 mg/dL", "2021-03-14T08:00:00 99 mg/dL"}
        << Skipped{0, 0, 0, 0, 0, 0} << QByteArray();
    QTest::newRow("Nightscout: utcOffset, meter, calibration, status code, LOW 39")
        << nightscout(true) << GlucoseFormat::NightscoutEntries << mg
        << QStringList{"2024-05-13T21:22:20+120 Low 40 mg/dL", "2024-05-13T21:27:20+120 142 mg/dL"}
        << Skipped{0, 0, 1, 0, 1, 1} << QByteArray();
    QTest::newRow("Nightscout: no offset, the system's zone")
        << nightscout(false) << GlucoseFormat::NightscoutEntries << mg
        << QStringList{"2024-05-13T21:22:20+120 Low 40 mg/dL", "2024-05-13T21:27:20+120 142 mg/dL"}
        << Skipped{0, 0, 1, 0, 1, 1} << QByteArray("Europe/Berlin");
    QTest::newRow("Tidepool: cbg converted from mg/dL, one decimal, calibration")
        << tidepool(true) << GlucoseFormat::TidepoolCbg << mmol
        << QStringList{"2024-05-13T21:27:20+120 142 mg/dL", "2024-05-13T21:32:20+120 5.5 mmol/L"}
        << Skipped{0, 0, 1, 0, 0, 2} << QByteArray();
    QTest::newRow("Tidepool: no offset, the system's zone")
        << tidepool(false) << GlucoseFormat::TidepoolCbg << mmol
        << QStringList{"2024-05-13T21:27:20+120 142 mg/dL", "2024-05-13T21:32:20+120 5.5 mmol/L"}
        << Skipped{0, 0, 1, 0, 0, 2} << QByteArray("Europe/Berlin");
}

void TestGlucoseReaders::read()
{
    QFETCH(QByteArray, file);
    QFETCH(GlucoseFormat, format);
    QFETCH(GlucoseUnit, unit);
    QFETCH(QStringList, readings);
    QFETCH(Skipped, skipped);
    QFETCH(QByteArray, zone);
    const GlucoseOutcome outcome = readGlucose(file, QTimeZone("Europe/Berlin"));
    QVERIFY2(outcome.file, qPrintable(outcome.error));
    QVERIFY(outcome.error.isEmpty());
    QCOMPARE(outcome.file->format, format);
    QCOMPARE(outcome.file->unit, unit);
    QCOMPARE(described(outcome.file->readings), readings);
    QCOMPARE(Skipped(outcome.file->skipped.begin(), outcome.file->skipped.end()), skipped);
    QCOMPARE(outcome.file->zoneUsed, zone);
    QCOMPARE(outcome.file->placedInZone, zone.isEmpty() ? 0 : readings.size());
}

void TestGlucoseReaders::refused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("error"); // its start
    const QByteArray clarity = kClarityHeader + kClarityMetadata;
    QTest::newRow("Clarity: no such month")
        << clarity + clarityRow(4, "2025-13-13T21:27:20", "EGV", "111")
        << "Zeile 5: \"2025-13-13T21:27:20\" ist kein Zeitpunkt";
    QTest::newRow("Clarity: a word for a value")
        << clarity + clarityRow(4, "2025-05-13T21:27:20", "EGV", "---")
        << "Zeile 5: \"---\" ist kein Glukosewert in mg/dL";
    QTest::newRow("Clarity: mmol/L with two decimals")
        << QByteArray(germanClarity()).replace("5,8", "5,83")
        << "Zeile 3: \"5,83\" ist kein Glukosewert in mmol/L";
    QTest::newRow("Clarity: an EGV row cut short")
        << clarity + "\"4\",\"2025-05-13T21:27:20\",\"EGV\"\r\n"
        << "Zeile 5: Die Zeile hat 3 Felder";
    QTest::newRow("Clarity: metadata alone") << clarity << "Die Datei enthält keine Glukosewerte";
    QTest::newRow("LibreView: day or month can't be told")
        << kLibreTitle + libreHeader("mg/dL") + libreRow("01-02-2021 13:42", 0, "98") +
               libreRow("03-02-2021 13:42", 0, "99")
        << "An keinem Datum der Datei ist zu erkennen";
    QTest::newRow("LibreView: 13 PM")
        << kLibreTitle + libreHeader("mg/dL") + libreRow("03-01-2021 01:42 PM", 0, "98") +
               libreRow("03-01-2021 13:42 PM", 0, "99")
        << "Zeile 4: \"03-01-2021 13:42 PM\" ist kein Zeitpunkt der Form MM-TT-JJJJ";
    QTest::newRow("LibreView: no record type")
        << kLibreTitle + libreHeader("mg/dL") + libreRow("16-03-2021 13:42", 0, "98") +
               QByteArray(libreRow("16-03-2021 13:57", 0, "99")).replace(",0,99", ",,99")
        << "Zeile 4: Die Zeile hat keinen Aufzeichnungstyp";
    QTest::newRow("LibreView: mmol/L with two decimals")
        << kLibreTitle + libreHeader("mmol/L") + libreRow("16-03-2021 13:42", 0, "4.15")
        << "Zeile 3: \"4.15\" ist kein Glukosewert in mmol/L";
    QTest::newRow("Nightscout: sgv as text")
        << jsonArray({nightscoutEntry(utc("2024-05-13T19:27:20Z"), 142, 120),
                      R"({"type":"sgv","sgv":"142","date":1715628440000})"})
        << "Eintrag 2: \"sgv\" fehlt oder ist keine ganze Zahl";
    QTest::newRow("Nightscout: cut off in the third entry")
        << jsonArray({nightscoutEntry(utc("2024-05-13T19:27:20Z"), 142, 120),
                      nightscoutEntry(utc("2024-05-13T19:32:20Z"), 143, 120),
                      R"({"type":"sgv","sgv":1)"})
        << "Eintrag 3: Das JSON ist in Zeile 5 fehlerhaft";
    QTest::newRow("Tidepool: a time not in UTC")
        << jsonArray({R"({"type":"cbg","units":"mmol/L","value":5.5,)"
                      R"("time":"2024-05-13T21:27:20+02:00"})"})
        << "Eintrag 1: \"time\" \"2024-05-13T21:27:20+02:00\" ist kein Zeitpunkt in UTC";
    QTest::newRow("Tidepool: mmol/L that are no whole mg/dL")
        << jsonArray({tidepoolCbg(utc("2024-05-13T19:27:20Z"), "5.5", 120),
                      tidepoolCbg(utc("2024-05-13T19:32:20Z"), "7.123", 120)})
        << "Eintrag 2: \"value\" \"7.123\" ist kein Glukosewert in mmol/L";
    QTest::newRow("Tidepool: another unit")
        << jsonArray({QByteArray(tidepoolCbg(utc("2024-05-13T19:27:20Z"), "5.5", 120))
                          .replace("mmol/L", "mg/L")})
        << "Eintrag 1: Die Einheit \"mg/L\" ist weder mg/dL noch mmol/L.";
    QTest::newRow("Clarity saved as UTF-16")
        << QByteArray("\xFF\xFE") +
               QByteArray(
                   reinterpret_cast<const char*>(QString::fromUtf8(kClarityHeader.mid(3)).utf16()),
                   (kClarityHeader.size() - 3) * 2)
        << "Die Tabelle ist in UTF-16 gespeichert.";
    QTest::newRow("a basal-rate table") << QByteArray("Uhrzeit;Basalrate (IE/h)\n00:00;0,8\n")
                                        << "Die Datei ist kein Glukose-Export";
}

void TestGlucoseReaders::refused()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, error);
    const GlucoseOutcome outcome = readGlucose(file, QTimeZone("Europe/Berlin"));
    QVERIFY(!outcome.file);
    QVERIFY2(outcome.error.startsWith(error), qPrintable(outcome.error));
}

void TestGlucoseReaders::cutShort_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("Clarity") << kClarityHeader + kClarityMetadata +
                                    clarityRow(4, "2025-05-13T21:27:20", "EGV", "111") +
                                    clarityRow(5, "2025-05-13T21:32:20", "EGV", "High");
    QTest::newRow("Clarity, German, unquoted") << QByteArray(germanClarity()).replace('"', "");
    QTest::newRow("LibreView") << kLibreTitle + libreHeader("mmol/L") +
                                      libreRow("16-03-2021 13:42", 0, "4.1") +
                                      libreRow("16-03-2021 13:57", 0, "12");
    QTest::newRow("LibreView, German, quoted") << germanLibre("mmol/L", "\"5,8\"");
    QTest::newRow("Nightscout") << nightscout(true);
    QTest::newRow("Tidepool") << tidepool(true);
}

// A file cut short at any byte gives the readings before the cut or an
// error, never a number the cut made.
void TestGlucoseReaders::cutShort()
{
    QFETCH(QByteArray, file);
    const GlucoseOutcome whole = readGlucose(file, QTimeZone("Europe/Berlin"));
    QVERIFY(whole.file);
    const QStringList read = described(whole.file->readings);
    for (qsizetype cut = 0; cut < file.size(); ++cut) {
        const GlucoseOutcome outcome = readGlucose(file.left(cut), QTimeZone("Europe/Berlin"));
        QCOMPARE(bool(outcome.file), outcome.error.isEmpty());
        for (const QString& reading :
             outcome.file ? described(outcome.file->readings) : QStringList())
            QVERIFY2(read.contains(reading), qPrintable(QString::number(cut) + ": " + reading));
    }
}

QTEST_APPLESS_MAIN(TestGlucoseReaders)
#include "tst_glucosereaders.moc"

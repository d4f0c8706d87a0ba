// Readings placed in time: the days summer time begins and ends, files that
// overlap read into one data set, and a file read from disk under the limit.

#include "glucose/glucoseformats.h"
#include "glucosesamples.h"

#include <QTemporaryFile>
#include <QtTest>

using namespace fendrimo;
using namespace glucosesamples;

Q_DECLARE_METATYPE(GlucoseUnit)

namespace {

const QTimeZone kBerlin("Europe/Berlin");

// Every 15 minutes of UTC from..to, newest first as Nightscout answers.
QList<QDateTime> quarters(const char* from, const char* to)
{
    QList<QDateTime> times;
    for (QDateTime t = utc(to); t >= utc(from); t = t.addSecs(-15 * 60))
        times << t;
    return times;
}

QByteArray nightscoutAt(const QList<QDateTime>& times, bool offsets)
{
    QList<QByteArray> entries;
    for (const QDateTime& t : times)
        entries << nightscoutEntry(
            t, 100, offsets ? std::optional(kBerlin.offsetFromUtc(t) / 60) : std::nullopt);
    return jsonArray(entries);
}

QByteArray tidepoolAt(const QList<QDateTime>& times)
{
    QList<QByteArray> data;
    for (const QDateTime& t : times)
        data << tidepoolCbg(t, "5.5", std::nullopt);
    return jsonArray(data);
}

QByteArray clarityAt(const QList<QByteArray>& times, int value = 111)
{
    QByteArray file = kClarityHeader + kClarityMetadata;
    int index = 4;
    for (const QByteArray& time : times)
        file += clarityRow(index++, time, "EGV", QByteArray::number(value));
    return file;
}

GlucoseFile readOrFail(const QByteArray& data)
{
    GlucoseOutcome outcome = readGlucose(data, kBerlin);
    if (!outcome.file)
        qFatal("%s", qPrintable(outcome.error));
    return std::move(*outcome.file);
}

} // namespace

class TestGlucoseData : public QObject
{
    Q_OBJECT

private slots:
    void summerTime_data();
    void summerTime();
    void overlapping_data();
    void overlapping();
    void fromDisk_data();
    void fromDisk();
};

void TestGlucoseData::summerTime_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QList<int>>("hours"); // readings in the clock hours 0 to 4 of the day
    QTest::addColumn<QByteArray>("zone");
    const QList<QDateTime> autumn = quarters("2024-10-26T22:00:00Z", "2024-10-27T02:45:00Z");
    const QList<QDateTime> spring = quarters("2024-03-30T23:00:00Z", "2024-03-31T01:45:00Z");
    QTest::newRow("Nightscout, autumn, placed in the zone")
        << nightscoutAt(autumn, false) << QDate(2024, 10, 27) << QList<int>{4, 4, 8, 4, 0}
        << QByteArray("Europe/Berlin");
    QTest::newRow("Nightscout, autumn, the uploader's offsets")
        << nightscoutAt(autumn, true) << QDate(2024, 10, 27) << QList<int>{4, 4, 8, 4, 0}
        << QByteArray();
    QTest::newRow("Nightscout, spring, placed in the zone")
        << nightscoutAt(spring, false) << QDate(2024, 3, 31) << QList<int>{4, 4, 0, 4, 0}
        << QByteArray("Europe/Berlin");
    QTest::newRow("Tidepool, autumn, placed in the zone")
        << tidepoolAt(autumn) << QDate(2024, 10, 27) << QList<int>{4, 4, 8, 4, 0}
        << QByteArray("Europe/Berlin");
    QTest::newRow("Clarity, autumn, the clock as written, alike twice")
        << clarityAt({"2024-10-27T01:30:00", "2024-10-27T02:10:00", "2024-10-27T02:40:00",
                      "2024-10-27T02:10:00", "2024-10-27T02:40:00", "2024-10-27T03:10:00"})
        << QDate(2024, 10, 27) << QList<int>{0, 1, 4, 1, 0} << QByteArray();
}

void TestGlucoseData::summerTime()
{
    QFETCH(QByteArray, file);
    QFETCH(QDate, day);
    QFETCH(QList<int>, hours);
    QFETCH(QByteArray, zone);
    const GlucoseFile read = readOrFail(file);
    QList<int> counted(5, 0);
    const qint64 dayStart = QDateTime(day, QTime(0, 0), QTimeZone::utc()).toSecsSinceEpoch();
    for (const GlucoseReading& r : read.readings) {
        const qint64 hour = (r.localSeconds - dayStart) / 3600;
        if (r.localSeconds >= dayStart && hour < 5)
            ++counted[int(hour)];
    }
    QCOMPARE(counted, hours);
    QCOMPARE(read.zoneUsed, zone);
}

void TestGlucoseData::overlapping_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("present"); // of the second's readings, already in the data
    QTest::addColumn<GlucoseUnit>("unit");
    const QList<QByteArray> morning{"2025-05-13T10:00:00", "2025-05-13T10:05:00",
                                    "2025-05-13T10:10:00", "2025-05-13T10:15:00",
                                    "2025-05-13T10:20:00"};
    const QList<QByteArray> later{"2025-05-13T10:10:00", "2025-05-13T10:15:00",
                                  "2025-05-13T10:20:00", "2025-05-13T10:25:00",
                                  "2025-05-13T10:30:00"};
    const auto mg = GlucoseUnit::MgPerDl;
    QTest::newRow("Clarity, three readings in both")
        << clarityAt(morning) << clarityAt(later) << 7 << 3 << mg;
    QTest::newRow("the same file twice")
        << clarityAt(morning) << clarityAt(morning) << 5 << 5 << mg;
    QTest::newRow("same times, other values")
        << clarityAt(morning) << clarityAt(morning, 112) << 10 << 0 << mg;
    QTest::newRow("the repeated hour's pair, once in the second")
        << clarityAt({"2024-10-27T02:10:00", "2024-10-27T02:10:00", "2024-10-27T02:40:00"})
        << clarityAt({"2024-10-27T02:10:00"}) << 3 << 1 << mg;
    const QList<QDateTime> quarter = quarters("2024-05-13T10:00:00Z", "2024-05-13T11:00:00Z");
    QTest::newRow("Nightscout, offsets given and placed alike")
        << nightscoutAt(quarter, true) << nightscoutAt(quarter, false) << 5 << 5 << mg;
    QTest::newRow("mmol/L after mg/dL: the first file's unit")
        << clarityAt(morning)
        << kLibreTitle + libreHeader("mmol/L") + libreRow("13-05-2025 10:00", 0, "6.2") << 6 << 0
        << mg;
    QTest::newRow("mg/dL after mmol/L")
        << kLibreTitle + libreHeader("mmol/L") + libreRow("13-05-2025 10:00", 0, "6.2")
        << clarityAt(morning) << 6 << 0 << GlucoseUnit::MmolPerL;
}

void TestGlucoseData::overlapping()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(int, total);
    QFETCH(int, present);
    QFETCH(GlucoseUnit, unit);
    GlucoseData data;
    GlucoseFile a = readOrFail(first);
    GlucoseFile b = readOrFail(second);
    QCOMPARE(addReadings(data, std::move(a.readings), "a.csv", a.unit), 0);
    QCOMPARE(addReadings(data, std::move(b.readings), "b.csv", b.unit), present);
    QCOMPARE(int(data.readings.size()), total);
    QVERIFY(std::is_sorted(data.readings.begin(), data.readings.end()));
    QCOMPARE(data.files, QStringList({"a.csv", "b.csv"}));
    QCOMPARE(data.unit, unit);
}

void TestGlucoseData::fromDisk_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("size"); // the file made this large, sparse; 0: as written
    QTest::addColumn<int>("readings");
    QTest::addColumn<QString>("error");
    const QByteArray clarity = clarityAt({"2025-05-13T10:00:00", "2025-05-13T10:05:00"});
    QTest::newRow("a Clarity export") << clarity << qint64(0) << 2 << QString();
    QTest::newRow("200 MB exactly: read, then refused for its NUL bytes")
        << clarity << qint64(200) * 1024 * 1024 << 0 << "Die Datei enthält Binärdaten";
    QTest::newRow("one byte more than 200 MB")
        << clarity << qint64(200) * 1024 * 1024 + 1 << 0
        << "Die Datei ist größer als 200 MB und wird nicht gelesen.";
}

void TestGlucoseData::fromDisk()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, size);
    QFETCH(int, readings);
    QFETCH(QString, error);
    QTemporaryFile file;
    QVERIFY(file.open());
    QCOMPARE(file.write(content), content.size());
    if (size > 0)
        QVERIFY(file.resize(size));
    file.close();
    const GlucoseOutcome outcome = readGlucoseFile(file.fileName(), kBerlin);
    QCOMPARE(outcome.file ? int(outcome.file->readings.size()) : 0, readings);
    QVERIFY2(outcome.error.startsWith(error), qPrintable(outcome.error));
    QCOMPARE(outcome.error.isEmpty(), error.isEmpty());
}

QTEST_APPLESS_MAIN(TestGlucoseData)
#include "tst_glucosedata.moc"

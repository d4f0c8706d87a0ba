#include "files/profilefile.h"
#include "files/profilerecord.h"
#include "files/profilsatz.h"

#include <QtTest>

#include <limits>

using fendrimo::Profilsatz;
using fendrimo::RecordLength;
using fendrimo::RecordOutcome;

namespace {

// A text field: Datum, Notizen or a bolus slot 1..9.
enum Field : int { Datum = 0, Notizen = -1, Bolus1 = 1, Bolus4 = 4, Bolus7 = 7, Bolus9 = 9 };

int offsetOf(Field f)
{
    return f == Datum ? 96 : f == Notizen ? 352 : 608 + 5 * (f - 1);
}

int capacityOf(Field f)
{
    return f > 0 ? 4 : 255;
}

void setField(Profilsatz& record, Field f, const QString& text)
{
    if (f == Datum)
        record.setDatum(text);
    else if (f == Notizen)
        record.setNotizen(text);
    else
        record.setBolus(f, text);
}

QString field(const Profilsatz& record, Field f)
{
    return f == Datum ? record.datum() : f == Notizen ? record.notizen() : record.bolus(f);
}

Profilsatz fromBytes(const QByteArray& bytes)
{
    Profilsatz record;
    if (!record.assignBytes(bytes))
        qFatal("test record must be 656 bytes");
    return record;
}

// A record whose every byte is set, so that any byte a setter touches shows.
QByteArray patternBytes()
{
    QByteArray bytes(Profilsatz::Size, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(0xA5 ^ (i * 7));
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(Field)

class TstProfilsatz : public QObject
{
    Q_OBJECT

private slots:
    void workedExample();
    void rateBytes_data();
    void rateBytes();
    void textBytes_data();
    void textBytes();
    void decodeField_data();
    void decodeField();
    void undefinedCp1252Bytes();
    void setterClearsOlderTail_data();
    void setterClearsOlderTail();
    void settersTouchOnlyTheirField();
    void assignBytes_data();
    void assignBytes();
    void openable_data();
    void openable();
    void profileRecordIn_data();
    void profileRecordIn();
};

void TstProfilsatz::workedExample()
{
    QByteArray expected(656, '\0');
    const auto put = [&expected](int offset, const char* hex) {
        const QByteArray bytes = QByteArray::fromHex(hex);
        expected.replace(offset, bytes.size(), bytes);
    };
    for (int h = 0; h < 24; ++h)
        put(4 * h, h < 6 ? "08000000" : h < 10 ? "0c000000" : h < 18 ? "0a000000" : "09000000");
    put(96, "0a30382e31322e32303236");
    put(352, "0d53706f72740d0a6162656e6473");
    put(608, "03312c3500");
    put(623, "03312c3000");
    put(638, "03312c3200");

    Profilsatz record;
    QCOMPARE(record.toBytes(), QByteArray(656, '\0'));
    for (int h = 0; h < 24; ++h)
        record.setRate(h, h < 6 ? 8 : h < 10 ? 12 : h < 18 ? 10 : 9);
    record.setDatum(QStringLiteral("08.12.2026"));
    record.setNotizen(QStringLiteral("Sport\r\nabends"));
    record.setBolus(1, QStringLiteral("1,5"));
    record.setBolus(4, QStringLiteral("1,0"));
    record.setBolus(7, QStringLiteral("1,2"));
    QCOMPARE(record.toBytes().toHex(' '), expected.toHex(' '));
    QCOMPARE(QByteArray(record.bytes().data(), 656), expected);

    const Profilsatz loaded = fromBytes(expected);
    QCOMPARE(loaded.rate(0), 8);
    QCOMPARE(loaded.rate(9), 12);
    QCOMPARE(loaded.rate(17), 10);
    QCOMPARE(loaded.rate(18), 9);
    QCOMPARE(loaded.datum(), QStringLiteral("08.12.2026"));
    QCOMPARE(loaded.notizen(), QStringLiteral("Sport\r\nabends"));
    QCOMPARE(loaded.bolus(1), QStringLiteral("1,5"));
    QCOMPARE(loaded.bolus(2), QString());
    QCOMPARE(loaded.bolus(4), QStringLiteral("1,0"));
    QCOMPARE(loaded.bolus(7), QStringLiteral("1,2"));
}

void TstProfilsatz::rateBytes_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("minus one") << 0 << qint32(-1) << QByteArray::fromHex("ffffffff");
    QTest::newRow("int32 max") << 5 << std::numeric_limits<qint32>::max()
                               << QByteArray::fromHex("ffffff7f");
    QTest::newRow("int32 min") << 12 << std::numeric_limits<qint32>::min()
                               << QByteArray::fromHex("00000080");
    QTest::newRow("little endian, last hour")
        << 23 << qint32(0x01020304) << QByteArray::fromHex("04030201");
}

void TstProfilsatz::rateBytes()
{
    QFETCH(int, hour);
    QFETCH(qint32, value);
    QFETCH(QByteArray, expected);

    Profilsatz record;
    record.setRate(hour, value);
    QByteArray want(656, '\0');
    want.replace(4 * hour, 4, expected);
    QCOMPARE(record.toBytes(), want);
    QCOMPARE(fromBytes(want).rate(hour), value);
}

void TstProfilsatz::textBytes_data()
{
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored"); // length byte and characters
    QTest::addColumn<QString>("readBack");

    const QString umlauts = QStringLiteral("Größe ä 5 €");
    QTest::newRow("datum umlauts and euro")
        << Datum << umlauts << QByteArray::fromHex("0b4772f6df6520e420352080") << umlauts;
    QTest::newRow("notizen line break")
        << Notizen << QStringLiteral("a\r\nb") << QByteArray::fromHex("04610d0a62")
        << QStringLiteral("a\r\nb");
    QTest::newRow("bolus cut to four")
        << Bolus4 << QStringLiteral("12,345") << QByteArray::fromHex("0431322c33")
        << QStringLiteral("12,3");
    QTest::newRow("bolus empty") << Bolus7 << QString() << QByteArray(1, '\0') << QString();
    QTest::newRow("bolus last slot umlaut")
        << Bolus9 << QStringLiteral("ä") << QByteArray::fromHex("01e4") << QStringLiteral("ä");

    const QString longText(300, QLatin1Char('x'));
    QTest::newRow("datum cut to 255")
        << Datum << longText << QByteArray(1, char(0xff)) + QByteArray(255, 'x')
        << longText.left(255);
    QTest::newRow("notizen exactly 255")
        << Notizen << longText.left(255) << QByteArray(1, char(0xff)) + QByteArray(255, 'x')
        << longText.left(255);
}

void TstProfilsatz::textBytes()
{
    QFETCH(Field, field);
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);
    QFETCH(QString, readBack);

    Profilsatz record;
    setField(record, field, text);
    QByteArray want(656, '\0');
    want.replace(offsetOf(field), stored.size(), stored);
    QCOMPARE(record.toBytes().toHex(' '), want.toHex(' '));
    QCOMPARE(::field(record, field), readBack);
    QCOMPARE(::field(fromBytes(want), field), readBack);
}

void TstProfilsatz::decodeField_data()
{
    QTest::addColumn<Field>("field");
    QTest::addColumn<QByteArray>("raw"); // written at the field's offset into a patterned record
    QTest::addColumn<QString>("expected");

    QTest::newRow("bolus length 0") << Bolus1 << QByteArray::fromHex("00312c3500") << QString();
    QTest::newRow("bolus length 9 stops at slot end")
        << Bolus1 << QByteArray::fromHex("09313233340435363738") << QStringLiteral("1234");
    QTest::newRow("last bolus length 255 stops before padding")
        << Bolus9 << QByteArray::fromHex("ff61626364656667") << QStringLiteral("abcd");
    QTest::newRow("datum length 255 stops before notizen")
        << Datum << QByteArray(1, char(0xff)) + QByteArray(255, 'd') + "\x05notiz"
        << QString(255, QLatin1Char('d'));
    QTest::newRow("notizen length 255 stops before bolus")
        << Notizen
        << QByteArray(1, char(0xff)) + QByteArray(255, 'n') + QByteArray::fromHex("03312c35")
        << QString(255, QLatin1Char('n'));
    QTest::newRow("length shorter than content")
        << Datum << QByteArray::fromHex("0230382e3132") << QStringLiteral("08");
}

void TstProfilsatz::decodeField()
{
    QFETCH(Field, field);
    QFETCH(QByteArray, raw);
    QFETCH(QString, expected);

    QByteArray bytes = patternBytes();
    bytes.replace(offsetOf(field), raw.size(), raw);
    QCOMPARE(::field(fromBytes(bytes), field), expected);
}

void TstProfilsatz::undefinedCp1252Bytes()
{
    const QByteArray undefined = QByteArray::fromHex("818d8f909d");
    QByteArray bytes(656, '\0');
    bytes[96] = char(undefined.size());
    bytes.replace(97, undefined.size(), undefined);
    bytes[608] = 4;
    bytes.replace(609, 4, undefined.left(4));

    Profilsatz record = fromBytes(bytes);
    const QString datum = record.datum();
    QCOMPARE(datum.size(), undefined.size());
    for (const QChar ch : datum)
        QVERIFY(!ch.isNull());
    QCOMPARE(record.bolus(1), datum.left(4));

    // What was read is stored again unchanged.
    record.setDatum(datum);
    record.setBolus(1, record.bolus(1));
    QCOMPARE(record.toBytes().toHex(' '), bytes.toHex(' '));
}

void TstProfilsatz::setterClearsOlderTail_data()
{
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("older");
    QTest::addColumn<QString>("newer");

    QTest::newRow("datum") << Datum << QString(255, QLatin1Char('9')) << QStringLiteral("1.1.2026");
    QTest::newRow("notizen to empty") << Notizen << QStringLiteral("Sport\r\nabends") << QString();
    QTest::newRow("bolus") << Bolus4 << QStringLiteral("12,5") << QStringLiteral("1");
}

void TstProfilsatz::setterClearsOlderTail()
{
    QFETCH(Field, field);
    QFETCH(QString, older);
    QFETCH(QString, newer);

    Profilsatz overwritten;
    setField(overwritten, field, older);
    setField(overwritten, field, newer);
    Profilsatz fresh;
    setField(fresh, field, newer);
    QCOMPARE(overwritten.toBytes().toHex(' '), fresh.toBytes().toHex(' '));
    QCOMPARE(::field(overwritten, field), newer);

    // Garbage from a file read goes as well.
    QByteArray bytes = patternBytes();
    Profilsatz loaded = fromBytes(bytes);
    setField(loaded, field, newer);
    const QByteArray stored = loaded.toBytes().mid(offsetOf(field), capacityOf(field) + 1);
    QCOMPARE(int(quint8(stored[0])), newer.size());
    QCOMPARE(stored.mid(1 + newer.size()), QByteArray(capacityOf(field) - newer.size(), '\0'));
}

void TstProfilsatz::settersTouchOnlyTheirField()
{
    const QByteArray original = patternBytes();
    Profilsatz record = fromBytes(original);
    for (int h = 0; h < 24; ++h)
        record.setRate(h, 10 + h);
    record.setDatum(QStringLiteral("08.12.2026"));
    record.setNotizen(QStringLiteral("Sport"));
    record.setBolus(1, QStringLiteral("1,5"));
    record.setBolus(4, QStringLiteral("1,0"));
    record.setBolus(7, QStringLiteral("1,2"));

    const QByteArray after = record.toBytes();
    for (int slot : {2, 3, 5, 6, 8, 9}) {
        const int offset = 608 + 5 * (slot - 1);
        QCOMPARE(after.mid(offset, 5), original.mid(offset, 5));
    }
    QCOMPARE(after.mid(653, 3), original.mid(653, 3));
    QCOMPARE(record.bolus(1), QStringLiteral("1,5"));
}

void TstProfilsatz::assignBytes_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("empty") << 0 << false;
    QTest::newRow("655 bytes") << 655 << false;
    QTest::newRow("656 bytes") << 656 << true;
    QTest::newRow("657 bytes") << 657 << true;
    QTest::newRow("4096 bytes") << 4096 << true;
}

void TstProfilsatz::assignBytes()
{
    QFETCH(int, size);
    QFETCH(bool, accepted);

    Profilsatz record;
    record.setDatum(QStringLiteral("vorher"));
    record.setRate(3, 42);
    const QByteArray before = record.toBytes();

    QByteArray input(size, '\0');
    for (int i = 0; i < size; ++i)
        input[i] = char(i * 13 + 1);
    QCOMPARE(record.assignBytes(input), accepted);
    QCOMPARE(record.toBytes(), accepted ? input.left(656) : before);
}

// Any 656 bytes are a record, but only some can be a basal profile: every
// opening path (load, comparison, history) asks isOpenable.
void TstProfilsatz::openable_data()
{
    QTest::addColumn<int>("offset"); // of the byte or rate changed in a profile of 0,8 IE/h
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("openable");
    const auto rate = [](qint32 value) {
        return QByteArray(reinterpret_cast<const char*>(&value), 4);
    };
    QTest::newRow("99,9 IE/h, the largest") << 4 * 23 << rate(999) << true;
    QTest::newRow("100,0 IE/h") << 4 * 23 << rate(1000) << false;
    QTest::newRow("0 IE/h") << 0 << rate(0) << true;
    QTest::newRow("-0,1 IE/h") << 4 * 6 << rate(-1) << false;
    QTest::newRow("text where the rates are")
        << 0 << QByteArray("{\"type\": \"pumpSettings\"") << false;
    QTest::newRow("bolus morgens of 4 characters") << 608 << QByteArray("\x04") << true;
    QTest::newRow("bolus morgens length 5") << 608 << QByteArray("\x05") << false;
    QTest::newRow("bolus abends length 255") << 608 + 5 * 6 << QByteArray("\xff") << false;
    QTest::newRow("reserved slot length 200") << 608 + 5 * 1 << QByteArray("\xc8") << true;
}

void TstProfilsatz::openable()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, openable);
    Profilsatz record;
    for (int h = 0; h < Profilsatz::Hours; ++h)
        record.setRate(h, 8);
    QVERIFY(fendrimo::isOpenable(record));
    QByteArray changed = record.toBytes();
    changed.replace(offset, bytes.size(), bytes);
    QVERIFY(record.assignBytes(changed));
    QCOMPARE(fendrimo::isOpenable(record), openable);
}

// Opening, comparing and the history take a basal profile the one way; only
// the history's files must be the record alone.
void TstProfilsatz::profileRecordIn_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<RecordLength>("length");
    QTest::addColumn<RecordOutcome::Problem>("problem");
    using Problem = RecordOutcome::Problem;
    Profilsatz record;
    for (int h = 0; h < Profilsatz::Hours; ++h)
        record.setRate(h, 8);
    const QByteArray profile = record.toBytes();
    record.setRate(23, 1000);
    const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };
    row("a profile") << profile << RecordLength::Whole << Problem::None;
    row("more after it") << profile + "x" << RecordLength::Leading << Problem::None;
    row("more where it is all") << profile + "x" << RecordLength::Whole << Problem::TooLong;
    row("655 bytes") << profile.left(655) << RecordLength::Leading << Problem::TooShort;
    row("100,0 IE/h") << record.toBytes() << RecordLength::Leading << Problem::NoProfile;
}

void TstProfilsatz::profileRecordIn()
{
    QFETCH(QByteArray, bytes);
    QFETCH(RecordLength, length);
    QFETCH(RecordOutcome::Problem, problem);
    const RecordOutcome read = fendrimo::profileRecordIn(bytes, length);
    QCOMPARE(read.problem, problem);
    QCOMPARE(read.record.has_value(), problem == RecordOutcome::Problem::None);
    if (read.record)
        QCOMPARE(read.record->toBytes(), bytes.left(Profilsatz::Size));
}

QTEST_APPLESS_MAIN(TstProfilsatz)
#include "tst_profilsatz.moc"

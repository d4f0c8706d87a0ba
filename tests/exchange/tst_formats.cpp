// The table of formats row by row, through the one reading flow: each row
// recognises a real file of its format and no other row does; the file is
// read for a comparison and for an import alike, the question naming its
// format and purpose; what a row writes comes back as that row.

#include "exchange/formats.h"
#include "seeds.h"

#include <QtTest>

using namespace fendrimo;

class TestFormats : public QObject
{
    Q_OBJECT

private slots:
    void everyRow_data();
    void everyRow();
};

void TestFormats::everyRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("sample");
    QTest::addColumn<QString>("source"); // how a comparison names it
    // Where the format holds several profiles, the sample holds several.
    const QHash<QString, std::pair<QString, QString>> samples{
        {"Nightscout", {"fuzz_nightscout/web-editor-array.json", R"(Nightscout-Profil "Alltag")"}},
        {"OpenAps", {"fuzz_openaps/basal_profile.json", "OpenAPS-Basalprofil"}},
        {"Csv", {"fuzz_csv/fendrimo-export.csv", QString()}},
        {"Tidepool", {"fuzz_tidepool/medtronic-multirate.json", R"(Tidepool "standard")"}}};
    for (int row = 0; row < int(exchangeFormats().size()); ++row) {
        const auto sample = samples.value(exchangeFormats().at(size_t(row)).objectName);
        QTest::newRow(exchangeFormats().at(size_t(row)).objectName)
            << row << fuzzSeed(sample.first) << sample.second;
    }
}

void TestFormats::everyRow()
{
    QFETCH(int, row);
    QFETCH(QByteArray, sample);
    QFETCH(QString, source);
    const ExchangeFormatInfo& info = exchangeFormats().at(size_t(row));
    QVERIFY2(!sample.isEmpty(), "every row needs a sample here");
    for (const ExchangeFormatInfo& other : exchangeFormats())
        QCOMPARE(other.recognises(parsedSource(sample)), &other == &info);
    QCOMPARE(recogniseFormat(sample), info.format);

    QTemporaryDir dir;
    QFile file(dir.filePath("sample"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(sample) == sample.size());
    file.close();
    QList<ProfileChoice> asked;
    const auto first = [&asked](const ProfileChoice& choice) {
        asked << choice;
        return std::optional<int>(0);
    };
    const auto compared =
        importSource(file.fileName(), {SourcePurpose::Comparison, std::nullopt}, first, {});
    const auto imported = importSource(file.fileName(), {SourcePurpose::Import, info.format}, first,
                                       RegionalFormats());
    QVERIFY(compared && compared->profile && imported && imported->profile);
    QCOMPARE(compared->profile->sourceName, source);
    QCOMPARE(imported->profile->rates, compared->profile->rates);
    if (!asked.isEmpty()) {
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[0].format, info.format);
        QCOMPARE(asked[1].format, info.format);
        QCOMPARE(asked[0].purpose, SourcePurpose::Comparison);
        QCOMPARE(asked[1].purpose, SourcePurpose::Import);
        QVERIFY(asked[0].label() != asked[1].label());
        QVERIFY(asked[0].names.size() > 1);
    }

    if (!info.exportable())
        return;
    ProfileContent content;
    content.rates = compared->profile->rates;
    const ExportBytes written =
        exportBytes(info.format, content, {QDateTime(QDate(2026, 1, 1), QTime()), "UTC", {}});
    QCOMPARE(recogniseFormat(written.bytes), info.format);
    const auto back = importAny(written.bytes, [](const QStringList&, int) { return 0; }, {});
    QVERIFY(back && back->profile);
    QCOMPARE(back->profile->rates, content.rates);
    QVERIFY(!exportNotice(info.format, written).isEmpty());
}

QTEST_APPLESS_MAIN(TestFormats)
#include "tst_formats.moc"

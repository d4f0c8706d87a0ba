// What Fendrimo writes it reads back unchanged, in every format: random
// profiles, small and huge rates, one-decimal bolus factors and the date.

#include "exchange/exchange.h"
#include "profile/zehntel.h"

#include <QtTest>

#include <cstdlib>
#include <ctime>

using namespace fendrimo;

namespace {

constexpr qint32 kLargestRate = 2147483640;

// Mostly everyday rates; every fifth profile spans the whole range, with
// the largest rate in it.
ProfileContent randomProfile(quint32 seed)
{
    QRandomGenerator random(seed);
    const bool huge = seed % 5 == 0;
    ProfileContent content;
    for (qint32& rate : content.rates)
        rate = huge ? qint32(random.bounded(quint32(kLargestRate) + 1)) : random.bounded(60);
    if (huge)
        content.rates[random.bounded(24)] = kLargestRate;
    for (QString& factor : content.bolus)
        factor = ZehntelText(1 + random.bounded(999), random.bounded(2) ? ',' : '.');
    content.datum = QDate(2000, 1, 1).addDays(random.bounded(36500)).toString("dd.MM.yyyy");
    return content;
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
    const ImportOutcome outcomes[] = {
        readCsv(writeCsv(content.rates)), readOpenAps(writeOpenAps(content.rates)),
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

QTEST_APPLESS_MAIN(TestExchangeRoundTrip)
#include "tst_exchangeroundtrip.moc"

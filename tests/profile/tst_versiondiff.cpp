// The words for what changed between two saved versions of a profile.

#include "platform/regional.h"
#include "profile/versiondiff.h"

#include <QtTest>

Q_DECLARE_METATYPE(fendrimo::ProfileContent)

using namespace fendrimo;

namespace {

ProfileContent profile(qint32 rate)
{
    ProfileContent content;
    content.rates.fill(rate);
    content.bolus = {QStringLiteral("1,5"), QStringLiteral("1,0"), QStringLiteral("1,2")};
    content.datum = QStringLiteral("01.12.2026");
    content.notizen = QStringLiteral("Sport");
    return content;
}

} // namespace

class TestVersionDiff : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RegionalFormats::setCurrent(
            RegionalFormats::fromLocale(QLocale(QLocale::German, QLocale::Germany)));
    }
    void describeChanges_data();
    void describeChanges();
    void previewImport_data();
    void previewImport();
};

void TestVersionDiff::describeChanges_data()
{
    QTest::addColumn<ProfileContent>("before");
    QTest::addColumn<ProfileContent>("after");
    QTest::addColumn<QString>("text");
    const ProfileContent base = profile(10);
    QTest::newRow("nothing") << base << base << "keine Änderung";

    ProfileContent raisedAndLowered = base;
    for (int h = 6; h < 9; ++h)
        raisedAndLowered.rates[size_t(h)] = 12; // +0,6 IE over three hours
    raisedAndLowered.rates[22] = 9;
    raisedAndLowered.rates[23] = 9;
    QTest::newRow("runs up and down")
        << base << raisedAndLowered << "+0,4 IE; 6 bis 9 Uhr höher, 22 bis 24 Uhr niedriger";

    ProfileContent shifted = base;
    shifted.rates[0] = 11;
    shifted.rates[1] = 9;
    QTest::newRow("same total, neighbours apart")
        << base << shifted << "0 bis 1 Uhr höher, 1 bis 2 Uhr niedriger";

    ProfileContent lower = profile(8);
    QTest::newRow("all hours lower") << base << lower << "\u22124,8 IE; 0 bis 24 Uhr niedriger";

    ProfileContent texts = base;
    texts.bolus[1] = QStringLiteral("1,2");
    texts.bolus[2] = QString();
    texts.datum = QStringLiteral("08.12.2026");
    texts.notizen = QStringLiteral("Sport\r\nabends");
    QTest::newRow("bolus, date and notes")
        << base << texts
        << "Bolus mittags 1,0 \u2192 1,2; Bolus abends 1,2 \u2192 leer; "
           "Datum 01.12.2026 \u2192 08.12.2026; Notizen geändert";
}

void TestVersionDiff::describeChanges()
{
    QFETCH(ProfileContent, before);
    QFETCH(ProfileContent, after);
    QFETCH(QString, text);
    QCOMPARE(fendrimo::describeChanges(before, after), text);
}

void TestVersionDiff::previewImport_data()
{
    QTest::addColumn<ProfileContent>("after");
    QTest::addColumn<QList<int>>("adjusted"); // 3, 10: rounded to the rate they had
    QTest::addColumn<QStringList>("changes");
    ProfileContent after = profile(10);
    QTest::newRow("nothing changes") << after << QList<int>{3} << QStringList{};
    for (int h = 4; h < 18; ++h)
        after.rates[size_t(h)] = h == 10 ? 10 : 7;
    after.rates[23] = 9;
    QTest::newRow("runs of several hours, split by an unchanged hour and at rounded ones")
        << after << QList<int>{23, 17, 16, 10}
        << QStringList{"4 bis 10 Uhr: 1 → 0,7 IE/h", "11 bis 16 Uhr: 1 → 0,7 IE/h",
                       "16 bis 18 Uhr: 1 → 0,7 IE/h, gerundet oder gemittelt",
                       "23 bis 24 Uhr: 1 → 0,9 IE/h, gerundet oder gemittelt"};
    after = profile(10);
    after.bolus = {QStringLiteral("1,5"), QString(), QStringLiteral("1,3")};
    after.datum = QStringLiteral("02.11.2026");
    after.notizen = QStringLiteral("Sport\r\nImportiert aus Nightscout-Profil \"Sport\"");
    QTest::newRow("bolus, date and the line added to the notes")
        << after << QList<int>{}
        << QStringList{"Bolus mittags 1,0 → leer", "Bolus abends 1,2 → 1,3",
                       "Datum 01.12.2026 → 02.11.2026",
                       "Neue Zeile in den Notizen: Importiert aus Nightscout-Profil \"Sport\""};
}

void TestVersionDiff::previewImport()
{
    QFETCH(ProfileContent, after);
    QFETCH(QList<int>, adjusted);
    QFETCH(QStringList, changes);
    QCOMPARE(fendrimo::previewImport(profile(10), after, adjusted).changes, changes);
}

QTEST_APPLESS_MAIN(TestVersionDiff)
#include "tst_versiondiff.moc"

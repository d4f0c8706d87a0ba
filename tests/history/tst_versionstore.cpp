// The version store on disk: one version per changed save, in the order of
// saving whatever the clock says, at most 200, an index that always matches
// the versions, and damaged or foreign files that hide nothing.

#include "files/profilsatz.h"
#include "history/versionstore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace fendrimo;

namespace {

const QDateTime kStart(QDate(2026, 12, 9), QTime(4, 10, 2, 123), Qt::UTC);

// A profile file whose first hour holds rate; the other hours 1 IE/h.
QByteArray profileBytes(qint32 rate)
{
    Profilsatz record;
    for (int h = 0; h < Profilsatz::Hours; ++h)
        record.setRate(h, h == 0 ? rate : 10);
    return record.toBytes();
}

QList<qint32> firstRates(const QList<StoredVersion>& versions)
{
    QList<qint32> rates;
    for (const StoredVersion& version : versions)
        rates << version.content.rates.at(0);
    return rates;
}

bool writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestVersionStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void keptInTheOrderOfSaving_data();
    void keptInTheOrderOfSaving();
    void unchangedSaveKeepsNothing();
    void keepsAtMostTwoHundred();
    void indexFollowsTheVersions();
    void damagedEntriesAreSkipped_data();
    void damagedEntriesAreSkipped();
    void unwritableFolderIsReported();
    void oneFolderPerFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_profile;
    std::unique_ptr<VersionStore> m_store;
};

void TestVersionStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_profile = m_dir->filePath(QStringLiteral("profil.bar"));
    QVERIFY(writeRaw(m_profile, profileBytes(8)));
    m_store = std::make_unique<VersionStore>(m_dir->filePath(QStringLiteral("verlauf")));
}

void TestVersionStore::keptInTheOrderOfSaving_data()
{
    QTest::addColumn<QList<qint64>>("offsets"); // ms after kStart for each save
    QTest::addRow("a second apart") << QList<qint64>{0, 1000, 2000};
    QTest::addRow("in one millisecond") << QList<qint64>{0, 0, 0, 0};
    QTest::addRow("clock set back") << QList<qint64>{5000, 0, -3600000};
    QTest::addRow("across midnight") << QList<qint64>{71876000, 71878000};
}

// Every save is a version of its own; the newest comes first even when the
// clock went back in between.
void TestVersionStore::keptInTheOrderOfSaving()
{
    QFETCH(QList<qint64>, offsets);
    QList<qint32> saved;
    for (int i = 0; i < offsets.size(); ++i) {
        const KeepOutcome outcome =
            m_store->keep(m_profile, profileBytes(20 + i), kStart.addMSecs(offsets.at(i)));
        QCOMPARE(outcome.kind, KeepOutcome::Kind::Stored);
        saved.prepend(20 + i);
    }
    const QList<StoredVersion> versions = m_store->versions(m_profile);
    QCOMPARE(firstRates(versions), saved);
    for (int i = 1; i < versions.size(); ++i)
        QVERIFY(versions.at(i - 1).savedAt >= versions.at(i).savedAt);
    // Each version's time is the clock's, unless the clock was behind the newest.
    QCOMPARE(versions.constLast().savedAt, kStart.addMSecs(offsets.constFirst()));
}

void TestVersionStore::unchangedSaveKeepsNothing()
{
    QCOMPARE(m_store->keep(m_profile, profileBytes(8), kStart).kind, KeepOutcome::Kind::Stored);
    QCOMPARE(m_store->keep(m_profile, profileBytes(8), kStart.addSecs(60)).kind,
             KeepOutcome::Kind::Unchanged);
    QCOMPARE(m_store->keep(m_profile, profileBytes(9), kStart.addSecs(120)).kind,
             KeepOutcome::Kind::Stored);
    // Back to an older content is a change against the newest.
    QCOMPARE(m_store->keep(m_profile, profileBytes(8), kStart.addSecs(180)).kind,
             KeepOutcome::Kind::Stored);
    QCOMPARE(firstRates(m_store->versions(m_profile)), (QList<qint32>{8, 9, 8}));
}

void TestVersionStore::keepsAtMostTwoHundred()
{
    const int saves = VersionStore::MaxVersions + 3;
    for (int i = 0; i < saves; ++i) {
        QCOMPARE(m_store->keep(m_profile, profileBytes(i + 1), kStart.addSecs(i)).kind,
                 KeepOutcome::Kind::Stored);
    }
    const QList<StoredVersion> versions = m_store->versions(m_profile);
    QCOMPARE(versions.size(), VersionStore::MaxVersions);
    QCOMPARE(versions.constFirst().content.rates.at(0), saves);
    // The three oldest went.
    QCOMPARE(versions.constLast().content.rates.at(0), 4);
    QCOMPARE(QDir(m_store->folderFor(m_profile)).entryList(QDir::Files).size(),
             VersionStore::MaxVersions + 1);
}

// The index names the profile and lists each version's file, time and
// total; a damaged index is replaced at the next save.
void TestVersionStore::indexFollowsTheVersions()
{
    const QString index = m_store->folderFor(m_profile) + QStringLiteral("verlauf.json");
    QCOMPARE(m_store->keep(m_profile, profileBytes(8), kStart).kind, KeepOutcome::Kind::Stored);
    QVERIFY(writeRaw(index, "{\"profil\": kaputt"));
    QCOMPARE(m_store->keep(m_profile, profileBytes(35), kStart.addSecs(1)).kind,
             KeepOutcome::Kind::Stored);

    QFile file(index);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(file.readAll(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(json.value(QStringLiteral("profil")).toString(),
             QFileInfo(m_profile).canonicalFilePath());
    const QJsonArray entries = json.value(QStringLiteral("fassungen")).toArray();
    const QList<StoredVersion> versions = m_store->versions(m_profile);
    QCOMPARE(entries.size(), versions.size());
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject entry = entries.at(i).toObject();
        const StoredVersion& version = versions.at(versions.size() - 1 - i); // oldest first
        QCOMPARE(entry.value(QStringLiteral("datei")).toString(),
                 QFileInfo(version.file).fileName());
        QCOMPARE(QDateTime::fromString(entry.value(QStringLiteral("zeit")).toString(),
                                       Qt::ISODateWithMs),
                 version.savedAt);
    }
    // 24 hours: one at 0,8 resp. 3,5 and 23 at 1 IE/h.
    QCOMPARE(entries.at(0).toObject().value(QStringLiteral("tagessumme")).toDouble(), 23.8);
    QCOMPARE(entries.at(1).toObject().value(QStringLiteral("tagessumme")).toDouble(), 26.5);
    // No temporary file stays behind.
    QCOMPARE(QDir(m_store->folderFor(m_profile)).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

void TestVersionStore::damagedEntriesAreSkipped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    const QString versionLike = QStringLiteral("20261209T041003.000Z-00.bar");
    QByteArray tooBig = profileBytes(8);
    tooBig.replace(0, 4, QByteArray::fromHex("ffffff7f")); // 214748364,7 IE/h: no maximum holds it
    QTest::addRow("cut short") << versionLike << profileBytes(8).left(100);
    QTest::addRow("longer than a profile") << versionLike << profileBytes(8) + "x";
    QTest::addRow("empty") << versionLike << QByteArray();
    QTest::addRow("rate beyond any maximum") << versionLike << tooBig;
    QTest::addRow("foreign name") << QStringLiteral("notiz.bar") << profileBytes(7);
    QTest::addRow("impossible time")
        << QStringLiteral("20261309T041003.000Z-00.bar") << profileBytes(7);
    QTest::addRow("folder with a version's name") << versionLike << QByteArray();
}

// Between two good versions lies a file that is no version; the list shows
// the two, and deleting the history removes only what the store wrote.
void TestVersionStore::damagedEntriesAreSkipped()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QCOMPARE(m_store->keep(m_profile, profileBytes(8), kStart).kind, KeepOutcome::Kind::Stored);
    const QString folder = m_store->folderFor(m_profile);
    if (QByteArray(QTest::currentDataTag()).startsWith("folder"))
        QVERIFY(QDir().mkpath(folder + name));
    else
        QVERIFY(writeRaw(folder + name, bytes));
    QVERIFY(writeRaw(folder + QStringLiteral("verlauf.json"), "\x00\xff"));
    QCOMPARE(m_store->keep(m_profile, profileBytes(9), kStart.addSecs(2)).kind,
             KeepOutcome::Kind::Stored);
    QCOMPARE(firstRates(m_store->versions(m_profile)), (QList<qint32>{9, 8}));

    QString error;
    QVERIFY(m_store->removeAll(m_profile, &error));
    QVERIFY(m_store->versions(m_profile).isEmpty());
    const bool ours = name.startsWith(QStringLiteral("20261209")) &&
                      !QByteArray(QTest::currentDataTag()).startsWith("folder");
    QCOMPARE(QFileInfo::exists(folder + name), !ours);
    QVERIFY(QFileInfo::exists(m_profile));
}

void TestVersionStore::unwritableFolderIsReported()
{
    // A file where the folder should be: no one, not even root, can create it.
    const QString blocker = m_dir->filePath(QStringLiteral("block"));
    QVERIFY(writeRaw(blocker, "x"));
    const VersionStore store(blocker + QStringLiteral("/verlauf"));
    const KeepOutcome outcome = store.keep(m_profile, profileBytes(8), kStart);
    QCOMPARE(outcome.kind, KeepOutcome::Kind::Failed);
    QVERIFY2(outcome.error.contains(QStringLiteral("nicht anlegen")), qPrintable(outcome.error));
    QVERIFY(store.versions(m_profile).isEmpty());
    QVERIFY(store.removeAll(m_profile));
}

// A profile is known by its real path: a link or a detour names the same
// file; a moved file starts a history of its own.
void TestVersionStore::oneFolderPerFile()
{
    const QString link = m_dir->filePath(QStringLiteral("verweis.bar"));
    QVERIFY(QFile::link(m_profile, link));
    const QString detour = m_dir->path() + QStringLiteral("/unter/../profil.bar");
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("unter"))));
    QCOMPARE(m_store->folderFor(link), m_store->folderFor(m_profile));
    QCOMPARE(m_store->folderFor(detour), m_store->folderFor(m_profile));
    QCOMPARE(m_store->keep(link, profileBytes(8), kStart).kind, KeepOutcome::Kind::Stored);
    QCOMPARE(m_store->versions(m_profile).size(), 1);

    const QString moved = m_dir->filePath(QStringLiteral("umbenannt.bar"));
    QVERIFY(QFile::rename(m_profile, moved));
    QVERIFY(m_store->folderFor(moved) != m_store->folderFor(link));
    QVERIFY(m_store->versions(moved).isEmpty());
}

QTEST_GUILESS_MAIN(TestVersionStore)
#include "tst_versionstore.moc"

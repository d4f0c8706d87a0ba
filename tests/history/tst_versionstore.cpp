// The version store on disk: one version per changed save, in the order of
// saving and at its real time whatever the clock says, at most 200, an index
// that is the store's record of what it wrote, and damaged or foreign files
// that are never shown and never deleted.

#include "files/profilsatz.h"
#include "history/versionstore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "support/filesizelimit.h"
#include "support/stoppedrun.h"

#include <sys/stat.h>

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

// The name a version saved at at gets first.
QString nameAt(const QDateTime& at)
{
    return at.toString(QStringLiteral("yyyyMMdd'T'HHmmss.zzz'Z-00.bar'"));
}

// The mode bits, the type included: a link is no 0100600.
uint modeOf(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
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
    void linkedFolderIsRefused();
    void oneFolderPerFile();
    void storeIsPrivate_data();
    void storeIsPrivate();
    void lockRefusalIsNamed_data();
    void lockRefusalIsNamed();

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
    QTest::addRow("2 hours fast then right") << QList<qint64>{7200000, 60000, 120000};
    const QDateTime in2099(QDate(2099, 3, 1), QTime(12, 0), Qt::UTC);
    QTest::addRow("one save in 2099") << QList<qint64>{0, kStart.msecsTo(in2099), 1000};
}

// Every save is a version of its own at the clock's time; the one saved last
// comes first even when the clock was wrong in between, and a time after now
// is marked.
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
    const QDateTime now = kStart.addMSecs(offsets.constLast());
    QStringList shown;
    for (int i = 0; i < versions.size(); ++i) {
        QCOMPARE(versions.at(i).savedAt, kStart.addMSecs(offsets.at(offsets.size() - 1 - i)));
        shown << versionTimeText(versions.at(i), now);
        QCOMPARE(shown.constLast().endsWith(QStringLiteral(" (in der Zukunft)")),
                 versions.at(i).savedAt > now);
    }
    if (QByteArray(QTest::currentDataTag()) == "one save in 2099")
        qInfo("fault | one save with the clock in 2099 | newest first: %s | 3 versions + "
              "verlauf.json",
              qPrintable(shown.join(QStringLiteral(", "))));
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

// The oldest saved go; foreign files, even under the names the saves would
// take, and the first version once replaced by other bytes are never shown
// and survive pruning and deleting the history.
void TestVersionStore::keepsAtMostTwoHundred()
{
    const QString folder = m_store->folderFor(m_profile);
    QVERIFY(QDir().mkpath(folder));
    const int foreign = 2000; // openable profiles and links to a user's file
    for (int i = 0; i < foreign; ++i) {
        const QString path = folder + nameAt(kStart.addSecs(i));
        QVERIFY(i % 2 ? QFile::link(m_profile, path) : writeRaw(path, profileBytes(500 + i)));
    }
    const int saves = VersionStore::MaxVersions + 3;
    for (int i = 0; i < saves; ++i) {
        QCOMPARE(m_store->keep(m_profile, profileBytes(i + 1), kStart.addSecs(i)).kind,
                 KeepOutcome::Kind::Stored);
        if (i == 0)
            QVERIFY(writeRaw(m_store->versions(m_profile).at(0).file, profileBytes(99)));
    }
    const QList<StoredVersion> versions = m_store->versions(m_profile);
    QList<qint32> newest; // the three oldest went
    for (int rate = saves; rate > 3; --rate)
        newest << rate;
    QCOMPARE(firstRates(versions), newest);
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(),
             foreign + 1 + VersionStore::MaxVersions + 1);
    QVERIFY(m_store->removeAll(m_profile).removed());
    const int left = int(QDir(folder).entryList(QDir::Files).size());
    QCOMPARE(left, foreign + 1);
    qInfo("fault | history folder with %d foreign files, one a replaced version | 0 shown, %d "
          "deleted after %d saves and "
          "removeAll | %d foreign files kept; 200 versions + verlauf.json until removeAll",
          foreign + 1, foreign + 1 - left, saves, left);
}

// The index names the profile and lists each version's file, time, total
// and hash; the previous release's index, without hashes, is adopted.
void TestVersionStore::indexFollowsTheVersions()
{
    const QString index = m_store->folderFor(m_profile) + QStringLiteral("verlauf.json");
    QCOMPARE(m_store->keep(m_profile, profileBytes(8), kStart).kind, KeepOutcome::Kind::Stored);
    QVERIFY(writeRaw(index, "{\"fassungen\": [{\"datei\": \"" + nameAt(kStart).toUtf8() + "\"}]}"));
    QCOMPARE(m_store->versions(m_profile).size(), 1);
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
        QCOMPARE(entry.value(QStringLiteral("sha256")).toString().toLatin1(),
                 QCryptographicHash::hash(profileBytes(version.content.rates.at(0)),
                                          QCryptographicHash::Sha256)
                     .toHex());
    }
    // 24 hours: one at 0,8 resp. 3,5 and 23 at 1 IE/h.
    QCOMPARE(entries.at(0).toObject().value(QStringLiteral("tagessumme")).toDouble(), 23.8);
    QCOMPARE(entries.at(1).toObject().value(QStringLiteral("tagessumme")).toDouble(), 26.5);
    // A damaged index knows no versions: the next save lists only itself, and
    // the files it no longer knows stay. No temporary file stays behind.
    QVERIFY(writeRaw(index, "{\"profil\": kaputt"));
    QCOMPARE(m_store->keep(m_profile, profileBytes(9), kStart.addSecs(2)).kind,
             KeepOutcome::Kind::Stored);
    QCOMPARE(firstRates(m_store->versions(m_profile)), QList<qint32>{9});
    QCOMPARE(QDir(m_store->folderFor(m_profile)).entryList(QDir::Files | QDir::Hidden).size(), 4);
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
    QTest::addRow("openable profile not in the index") << versionLike << profileBytes(7);
    const QByteArray noise = QCryptographicHash::hash("x", QCryptographicHash::Sha256).repeated(21);
    QTest::addRow("random bytes of a profile's size") << versionLike << noise.left(656);
    QTest::addRow("link to a user's file") << versionLike << QByteArray();
    QTest::addRow("listed version replaced") << nameAt(kStart) << profileBytes(7);
}

// Between two saves a file that is no version of the store's appears; the list
// shows only the store's, and deleting the history leaves the file.
void TestVersionStore::damagedEntriesAreSkipped()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QCOMPARE(m_store->keep(m_profile, profileBytes(8), kStart).kind, KeepOutcome::Kind::Stored);
    const QString folder = m_store->folderFor(m_profile);
    const QByteArray tag(QTest::currentDataTag());
    if (tag.startsWith("folder"))
        QVERIFY(QDir().mkpath(folder + name));
    else if (tag.startsWith("link"))
        QVERIFY(QFile::link(m_profile, folder + name));
    else
        QVERIFY(writeRaw(folder + name, bytes));
    QCOMPARE(m_store->keep(m_profile, profileBytes(9), kStart.addSecs(2)).kind,
             KeepOutcome::Kind::Stored);
    QCOMPARE(firstRates(m_store->versions(m_profile)),
             tag.startsWith("listed") ? QList<qint32>{9} : (QList<qint32>{9, 8}));

    QVERIFY(m_store->removeAll(m_profile).removed());
    QVERIFY(m_store->versions(m_profile).isEmpty());
    QVERIFY(QFileInfo::exists(folder + name));
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
    QVERIFY(store.removeAll(m_profile).removed());
}

// A profile's folder that links to a user's folder holding what looks like a
// history: nothing is kept, shown or deleted through it. A root reached
// through a link is fine.
void TestVersionStore::linkedFolderIsRefused()
{
    QCOMPARE(m_store->keep(m_profile, profileBytes(8), kStart).kind, KeepOutcome::Kind::Stored);
    const QString folder = QDir::cleanPath(m_store->folderFor(m_profile));
    const QString own = m_dir->filePath(QStringLiteral("eigene"));
    QVERIFY(QFile::rename(folder, own) && QFile::link(own, folder));
    const QStringList before = QDir(own).entryList(QDir::Files);

    const KeepOutcome outcome = m_store->keep(m_profile, profileBytes(9), kStart.addSecs(1));
    QCOMPARE(outcome.kind, KeepOutcome::Kind::Failed);
    QVERIFY2(outcome.error.contains(QStringLiteral("ist ein Verweis")), qPrintable(outcome.error));
    QVERIFY(m_store->versions(m_profile).isEmpty());
    const RemoveOutcome removal = m_store->removeAll(m_profile);
    QVERIFY(!removal.removed());
    QCOMPARE(removal.error, outcome.error);
    QCOMPARE(QDir(own).entryList(QDir::Files), before);
    qInfo("fault | profile folder linked to a user's folder with a history | keep, list and "
          "delete refused: 0 shown, 0 deleted | the user's %d files kept",
          int(before.size()));

    const QString viaLink = m_dir->filePath(QStringLiteral("ueber"));
    QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("verlauf")), viaLink));
    const KeepOutcome other =
        VersionStore(viaLink).keep(m_dir->filePath(QStringLiteral("anderes.bar")), profileBytes(8));
    QCOMPARE(other.kind, KeepOutcome::Kind::Stored);
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

void TestVersionStore::storeIsPrivate_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("left"); // in the folder before a keep: a file, "name>link target"
    QTest::addColumn<bool>("stays");
    const QString version = nameAt(kStart.addSecs(9));
    QTest::addRow("new store, umask 022") << 022 << QString() << false;
    QTest::addRow("new store, umask 000") << 0 << QString() << false;
    QTest::addRow("store of an earlier release") << 022 << QStringLiteral("0755/0644") << false;
    QTest::addRow("index linked to a user's file") << 022 << "verlauf.json>notizen.txt" << false;
    QTest::addRow("index linked to no file yet") << 022 << "verlauf.json>neu.txt" << false;
    QTest::addRow("index's temporary after a kill") << 022 << "verlauf.json.uMsRMg" << false;
    QTest::addRow("version's temporary after a kill") << 022 << version + ".ISzYqD" << false;
    QTest::addRow("temporary's name with a digit") << 022 << "verlauf.json.uMsRM5" << true;
    QTest::addRow("link with a temporary's name") << 022 << "verlauf.json.aBcDeF>neu.txt" << true;
}

// After a keep the store holds only its own files, folders 0700 and files 0600
// whatever the umask, an older store tightened: a link in the index's place
// or a write's temporary is gone, the link's target as it was, and nothing
// else is touched.
void TestVersionStore::storeIsPrivate()
{
    QFETCH(int, mask);
    QFETCH(QString, left);
    QFETCH(bool, stays);
    const QString root = m_dir->filePath(QStringLiteral("verlauf"));
    const QString folder = m_store->folderFor(m_profile);
    const QString name = left.section(u'>', 0, 0);
    QVERIFY(writeRaw(m_dir->filePath(QStringLiteral("notizen.txt")), "meins"));
    const mode_t old = ::umask(mode_t(mask));
    QCOMPARE(m_store->keep(m_profile, profileBytes(8), kStart).kind, KeepOutcome::Kind::Stored);
    if (left.contains(u'/')) {
        QCOMPARE(QProcess::execute(QStringLiteral("chmod"),
                                   {QStringLiteral("-R"), QStringLiteral("go+rX"), root}),
                 0);
    } else if (left.contains(u'>')) {
        QFile::remove(folder + name);
        QVERIFY(QFile::link(m_dir->filePath(left.section(u'>', 1)), folder + name));
    } else if (!left.isEmpty()) {
        QVERIFY(QFile::copy(folder + "verlauf.json", folder + name));
    }
    const KeepOutcome outcome = m_store->keep(m_profile, profileBytes(9), kStart.addSecs(1));
    ::umask(old);
    QCOMPARE(outcome.kind, KeepOutcome::Kind::Stored);
    QStringList modes{QString::number(modeOf(root), 8)};
    for (QDirIterator it(root,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const bool foreign = it.next() == folder + name && stays;
        modes << (foreign ? QStringLiteral("foreign") : QString::number(modeOf(it.filePath()), 8));
    }
    modes.sort();
    QCOMPARE(modes, QStringList({"100600", "100600", "100600", "40700", "40700", "foreign"})
                        .mid(0, stays ? 6 : 5));
    QCOMPARE(QFileInfo(m_dir->filePath(QStringLiteral("notizen.txt"))).size(), 5);
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("neu.txt"))));
    qInfo("fault | history: %s | folders 0700, files 0600 | 2 versions + verlauf.json%s, the "
          "user's file as it was",
          QTest::currentDataTag(), stays ? " + the foreign file" : "");
}

void TestVersionStore::lockRefusalIsNamed_data()
{
    QTest::addColumn<QString>("lock"); // "held", "folder" or "full"
    QTest::addRow("held by a stopped run") << QStringLiteral("held");
    QTest::addRow("lock is a folder") << QStringLiteral("folder");
    QTest::addRow("disk full") << QStringLiteral("full");
}

// The save waits a second at most for the history, and the failure says why;
// a folder in the lock's place is no lock and stays with what it holds.
void TestVersionStore::lockRefusalIsNamed()
{
    QFETCH(QString, lock);
    const QString path = m_store->folderFor(m_profile) + QStringLiteral("verlauf.lock");
    QVERIFY(QDir().mkpath(lock == QLatin1String("folder") ? path + "/inhalt"
                                                          : m_store->folderFor(m_profile)));
    std::optional<fendrimo::testing::StoppedRun> other;
    std::optional<fendrimo::testing::FileSizeLimit> limit;
    QString cause = path + QStringLiteral(" ist keine Sperrdatei");
    if (lock == QLatin1String("held"))
        cause = QStringLiteral("gesperrt von einem anderen laufenden Fendrimo (Prozess %1)")
                    .arg(other.emplace(path).pid);
    else if (lock == QLatin1String("full"))
        cause = QStringLiteral("Kapazität der Diskette/Festplatte erschöpft");
    if (lock == QLatin1String("full"))
        limit.emplace(0);
    QElapsedTimer clock;
    clock.start();
    const KeepOutcome outcome = m_store->keep(m_profile, profileBytes(9), kStart);
    const qint64 waited = clock.elapsed();
    limit.reset();
    QCOMPARE(outcome.error, cause);
    QVERIFY2(waited <= 1500, qPrintable(QString::number(waited)));
    QVERIFY(m_store->versions(m_profile).isEmpty());
    QCOMPARE(QFileInfo::exists(path + "/inhalt"), lock == QLatin1String("folder"));
    qInfo("fault | history lock: %s | keep refused after %lld ms: \"%s\" | no version",
          QTest::currentDataTag(), waited, qPrintable(outcome.error));
}

QTEST_GUILESS_MAIN(TestVersionStore)
#include "tst_versionstore.moc"

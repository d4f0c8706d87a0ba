#include "files/profilefile.h"
#include "files/profilsatz.h"
#include "settings/inifile.h"

#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <future>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

using fendrimo::FileResult;
using fendrimo::Profilsatz;
using fendrimo::readProfileFile;
using fendrimo::writeProfileFile;

namespace {

Profilsatz sampleRecord(int seed)
{
    Profilsatz record;
    for (int h = 0; h < Profilsatz::Hours; ++h)
        record.setRate(h, seed + h);
    record.setDatum(QStringLiteral("08.12.2026 #%1").arg(seed));
    record.setNotizen(QStringLiteral("Größe\r\nabends"));
    record.setBolus(1, QStringLiteral("1,5"));
    record.setBolus(4, QString::number(seed));
    return record;
}

QByteArray patternBytes(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 31 + seed);
    return bytes;
}

bool writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readRaw(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

bool isRoot()
{
    return ::geteuid() == 0;
}

} // namespace

class TstProfileFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roundTrip_data();
    void roundTrip();
    void loadBySize_data();
    void loadBySize();
    void loadRefused_data();
    void loadRefused();
    void loadNamedPipeDoesNotBlock_data();
    void loadNamedPipeDoesNotBlock();
    void loadWriteProtected_data();
    void loadWriteProtected();
    void saveRefused_data();
    void saveRefused();
    void saveThroughSymlink_data();
    void saveThroughSymlink();
    void saveKeepsPermissions_data();
    void saveKeepsPermissions();
    void saveOnFullDisk();
    void tooManyOpenFiles();
    void errorTexts_data();
    void errorTexts();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    // Mounts a tmpfs at a new folder; empty (and the test skipped) when we may not.
    QString mountTmpfs(const QString& name, const QString& options);
    bool remountReadOnly(const QString& folder);

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_mounts;
};

void TstProfileFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TstProfileFile::cleanup()
{
    while (!m_mounts.isEmpty()) {
        const QString folder = m_mounts.takeLast();
        if (QProcess::execute(QStringLiteral("umount"), {folder}) != 0)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), folder});
    }
    // The unprivileged read-only folder case has to be writable again to be removed.
    if (m_dir && QFileInfo::exists(path(QStringLiteral("ro"))))
        QFile::setPermissions(path(QStringLiteral("ro")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_dir.reset();
}

QString TstProfileFile::mountTmpfs(const QString& name, const QString& options)
{
    if (!isRoot())
        return QString();
    const QString folder = path(name);
    if (!QDir().mkpath(folder))
        return QString();
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           options, QStringLiteral("tmpfs"), folder}) != 0)
        return QString();
    m_mounts.append(folder);
    return folder;
}

bool TstProfileFile::remountReadOnly(const QString& folder)
{
    return QProcess::execute(QStringLiteral("mount"),
                             {QStringLiteral("-o"), QStringLiteral("remount,ro"), folder}) == 0;
}

void TstProfileFile::roundTrip_data()
{
    QTest::addColumn<bool>("existing");

    QTest::newRow("new file") << false;
    QTest::newRow("replaces longer file") << true;
}

void TstProfileFile::roundTrip()
{
    QFETCH(bool, existing);
    const QString file = path(QStringLiteral("profil.bas"));
    if (existing)
        QVERIFY(writeRaw(file, patternBytes(2000, 7)));

    const Profilsatz saved = sampleRecord(3);
    QCOMPARE(writeProfileFile(file, saved).code, 0);
    QCOMPARE(readRaw(file), saved.toBytes());
    QCOMPARE(entries(m_dir->path()), QStringList{QStringLiteral("profil.bas")});

    Profilsatz loaded = sampleRecord(99);
    QCOMPARE(readProfileFile(file, loaded).code, 0);
    QCOMPARE(loaded.toBytes(), saved.toBytes());
    QCOMPARE(loaded.datum(), QStringLiteral("08.12.2026 #3"));
    QCOMPARE(loaded.notizen(), QStringLiteral("Größe\r\nabends"));
}

void TstProfileFile::loadBySize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("code");

    QTest::newRow("empty file") << 0 << 100;
    QTest::newRow("655 bytes") << 655 << 100;
    QTest::newRow("656 bytes") << 656 << 0;
    QTest::newRow("657 bytes") << 657 << 0;
    QTest::newRow("1 MB") << (1 << 20) << 0;
}

void TstProfileFile::loadBySize()
{
    QFETCH(int, size);
    QFETCH(int, code);
    const QString file = path(QStringLiteral("profil.bas"));
    const QByteArray content = patternBytes(size, 1);
    QVERIFY(writeRaw(file, content));

    Profilsatz record = sampleRecord(5);
    const QByteArray before = record.toBytes();
    QCOMPARE(readProfileFile(file, record).code, code);
    QCOMPARE(record.toBytes(), code == 0 ? content.left(656) : before);
}

void TstProfileFile::loadRefused_data()
{
    QTest::addColumn<QString>("name"); // relative to the test folder unless absolute
    QTest::addColumn<int>("code");

    QTest::newRow("missing file") << QStringLiteral("fehlt.bas") << 2;
    QTest::newRow("missing folder") << QStringLiteral("fehlt/profil.bas") << 2;
    QTest::newRow("file used as folder") << QStringLiteral("profil.bas/x.bas") << 2;
    QTest::newRow("folder") << QStringLiteral("ordner") << 5;
    QTest::newRow("character device") << QStringLiteral("/dev/zero") << 5;
    QTest::newRow("empty name") << QString() << 3;
    QTest::newRow("name too long") << QString(300, QLatin1Char('n')) << 3;
}

void TstProfileFile::loadRefused()
{
    QFETCH(QString, name);
    QFETCH(int, code);
    QVERIFY(writeRaw(path(QStringLiteral("profil.bas")), patternBytes(656, 2)));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("ordner")));

    const QString file = name.isEmpty() || name.startsWith(QLatin1Char('/')) ? name : path(name);
    Profilsatz record = sampleRecord(5);
    const QByteArray before = record.toBytes();
    QCOMPARE(readProfileFile(file, record).code, code);
    QCOMPARE(record.toBytes(), before);
}

void TstProfileFile::loadNamedPipeDoesNotBlock_data()
{
    QTest::addColumn<bool>("writerPresent");

    QTest::newRow("no writer") << false;
    QTest::newRow("idle writer") << true;
}

void TstProfileFile::loadNamedPipeDoesNotBlock()
{
    QFETCH(bool, writerPresent);
    const QString pipe = path(QStringLiteral("pipe.bas"));
    const QByteArray pipeName = QFile::encodeName(pipe);
    QVERIFY(::mkfifo(pipeName.constData(), 0600) == 0);
    // Holding the pipe open read-write makes a blocking open succeed, leaving
    // an unchecked reader stuck in read() instead.
    const int holder = writerPresent ? ::open(pipeName.constData(), O_RDWR | O_NONBLOCK) : -1;
    QVERIFY(!writerPresent || holder >= 0);

    auto record = std::make_shared<Profilsatz>(sampleRecord(5));
    const QByteArray before = record->toBytes();
    std::promise<int> done;
    std::future<int> result = done.get_future();
    std::thread reader([pipe, record, promise = std::move(done)]() mutable {
        promise.set_value(readProfileFile(pipe, *record).code);
    });
    const bool finished = result.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (!finished) {
        // Free the stuck reader before failing: give it a writer and data.
        const int unblock = ::open(pipeName.constData(), O_RDWR | O_NONBLOCK);
        const QByteArray data(656, '\0');
        if (unblock >= 0 && ::write(unblock, data.constData(), size_t(data.size())) < 0)
            qWarning("could not unblock the reader");
        reader.join();
        ::close(unblock);
    } else {
        reader.join();
    }
    if (holder >= 0)
        ::close(holder);
    QVERIFY2(finished, "reading a named pipe blocked");
    QVERIFY(result.get() != 0);
    QCOMPARE(record->toBytes(), before);
}

void TstProfileFile::loadWriteProtected_data()
{
    QTest::addColumn<bool>("readOnlyMount");

    QTest::newRow("mode 0444") << false;
    // Root may open a 0444 file for writing; on a read-only mount nobody can.
    QTest::newRow("read-only mount") << true;
}

void TstProfileFile::loadWriteProtected()
{
    QFETCH(bool, readOnlyMount);
    QString folder = m_dir->path();
    if (readOnlyMount) {
        folder = mountTmpfs(QStringLiteral("ro"), QStringLiteral("size=64k"));
        if (folder.isEmpty())
            QSKIP("needs root and tmpfs mounts");
    }
    const QString file = folder + QStringLiteral("/profil.bas");
    const Profilsatz saved = sampleRecord(8);
    QVERIFY(writeRaw(file, saved.toBytes()));
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    if (readOnlyMount)
        QVERIFY(remountReadOnly(folder));

    Profilsatz loaded;
    QCOMPARE(readProfileFile(file, loaded).code, 0);
    QCOMPARE(loaded.toBytes(), saved.toBytes());
}

void TstProfileFile::saveRefused_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("code");

    const QString none;
    QTest::newRow("missing folder") << none << QStringLiteral("fehlt/profil.bas") << 2;
    QTest::newRow("empty name") << none << QString() << 3;
    QTest::newRow("name too long") << none << QString(300, QLatin1Char('n')) << 3;
    QTest::newRow("target is a folder") << none << QStringLiteral("ordner") << 5;
    QTest::newRow("target mode 0444")
        << QStringLiteral("mode 0444") << QStringLiteral("profil.bas") << 5;
    QTest::newRow("target mode 0400")
        << QStringLiteral("mode 0400") << QStringLiteral("profil.bas") << 5;
    QTest::newRow("read-only folder")
        << QStringLiteral("read-only folder") << QStringLiteral("profil.bas") << 5;
}

void TstProfileFile::saveRefused()
{
    QFETCH(QString, setup);
    QFETCH(QString, name);
    QFETCH(int, code);

    QString folder = m_dir->path();
    if (setup == QLatin1String("read-only folder")) {
        if (isRoot()) {
            folder = mountTmpfs(QStringLiteral("ro"), QStringLiteral("size=64k"));
            if (folder.isEmpty())
                QSKIP("needs tmpfs mounts");
        } else {
            folder = path(QStringLiteral("ro"));
            QVERIFY(QDir().mkdir(folder));
        }
    }
    const QString existing = folder + QStringLiteral("/profil.bas");
    const QByteArray old = patternBytes(700, 3);
    QVERIFY(writeRaw(existing, old));
    QVERIFY(QDir(folder).mkdir(QStringLiteral("ordner")));
    if (setup == QLatin1String("mode 0444"))
        QVERIFY(QFile::setPermissions(existing,
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    if (setup == QLatin1String("mode 0400"))
        QVERIFY(QFile::setPermissions(existing, QFile::ReadOwner));
    if (setup == QLatin1String("read-only folder")) {
        if (isRoot())
            QVERIFY(remountReadOnly(folder));
        else
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    }
    const QStringList before = entries(folder);
    const QFileDevice::Permissions permissions = QFileInfo(existing).permissions();

    const QString file = name.isEmpty() ? name : folder + QLatin1Char('/') + name;
    QCOMPARE(writeProfileFile(file, sampleRecord(1)).code, code);
    QCOMPARE(readRaw(existing), old);
    QCOMPARE(QFileInfo(existing).permissions(), permissions);
    QCOMPARE(entries(folder), before);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("fehlt"))));
}

void TstProfileFile::saveThroughSymlink_data()
{
    QTest::addColumn<QString>("linkText"); // what links/profil.bas holds; "@" = absolute path
    QTest::addColumn<QString>("expected"); // the file that must get the bytes
    QTest::addColumn<bool>("viaSecondLink");

    const QString real = QStringLiteral("echt/profil.bas");
    QTest::newRow("absolute") << QStringLiteral("@echt/profil.bas") << real << false;
    QTest::newRow("relative") << QStringLiteral("../echt/profil.bas") << real << false;
    QTest::newRow("chain of two") << QStringLiteral("../echt/profil.bas") << real << true;
    QTest::newRow("dangling") << QStringLiteral("../echt/neu.bas") << QStringLiteral("echt/neu.bas")
                              << false;
}

void TstProfileFile::saveThroughSymlink()
{
    QFETCH(QString, linkText);
    QFETCH(QString, expected);
    QFETCH(bool, viaSecondLink);

    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("echt")));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("links")));
    const QString real = path(QStringLiteral("echt/profil.bas"));
    const QByteArray old = patternBytes(656, 4);
    QVERIFY(writeRaw(real, old));
    if (linkText.startsWith(QLatin1Char('@')))
        linkText = path(linkText.mid(1));
    const QString link = path(QStringLiteral("links/profil.bas"));
    QVERIFY(::symlink(QFile::encodeName(linkText).constData(),
                      QFile::encodeName(link).constData()) == 0);
    const QString second = path(QStringLiteral("links/weiter.bas"));
    if (viaSecondLink)
        QVERIFY(::symlink("profil.bas", QFile::encodeName(second).constData()) == 0);

    const Profilsatz saved = sampleRecord(6);
    QCOMPARE(writeProfileFile(viaSecondLink ? second : link, saved).code, 0);
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(!viaSecondLink || QFileInfo(second).isSymLink());
    QCOMPARE(QFile::symLinkTarget(link), QFileInfo(path(expected)).absoluteFilePath());
    QCOMPARE(readRaw(path(expected)), saved.toBytes());
    if (expected != QLatin1String("echt/profil.bas"))
        QCOMPARE(readRaw(real), old);
    QCOMPARE(entries(path(QStringLiteral("links"))).size(), viaSecondLink ? 2 : 1);
}

void TstProfileFile::saveKeepsPermissions_data()
{
    QTest::addColumn<bool>("settings"); // written as the settings file is
    QTest::addColumn<uint>("owner");    // 0: whoever runs the test
    QTest::newRow("profile, mode 0640") << false << 0u;
    QTest::newRow("profile of another user, saved by root") << false << 4321u;
    QTest::newRow("settings of another user, written by root") << true << 4321u;
}

// A replaced file keeps its mode, and its owner and group where the process
// may give it away (root): a save must not take a user's profile from them.
void TstProfileFile::saveKeepsPermissions()
{
    QFETCH(bool, settings);
    QFETCH(uint, owner);
    if (owner != 0 && !isRoot())
        QSKIP("giving a file away needs root");
    const QString file = path(QStringLiteral("profil.bas"));
    QVERIFY(writeRaw(file, patternBytes(656, 5)));
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(file, mode));
    if (owner != 0)
        QCOMPARE(::chown(QFile::encodeName(file).constData(), owner, owner + 1), 0);

    const Profilsatz saved = sampleRecord(2);
    if (settings)
        fendrimo::IniFile(file).writeString(QStringLiteral("A"), QStringLiteral("b"), QString());
    else
        QCOMPARE(writeProfileFile(file, saved).code, 0);
    QVERIFY(settings ? readRaw(file).endsWith("[A]\nb=\n") : readRaw(file) == saved.toBytes());
    QCOMPARE(QFileInfo(file).permissions() & ~(QFile::ReadUser | QFile::WriteUser), mode);
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
    QCOMPARE(st.st_uid, owner != 0 ? owner : ::geteuid());
    QCOMPARE(st.st_gid, owner != 0 ? owner + 1 : ::getegid());
    qInfo("fault | %s | owner %u:%u and mode 0640 kept | the replaced file only",
          QTest::currentDataTag(), st.st_uid, st.st_gid);
}

void TstProfileFile::saveOnFullDisk()
{
    const QString folder = mountTmpfs(QStringLiteral("voll"), QStringLiteral("size=4k"));
    if (folder.isEmpty())
        QSKIP("needs root and tmpfs mounts");
    const QString file = folder + QStringLiteral("/profil.bas");
    const QByteArray old = patternBytes(656, 6);
    QVERIFY(writeRaw(file, old));
    {
        QFile filler(folder + QStringLiteral("/fueller"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray chunk(512, 'f');
        while (filler.write(chunk) == chunk.size()) {
        }
    }
    const QStringList before = entries(folder);

    QCOMPARE(writeProfileFile(file, sampleRecord(4)).code, 101);
    QCOMPARE(readRaw(file), old);
    QCOMPARE(entries(folder), before);
}

void TstProfileFile::tooManyOpenFiles()
{
    const QString file = path(QStringLiteral("profil.bas"));
    const QByteArray old = patternBytes(656, 9);
    QVERIFY(writeRaw(file, old));

    rlimit original{};
    QVERIFY(::getrlimit(RLIMIT_NOFILE, &original) == 0);
    rlimit lowered = original;
    lowered.rlim_cur = std::min<rlim_t>(original.rlim_cur, 256);
    QVERIFY(::setrlimit(RLIMIT_NOFILE, &lowered) == 0);
    std::vector<int> fds;
    for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
        fds.push_back(fd);
    const int openErrno = errno;

    Profilsatz record = sampleRecord(1);
    const QByteArray before = record.toBytes();
    const int readCode = readProfileFile(file, record).code;
    const int writeCode = writeProfileFile(file, sampleRecord(2)).code;

    for (int fd : fds)
        ::close(fd);
    ::setrlimit(RLIMIT_NOFILE, &original);

    QCOMPARE(openErrno, EMFILE);
    QCOMPARE(readCode, 4);
    QCOMPARE(writeCode, 4);
    QCOMPARE(record.toBytes(), before);
    QCOMPARE(readRaw(file), old);
    QCOMPARE(entries(m_dir->path()), QStringList{QStringLiteral("profil.bas")});
}

void TstProfileFile::errorTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("named code") << 101
                                << QStringLiteral("Kapazität der Diskette/Festplatte erschöpft");
    QTest::newRow("other errno") << 40 << QStringLiteral("I/O-Fehler 40");
}

void TstProfileFile::errorTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(fendrimo::fileErrorText(code), text);
}

QTEST_GUILESS_MAIN(TstProfileFile)
#include "tst_profilefile.moc"

// Faults on real files beyond what the file and settings tests cover: a
// settings file the program can't write (read-only, on a full file system, in
// a folder that can't be made, or a folder name it can't store), a program
// run killed at each step of saving a profile or the settings, and two runs
// writing the settings file at once.
//
// Each case logs "fault | <case> | <outcome> | <left on disk>" for
// scripts/reliability.sh.

#include "files/profilsatz.h"
#include "settings/inifile.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

const QString refusedSettings = QStringLiteral("Kann nicht nach fendr21f.ini schreiben.");

bool isRoot()
{
    return ::geteuid() == 0;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

bool run(const QString& program, const QStringList& arguments)
{
    return QProcess::execute(program, arguments) == 0;
}

// A profile with every hour at the same rate.
QByteArray profileWithRates(qint32 rate)
{
    Profilsatz record;
    for (int h = 0; h < Profilsatz::Hours; ++h)
        record.setRate(h, rate);
    record.setDatum(QStringLiteral("alt"));
    return record.toBytes();
}

// What fendrimo_faultchild "save" writes.
QByteArray childProfile()
{
    Profilsatz record;
    for (int h = 0; h < Profilsatz::Hours; ++h)
        record.setRate(h, h % 7 + 1);
    return record.toBytes();
}

void logFault(const QString& name, const QString& outcome, const QString& disk)
{
    qInfo("fault | %s | %s | %s", qPrintable(name), qPrintable(outcome), qPrintable(disk));
}

// How a folder looks, for the report: each entry with its size.
QString describeFolder(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("no folder");
    QStringList parts;
    for (const QString& name : entries(folder)) {
        const QFileInfo info(folder + u'/' + name);
        parts << (info.isDir() ? name + QStringLiteral("/")
                               : QStringLiteral("%1 (%2 bytes)").arg(name).arg(info.size()));
    }
    return parts.isEmpty() ? QStringLiteral("empty folder") : parts.join(QStringLiteral(", "));
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void settingsRefused_data();
    void settingsRefused();
    void killedWhileSaving_data();
    void killedWhileSaving();
    void twoRunsWriteSettings();
    void twoRunsKeepEachOthersSettings_data();
    void twoRunsKeepEachOthersSettings();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    bool mountTmpfs(const QString& folder, const QString& options);
    bool makeReadOnly(const QString& path);
    QProcess* startChild(const QStringList& arguments, const QProcessEnvironment& environment);
    QProcessEnvironment childEnvironment() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_mounts;
    QString m_config;   // XDG_CONFIG_HOME
    QString m_settings; // its fendrimo folder
    QString m_ini;
    QString m_profiles;
};

void TestFaults::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_config = path(QStringLiteral("config"));
    m_settings = m_config + QStringLiteral("/fendrimo");
    m_ini = m_settings + QStringLiteral("/fendr21f.ini");
    m_profiles = path(QStringLiteral("profile"));
    QVERIFY(QDir().mkpath(m_profiles));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config));
    useGermanFormats();
}

void TestFaults::cleanup()
{
    while (!m_mounts.isEmpty())
        run(QStringLiteral("umount"), {QStringLiteral("-l"), m_mounts.takeLast()});
    // Let the temporary folder go even where a test took the write bit away.
    QDirIterator it(m_dir->path(), QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    while (it.hasNext())
        QFile::setPermissions(it.next(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_dir.reset();
}

bool TestFaults::mountTmpfs(const QString& folder, const QString& options)
{
    if (!QDir().mkpath(folder) ||
        !run(QStringLiteral("mount"),
             {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), options,
              QStringLiteral("tmpfs"), folder}))
        return false;
    m_mounts << folder;
    return true;
}

// Read-only for root too: a read-only bind mount of the file or folder
// itself; for anyone else the mode is enough.
bool TestFaults::makeReadOnly(const QString& target)
{
    if (!isRoot()) {
        const QFileInfo info(target);
        return QFile::setPermissions(target, info.isDir() ? QFile::ReadOwner | QFile::ExeOwner
                                                          : QFile::ReadOwner);
    }
    if (!run(QStringLiteral("mount"), {QStringLiteral("--bind"), target, target}))
        return false;
    m_mounts << target;
    return run(QStringLiteral("mount"),
               {QStringLiteral("-o"), QStringLiteral("remount,bind,ro"), target});
}

void TestFaults::settingsRefused_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("settings folder can't be created") << "uncreatable";
    QTest::newRow("write-protected settings file") << "readonly-file";
    QTest::newRow("write-protected settings folder") << "readonly-folder";
    QTest::newRow("settings on a full file system") << "full";
    QTest::newRow("line break in the profile's folder name") << "line-break";
}

// The settings write fails: the program says so, keeps running, and the
// settings file stays as it was.
void TestFaults::settingsRefused()
{
    QFETCH(QString, fault);
    const QByteArray settings = setUpSettings(30);
    const bool startsUnwritable = fault == QLatin1String("uncreatable");
    if (startsUnwritable) {
        if (isRoot()) {
            QVERIFY(mountTmpfs(m_config, QStringLiteral("size=64k")));
            QVERIFY(run(QStringLiteral("mount"),
                        {QStringLiteral("-o"), QStringLiteral("remount,ro"), m_config}));
        } else {
            QVERIFY(QDir().mkpath(m_config));
            QVERIFY(makeReadOnly(m_config));
        }
    } else {
        if (fault == QLatin1String("full")) {
            if (!isRoot())
                QSKIP("a small file system needs root");
            QVERIFY(mountTmpfs(m_settings, QStringLiteral("size=4k")));
        }
        QVERIFY(QDir().mkpath(m_settings));
        QVERIFY(writeFile(m_ini, settings));
        if (fault == QLatin1String("full")) {
            QFile filler(m_settings + QStringLiteral("/fueller"));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray chunk(256, 'f');
            while (filler.write(chunk) == chunk.size()) {
            }
        }
        if (fault == QLatin1String("readonly-file"))
            QVERIFY(makeReadOnly(m_ini));
        if (fault == QLatin1String("readonly-folder"))
            QVERIFY(makeReadOnly(m_settings));
    }
    const QStringList before = entries(m_settings);

    FakePlatform fake;
    Form1UnderTest w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QStringList shown;
    if (startsUnwritable) {
        // The first run can't store its defaults.
        QCOMPARE(fake.boxes.size(), 2);
        QCOMPARE(fake.boxes[0].caption, QStringLiteral("Information"));
        QCOMPARE(fake.boxes[1].text, refusedSettings);
        shown << QStringLiteral("first-run notice, then \"%1\"").arg(fake.boxes[1].text);
    } else {
        QVERIFY(fake.boxes.isEmpty());
        QCOMPARE(w.Maximum(), 30);
    }
    fake.clear();

    if (fault == QLatin1String("uncreatable") || fault == QLatin1String("line-break")) {
        // Saving works; remembering its folder doesn't.
        QString folder = m_profiles;
        if (fault == QLatin1String("line-break")) {
            folder = m_profiles + QStringLiteral("/neu\n[Teststring]\nDatei=kaputt");
            QVERIFY(QDir().mkpath(folder));
        }
        const QString target = folder + QStringLiteral("/profil.bar");
        w.EditDatum->setText(QStringLiteral("heute"));
        fake.chooseFile(target);
        w.Basalratespeichern1->trigger();
        // A folder the settings can't hold is not remembered, silently, as
        // for the recent list: the save itself went well.
        const bool stored = fault == QLatin1String("line-break");
        QCOMPARE(fake.boxes.size(), stored ? 1 : 2);
        QCOMPARE(fake.boxes[0].text, QStringLiteral("Basalrate erfolgreich gespeichert!"));
        QVERIFY(stored || fake.boxes[1].failure);
        QCOMPARE(fake.boxes.constLast().text, stored ? fake.boxes[0].text : refusedSettings);
        QCOMPARE(QFileInfo(target).size(), qint64(Profilsatz::Size));
        QVERIFY(w.DatenGespeichert());
        shown << (stored ? QStringLiteral("save: \"%1\" only; the folder is not remembered")
                               .arg(fake.boxes[0].text)
                         : QStringLiteral("save: \"%1\" then \"%2\"")
                               .arg(fake.boxes[0].text, fake.boxes[1].text));
    } else {
        // Loading a higher rate must store the raised maximum first.
        const QString source = m_profiles + QStringLiteral("/hoch.bar");
        QVERIFY(writeFile(source, profileWithRates(45)));
        w.CheckBox1->setChecked(false);
        w.ScrollBar(3)->setFocus();
        QTest::keyClick(w.ScrollBar(3), Qt::Key_Up);
        // Saved, so loading asks nothing.
        fake.chooseFile(m_profiles + QStringLiteral("/vorher.bar"));
        w.Basalratespeichern1->trigger();
        fake.clear();
        const QList<int> positions = [&] {
            QList<int> list;
            for (int n = 1; n <= 24; ++n)
                list << w.ScrollBar(n)->value();
            return list;
        }();
        fake.chooseFile(source);
        w.Basalrateladen1->trigger();
        QCOMPARE(fake.boxes.size(), 1);
        QVERIFY(fake.boxes[0].failure);
        QCOMPARE(fake.boxes[0].text, refusedSettings);
        // Nothing of the file was taken.
        QCOMPARE(w.Maximum(), 30);
        for (int n = 1; n <= 24; ++n) {
            QCOMPARE(w.ScrollBar(n)->value(), positions[n - 1]);
            QCOMPARE(w.ScrollBar(n)->maximum(), 30);
        }
        QCOMPARE(w.LabelSumme->text(), QStringLiteral("0,1"));
        shown << QStringLiteral("load raising the maximum: \"%1\", profile not taken")
                     .arg(fake.boxes[0].text);
    }

    // The program runs on.
    w.ScrollBar(1)->setFocus();
    QTest::keyClick(w.ScrollBar(1), Qt::Key_Home);
    QCOMPARE(w.Edit(1)->text(), ZehntelText(w.Maximum()));

    if (startsUnwritable) {
        QVERIFY(!QFileInfo::exists(m_settings));
    } else {
        QCOMPARE(readAll(m_ini), settings);
        QCOMPARE(entries(m_settings), before);
        // The next start finds its settings intact.
        FakePlatform nextFake;
        Form1UnderTest next;
        QVERIFY(nextFake.boxes.isEmpty());
        QCOMPARE(next.Maximum(), 30);
    }
    const QString disk =
        startsUnwritable ? QStringLiteral("no settings folder; the profile saved (656 bytes)")
                         : QStringLiteral("fendr21f.ini unchanged (%1 bytes); settings folder: %2")
                               .arg(settings.size())
                               .arg(describeFolder(m_settings));
    logFault(QString::fromLatin1(QTest::currentDataTag()), shown.join(QStringLiteral("; ")), disk);
}

QProcessEnvironment TestFaults::childEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

QProcess* TestFaults::startChild(const QStringList& arguments,
                                 const QProcessEnvironment& environment)
{
    auto* child = new QProcess(this);
    child->setProgram(QStringLiteral(FAULTCHILD));
    child->setArguments(arguments);
    child->setProcessEnvironment(environment);
    child->start();
    return child;
}

void TestFaults::killedWhileSaving_data()
{
    QTest::addColumn<QString>("file"); // what is being saved: "profile" or "settings"
    QTest::addColumn<QString>("killAt");
    // write: killed by the file size limit half-way through writing; the
    // others: by the preloaded shim as the call is made.
    for (const char* file : {"profile", "settings"}) {
        for (const char* killAt : {"write", "fsync", "linkat", "rename"}) {
            QTest::addRow("%s killed at %s", file, killAt)
                << QString::fromLatin1(file) << QString::fromLatin1(killAt);
        }
    }
}

// A run killed at any step of a save leaves the old file as it was; at worst
// a complete new copy under a temporary name; and the next run saves.
void TestFaults::killedWhileSaving()
{
    QFETCH(QString, file);
    QFETCH(QString, killAt);
    const bool profile = file == QLatin1String("profile");
    // A comment makes the settings larger than their lock file (a process
    // id, host and machine names), so that half the file's size stops the
    // settings write, not the lock.
    const QByteArray settings = setUpSettings(30) + ';' + QByteArray(600, 'x') + '\n';
    QVERIFY(QDir().mkpath(m_settings));
    QVERIFY(writeFile(m_ini, settings));
    const QString target = m_profiles + QStringLiteral("/profil.bar");
    const QByteArray oldProfile = profileWithRates(5);
    QVERIFY(writeFile(target, oldProfile));
    const QString source = m_profiles + QStringLiteral("/hoch.bar");
    QVERIFY(writeFile(source, profileWithRates(45)));

    const QString folder = profile ? m_profiles : m_settings;
    const QString watched = profile ? target : m_ini;
    const QByteArray old = profile ? oldProfile : settings;
    const QStringList arguments{profile ? QStringLiteral("save") : QStringLiteral("load"),
                                profile ? target : source};
    QProcessEnvironment environment = childEnvironment();
    QProcess child;
    child.setProgram(QStringLiteral(FAULTCHILD));
    child.setArguments(arguments);
    if (killAt == QLatin1String("write")) {
        // Smaller than the file: the second write() of it raises SIGXFSZ,
        // whose default action ends the process.
        const rlim_t limit = rlim_t(old.size() / 2);
        child.setChildProcessModifier([limit] {
            rlimit size{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &size);
            rlimit core{0, 0};
            ::setrlimit(RLIMIT_CORE, &core);
            ::signal(SIGXFSZ, SIG_DFL);
        });
    } else {
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KILLSHIM));
        environment.insert(QStringLiteral("FENDRIMO_KILL_AT"), killAt);
        // The temporary file has no name yet when it is synced: match its folder.
        environment.insert(QStringLiteral("FENDRIMO_KILL_MATCH"),
                           killAt == QLatin1String("fsync") ? folder + u'/'
                                                            : QFileInfo(watched).fileName());
    }
    child.setProcessEnvironment(environment);
    child.start();
    QVERIFY(child.waitForFinished(60000));
    const QByteArray errors = child.readAllStandardError();
    QVERIFY2(child.exitStatus() == QProcess::CrashExit, errors.constData());
    if (killAt != QLatin1String("write"))
        QVERIFY2(errors.contains("killshim: SIGKILL at " + killAt.toLatin1()), errors.constData());

    QCOMPARE(readAll(watched), old);
    if (profile)
        QCOMPARE(readAll(m_ini), settings);
    // Anything else left is a complete copy of the new contents.
    const QString name = QFileInfo(watched).fileName();
    QStringList strays = entries(folder);
    strays.removeAll(name);
    strays.removeAll(QStringLiteral("hoch.bar"));
    // The killed run's lock: the next run takes it over.
    const bool staleLock = strays.removeAll(name + QStringLiteral(".lock")) > 0;
    for (const QString& stray : std::as_const(strays)) {
        QVERIFY2(stray.startsWith(name + u'.'), qPrintable(stray));
        const QString strayPath = folder + u'/' + stray;
        if (profile)
            QCOMPARE(readAll(strayPath), childProfile());
        else
            QCOMPARE(IniFile(strayPath).readInteger(QStringLiteral("Einstellungen"),
                                                    QStringLiteral("Maximum"), -1),
                     50);
    }
    const QString disk =
        QStringLiteral("%1 unchanged; %2%3")
            .arg(name,
                 strays.isEmpty()
                     ? QStringLiteral("nothing else")
                     : QStringLiteral("stray complete copy %1").arg(strays.join(u", ")),
                 staleLock ? QStringLiteral("; its lock, taken over by the next run") : QString());

    // The next run saves as if nothing had happened.
    QProcess again;
    again.setProgram(QStringLiteral(FAULTCHILD));
    again.setArguments(arguments);
    again.setProcessEnvironment(childEnvironment());
    again.start();
    QVERIFY(again.waitForFinished(60000));
    QVERIFY2(again.exitStatus() == QProcess::NormalExit && again.exitCode() == 0,
             again.readAllStandardError().constData());
    QVERIFY(!QFileInfo::exists(m_ini + QStringLiteral(".lock")));
    if (profile) {
        QCOMPARE(readAll(target), childProfile());
    } else {
        QCOMPARE(IniFile(m_ini).readInteger(QStringLiteral("Einstellungen"),
                                            QStringLiteral("Maximum"), -1),
                 50);
    }
    logFault(
        QString::fromLatin1(QTest::currentDataTag()),
        QStringLiteral("killed (%1); the next run saved")
            .arg(QString::fromLatin1(killAt == QLatin1String("write") ? "SIGXFSZ" : "SIGKILL")),
        disk);
}

// Two runs write the settings file at the same time: every read in between
// finds a whole file, each key with one of the values written.
void TestFaults::twoRunsWriteSettings()
{
    const int rounds = qEnvironmentVariableIntValue("FENDRIMO_FAULT_ROUNDS") > 0
                           ? qEnvironmentVariableIntValue("FENDRIMO_FAULT_ROUNDS")
                           : 150;
    QVERIFY(QDir().mkpath(m_settings));
    QVERIFY(writeFile(m_ini, setUpSettings(30)));
    const auto written = [rounds](const QString& key, const QString& value) {
        bool ok = false;
        const int number = value.toInt(&ok);
        if (key == QLatin1String("Maximum"))
            return ok && (number == 30 || (number >= 1000 && number < 1000 + rounds) ||
                          (number >= 2000 && number < 2000 + rounds));
        if (key == QLatin1String("FarbDruck"))
            return value == QLatin1String("0") || value == QLatin1String("1");
        const QStringList parts = value.split(u'/');
        return value.isEmpty() ||
               (parts.size() == 4 &&
                (parts[1] == QLatin1String("a") || parts[1] == QLatin1String("b")) &&
                parts[2].toInt() < rounds);
    };

    QProcess* a =
        startChild({QStringLiteral("settings"), QStringLiteral("a"), QString::number(rounds)},
                   childEnvironment());
    QProcess* b =
        startChild({QStringLiteral("settings"), QStringLiteral("b"), QString::number(rounds)},
                   childEnvironment());
    int reads = 0;
    QSet<QString> maxima;
    const IniFile ini(m_ini);
    const QString section = QStringLiteral("Einstellungen");
    while (a->state() != QProcess::NotRunning || b->state() != QProcess::NotRunning) {
        const QByteArray bytes = readAll(m_ini);
        QVERIFY2(!bytes.isEmpty(), "the settings file was missing");
        QCOMPARE(bytes.count("[Einstellungen]"), 1);
        QCOMPARE(bytes.count("Maximum="), 1);
        QVERIFY(bytes.contains("[Teststring]\nDatei=Vorhanden\n"));
        for (const QString& key : {QStringLiteral("Maximum"), QStringLiteral("FarbDruck"),
                                   QStringLiteral("Verzeichnis")}) {
            const QString value = ini.readString(section, key, QStringLiteral("(none)"));
            QVERIFY2(written(key, value), qPrintable(key + u'=' + value));
        }
        maxima.insert(ini.readString(section, QStringLiteral("Maximum"), QString()));
        ++reads;
        a->waitForFinished(2);
        b->waitForFinished(2);
    }
    for (QProcess* child : {a, b}) {
        QVERIFY2(child->exitStatus() == QProcess::NormalExit && child->exitCode() == 0,
                 child->readAllStandardError().constData());
    }
    for (const QString& key :
         {QStringLiteral("Maximum"), QStringLiteral("FarbDruck"), QStringLiteral("Verzeichnis")})
        QVERIFY(written(key, ini.readString(section, key, QStringLiteral("(none)"))));
    QVERIFY2(reads > 1, "the writers finished before a read");
    logFault(QStringLiteral("two runs writing the settings"),
             QStringLiteral("%1 rounds x 3 keys each; %2 reads in between, all whole, %3 "
                            "different maxima seen")
                 .arg(rounds)
                 .arg(reads)
                 .arg(maxima.size()),
             QStringLiteral("fendr21f.ini with Maximum=%1; settings folder: %2")
                 .arg(ini.readString(section, QStringLiteral("Maximum"), QString()),
                      describeFolder(m_settings)));
}

void TestFaults::twoRunsKeepEachOthersSettings_data()
{
    QTest::addColumn<int>("slowMs"); // each fsync of the first run
    QTest::newRow("one run's disk slow") << 300;
    QTest::newRow("both at full speed") << 0;
}

// Each run's writes read the file anew under the lock: a slow run can't put
// back a copy that misses the other's changes.
void TestFaults::twoRunsKeepEachOthersSettings()
{
    QFETCH(int, slowMs);
    // The slow run writes fewer keys, or its back-to-back writes could keep
    // the other from the lock longer than it waits.
    const int count = slowMs > 0 ? 8 : 100;
    const int slowCount = slowMs > 0 ? 3 : count;
    QVERIFY(QDir().mkpath(m_settings));
    QVERIFY(writeFile(m_ini, setUpSettings(30)));
    QProcessEnvironment slow = childEnvironment();
    slow.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KILLSHIM));
    slow.insert(QStringLiteral("FENDRIMO_SLOW_FSYNC_MS"), QString::number(slowMs));
    slow.insert(QStringLiteral("FENDRIMO_SLOW_MATCH"), m_settings + u'/');
    QProcess* a =
        startChild({QStringLiteral("keys"), QStringLiteral("a"), QString::number(slowCount)}, slow);
    QVERIFY(a->waitForStarted());
    QProcess* b = startChild({QStringLiteral("keys"), QStringLiteral("b"), QString::number(count)},
                             childEnvironment());
    for (QProcess* child : {a, b}) {
        QVERIFY(child->waitForFinished(60000));
        QVERIFY2(child->exitStatus() == QProcess::NormalExit && child->exitCode() == 0,
                 child->readAllStandardError().constData());
    }
    const IniFile ini(m_ini);
    int kept = 0;
    for (const char* tag : {"a", "b"}) {
        for (int i = 1; i <= (*tag == 'a' ? slowCount : count); ++i)
            kept += ini.readInteger(QStringLiteral("Probe"),
                                    QLatin1String(tag) + QString::number(i), 0) == i;
    }
    QCOMPARE(ini.readInteger(QStringLiteral("Einstellungen"), QStringLiteral("Maximum"), -1), 30);
    QCOMPARE(kept, slowCount + count);
    logFault(QStringLiteral("two runs writing different settings, %1").arg(QTest::currentDataTag()),
             QStringLiteral("%1 + %2 confirmed writes (fsync of the first run delayed %3 ms): "
                            "%4 kept")
                 .arg(slowCount)
                 .arg(count)
                 .arg(slowMs)
                 .arg(kept),
             QStringLiteral("settings folder: %1").arg(describeFolder(m_settings)));
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"

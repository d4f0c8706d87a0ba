#include "platform/error.h"
#include "settings/firstrun.h"
#include "settings/inifile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "support/filesizelimit.h"

#include <csignal>
#include <sys/resource.h>

using fendrimo::IniFile;

namespace {

const QByteArray freshFile("[Einstellungen]\nMaximum=30\nFarbDruck=1\nVerzeichnis=\n"
                           "[Teststring]\nDatei=Vorhanden\n");

using fendrimo::testing::FileSizeLimit;

} // namespace

class TestFirstRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRun_data();
    void firstRun();
    void secondRunIsQuiet();
    void usesSettingsLocation();
    void refusedWrite_data();
    void refusedWrite();

private:
    QString filePath() const { return m_dir->filePath(QStringLiteral("fendr21f.ini")); }
    QByteArray fileBytes() const;
    // Runs the check and records every notice it shows.
    bool run(IniFile& ini) { return fendrimo::runFirstRunCheck(ini, m_record); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::optional<QByteArray> m_configHome;
    QStringList m_notices;
    std::function<void(const QString&)> m_record = [this](const QString& text) {
        m_notices.append(text);
    };
};

void TestFirstRun::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_notices.clear();
    m_configHome.reset();
    if (qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
        m_configHome = qgetenv("XDG_CONFIG_HOME");
}

void TestFirstRun::cleanup()
{
    if (m_configHome)
        qputenv("XDG_CONFIG_HOME", *m_configHome);
    else
        qunsetenv("XDG_CONFIG_HOME");
    m_dir.reset();
}

QByteArray TestFirstRun::fileBytes() const
{
    QFile file(filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestFirstRun::firstRun_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("runs");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("missing file") << false << QByteArray() << true << freshFile;
    QTest::newRow("empty file") << true << QByteArray() << true << freshFile;
    const QByteArray setUp("[Teststring]\nDatei=Vorhanden\n");
    QTest::newRow("set up") << true << setUp << false << setUp;
    const QByteArray camel("; mine\n[TestString]\nDatei=Vorhanden\n");
    QTest::newRow("TestString section") << true << camel << false << camel;
    const QByteArray spaced("[teststring]\n  DATEI = \"Vorhanden\" \n");
    QTest::newRow("key case, blanks, quotes") << true << spaced << false << spaced;
    QTest::newRow("lower-case marker resets")
        << true
        << QByteArray("; mine\n[Einstellungen]\nMaximum=50\nFarbDruck=0\nVerzeichnis=/home/x\n"
                      "Extra=1\n\n[Teststring]\nDatei=vorhanden\n")
        << true
        << QByteArray("; mine\n[Einstellungen]\nMaximum=30\nFarbDruck=1\nVerzeichnis=\n"
                      "Extra=1\n\n[Teststring]\nDatei=Vorhanden\n");
    QTest::newRow("marker in later duplicate section")
        << true << QByteArray("[Teststring]\nX=1\n[Teststring]\nDatei=Vorhanden\n") << true
        << QByteArray("[Teststring]\nX=1\nDatei=Vorhanden\n[Teststring]\nDatei=Vorhanden\n"
                      "[Einstellungen]\nMaximum=30\nFarbDruck=1\nVerzeichnis=\n");
    QTest::newRow("crlf file")
        << true << QByteArray("[Teststring]\r\nDatei=Nein\r\n") << true
        << QByteArray("[Teststring]\r\nDatei=Vorhanden\r\n"
                      "[Einstellungen]\r\nMaximum=30\r\nFarbDruck=1\r\nVerzeichnis=\r\n");
}

void TestFirstRun::firstRun()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, before);
    QFETCH(bool, runs);
    QFETCH(QByteArray, after);

    if (exists) {
        QFile file(filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(before), before.size());
    }
    IniFile ini(filePath());
    QCOMPARE(run(ini), runs);
    QCOMPARE(fileBytes(), after);
    if (runs) {
        QCOMPARE(m_notices,
                 QStringList{QStringLiteral(
                     "Fendrimo:  Es existiert noch keine INI-Datei. Erstelle neue INI-Datei mit "
                     "Standard-Werten. Diese Meldung ist keine Fehlermeldung und wird ab jetzt "
                     "nicht mehr erscheinen.")});
    } else {
        QVERIFY(m_notices.isEmpty());
    }
}

void TestFirstRun::secondRunIsQuiet()
{
    IniFile ini(filePath());
    QVERIFY(run(ini));
    QVERIFY(!run(ini));
    QCOMPARE(m_notices.size(), 1);
    QCOMPARE(fileBytes(), freshFile);
}

void TestFirstRun::usesSettingsLocation()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));

    IniFile ini(fendrimo::settingsFilePath());
    QVERIFY(run(ini));
    QFile file(home.path() + "/fendrimo/fendr21f.ini");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), freshFile);
}

void TestFirstRun::refusedWrite_data()
{
    QTest::addColumn<bool>("folderIsFile");
    QTest::addColumn<QByteArray>("left");

    QTest::newRow("folder can't be created") << true << QByteArray();
    // Room for the three settings but not for the marker after them. A
    // comment stands before them, so that the lock file beside the settings
    // (a process id and host and machine names) fits under the limit too.
    QTest::newRow("disk full before the marker")
        << false
        << QByteArray(";" + QByteArray(199, 'x') +
                      "\n[Einstellungen]\nMaximum=30\nFarbDruck=1\nVerzeichnis=\n");
}

void TestFirstRun::refusedWrite()
{
    QFETCH(bool, folderIsFile);
    QFETCH(QByteArray, left);

    QString path = filePath();
    if (folderIsFile) {
        const QString blocker = m_dir->filePath(QStringLiteral("fendrimo"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        path = blocker + "/fendr21f.ini";
    }
    const QByteArray comment = left.left(left.indexOf('\n') + 1);
    if (!folderIsFile) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(comment), comment.size());
    }
    IniFile ini(path);
    QString message;
    try {
        std::optional<FileSizeLimit> limit;
        if (!folderIsFile)
            limit.emplace(left.size() + 4);
        run(ini);
    } catch (const fendrimo::Failure& failure) {
        message = failure.message();
    }
    QCOMPARE(message, QStringLiteral("Kann nicht nach fendr21f.ini schreiben"));
    QCOMPARE(m_notices.size(), 1);
    if (!folderIsFile)
        QCOMPARE(fileBytes(), left);

    // The marker is still missing, so the next start tries again.
    const QString marker = ini.readString(QStringLiteral("Teststring"), QStringLiteral("Datei"),
                                          QStringLiteral("ERROR"));
    QCOMPARE(marker, QStringLiteral("ERROR"));
    if (!folderIsFile) {
        QVERIFY(run(ini));
        QCOMPARE(m_notices.size(), 2);
        QCOMPARE(fileBytes(), comment + freshFile);
    }
}

QTEST_GUILESS_MAIN(TestFirstRun)
#include "tst_firstrun.moc"

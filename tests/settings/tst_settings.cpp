// The list of the profiles last opened, over a real settings file as the
// program, another run or a hand edit leaves it; and the first-run check
// beside such a list.

#include "settings/firstrun.h"
#include "settings/inifile.h"
#include "settings/settings.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using fendrimo::IniFile;
using fendrimo::Settings;

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void recentFiles_data();
    void recentFiles();
    void sectionAppendedAtTheEnd_data();
    void sectionAppendedAtTheEnd();
    void listInOrderWritesNothing();
    void unstorablePathLeftOut_data();
    void unstorablePathLeftOut();
    void handEditedList_data();
    void handEditedList();
    void firstRunLeavesRecentListAlone();

private:
    // Each test writes the file first.
    QString iniPath() const { return m_dir.filePath(QStringLiteral("fendr21f.ini")); }
    void writeIni(const QByteArray& bytes) const;
    QByteArray readIni() const;
    // Datei1 .. Datei6 as stored, up to the last one set: a hole shows as "".
    QStringList storedKeys() const;

    QTemporaryDir m_dir;
};

void TestSettings::writeIni(const QByteArray& bytes) const
{
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestSettings::readIni() const
{
    QFile file(iniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TestSettings::storedKeys() const
{
    const IniFile ini(iniPath());
    QStringList values;
    for (int n = 1; n <= Settings::RecentCount; ++n)
        values << ini.readString(QStringLiteral("Zuletzt"), QStringLiteral("Datei%1").arg(n), {});
    while (!values.isEmpty() && values.last().isEmpty())
        values.removeLast();
    return values;
}

void TestSettings::recentFiles_data()
{
    QTest::addColumn<QStringList>("added"); // in this order
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("newest first") << QStringList{"/a.bar", "/b.bar", "/c.bar"}
                                  << QStringList{"/c.bar", "/b.bar", "/a.bar"};
    QTest::newRow("re-added moves to the top, once")
        << QStringList{"/a.bar", "/b.bar", "/c.bar", "/a.bar"}
        << QStringList{"/a.bar", "/c.bar", "/b.bar"};
    QTest::newRow("seventh pushes out the oldest")
        << QStringList{"/1.bar", "/2.bar", "/3.bar", "/4.bar", "/5.bar", "/6.bar", "/7.bar"}
        << QStringList{"/7.bar", "/6.bar", "/5.bar", "/4.bar", "/3.bar", "/2.bar"};
}

void TestSettings::recentFiles()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, expected);
    writeIni("[Einstellungen]\nMaximum=30\n");
    for (const QString& path : std::as_const(added))
        Settings(iniPath()).addRecentFile(path);
    QCOMPARE(Settings(iniPath()).recentFiles(), expected);
    QCOMPARE(storedKeys(), expected);
}

void TestSettings::sectionAppendedAtTheEnd_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("ending"); // of the lines added

    QTest::newRow("comments, blank lines, other sections")
        << QByteArray("; von Hand\n\n[Teststring]\nDatei=Vorhanden\n\n[Fremd]\n"
                      "  Schluessel = \"mit Blanks\"  \n\n[Einstellungen]\nMaximum=45\n\n")
        << QByteArray("\n");
    QTest::newRow("crlf line ends")
        << QByteArray("[Einstellungen]\r\nMaximum=30\r\n[Teststring]\r\nDatei=Vorhanden\r\n")
        << QByteArray("\r\n");
}

void TestSettings::sectionAppendedAtTheEnd()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, ending);
    writeIni(before);
    Settings(iniPath()).addRecentFile(QStringLiteral("/p/erste.bar"));
    Settings(iniPath()).addRecentFile(QStringLiteral("/p/zweite.bar"));
    QCOMPARE(readIni(), before + "[Zuletzt]" + ending + "Datei1=/p/zweite.bar" + ending +
                            "Datei2=/p/erste.bar" + ending);
}

void TestSettings::listInOrderWritesNothing()
{
    const QByteArray file("[Einstellungen]\nMaximum=30\n[Zuletzt]\nDatei1=/p/a.bar\n"
                          "Datei2=/p/b.bar\n");
    const QDateTime longAgo(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
    writeIni(file);
    {
        QFile ini(iniPath());
        QVERIFY(ini.open(QIODevice::ReadWrite));
        QVERIFY(ini.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
    Settings(iniPath()).addRecentFile(QStringLiteral("/p/a.bar"));
    QCOMPARE(readIni(), file);
    QCOMPARE(QFileInfo(iniPath()).lastModified().toUTC(), longAgo);
}

void TestSettings::unstorablePathLeftOut_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("line break in the name") << QStringLiteral("/home/bea/a\nb.bar");
    QTest::newRow("blank at the end") << QStringLiteral("/home/bea/a.bar ");
    QTest::newRow("longer than a value can be")
        << QStringLiteral("/") + QString(IniFile::MaxValueLength, QLatin1Char('x'));
    // A Latin-1 byte of a file name, kept as the system has it.
    QTest::newRow("name that isn't UTF-8") << QStringLiteral("/home/bea/M\xdcfcller.bar");
}

// Neither the recent list nor the folder takes a path the file can't give
// back whole (a cut folder sent the save dialog elsewhere); nothing is said.
void TestSettings::unstorablePathLeftOut()
{
    QFETCH(QString, path);
    const QByteArray file(
        "[Einstellungen]\nMaximum=30\nVerzeichnis=/p/\n[Zuletzt]\nDatei1=/p/a.bar\n");
    writeIni(file);
    Settings settings(iniPath());
    settings.addRecentFile(path);
    settings.setVerzeichnis(path);
    QCOMPARE(readIni(), file);
    QCOMPARE(settings.verzeichnis(QString()), QStringLiteral("/p/"));
    qInfo("fault | folder and recent path: %s (%lld characters) | not stored, nothing said; "
          "the folder stays /p/ | fendr21f.ini unchanged",
          QTest::currentDataTag(), qint64(path.size()));
}

void TestSettings::handEditedList_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("read");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("afterwards");

    QTest::newRow("holes and a duplicate")
        << QByteArray("[Zuletzt]\nDatei1=\nDatei2=/a.bar\nDatei4=/b.bar\nDatei5=/a.bar\n")
        << QStringList{"/a.bar", "/b.bar"} << "/c.bar" << QStringList{"/c.bar", "/a.bar", "/b.bar"};
    QTest::newRow("six keys with a duplicate, a new one keeps all five")
        << QByteArray("[Zuletzt]\nDatei1=/1.bar\nDatei2=/1.bar\nDatei3=/2.bar\nDatei4=/3.bar\n"
                      "Datei5=/4.bar\nDatei6=/5.bar\n")
        << QStringList{"/1.bar", "/2.bar", "/3.bar", "/4.bar", "/5.bar"} << "/6.bar"
        << QStringList{"/6.bar", "/1.bar", "/2.bar", "/3.bar", "/4.bar", "/5.bar"};
}

void TestSettings::handEditedList()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, read);
    QFETCH(QString, added);
    QFETCH(QStringList, afterwards);
    writeIni(file);
    QCOMPARE(Settings(iniPath()).recentFiles(), read);
    Settings(iniPath()).addRecentFile(added);
    QCOMPARE(storedKeys(), afterwards);
}

void TestSettings::firstRunLeavesRecentListAlone()
{
    const QByteArray recent("[Zuletzt]\nDatei1=/p/a.bar\nDatei2=/p/b.bar\n");
    writeIni(recent);
    IniFile ini(iniPath());
    QVERIFY(fendrimo::runFirstRunCheck(ini, [](const QString&) {}));
    const QByteArray after = readIni();
    QVERIFY2(after.startsWith(recent), after.constData());
    QCOMPARE(Settings(iniPath()).storedMaximum(), 30);
    QCOMPARE(Settings(iniPath()).recentFiles(), (QStringList{"/p/a.bar", "/p/b.bar"}));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

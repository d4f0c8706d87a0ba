// The typed settings over a real settings file: the maximum a run uses and
// the list of the profiles last opened, as another program or a hand edit
// may leave the file. Also the first-run check beside an existing list.

#include "platform/error.h"
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

namespace {

// Stands for the test's folder in paths given by the rows.
const QString kDir = QStringLiteral("{dir}");

// A time long past: a file still carrying it was not rewritten.
const QDateTime kOldTime(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void maximum_data();
    void maximum();
    void recentFiles_data();
    void recentFiles();
    void sectionAppendedAtTheEnd_data();
    void sectionAppendedAtTheEnd();
    void listInOrderWritesNothing_data();
    void listInOrderWritesNothing();
    void handEditedList_data();
    void handEditedList();
    void unstorablePathLeavesFileAlone_data();
    void unstorablePathLeavesFileAlone();
    void firstRunBesideRecentList();

private:
    QString iniPath() const { return m_dir->filePath(QStringLiteral("fendr21f.ini")); }
    QStringList paths(QStringList names) const;
    void writeIni(const QByteArray& bytes) const;
    QByteArray readIni() const;
    // The values of the keys Datei1 .. Datei6, up to the last one that is set.
    QStringList storedKeys() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QStringList TestSettings::paths(QStringList names) const
{
    for (QString& name : names)
        name.replace(kDir, m_dir->path());
    return names;
}

void TestSettings::writeIni(const QByteArray& bytes) const
{
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestSettings::readIni() const
{
    QFile file(iniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList TestSettings::storedKeys() const
{
    const IniFile ini(iniPath());
    QStringList values;
    for (int n = 1; n <= 6; ++n)
        values << ini.readString(QStringLiteral("Zuletzt"), QStringLiteral("Datei%1").arg(n),
                                 QString());
    // No holes: the list fills the first keys, the rest stay empty or absent.
    while (!values.isEmpty() && values.last().isEmpty())
        values.removeLast();
    return values;
}

void TestSettings::maximum_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no settings file at all
    QTest::addColumn<int>("maximum");

    QTest::newRow("no file") << QByteArray() << 30;
    QTest::newRow("no key") << QByteArray("[Einstellungen]\nFarbDruck=1\n") << 30;
    QTest::newRow("key in another section") << QByteArray("[Zuletzt]\nMaximum=80\n") << 30;
    QTest::newRow("empty value") << QByteArray("[Einstellungen]\nMaximum=\n") << 30;
    QTest::newRow("not a number") << QByteArray("[Einstellungen]\nMaximum=viel\n") << 30;
    QTest::newRow("trailing text") << QByteArray("[Einstellungen]\nMaximum=45 IE\n") << 30;
    QTest::newRow("too big for 32 bits")
        << QByteArray("[Einstellungen]\nMaximum=2147483648\n") << 30;
    QTest::newRow("zero") << QByteArray("[Einstellungen]\nMaximum=0\n") << 30;
    QTest::newRow("negative") << QByteArray("[Einstellungen]\nMaximum=-40\n") << 30;
    QTest::newRow("one") << QByteArray("[Einstellungen]\nMaximum=1\n") << 1;
    QTest::newRow("below the fallback") << QByteArray("[Einstellungen]\nMaximum=12\n") << 12;
    QTest::newRow("above the fallback") << QByteArray("[Einstellungen]\nMaximum=250\n") << 250;
    QTest::newRow("largest") << QByteArray("[Einstellungen]\nMaximum=2147483647\n") << 2147483647;
    QTest::newRow("hexadecimal") << QByteArray("[einstellungen]\nMAXIMUM=0x40\n") << 64;
    QTest::newRow("crlf, blanks") << QByteArray("; x\r\n[ Einstellungen ]\r\n  Maximum =  70 \r\n")
                                  << 70;
}

void TestSettings::maximum()
{
    QFETCH(QByteArray, file);
    QFETCH(int, maximum);
    if (!file.isNull())
        writeIni(file);
    QCOMPARE(Settings(iniPath()).maximum(), maximum);
    // Reading never writes.
    QCOMPARE(readIni(), file.isNull() ? QByteArray("<missing>") : file);
}

void TestSettings::recentFiles_data()
{
    QTest::addColumn<QStringList>("added"); // in this order
    QTest::addColumn<QStringList>("expected");

    const QString a = kDir + QStringLiteral("/a.bar");
    const QString b = kDir + QStringLiteral("/Unter Ordner/b.bar");
    const QString c = kDir + QStringLiteral("/März & Mai.bar");
    QStringList seven;
    for (const char* name : {"1", "2", "3", "4", "5", "6", "7"})
        seven << kDir + QStringLiteral("/p%1.bar").arg(QLatin1String(name));

    QTest::newRow("nothing yet") << QStringList() << QStringList();
    QTest::newRow("one") << QStringList{a} << QStringList{a};
    QTest::newRow("newest first") << QStringList{a, b, c} << QStringList{c, b, a};
    QTest::newRow("re-added moves to the top") << QStringList{a, b, c, a} << QStringList{a, c, b};
    QTest::newRow("re-added from the middle") << QStringList{a, b, c, b} << QStringList{b, c, a};
    QTest::newRow("newest re-added") << QStringList{a, b, b, b} << QStringList{b, a};
    QTest::newRow("six kept") << seven.mid(0, 6) << QStringList{seven[5], seven[4], seven[3],
                                                                seven[2], seven[1], seven[0]};
    QTest::newRow("seventh drops the oldest")
        << seven << QStringList{seven[6], seven[5], seven[4], seven[3], seven[2], seven[1]};
    QTest::newRow("the oldest of six re-added")
        << (seven.mid(0, 6) << seven[0])
        << QStringList{seven[0], seven[5], seven[4], seven[3], seven[2], seven[1]};
    QTest::newRow("dropped one comes back")
        << (QStringList(seven) << seven[0])
        << QStringList{seven[0], seven[6], seven[5], seven[4], seven[3], seven[2]};
    QTest::newRow("empty path ignored") << QStringList{a, QString(), b} << QStringList{b, a};
}

void TestSettings::recentFiles()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, expected);
    writeIni("[Einstellungen]\nMaximum=30\n");
    for (const QString& path : paths(added))
        Settings(iniPath()).addRecentFile(path);
    expected = paths(expected);
    QCOMPARE(Settings(iniPath()).recentFiles(), expected);
    QCOMPARE(storedKeys(), expected);
    QCOMPARE(Settings(iniPath()).maximum(), 30);
}

void TestSettings::sectionAppendedAtTheEnd_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("kept");   // what the file starts with afterwards
    QTest::addColumn<QByteArray>("ending"); // of the lines added

    const QByteArray usual("[Einstellungen]\nMaximum=30\nFarbDruck=1\nVerzeichnis=/home/bea/\n"
                           "[Teststring]\nDatei=Vorhanden\n");
    QTest::newRow("as written by the program") << usual << usual << QByteArray("\n");
    const QByteArray mixed("; von Hand\n\n[Teststring]\nDatei=Vorhanden\n\n[Fremd]\n"
                           "  Schluessel = \"mit Blanks\"  \n\n[Einstellungen]\nMaximum=45\n\n");
    QTest::newRow("comments, blanks, other sections") << mixed << mixed << QByteArray("\n");
    const QByteArray crlf("[Einstellungen]\r\nMaximum=30\r\n[Teststring]\r\nDatei=Vorhanden\r\n");
    QTest::newRow("crlf") << crlf << crlf << QByteArray("\r\n");
    const QByteArray open("[Einstellungen]\nMaximum=30\n[Teststring]\nDatei=Vorhanden");
    QTest::newRow("no line end at the end") << open << open + "\n" << QByteArray("\n");
    QTest::newRow("empty file") << QByteArray("") << QByteArray() << QByteArray("\n");
}

void TestSettings::sectionAppendedAtTheEnd()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, kept);
    QFETCH(QByteArray, ending);
    writeIni(before);
    const QString first = m_dir->filePath(QStringLiteral("erste.bar"));
    const QString second = m_dir->filePath(QStringLiteral("zweite.bar"));

    Settings(iniPath()).addRecentFile(first);
    const QByteArray oneEntry = readIni();
    QVERIFY2(oneEntry.startsWith(kept), oneEntry.constData());
    QCOMPARE(oneEntry.mid(kept.size()),
             "[Zuletzt]" + ending + "Datei1=" + QFile::encodeName(first) + ending);

    Settings(iniPath()).addRecentFile(second);
    const QByteArray twoEntries = readIni();
    QVERIFY2(twoEntries.startsWith(kept), twoEntries.constData());
    QCOMPARE(twoEntries.mid(kept.size()), "[Zuletzt]" + ending +
                                              "Datei1=" + QFile::encodeName(second) + ending +
                                              "Datei2=" + QFile::encodeName(first) + ending);
}

void TestSettings::listInOrderWritesNothing_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("added");

    QTest::newRow("newest added again")
        << QByteArray("[Einstellungen]\nMaximum=30\n[Zuletzt]\nDatei1=/p/a.bar\nDatei2=/p/b.bar\n")
        << "/p/a.bar";
    QTest::newRow("sole entry added again")
        << QByteArray("[Zuletzt]\r\nDatei1=/p/a.bar\r\n") << "/p/a.bar";
    QTest::newRow("six entries, newest added again")
        << QByteArray("[Zuletzt]\nDatei1=/1.bar\nDatei2=/2.bar\nDatei3=/3.bar\nDatei4=/4.bar\n"
                      "Datei5=/5.bar\nDatei6=/6.bar\n")
        << "/1.bar";
    QTest::newRow("hand-written spelling")
        << QByteArray("[zuletzt]\n  datei1 = \"/p/a b.bar\"\nDATEI2=/p/c.bar  \n") << "/p/a b.bar";
    QTest::newRow("keys in another order")
        << QByteArray("[Zuletzt]\nDatei2=/p/b.bar\nDatei1=/p/a.bar\n") << "/p/a.bar";
}

void TestSettings::listInOrderWritesNothing()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, added);
    writeIni(file);
    {
        QFile ini(iniPath());
        QVERIFY(ini.open(QIODevice::ReadWrite));
        QVERIFY(ini.setFileTime(kOldTime, QFileDevice::FileModificationTime));
    }
    const QStringList before = Settings(iniPath()).recentFiles();
    Settings(iniPath()).addRecentFile(added);
    QCOMPARE(readIni(), file);
    QCOMPARE(QFileInfo(iniPath()).lastModified().toUTC(), kOldTime);
    QCOMPARE(Settings(iniPath()).recentFiles(), before);
}

void TestSettings::handEditedList_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("read");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("afterwards");

    QTest::newRow("holes") << QByteArray("[Zuletzt]\nDatei1=\nDatei2=/a.bar\nDatei5=/b.bar\n")
                           << QStringList{"/a.bar", "/b.bar"} << "/c.bar"
                           << QStringList{"/c.bar", "/a.bar", "/b.bar"};
    QTest::newRow("holes, entry re-added")
        << QByteArray("[Zuletzt]\nDatei2=/a.bar\nDatei4=/b.bar\nDatei6=/c.bar\n")
        << QStringList{"/a.bar", "/b.bar", "/c.bar"} << "/b.bar"
        << QStringList{"/b.bar", "/a.bar", "/c.bar"};
    QTest::newRow("duplicates")
        << QByteArray("[Zuletzt]\nDatei1=/a.bar\nDatei2=/b.bar\nDatei3=/a.bar\nDatei4=/b.bar\n")
        << QStringList{"/a.bar", "/b.bar"} << "/b.bar" << QStringList{"/b.bar", "/a.bar"};
    QTest::newRow("six with duplicates, a new one")
        << QByteArray("[Zuletzt]\nDatei1=/1.bar\nDatei2=/1.bar\nDatei3=/2.bar\nDatei4=/3.bar\n"
                      "Datei5=/4.bar\nDatei6=/5.bar\n")
        << QStringList{"/1.bar", "/2.bar", "/3.bar", "/4.bar", "/5.bar"} << "/6.bar"
        << QStringList{"/6.bar", "/1.bar", "/2.bar", "/3.bar", "/4.bar", "/5.bar"};
    QTest::newRow("numbered, not by line")
        << QByteArray("[Zuletzt]\nDatei3=/c.bar\nDatei1=/a.bar\nDatei2=/b.bar\n")
        << QStringList{"/a.bar", "/b.bar", "/c.bar"} << "/d.bar"
        << QStringList{"/d.bar", "/a.bar", "/b.bar", "/c.bar"};
    QTest::newRow("beyond six not read")
        << QByteArray("[Zuletzt]\nDatei1=/a.bar\nDatei7=/g.bar\nDatei0=/z.bar\n")
        << QStringList{"/a.bar"} << "/b.bar" << QStringList{"/b.bar", "/a.bar"};
    QTest::newRow("section between others, case and quotes")
        << QByteArray("[Einstellungen]\nMaximum=30\n\n[ZULETZT]\ndatei1='/a b.bar'\n\n"
                      "[Teststring]\nDatei=Vorhanden\n")
        << QStringList{"/a b.bar"} << "/c.bar" << QStringList{"/c.bar", "/a b.bar"};
    QTest::newRow("empty section")
        << QByteArray("[Zuletzt]\n") << QStringList() << "/a.bar" << QStringList{"/a.bar"};
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
    QCOMPARE(Settings(iniPath()).recentFiles(), afterwards);
    QCOMPARE(storedKeys(), afterwards);
    // The other sections are left as they were.
    if (file.contains("[Teststring]\nDatei=Vorhanden\n"))
        QVERIFY(readIni().contains("[Teststring]\nDatei=Vorhanden\n"));
}

void TestSettings::unstorablePathLeavesFileAlone_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("longer than a value can be")
        << QStringLiteral("/") + QString(1024, QLatin1Char('x')) + QStringLiteral(".bar");
    QTest::newRow("line break in the name") << QStringLiteral("/home/bea/a\nb.bar");
    QTest::newRow("carriage return in a folder") << QStringLiteral("/home/bea\r/a.bar");
    QTest::newRow("blank at the end") << QStringLiteral("/home/bea/a.bar ");
    QTest::newRow("tab at the end") << QStringLiteral("/home/bea/a.bar\t");
}

// A path the file can't hold could never be opened from the list again:
// it is left out, and the list stays as it was.
void TestSettings::unstorablePathLeavesFileAlone()
{
    QFETCH(QString, path);
    const QByteArray file("[Einstellungen]\nMaximum=30\n[Zuletzt]\nDatei1=/p/a.bar\n");
    writeIni(file);
    QString failure;
    try {
        Settings(iniPath()).addRecentFile(path);
    } catch (const fendrimo::Failure& refused) {
        failure = refused.message();
    }
    QCOMPARE(failure, QString());
    QCOMPARE(readIni(), file);
    QCOMPARE(Settings(iniPath()).recentFiles(), QStringList{"/p/a.bar"});
}

void TestSettings::firstRunBesideRecentList()
{
    const QByteArray recent("[Zuletzt]\nDatei1=/p/a.bar\nDatei2=/p/b.bar\n");
    writeIni(recent);
    IniFile ini(iniPath());
    int notices = 0;
    QVERIFY(fendrimo::runFirstRunCheck(ini, [&](const QString&) { ++notices; }));
    QCOMPARE(notices, 1);
    const QByteArray after = readIni();
    QVERIFY2(after.startsWith(recent), after.constData());
    // Only the four keys of the check are added, each in its own section.
    QList<QByteArray> added = after.mid(recent.size()).split('\n');
    QCOMPARE(added.takeLast(), QByteArray());
    QCOMPARE(added.size(), 6);
    QCOMPARE(added.count("[Einstellungen]") + added.count("[Teststring]"), 2);
    const Settings settings(iniPath());
    QCOMPARE(settings.storedMaximum(), 30);
    QVERIFY(settings.farbDruck());
    QCOMPARE(settings.verzeichnis(QStringLiteral("ERROR")), QString());
    QCOMPARE(ini.readString(QStringLiteral("Teststring"), QStringLiteral("Datei"), QString()),
             QStringLiteral("Vorhanden"));
    QCOMPARE(settings.recentFiles(), (QStringList{"/p/a.bar", "/p/b.bar"}));
    // A second start finds the file complete and leaves it alone.
    QVERIFY(!fendrimo::runFirstRunCheck(ini, [&](const QString&) { ++notices; }));
    QCOMPARE(readIni(), after);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

#include "platform/error.h"
#include "settings/inifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "support/filesizelimit.h"

#include <csignal>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using fendrimo::Failure;
using fendrimo::IniFile;

namespace {

using fendrimo::testing::FileSizeLimit;

enum class Refusal { FolderIsFile, PathIsFolder, FileSizeLimit };

} // namespace

Q_DECLARE_METATYPE(Refusal)

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void parseInteger_data();
    void parseInteger();
    void readString_data();
    void readString();
    void readLengthLimit_data();
    void readLengthLimit();
    void readNumbers_data();
    void readNumbers();
    void missingFileGivesDefaults();
    void write_data();
    void write();
    void writeTyped_data();
    void writeTyped();
    void settingsFilePathFollowsConfigHome();
    void refusedWrite_data();
    void refusedWrite();
    void onlyRegularFiles_data();
    void onlyRegularFiles();

private:
    QString filePath() const { return m_dir->filePath(QStringLiteral("fendr21f.ini")); }
    void putFile(const QString& path, const QByteArray& bytes);
    QByteArray fileBytes(const QString& path) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::optional<QByteArray> m_configHome;
};

void TestIniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_configHome.reset();
    if (qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
        m_configHome = qgetenv("XDG_CONFIG_HOME");
}

void TestIniFile::cleanup()
{
    if (m_configHome)
        qputenv("XDG_CONFIG_HOME", *m_configHome);
    else
        qunsetenv("XDG_CONFIG_HOME");
    m_dir.reset();
}

void TestIniFile::putFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestIniFile::fileBytes(const QString& path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void TestIniFile::parseInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("expected");

    const int min = std::numeric_limits<int>::min();
    const int max = std::numeric_limits<int>::max();
    QTest::newRow("0x upper digits") << "0x3C" << true << 60;
    QTest::newRow("0X lower digits") << "0X3c" << true << 60;
    QTest::newRow("0x three chars") << "0x1" << true << 1;
    QTest::newRow("0x all ones wraps") << "0xFFFFFFFF" << true << -1;
    QTest::newRow("0x sign bit") << "0x80000000" << true << min;
    QTest::newRow("0x leading zeros") << "0x0000000000007" << true << 7;
    QTest::newRow("0x over 32 bits") << "0x100000000" << false << 0;
    QTest::newRow("0x alone") << "0x" << false << 0;
    QTest::newRow("0x non-hex") << "0x3G" << false << 0;
    QTest::newRow("0x signed") << "0x-1" << false << 0;
    QTest::newRow("0x after blank") << " 0x10" << false << 0;
    QTest::newRow("leading blanks") << "  40" << true << 40;
    QTest::newRow("leading tab") << "\t40" << true << 40;
    QTest::newRow("letter O") << "4O" << false << 0;
    QTest::newRow("dollar hex") << "$1F" << true << 31;
    QTest::newRow("negative dollar") << "-$10" << true << -16;
    QTest::newRow("dollar all ones") << "$FFFFFFFF" << true << -1;
    QTest::newRow("dollar over 32 bits") << "$100000000" << false << 0;
    QTest::newRow("dollar alone") << "$" << false << 0;
    QTest::newRow("negative") << "-5" << true << -5;
    QTest::newRow("plus") << "+7" << true << 7;
    QTest::newRow("two signs") << "+-7" << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
    QTest::newRow("blank after sign") << "- 5" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("largest") << "2147483647" << true << max;
    QTest::newRow("one past largest") << "2147483648" << false << 0;
    QTest::newRow("smallest") << "-2147483648" << true << min;
    QTest::newRow("one past smallest") << "-2147483649" << false << 0;
    QTest::newRow("far too large") << "99999999999999999999999" << false << 0;
    QTest::newRow("trailing blank") << "12 " << false << 0;
    QTest::newRow("exponent") << "1e3" << false << 0;
    QTest::newRow("hex digits without prefix") << "1F" << false << 0;
    QTest::newRow("arabic-indic digit") << QStringLiteral("\u0663") << false << 0;
}

void TestIniFile::parseInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, expected);

    const std::optional<int> value = fendrimo::parseSettingsInteger(text);
    QCOMPARE(value.has_value(), valid);
    if (valid)
        QCOMPARE(*value, expected);
}

void TestIniFile::readString_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString S = QStringLiteral("S");
    const QString K = QStringLiteral("K");
    const QString def = QStringLiteral("DEF");
    QTest::newRow("plain") << QByteArray("[S]\nK=v\n") << S << K << "v";
    QTest::newRow("section and key case") << QByteArray("[sEcT]\nkEy=v\n") << "SECT"
                                          << "Key"
                                          << "v";
    QTest::newRow("section name blanks") << QByteArray("[  S  ]\nK=v\n") << S << K << "v";
    QTest::newRow("indented lines") << QByteArray("  [S]  \n\t K = v  \n") << S << K << "v";
    QTest::newRow("first section only") << QByteArray("[S]\nA=1\n[s]\nK=2\n") << S << K << def;
    QTest::newRow("first key wins") << QByteArray("[S]\nK=1\nk=2\n") << S << K << "1";
    QTest::newRow("other section first") << QByteArray("[T]\nK=t\n[S]\nK=s\n") << S << K << "s";
    QTest::newRow("no leak into next") << QByteArray("[S]\n[T]\nK=v\n") << S << K << def;
    QTest::newRow("key before sections") << QByteArray("K=v\n[S]\n") << S << K << def;
    QTest::newRow("double quotes") << QByteArray("[S]\nK= \" a b \" \n") << S << K << " a b ";
    QTest::newRow("single quotes") << QByteArray("[S]\nK='x'\n") << S << K << "x";
    QTest::newRow("mismatched quotes") << QByteArray("[S]\nK=\"x'\n") << S << K << "\"x'";
    QTest::newRow("lone quote") << QByteArray("[S]\nK=\"\n") << S << K << "\"";
    QTest::newRow("commented key skipped") << QByteArray("[S]\n;K=c\nK=v\n") << S << K << "v";
    QTest::newRow("commented key only") << QByteArray("[S]\n  ;K=c\n") << S << K << def;
    QTest::newRow("semicolon in value") << QByteArray("[S]\nK=a ; b\n") << S << K << "a ; b";
    QTest::newRow("no equals skipped") << QByteArray("[S]\nK\nK=v\n") << S << K << "v";
    QTest::newRow("no equals only") << QByteArray("[S]\nK v\n") << S << K << def;
    QTest::newRow("equals in value") << QByteArray("[S]\nK=a=b\n") << S << K << "a=b";
    QTest::newRow("empty value") << QByteArray("[S]\nK=\n") << S << K << "";
    QTest::newRow("missing section") << QByteArray("[T]\nK=v\n") << S << K << def;
    QTest::newRow("missing key") << QByteArray("[S]\nKK=v\n") << S << K << def;
    QTest::newRow("crlf") << QByteArray("[S]\r\nA=1\r\nK=v\r\n") << S << K << "v";
    QTest::newRow("no final line end") << QByteArray("[S]\nK=v") << S << K << "v";
    QTest::newRow("utf-8") << QByteArray("[S]\nK=Gr\xc3\xbc\xc3\x9f"
                                         "e\n")
                           << S << K << QStringLiteral("Grüße");
    QTest::newRow("empty file") << QByteArray() << S << K << def;
}

void TestIniFile::readString()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    putFile(filePath(), content);
    QCOMPARE(IniFile(filePath()).readString(section, key, QStringLiteral("DEF")), expected);
}

void TestIniFile::readLengthLimit_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    const QString a1023(1023, u'a');
    const QString pair = QStringLiteral("\U0001F600");
    QTest::newRow("exactly 1023") << a1023 << a1023;
    QTest::newRow("longer is cut") << QString(3000, u'b') << QString(1023, u'b');
    QTest::newRow("pair across the cut") << QString(1022, u'c') + pair << QString(1022, u'c');
    QTest::newRow("pair before the cut")
        << QString(1021, u'd') + pair + u'e' << QString(1021, u'd') + pair;
}

void TestIniFile::readLengthLimit()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);

    putFile(filePath(), "[S]\nK=" + value.toUtf8() + "\n");
    const IniFile ini(filePath());
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("K"), QString()), expected);
    // A default that long is cut the same way.
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("missing"), value), expected);
}

void TestIniFile::readNumbers_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("integer"); // read with default -99
    QTest::addColumn<bool>("ifTrue"); // read as bool, default true
    QTest::addColumn<bool>("ifFalse");

    QTest::newRow("trailing blank trimmed") << QByteArray("K=12 ") << 12 << true << true;
    QTest::newRow("blanks around hex") << QByteArray("K=  0x10  ") << 16 << true << true;
    QTest::newRow("quoted") << QByteArray("K=\"7\"") << 7 << true << true;
    QTest::newRow("zero") << QByteArray("K=0") << 0 << false << false;
    QTest::newRow("dollar zero") << QByteArray("K=$0") << 0 << false << false;
    QTest::newRow("one") << QByteArray("K=1") << 1 << true << true;
    QTest::newRow("negative") << QByteArray("K=-3") << -3 << true << true;
    QTest::newRow("not a number") << QByteArray("K=abc") << -99 << true << false;
    QTest::newRow("empty") << QByteArray("K=") << -99 << true << false;
    QTest::newRow("overflow") << QByteArray("K=4294967296") << -99 << true << false;
    QTest::newRow("missing key") << QByteArray("L=1") << -99 << true << false;
}

void TestIniFile::readNumbers()
{
    QFETCH(QByteArray, line);
    QFETCH(int, integer);
    QFETCH(bool, ifTrue);
    QFETCH(bool, ifFalse);

    putFile(filePath(), "[S]\n" + line + "\n");
    const IniFile ini(filePath());
    const QString S = QStringLiteral("S");
    const QString K = QStringLiteral("K");
    QCOMPARE(ini.readInteger(S, K, -99), integer);
    QCOMPARE(ini.readBool(S, K, true), ifTrue);
    QCOMPARE(ini.readBool(S, K, false), ifFalse);
}

void TestIniFile::missingFileGivesDefaults()
{
    const IniFile ini(m_dir->filePath(QStringLiteral("absent/fendr21f.ini")));
    const QString S = QStringLiteral("S");
    QCOMPARE(ini.readString(S, S, QStringLiteral("ERROR")), QStringLiteral("ERROR"));
    QCOMPARE(ini.readInteger(S, S, 42), 42);
    QCOMPARE(ini.readBool(S, S, true), true);
    QVERIFY(!QFile::exists(ini.path()));
}

void TestIniFile::write_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    const QString S = QStringLiteral("S");
    const QString K = QStringLiteral("K");
    const QString v = QStringLiteral("v");
    QTest::newRow("missing file") << false << QByteArray() << S << K << v
                                  << QByteArray("[S]\nK=v\n");
    QTest::newRow("empty file") << true << QByteArray() << S << K << v << QByteArray("[S]\nK=v\n");
    QTest::newRow("replace in place") << true << QByteArray("; top\n[S]\nA=1\nK=old\nB=2\n") << S
                                      << K << v << QByteArray("; top\n[S]\nA=1\nK=v\nB=2\n");
    QTest::newRow("replace with caller's spelling")
        << true << QByteArray("[s]\n  kEY = old  \n") << S << "Key" << v
        << QByteArray("[s]\nKey=v\n");
    QTest::newRow("replace first duplicate key")
        << true << QByteArray("[S]\nK=1\nk=2\n") << S << K << v << QByteArray("[S]\nK=v\nk=2\n");
    QTest::newRow("first of duplicate sections")
        << true << QByteArray("[S]\nA=1\n\n[S]\nK=2\n") << S << K << v
        << QByteArray("[S]\nA=1\nK=v\n\n[S]\nK=2\n");
    QTest::newRow("new key before blank lines")
        << true << QByteArray("[S]\nA=1\n\n\n[T]\nB=2\n") << S << K << v
        << QByteArray("[S]\nA=1\nK=v\n\n\n[T]\nB=2\n");
    QTest::newRow("new key before next section") << true << QByteArray("[S]\nA=1\n[T]\n") << S << K
                                                 << v << QByteArray("[S]\nA=1\nK=v\n[T]\n");
    QTest::newRow("new key after comment")
        << true << QByteArray("[S]\nA=1\n; note\n\n[T]") << S << K << v
        << QByteArray("[S]\nA=1\n; note\nK=v\n\n[T]\n");
    QTest::newRow("new key in empty section")
        << true << QByteArray("[S]\n\n[T]\n") << S << K << v << QByteArray("[S]\nK=v\n\n[T]\n");
    QTest::newRow("new key at unterminated end")
        << true << QByteArray("[S]\nA=1") << S << K << v << QByteArray("[S]\nA=1\nK=v\n");
    QTest::newRow("commented key not replaced")
        << true << QByteArray("[S]\n;K=c\n") << S << K << v << QByteArray("[S]\n;K=c\nK=v\n");
    QTest::newRow("new section at end")
        << true << QByteArray("[T]\nB=2\n") << S << K << v << QByteArray("[T]\nB=2\n[S]\nK=v\n");
    QTest::newRow("new section after blank tail") << true << QByteArray("[T]\nB=2\n\n") << S << K
                                                  << v << QByteArray("[T]\nB=2\n\n[S]\nK=v\n");
    QTest::newRow("other lines kept")
        << true << QByteArray("junk\n[S]\n  odd =  spacing \nno equals\n\t;c\nK=1\n") << S << K << v
        << QByteArray("junk\n[S]\n  odd =  spacing \nno equals\n\t;c\nK=v\n");
    QTest::newRow("non-utf-8 bytes kept") << true << QByteArray("[S]\n\xe4rger=\xff\nK=1\n") << S
                                          << K << v << QByteArray("[S]\n\xe4rger=\xff\nK=v\n");
    QTest::newRow("crlf replace") << true << QByteArray("[S]\r\nK=1\r\nA=2\r\n") << S << K << v
                                  << QByteArray("[S]\r\nK=v\r\nA=2\r\n");
    QTest::newRow("crlf new key") << true << QByteArray("[S]\r\nA=1\r\n\r\n[T]\r\n") << S << K << v
                                  << QByteArray("[S]\r\nA=1\r\nK=v\r\n\r\n[T]\r\n");
    QTest::newRow("crlf new section") << true << QByteArray("[T]\r\nB=2") << S << K << v
                                      << QByteArray("[T]\r\nB=2\r\n[S]\r\nK=v\r\n");
    QTest::newRow("lf file with a stray crlf") << true << QByteArray("[S]\nA=1\r\nB=2\n") << S << K
                                               << v << QByteArray("[S]\nA=1\r\nB=2\nK=v\n");
    QTest::newRow("empty value") << true << QByteArray("[S]\nK=old\n") << S << K << QString()
                                 << QByteArray("[S]\nK=\n");
    QTest::newRow("utf-8 value") << true << QByteArray("[S]\n") << S << K << QStringLiteral("Grüße")
                                 << QByteArray("[S]\nK=Gr\xc3\xbc\xc3\x9f"
                                               "e\n");
}

void TestIniFile::write()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);

    if (exists)
        putFile(filePath(), before);
    IniFile ini(filePath());
    ini.writeString(section, key, value);
    QCOMPARE(fileBytes(filePath()), after);
    QCOMPARE(ini.readString(section, key, QStringLiteral("DEF")), value);
}

void TestIniFile::writeTyped_data()
{
    QTest::addColumn<bool>("asBool");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("integer") << false << 30 << QByteArray("[S]\nK=30\n");
    QTest::newRow("negative integer") << false << -42 << QByteArray("[S]\nK=-42\n");
    QTest::newRow("smallest integer")
        << false << std::numeric_limits<int>::min() << QByteArray("[S]\nK=-2147483648\n");
    QTest::newRow("true") << true << 1 << QByteArray("[S]\nK=1\n");
    QTest::newRow("false") << true << 0 << QByteArray("[S]\nK=0\n");
}

void TestIniFile::writeTyped()
{
    QFETCH(bool, asBool);
    QFETCH(int, value);
    QFETCH(QByteArray, after);

    IniFile ini(filePath());
    const QString S = QStringLiteral("S");
    const QString K = QStringLiteral("K");
    if (asBool) {
        ini.writeBool(S, K, value != 0);
        QCOMPARE(ini.readBool(S, K, value == 0), value != 0);
    } else {
        ini.writeInteger(S, K, value);
        QCOMPARE(ini.readInteger(S, K, value + 1), value);
    }
    QCOMPARE(fileBytes(filePath()), after);
}

void TestIniFile::settingsFilePathFollowsConfigHome()
{
    QTemporaryDir first;
    QTemporaryDir second;
    QVERIFY(first.isValid() && second.isValid());

    qputenv("XDG_CONFIG_HOME", QFile::encodeName(first.path()));
    QCOMPARE(fendrimo::settingsFilePath(), first.path() + "/fendrimo/fendr21f.ini");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(second.path()));
    const QString path = fendrimo::settingsFilePath();
    QCOMPARE(path, second.path() + "/fendrimo/fendr21f.ini");

    // The folder doesn't exist yet; writing creates it.
    IniFile ini(path);
    ini.writeString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    QCOMPARE(fileBytes(path), QByteArray("[S]\nK=v\n"));
    QVERIFY(!QFile::exists(first.path() + "/fendrimo"));
}

void TestIniFile::refusedWrite_data()
{
    QTest::addColumn<Refusal>("refusal");
    QTest::newRow("folder is a file") << Refusal::FolderIsFile;
    QTest::newRow("settings file is a folder") << Refusal::PathIsFolder;
    QTest::newRow("disk full") << Refusal::FileSizeLimit;
}

void TestIniFile::refusedWrite()
{
    QFETCH(Refusal, refusal);

    const QByteArray old("[S]\nK=1\n");
    QString path = filePath();
    QString guard = path; // a file that must come through unchanged
    switch (refusal) {
    case Refusal::FolderIsFile:
        guard = m_dir->filePath(QStringLiteral("fendrimo"));
        path = guard + "/fendr21f.ini";
        break;
    case Refusal::PathIsFolder:
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("fendr21f.ini")));
        guard = path + "/inside";
        break;
    case Refusal::FileSizeLimit:
        break;
    }
    putFile(guard, old);
    const QStringList entries = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden);

    IniFile ini(path);
    QString message;
    try {
        std::optional<FileSizeLimit> limit;
        if (refusal == Refusal::FileSizeLimit)
            limit.emplace(64);
        ini.writeString(QStringLiteral("S"), QStringLiteral("K"), QString(200, u'x'));
    } catch (const Failure& failure) {
        message = failure.message();
    }
    // The lock file is written first: more than 64 bytes.
    QCOMPARE(message, QStringLiteral("Kann nicht nach fendr21f.ini schreiben") +
                          (refusal == Refusal::FileSizeLimit
                               ? QStringLiteral(": Kapazität der Diskette/Festplatte erschöpft")
                               : QString()));
    QCOMPARE(fileBytes(guard), old);
    // No temporary file is left behind either.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden), entries);
}

void TestIniFile::onlyRegularFiles_data()
{
    QTest::addColumn<bool>("device"); // else a named pipe
    QTest::addColumn<bool>("linked"); // the settings path a link to it
    QTest::newRow("pipe") << false << false;
    QTest::newRow("link to a pipe") << false << true;
    QTest::newRow("link to a device node") << true << true;
}

// A pipe would keep the start waiting for good, and writing must never swap
// a device for a file: both are read as missing and refused for writing.
void TestIniFile::onlyRegularFiles()
{
    QFETCH(bool, device);
    QFETCH(bool, linked);
    if (device && ::geteuid() != 0)
        QSKIP("making a device node needs root");
    const QByteArray node = QFile::encodeName(m_dir->filePath(QStringLiteral("knoten")));
    // A copy of /dev/null: nothing outside the test is at stake.
    QCOMPARE(device ? ::mknod(node.constData(), S_IFCHR | 0666, makedev(1, 3))
                    : ::mkfifo(node.constData(), 0666),
             0);
    QString path = QFile::decodeName(node);
    if (linked) {
        path = filePath();
        QVERIFY(QFile::link(QFile::decodeName(node), path));
    }
    struct stat before;
    QCOMPARE(::stat(node.constData(), &before), 0);

    IniFile ini(path);
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("keiner")),
             QStringLiteral("keiner"));
    QString message;
    try {
        ini.writeString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    } catch (const Failure& failure) {
        message = failure.message();
    }
    QCOMPARE(message,
             QStringLiteral("Kann nicht nach %1 schreiben").arg(QFileInfo(path).fileName()));
    struct stat after;
    QCOMPARE(::stat(node.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QVERIFY(!linked || QFileInfo(path).isSymLink());
    qInfo("fault | settings file: %s | read as missing at once, write refused: \"%s.\" | the %s "
          "untouched (same inode and type)",
          QTest::currentDataTag(), qPrintable(message), device ? "device node" : "pipe");
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"

// Starting Fendrimo with arguments: which file it opens, what goes on to Qt,
// what it refuses, and that the built program answers --help and --version
// without any display.

#include "app/commandline.h"
#include "files/profilefile.h"
#include "files/profilsatz.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

using namespace fendrimo;
using Action = CommandLine::Action;

Q_DECLARE_METATYPE(fendrimo::CommandLine::Action)

namespace {

// The parser as main() calls it, with "fendrimo" as the program name.
struct Parsed
{
    CommandLine line;
    QStringList qtArguments; // without the program name
};

Parsed parse(const QStringList& arguments)
{
    QList<QByteArray> bytes{QByteArrayLiteral("fendrimo")};
    for (const QString& argument : arguments)
        bytes.append(QFile::encodeName(argument));
    std::vector<const char*> argv;
    for (const QByteArray& argument : bytes)
        argv.push_back(argument.constData());
    argv.push_back(nullptr);

    Parsed parsed{parseCommandLine(int(bytes.size()), argv.data()), {}};
    for (const int index : parsed.line.qtArguments) {
        if (index > 0)
            parsed.qtArguments.append(QFile::decodeName(bytes.at(index)));
    }
    return parsed;
}

// The program's environment with no display of any kind.
QProcessEnvironment withoutDisplay(const QString& configHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    return environment;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parsing_data();
    void parsing();
    void programAnswersWithoutDisplay_data();
    void programAnswersWithoutDisplay();
    void programOpensTheNamedFile_data();
    void programOpensTheNamedFile();

private:
    QTemporaryDir m_folder;
};

void TestCommandLine::initTestCase()
{
    QVERIFY(m_folder.isValid());
    // Relative names are made absolute against the folder the program starts in.
    QVERIFY(QDir::setCurrent(m_folder.path()));
    QVERIFY(QDir().mkdir(QStringLiteral("echt")));
    QVERIFY(QFile::link(m_folder.path() + QStringLiteral("/echt"), QStringLiteral("verweis")));
}

void TestCommandLine::parsing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    // The file to open; {cwd} stands for the start folder, empty for none.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("qt");

    const QStringList none;
    QTest::newRow("nothing") << none << Action::Run << QString() << none;
    QTest::newRow("--help") << QStringList{"--help"} << Action::ShowHelp << QString() << none;
    QTest::newRow("-h") << QStringList{"-h"} << Action::ShowHelp << QString() << none;
    QTest::newRow("--version") << QStringList{"--version"} << Action::ShowVersion << QString()
                               << none;
    QTest::newRow("help before a file")
        << QStringList{"a.bar", "--help"} << Action::ShowHelp << QString() << none;
    QTest::newRow("unknown before help")
        << QStringList{"--bogus", "--help"} << Action::Refuse << QString() << none;

    QTest::newRow("relative") << QStringList{"a.bar"} << Action::Run << "{cwd}/a.bar" << none;
    QTest::newRow("relative, dot-dot kept")
        << QStringList{"echt/../a.bar"} << Action::Run << "{cwd}/echt/../a.bar" << none;
    QTest::newRow("relative, link not resolved")
        << QStringList{"verweis/a.bar"} << Action::Run << "{cwd}/verweis/a.bar" << none;
    QTest::newRow("umlaut and space")
        << QStringList{"Basalrate März.bar"} << Action::Run << "{cwd}/Basalrate März.bar" << none;
    QTest::newRow("absolute") << QStringList{"/home/Bea/Profile/a.bar"} << Action::Run
                              << "/home/Bea/Profile/a.bar" << none;

    QTest::newRow("qt option with value")
        << QStringList{"-platform", "offscreen", "x.bar"} << Action::Run << "{cwd}/x.bar"
        << QStringList{"-platform", "offscreen"};
    QTest::newRow("qt value looks like an option")
        << QStringList{"-qwindowtitle", "-Basal-", "x.bar"} << Action::Run << "{cwd}/x.bar"
        << QStringList{"-qwindowtitle", "-Basal-"};
    QTest::newRow("qt value looks like a file")
        << QStringList{"x.bar", "-stylesheet", "b.qss"} << Action::Run << "{cwd}/x.bar"
        << QStringList{"-stylesheet", "b.qss"};
    QTest::newRow("qt option with joined value")
        << QStringList{"-style=fusion", "x.bar"} << Action::Run << "{cwd}/x.bar"
        << QStringList{"-style=fusion"};
    QTest::newRow("qt flags") << QStringList{"-reverse", "x.bar", "-widgetcount"} << Action::Run
                              << "{cwd}/x.bar" << QStringList{"-reverse", "-widgetcount"};

    QTest::newRow("unknown option")
        << QStringList{"--bogus"} << Action::Refuse << QString() << none;
    QTest::newRow("lone dash") << QStringList{"-"} << Action::Refuse << QString() << none;
    QTest::newRow("qt option lacks its value")
        << QStringList{"x.bar", "-platform"} << Action::Refuse << QString() << none;
    QTest::newRow("two files") << QStringList{"a.bar", "b.bar"} << Action::Refuse << QString()
                               << none;
    QTest::newRow("empty name") << QStringList{""} << Action::Refuse << QString() << none;

    QTest::newRow("-- then a dash name")
        << QStringList{"--", "-a.bar"} << Action::Run << "{cwd}/-a.bar" << none;
    QTest::newRow("-- then --help")
        << QStringList{"--", "--help"} << Action::Run << "{cwd}/--help" << none;
    QTest::newRow("-- then a qt option name is a file, not for qt")
        << QStringList{"-reverse", "--", "-reverse"} << Action::Run << "{cwd}/-reverse"
        << QStringList{"-reverse"};
    QTest::newRow("-- and a second file")
        << QStringList{"a.bar", "--", "b.bar"} << Action::Refuse << QString() << none;
}

void TestCommandLine::parsing()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, path);
    QFETCH(QStringList, qt);

    const Parsed parsed = parse(arguments);
    QCOMPARE(parsed.line.action, action);
    QCOMPARE(parsed.line.exitCode(), action == Action::Refuse ? 2 : 0);
    if (action != Action::Run) {
        const QString& output = parsed.line.output;
        QVERIFY(output.endsWith(QLatin1Char('\n')));
        // A refusal says on one line what was wrong, then gives the usage.
        const QString usage = parse({QStringLiteral("--help")}).line.output;
        if (action == Action::Refuse) {
            const QString reason = output.left(output.size() - usage.size() - 2);
            QVERIFY2(output.endsWith(QStringLiteral("\n\n") + usage) && !reason.isEmpty() &&
                         !reason.contains(QLatin1Char('\n')),
                     qPrintable(output));
        }
        return;
    }
    QVERIFY(parsed.line.output.isEmpty());
    path.replace(QStringLiteral("{cwd}"), QDir::currentPath());
    QCOMPARE(parsed.line.profilePath.value_or(QString()), path);
    QCOMPARE(parsed.line.profilePath.has_value(), !path.isEmpty());
    QCOMPARE(parsed.line.qtArguments.front(), 0);
    QCOMPARE(parsed.qtArguments, qt);
}

void TestCommandLine::programAnswersWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("--help") << QStringList{"--help"} << 0;
    QTest::newRow("-h and a file") << QStringList{"-h", "a.bar"} << 0;
    QTest::newRow("--version") << QStringList{"--version"} << 0;
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2;
    QTest::newRow("two files") << QStringList{"a.bar", "b.bar"} << 2;
    // The check that there really is no display: the window can't open.
    QTest::newRow("no arguments") << QStringList() << -1;
}

void TestCommandLine::programAnswersWithoutDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);

    QProcess program;
    program.setProcessEnvironment(withoutDisplay(m_folder.filePath(QStringLiteral("cfg"))));
    // Qt ends a program without a display by aborting: no core file for that.
    program.setChildProcessModifier([] {
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
    });
    program.start(QStringLiteral(FENDRIMO_EXECUTABLE), arguments);
    QVERIFY(program.waitForStarted());
    const bool ended = program.waitForFinished(30000);
    if (!ended)
        program.kill();
    QVERIFY2(ended, "the program did not end by itself");
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());

    if (exitCode < 0) {
        QVERIFY2(program.exitStatus() == QProcess::CrashExit || program.exitCode() != 0,
                 qPrintable(err));
        return;
    }
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    // The program prints exactly what the parser answered, on the stream the exit code asks for.
    const QString expected = parse(arguments).line.output;
    QCOMPARE(exitCode == 0 ? out : err, expected);
    QCOMPARE(exitCode == 0 ? err : out, QString());
    if (arguments == QStringList{"--version"})
        QVERIFY2(out.startsWith(QStringLiteral("Fendrimo " FENDRIMO_PROJECT_VERSION)),
                 qPrintable(out));
}

void TestCommandLine::programOpensTheNamedFile_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("arguments");
    // Offscreen through Qt's own option: it must reach the application object.
    QTest::newRow("relative name")
        << "Profile 1"
        << "Basal 1.bar" << QStringList{"-platform", "offscreen", "Basal 1.bar"};
    QTest::newRow("dash name after --")
        << "Profile 2"
        << "-früh.bar" << QStringList{"-platform", "offscreen", "--", "-früh.bar"};
}

void TestCommandLine::programOpensTheNamedFile()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(QStringList, arguments);

    // Settings in place, so no first-run notice waits for an answer.
    const QString configHome = m_folder.filePath(folder + QStringLiteral(" cfg"));
    const QString settingsFile = configHome + QStringLiteral("/fendrimo/fendr21f.ini");
    QVERIFY(QDir().mkpath(configHome + QStringLiteral("/fendrimo")));
    QFile settings(settingsFile);
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[Einstellungen]\r\nMaximum=30\r\nFarbDruck=1\r\nVerzeichnis=\r\n"
                   "[Teststring]\r\nDatei=Vorhanden\r\n");
    settings.close();
    const QString profiles = m_folder.filePath(folder);
    QVERIFY(QDir().mkpath(profiles));
    QVERIFY(writeProfileFile(profiles + QLatin1Char('/') + file, Profilsatz()).ok());

    QProcess program;
    program.setProcessEnvironment(withoutDisplay(configHome));
    program.setWorkingDirectory(profiles);
    program.start(QStringLiteral(FENDRIMO_EXECUTABLE), arguments);
    QVERIFY(program.waitForStarted());
    // A profile that loads has its folder remembered for the next file dialog.
    const auto remembered = [&] {
        QFile written(settingsFile);
        return written.open(QIODevice::ReadOnly) &&
               QString::fromUtf8(written.readAll()).contains(profiles);
    };
    const bool loaded = QTest::qWaitFor(remembered, 30000);
    const bool stillRunning = program.state() == QProcess::Running;
    program.kill();
    program.waitForFinished();
    QVERIFY2(stillRunning, program.readAllStandardError().constData());
    QVERIFY(loaded);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"

// Starting Fendrimo with arguments: the parser, and the built program
// answering without a display and opening the file it is given.

#include "app/commandline.h"
#include "files/filename.h"
#include "files/profilefile.h"
#include "files/profilsatz.h"
#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace fendrimo;
using Action = CommandLine::Action;

namespace {

// The parser as main() calls it, and what it passes on to the application object.
std::pair<CommandLine, QStringList> parse(const QStringList& arguments)
{
    QByteArrayList bytes; // what argv points into
    std::vector<const char*> argv{"fendrimo"};
    for (const QString& argument : arguments)
        argv.push_back(bytes.emplace_back(QFile::encodeName(argument)).constData());
    std::pair<CommandLine, QStringList> parsed{
        parseCommandLine(int(argv.size()), argv.data(), Settings()), {}};
    for (const int index : parsed.first.qtArguments)
        parsed.second.append(QFile::decodeName(argv.at(index)));
    return parsed;
}

QProcessEnvironment withoutDisplay(const QString& configHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    return environment;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parsing_data();
    void parsing();
    void fileFromOutside_data();
    void fileFromOutside();
    void programAnswersWithoutDisplay_data();
    void programAnswersWithoutDisplay();
    void helpInTheChosenLanguage_data();
    void helpInTheChosenLanguage();
    void programOpensARelativeName();

private:
    QTemporaryDir m_folder;
};

void TestCommandLine::parsing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("path"); // relative to the current folder
    QTest::addColumn<QStringList>("qt");

    const QStringList name{"fendrimo"};
    QTest::newRow("--help") << QStringList{"--help"} << Action::ShowHelp << "" << name;
    QTest::newRow("--version") << QStringList{"--version"} << Action::ShowVersion << "" << name;
    QTest::newRow("relative") << QStringList{"a.bar"} << Action::Run << "a.bar" << name;
    QTest::newRow("qt option with value")
        << QStringList{"-platform", "offscreen", "x.bar"} << Action::Run << "x.bar"
        << QStringList{"fendrimo", "-platform", "offscreen"};
    QTest::newRow("unknown option") << QStringList{"--bogus"} << Action::Refuse << "" << name;
    QTest::newRow("two files") << QStringList{"a.bar", "b.bar"} << Action::Refuse << "" << name;
    QTest::newRow("-- then a dash name")
        << QStringList{"--", "-a.bar"} << Action::Run << "-a.bar" << name;
}

void TestCommandLine::parsing()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, path);
    QFETCH(QStringList, qt);

    const auto [line, qtArguments] = parse(arguments);
    QCOMPARE(line.action, action);
    const QString usage = parse({QStringLiteral("--help")}).first.output;
    if (action == Action::Refuse)
        QVERIFY2(line.output.endsWith(QStringLiteral("\n\n") + usage), qPrintable(line.output));
    if (action != Action::Run)
        return;
    QCOMPARE(line.profilePath.value_or(QString()), QDir::current().filePath(path));
    QCOMPARE(qtArguments, qt);
}

void TestCommandLine::fileFromOutside_data()
{
    QTest::addColumn<QByteArray>("argument"); // as the file manager passes it
    QTest::addColumn<QByteArray>("file");     // below the current folder
    QTest::addColumn<QString>("shown");
    QTest::newRow("Latin-1 name") << QByteArray("M\xfcller.bar") << QByteArray("M\xfcller.bar")
                                  << QStringLiteral("Müller.bar");
    QTest::newRow("UTF-8 name") << QByteArray("M\xc3\xbcller.bar")
                                << QByteArray("M\xc3\xbcller.bar") << QStringLiteral("Müller.bar");
    QTest::newRow("Latin-1 folder, cut UTF-8 byte") << QByteArray("Gr\xf6\xdf"
                                                                  "e/a\xc3.bar")
                                                    << QByteArray("Gr\xf6\xdf"
                                                                  "e/a\xc3.bar")
                                                    << QStringLiteral("Größe/aÃ.bar");
    QTest::newRow("detour") << QByteArray("a/../worked.bar") << QByteArray("worked.bar")
                            << QStringLiteral("worked.bar");
    QTest::newRow("dot and doubled slash")
        << QByteArray("./a//b.bar") << QByteArray("a/b.bar") << QStringLiteral("a/b.bar");
}

// A file named on the command line opens under its own name: its bytes kept
// even where they aren't UTF-8, its path clean for the title and the settings.
void TestCommandLine::fileFromOutside()
{
    QFETCH(QByteArray, argument);
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);
    const QByteArray folder = QFile::encodeName(m_folder.path()) + '/';
    const QByteArrayList folders{"a", "Gr\xf6\xdf"
                                      "e"};
    for (const QByteArray& made : folders)
        ::mkdir((folder + made).constData(), 0700);
    // Qt can't see these names, so QTemporaryDir can't remove them.
    const auto removeNames = qScopeGuard([&] {
        ::unlink((folder + file).constData());
        for (const QByteArray& made : folders)
            ::rmdir((folder + made).constData());
    });
    const QByteArray bytes = Profilsatz().toBytes();
    const int fd = ::open((folder + file).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    ::close(fd);

    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_folder.path()));
    const std::vector<const char*> argv{"fendrimo", argument.constData()};
    const CommandLine line = parseCommandLine(int(argv.size()), argv.data(), Settings());
    QDir::setCurrent(before);
    QCOMPARE(line.action, Action::Run);
    QVERIFY(line.profilePath);
    QCOMPARE(encodeFileName(*line.profilePath), folder + file);
    QCOMPARE(displayFileName(*line.profilePath), m_folder.path() + u'/' + shown);
    Profilsatz record;
    QCOMPARE(readProfileFile(*line.profilePath, record).code, 0);
    // Saved back under the same name, and nowhere else.
    record.setDatum(QStringLiteral("gespeichert"));
    const auto listed = [&] {
        return QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
    };
    const QStringList entries = listed();
    QCOMPARE(writeProfileFile(*line.profilePath, record).code, 0);
    QCOMPARE(listed(), entries);
    Profilsatz saved;
    QCOMPARE(readProfileFile(*line.profilePath, saved).code, 0);
    QCOMPARE(saved.datum(), QStringLiteral("gespeichert"));
    qInfo("fault | command line: %s | opened and saved under its bytes, shown as \"%s\" | no "
          "other file written",
          QTest::currentDataTag(), qPrintable(shown));
}

void TestCommandLine::programAnswersWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("--help") << QStringList{"--help"} << 0;
    QTest::newRow("--version") << QStringList{"--version"} << 0;
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2;
    QTest::newRow("two files") << QStringList{"a.bar", "b.bar"} << 2;
}

void TestCommandLine::programAnswersWithoutDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);

    QProcess program;
    program.setProcessEnvironment(withoutDisplay(m_folder.filePath(QStringLiteral("cfg"))));
    program.start(QStringLiteral(FENDRIMO_EXECUTABLE), arguments);
    QVERIFY2(program.waitForFinished(30000), "the program did not end by itself");
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    // Exactly the parser's answer, on the stream the exit code calls for.
    QCOMPARE(exitCode == 0 ? out : err, parse(arguments).first.output);
    QCOMPARE(exitCode == 0 ? err : out, QString());
}

void TestCommandLine::helpInTheChosenLanguage_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("firstLine");
    const QString german = QStringLiteral("Aufruf: fendrimo [Optionen] [Basalraten-Datei.bar]");
    const QString english = QStringLiteral("Usage: fendrimo [options] [basal-rate-file.bar]");
    QTest::newRow("LANGUAGE=en over LANG=de_DE.UTF-8")
        << QStringList{"LANGUAGE=en", "LANG=de_DE.UTF-8"} << english;
    QTest::newRow("LANG=de_DE.UTF-8") << QStringList{"LANG=de_DE.UTF-8"} << german;
    QTest::newRow("LC_MESSAGES=en_GB.UTF-8 over LANG")
        << QStringList{"LC_MESSAGES=en_GB.UTF-8", "LANG=de_DE.UTF-8"} << english;
    QTest::newRow("a desktop preferring French")
        << QStringList{"LANGUAGE=fr", "LANG=fr_FR.UTF-8"} << german;
}

// The help comes before the application object: the language is chosen as
// the window's would be, from the desktop's environment (and the settings).
void TestCommandLine::helpInTheChosenLanguage()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, firstLine);
    QProcessEnvironment env = withoutDisplay(m_folder.filePath(QStringLiteral("cfg")));
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QString::fromLatin1(name));
    for (const QString& assignment : environment)
        env.insert(assignment.section(u'=', 0, 0), assignment.section(u'=', 1));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(FENDRIMO_EXECUTABLE), QStringList{QStringLiteral("--help")});
    QVERIFY2(program.waitForFinished(30000), "the program did not end by itself");
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()).section(u'\n', 0, 0), firstLine);
}

void TestCommandLine::programOpensARelativeName()
{
    // Settings in place, so no first-run notice waits for an answer.
    const QString configHome = m_folder.filePath(QStringLiteral("open cfg"));
    const QString settingsFile = configHome + QStringLiteral("/fendrimo/fendr21f.ini");
    QVERIFY(QDir().mkpath(configHome + QStringLiteral("/fendrimo")));
    QFile settings(settingsFile);
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[Einstellungen]\r\nMaximum=30\r\nFarbDruck=1\r\nVerzeichnis=\r\n"
                   "[Teststring]\r\nDatei=Vorhanden\r\n");
    settings.close();
    const QString profiles = m_folder.filePath(QStringLiteral("Profile"));
    QVERIFY(QDir().mkpath(profiles));
    QVERIFY(writeProfileFile(profiles + QStringLiteral("/Basal 1.bar"), Profilsatz()).ok());

    QProcess program;
    program.setProcessEnvironment(withoutDisplay(configHome));
    program.setWorkingDirectory(profiles);
    program.start(QStringLiteral(FENDRIMO_EXECUTABLE),
                  QStringList{"-platform", "offscreen", "Basal 1.bar"});
    // A profile that loads has its folder remembered for the next file dialog.
    const auto remembered = [&] {
        QFile written(settingsFile);
        return written.open(QIODevice::ReadOnly) &&
               QString::fromUtf8(written.readAll()).contains(profiles);
    };
    const bool loaded = QTest::qWaitFor(remembered, 30000);
    QVERIFY2(loaded, program.readAllStandardError().constData());
    program.kill();
    program.waitForFinished();
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"

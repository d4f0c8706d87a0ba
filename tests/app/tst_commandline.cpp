// Starting Fendrimo with arguments: the parser, and the built program
// answering without a display and opening the file it is given.

#include "app/commandline.h"
#include "files/profilefile.h"
#include "files/profilsatz.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

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
    std::pair<CommandLine, QStringList> parsed{parseCommandLine(int(argv.size()), argv.data()), {}};
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
    void programAnswersWithoutDisplay_data();
    void programAnswersWithoutDisplay();
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

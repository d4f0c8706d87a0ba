#include "app/commandline.h"

#include "app/translation.h"
#include "files/filename.h"

#include <QByteArray>
#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace fendrimo {

namespace {

// The options QGuiApplication and QApplication document for every program.
// Qt takes them out of argv itself; here they only must not be taken for
// a file name or refused.
const char* const kQtOptionsWithValue[] = {
    "-platform",        "-platformpluginpath", "-platformtheme", "-plugin",
    "-qwindowgeometry", "-qwindowicon",        "-qwindowtitle",  "-session",
    "-display",         "-geometry",           "-style",         "-stylesheet",
};
const char* const kQtFlags[] = {"-reverse", "-widgetcount"};
const char* const kQtJoinedOptions[] = {"-style=", "-stylesheet=", "-qmljsdebugger="};

enum class QtOption { None, Flag, WithValue };

QtOption qtOption(const QByteArray& argument)
{
    const auto is = [&](const char* name) { return argument == name; };
    const auto joined = [&](const char* prefix) { return argument.startsWith(prefix); };
    if (std::any_of(std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue), is))
        return QtOption::WithValue;
    if (std::any_of(std::begin(kQtFlags), std::end(kQtFlags), is) ||
        std::any_of(std::begin(kQtJoinedOptions), std::end(kQtJoinedOptions), joined))
        return QtOption::Flag;
    return QtOption::None;
}

// Asked before the application object exists: no translator is installed
// yet, the text is looked up in the language the program will speak.
QString text(const Settings& settings, const char* german)
{
    return translatedBeforeStart(settings, "CommandLine", german);
}

QString usageText(const Settings& settings)
{
    return text(settings,
                QT_TRANSLATE_NOOP(
                    "CommandLine",
                    "Aufruf: fendrimo [Optionen] [Basalraten-Datei.bar]\n"
                    "\n"
                    "Startet Fendrimo; ist eine Basalraten-Datei angegeben, lädt es sie gleich.\n"
                    "\n"
                    "Optionen:\n"
                    "  -h, --help   diese Hilfe anzeigen und beenden\n"
                    "  --version    die Programmversion anzeigen und beenden\n"
                    "  --           alles Folgende ist der Dateiname, auch wenn er mit - beginnt\n"
                    "\n"
                    "Die üblichen Qt-Optionen wie -platform, -style oder -reverse gehen an Qt.\n"));
}

CommandLine answer(CommandLine::Action action, const QString& output)
{
    CommandLine line;
    line.action = action;
    line.output = output;
    return line;
}

CommandLine refuse(const Settings& settings, const QString& reason)
{
    return answer(CommandLine::Action::Refuse,
                  QStringLiteral("fendrimo: %1\n\n%2").arg(reason, usageText(settings)));
}

} // namespace

int CommandLine::exitCode() const
{
    return action == Action::Refuse ? 2 : 0;
}

CommandLine parseCommandLine(int argc, const char* const* argv, const Settings& settings)
{
    CommandLine line;
    if (argc > 0)
        line.qtArguments.push_back(0);
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        // Kept byte for byte: a name that isn't UTF-8 must still open.
        const QString shown = decodeFileName(argument);
        if (optionsEnded || !argument.startsWith('-')) {
            if (line.profilePath)
                return refuse(
                    settings,
                    text(settings, QT_TRANSLATE_NOOP("CommandLine",
                                                     "Bitte nur eine Basalraten-Datei angeben.")));
            // An empty name would otherwise stand for the current folder.
            if (argument.isEmpty())
                return refuse(
                    settings,
                    text(settings, QT_TRANSLATE_NOOP("CommandLine", "Der Dateiname ist leer.")));
            // Made absolute and clean now: the title, the recent list and the
            // next file dialog show where the file is, whatever folder the
            // program was started in, without "a/../".
            line.profilePath = cleanAbsolutePath(shown);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "-h")
            return answer(CommandLine::Action::ShowHelp, usageText(settings));
        if (argument == "--version")
            return answer(CommandLine::Action::ShowVersion, QStringLiteral("Fendrimo 2.1F\n"));
        switch (qtOption(argument)) {
        case QtOption::Flag:
            line.qtArguments.push_back(i);
            continue;
        case QtOption::WithValue:
            if (i + 1 == argc)
                return refuse(settings,
                              text(settings, QT_TRANSLATE_NOOP("CommandLine",
                                                               "Die Option %1 braucht einen Wert."))
                                  .arg(shown));
            line.qtArguments.push_back(i);
            line.qtArguments.push_back(++i);
            continue;
        case QtOption::None:
            break;
        }
        return refuse(
            settings,
            text(settings, QT_TRANSLATE_NOOP("CommandLine", "Unbekannte Option %1")).arg(shown));
    }
    return line;
}

} // namespace fendrimo

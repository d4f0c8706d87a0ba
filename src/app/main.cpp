#include "app/application.h"
#include "app/commandline.h"
#include "app/tform1.h"
#include "settings/settings.h"

#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    // The run's one handle on the settings file, handed to every part that
    // reads or writes a setting; each access still goes to the file.
    fendrimo::Settings settings;
    // Before the application object: help and version need no display.
    const fendrimo::CommandLine line = fendrimo::parseCommandLine(argc, argv, settings);
    if (line.action != fendrimo::CommandLine::Action::Run) {
        std::fputs(line.output.toLocal8Bit().constData(), line.exitCode() == 0 ? stdout : stderr);
        return line.exitCode();
    }

    // Qt sees its own options only: a file name after "--" may look like one.
    std::vector<char*> qtArgv;
    for (const int index : line.qtArguments)
        qtArgv.push_back(argv[index]);
    int qtArgc = int(qtArgv.size());
    qtArgv.push_back(nullptr);

    fendrimo::Application app(qtArgc, qtArgv.data(), settings);
    fendrimo::TForm1 window(settings);
    window.show();
    if (line.profilePath)
        window.guarded([&] { window.loadFile(*line.profilePath); });
    return app.exec();
}

#include "app/application.h"
#include "app/commandline.h"
#include "app/tform1.h"

#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    // Before the application object: help and version need no display.
    const fendrimo::CommandLine line = fendrimo::parseCommandLine(argc, argv);
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

    fendrimo::Application app(qtArgc, qtArgv.data());
    fendrimo::TForm1 window;
    window.show();
    if (line.profilePath)
        window.guarded([&] { window.loadFile(*line.profilePath); });
    return app.exec();
}

#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace fendrimo {

class Settings;

// What the program's arguments ask for. Worked out before the application
// object exists, so that --help and --version answer without a display.
struct CommandLine
{
    enum class Action {
        Run,         // open the window, with the profile file if one was named
        ShowHelp,    // usage on standard output, exit 0
        ShowVersion, // version on standard output, exit 0
        Refuse,      // what was wrong and the usage on standard error, exit 2
    };

    Action action = Action::Run;
    // The profile file to open, made absolute and clean ("." and ".." gone);
    // its bytes kept as decodeFileName() keeps them.
    std::optional<QString> profilePath;
    // Indices into argv of what the application object gets: the program
    // name and Qt's own options with their values, unchanged.
    std::vector<int> qtArguments;
    // The text to print for every action but Run, ending in a line break.
    QString output;

    int exitCode() const;
};

// Its texts (help, refusals) are in the language settings and the desktop
// choose; the settings are read only for them.
CommandLine parseCommandLine(int argc, const char* const* argv, const Settings& settings);

} // namespace fendrimo

#pragma once

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace fendrimo {

class ProfileDocument;
class Settings;

// The one way a command of the main window runs, from a menu, a button, the
// recent files, a drop or an exchange format: it ends every run of merged
// steps, and a failure it doesn't catch is shown over the window while the
// rest of the command is skipped. The menu items find their commands here by
// their object names.
class CommandPath
{
public:
    using Command = std::function<void()>;
    using Rule = std::function<bool()>;

    CommandPath(QWidget& window, ProfileDocument& document);

    void run(const Command& command) const;

    // The command of the menu item of that name, and when it is enabled
    // (always without a rule).
    void add(const char* name, Command command, Rule enabled = {});
    const Command* command(const QString& name) const;
    Rule rule(const QString& name) const;

private:
    struct Entry
    {
        const char* name;
        Command command;
        Rule enabled;
    };
    const Entry* find(const QString& name) const;

    QWidget& m_window;
    ProfileDocument& m_document;
    std::vector<Entry> m_entries;
};

// What a feature of the main window works with: the window it asks over, the
// document it hands the answers to, the settings handle and the command path.
struct WindowContext
{
    QWidget* window;
    ProfileDocument& document;
    Settings& settings;
    const CommandPath& commands;
};

} // namespace fendrimo

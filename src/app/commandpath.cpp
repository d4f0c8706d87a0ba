#include "app/commandpath.h"

#include "document/profiledocument.h"
#include "platform/guarded.h"

namespace fendrimo {

CommandPath::CommandPath(QWidget& window, ProfileDocument& document)
    : m_window(window), m_document(document)
{
}

void CommandPath::run(const Command& command) const
{
    // A command ends every run of merged steps.
    m_document.breakMerging();
    guarded(&m_window, command);
}

void CommandPath::add(const char* name, Command command, Rule enabled)
{
    m_entries.push_back({name, std::move(command), std::move(enabled)});
}

const CommandPath::Entry* CommandPath::find(const QString& name) const
{
    for (const Entry& entry : m_entries) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

const CommandPath::Command* CommandPath::command(const QString& name) const
{
    const Entry* entry = find(name);
    return entry ? &entry->command : nullptr;
}

CommandPath::Rule CommandPath::rule(const QString& name) const
{
    const Entry* entry = find(name);
    return entry ? entry->enabled : Rule();
}

} // namespace fendrimo

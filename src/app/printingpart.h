#pragma once

#include "app/commandpath.h"

namespace fendrimo {

class NotesEdit;
struct ReportInput;

// "Basalrate Drucken": the report of the profile, with the comparison, on
// paper or as a PDF.
class PrintingPart
{
public:
    // notes: the window's notes field, whose shown lines are printed.
    PrintingPart(const WindowContext& context, NotesEdit* const& notes)
        : m_context(context), m_notes(notes)
    {
    }

    void addCommands(CommandPath& commands);

private:
    void DruckenClick();
    ReportInput reportContent() const;

    WindowContext m_context;
    NotesEdit* const& m_notes; // filled when the window's controls are built
};

} // namespace fendrimo

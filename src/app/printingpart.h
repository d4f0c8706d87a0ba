#pragma once

#include "app/commandpath.h"
#include "glucose/basaltest.h"
#include "printing/glucosereport.h"

#include <functional>
#include <optional>

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

    // What the glucose profile page shows, asked for as the print dialog
    // opens; none, or no source (the default), while no glucose data is
    // loaded: the dialog then offers no glucose page.
    using GlucoseSource = std::function<std::optional<GlucoseReport>()>;
    void setGlucoseSource(GlucoseSource source) { m_glucose = std::move(source); }

    // The basal test sheet for block with the profile's rates, through the
    // same print dialog, preview and PDF as the report.
    void printBasalTestSheet(BasalTestBlock block);

private:
    void DruckenClick();
    // The print dialog over content, its boxes' changes stored at once.
    void runPrintDialog(ReportInput content, bool glucose);
    ReportInput reportContent() const;

    WindowContext m_context;
    NotesEdit* const& m_notes; // filled when the window's controls are built
    GlucoseSource m_glucose;
};

} // namespace fendrimo

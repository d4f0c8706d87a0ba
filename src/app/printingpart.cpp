#include "app/printingpart.h"

#include "app/dialogvalues.h"
#include "document/profiledocument.h"
#include "files/profilerecord.h"
#include "platform/guarded.h"
#include "printing/grafikform.h"
#include "printing/shownlines.h"
#include "settings/settings.h"
#include "widgets/textfields.h"

namespace fendrimo {

void PrintingPart::addCommands(CommandPath& commands)
{
    commands.add("BasalrateDrucken1", [this] { DruckenClick(); });
}

ReportInput PrintingPart::reportContent() const
{
    const ProfileDocument& document = m_context.document;
    ReportInput input;
    // The content as a profile file holds it: what is printed is what is saved.
    input.profile = contentOfRecord(document.recordToSave());
    input.maximum = document.maximum();
    // The notes as the field shows them: a wrapped paragraph prints as its rows.
    input.notes = shownLines(*m_notes);
    input.reference = document.reference();
    input.profileFile = document.currentFile();
    return input;
}

void PrintingPart::DruckenClick()
{
    ReportInput content = reportContent();
    if (m_glucose)
        content.glucose = m_glucose();
    const bool glucose = content.glucose.has_value();
    runPrintDialog(std::move(content), glucose);
}

void PrintingPart::printBasalTestSheet(BasalTestBlock block)
{
    ReportInput content;
    content.profile = contentOfRecord(m_context.document.recordToSave());
    content.maximum = m_context.document.maximum();
    content.basalTestSheet = block;
    runPrintDialog(std::move(content), false);
}

void PrintingPart::runPrintDialog(ReportInput content, bool glucose)
{
    TGrafikForm form(m_context.window, std::move(content),
                     printOptions(m_context.settings, glucose));
    // Stored at once; a refused write is shown over the dialog.
    QObject::connect(&form, &TGrafikForm::tableToggled, m_context.window,
                     [this, &form](bool table) {
                         guarded(&form, [this, table] { m_context.settings.setTabelle(table); });
                     });
    QObject::connect(&form, &TGrafikForm::glucoseToggled, m_context.window, [this, &form](bool on) {
        guarded(&form, [this, on] { m_context.settings.setGlukoseprofil(on); });
    });
    form.exec();
}

} // namespace fendrimo

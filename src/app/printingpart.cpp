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
    // The texts as a profile file holds them: what is printed is what is saved.
    const Profilsatz record = document.recordToSave();
    ReportInput input;
    input.maximum = document.maximum();
    for (int h = 0; h < ProfileContent::Hours; ++h)
        input.rates.at(size_t(h)) = record.rate(h);
    input.datum = record.datum();
    input.bolusMorgens = record.bolus(bolusSlot(0));
    input.bolusMittags = record.bolus(bolusSlot(1));
    input.bolusAbends = record.bolus(bolusSlot(2));
    // The notes as the field shows them: a wrapped paragraph prints as its rows.
    input.notes = shownLines(*m_notes);
    input.profileFile = document.currentFile();
    if (document.reference()) {
        ReportReference printed;
        std::copy(document.reference()->rates.begin(), document.reference()->rates.end(),
                  printed.rates.begin());
        printed.name = document.reference()->name;
        input.reference = printed;
    }
    return input;
}

void PrintingPart::DruckenClick()
{
    TGrafikForm form(m_context.window, reportContent(), printOptions(m_context.settings));
    // Stored at once; a refused write is shown over the dialog.
    QObject::connect(&form, &TGrafikForm::tableToggled, m_context.window,
                     [this, &form](bool table) {
                         guarded(&form, [this, table] { m_context.settings.setTabelle(table); });
                     });
    form.exec();
}

} // namespace fendrimo

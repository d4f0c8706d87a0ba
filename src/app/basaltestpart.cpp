#include "app/basaltestpart.h"

#include "app/glucosepart.h"
#include "app/glucoseviewer.h"
#include "app/printingpart.h"
#include "basaltest/basaltestdialog.h"
#include "basaltest/sheetblockdialog.h"
#include "document/profiledocument.h"

namespace fendrimo {

void BasalTestPart::addCommands(CommandPath& commands)
{
    commands.add(
        "BasaltestAuswerten1", [this] { BasaltestAuswertenClick(); },
        [this] { return !m_glucose.data().files.isEmpty(); });
    commands.add("BasaltestProtokoll1", [this] { BasaltestProtokollClick(); });
}

void BasalTestPart::BasaltestAuswertenClick()
{
    const GlucoseData& data = m_glucose.data();
    // Modal: the data and the rates stay as shown while it is open.
    BasalTestDialog dialog(m_context.window, data, m_context.document.content().rates,
                           shownGlucoseUnit(m_context.settings, data), m_block);
    dialog.exec();
    m_block = dialog.chosenBlock();
}

void BasalTestPart::BasaltestProtokollClick()
{
    SheetBlockDialog dialog(m_context.window, m_block);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_block = dialog.chosen();
    m_printing.printBasalTestSheet(m_block);
}

} // namespace fendrimo

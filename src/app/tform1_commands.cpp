// Options, undo and redo, and the whole-profile tools.

#include "app/tform1.h"

#include "app/dialogvalues.h"
#include "app/windowmessages.h"
#include "options/optionsdialog.h"
#include "settings/settings.h"
#include "tools/ratetooldialog.h"

namespace fendrimo {

void TForm1::EinstellungenClick()
{
    TFormOptionen dialog(this, optionsShown(m_settings));
    // Applied while the dialog is still open, so a refusal shows over it.
    connect(&dialog, &TFormOptionen::chosen, this, [this](const OptionsChange& change) {
        guarded([&] { applyOptions(change.maximum, change.colour); });
        // Absent, the desktop decides: the empty choice removes the key.
        guarded([&] {
            if (change.language)
                m_settings.setSprache(*change.language);
        });
    });
    dialog.exec();
}

void TForm1::applyOptions(std::optional<qint32> newMaximum, std::optional<bool> colour)
{
    const MaximumOutcome outcome = m_document.setOptions(newMaximum, colour);
    if (!outcome.refusedBy)
        return;
    WindowMessages::maximumRefused(this, *outcome.refusedBy);
    m_document.storeMaximumInForce();
}

void TForm1::RueckgaengigClick()
{
    m_document.undo();
}

void TForm1::WiederholenClick()
{
    m_document.redo();
}

void TForm1::runRateTool(const RateTool& tool, const QString& stepText)
{
    RateToolDialog dialog(this, tool, m_document.content().rates);
    if (dialog.exec() == QDialog::Accepted)
        m_document.applyTool(dialog.preview().rates, stepText.arg(dialog.value()));
}

void TForm1::RatenProzentClick()
{
    runRateTool(percentTool(m_document.content().rates, m_document.maximum()),
                tr("Alle Raten auf %1 %"));
}

void TForm1::VerschiebenClick()
{
    runRateTool(shiftTool(m_document.content().rates), tr("Raten um %1 Stunden verschoben"));
}

} // namespace fendrimo

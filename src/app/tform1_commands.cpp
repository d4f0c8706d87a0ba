// Options, printing, undo and redo, the whole-profile tools and the
// comparison with the saved content.

#include "app/tform1.h"

#include "app/dialogvalues.h"
#include "platform/error.h"

#include "files/profilerecord.h"
#include "options/optionsdialog.h"
#include "platform/platform.h"
#include "printing/grafikform.h"
#include "printing/shownlines.h"
#include "profile/zehntel.h"
#include "settings/settings.h"
#include "tools/ratetooldialog.h"
#include "tools/takehoursdialog.h"
#include "widgets/textfields.h"

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
    m_document.setOptions(newMaximum, colour, [this](qint32 highest) {
        platform().message(
            this, MessageType::Fehler,
            tr("Mindestens eine aktuelle Stundenrate ist größer als das neue Maximum, welches "
               "Sie einstellen wollten! Die höchste Stundenrate, die gerade eingestellt ist, ist "
               "%1 IE/h! Ändern Sie das Maximum auf diesen oder den nächsthöheren Wert!")
                .arg(ZehntelText(highest)),
            MessageButton::Ok);
    });
}

ReportInput TForm1::reportContent() const
{
    ReportInput input;
    // The content as a profile file holds it: what is printed is what is saved.
    input.profile = contentOfRecord(m_document.recordToSave());
    input.maximum = Maximum();
    // The notes as the field shows them: a wrapped paragraph prints as its rows.
    input.notes = shownLines(*m_ui.MemoNotizen);
    input.reference = reference();
    input.profileFile = m_document.currentFile();
    return input;
}

void TForm1::DruckenClick()
{
    TGrafikForm form(this, reportContent(), printOptions(m_settings));
    // Stored at once; a refused write is shown over the dialog.
    connect(&form, &TGrafikForm::tableToggled, this, [this, &form](bool table) {
        fendrimo::guarded(&form, [this, table] { m_settings.setTabelle(table); });
    });
    form.exec();
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
    runRateTool(percentTool(m_document.content().rates, Maximum()), tr("Alle Raten auf %1 %"));
}

void TForm1::VerschiebenClick()
{
    runRateTool(shiftTool(m_document.content().rates), tr("Raten um %1 Stunden verschoben"));
}

void TForm1::VergleichGespeichertClick()
{
    m_document.setReference(m_document.savedReference());
}

void TForm1::VergleichBeendenClick()
{
    m_document.setReference(std::nullopt);
}

bool TForm1::referenceDiffers() const
{
    return reference() && !differingRuns(m_document.content().rates, *reference()).isEmpty();
}

void TForm1::AusVergleichUebernehmenClick()
{
    if (!referenceDiffers())
        return;
    TakeHoursDialog dialog(this, m_document.content().rates, *reference());
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        showRaisedMaximum(m_document.takeFromReference(dialog.chosenHours()));
    } catch (const Failure& failure) {
        // The maximum is stored before anything is taken: nothing was.
        throw Failure(tr("%1. Die Stunden wurden nicht übernommen").arg(failure.message()));
    }
}

} // namespace fendrimo

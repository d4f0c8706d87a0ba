// Bolus factors, date, notes and the "Neu" command.

#include "app/tform1.h"
#include "platform/platform.h"
#include "platform/regional.h"
#include "profile/textfields.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace fendrimo {

bool TForm1::EditBolusKeyPress(QChar key)
{
    return bolusKeyAllowed(key);
}

void TForm1::EditBolusChange()
{
    DatenGespeichert = false;
}

void TForm1::EditDatumChange()
{
    DatenGespeichert = false;
}

void TForm1::MemoNotizenChange()
{
    DatenGespeichert = false;
}

void TForm1::EditDatumDblClick()
{
    // Marks the profile unsaved through the field's change notification,
    // and only when the text really changes.
    setFieldText(EditDatum, RegionalFormats::current().shortDate(platform().now().date()));
}

void TForm1::Neu1Click()
{
    if (!DatenGespeichert) {
        const MessageResult answer =
            platform().message(this, MessageType::Warnung,
                               QStringLiteral("Aktuelle Werte nicht gespeichert. Werte verwerfen?"),
                               MessageButton::Ja | MessageButton::Nein);
        // Only an explicit yes discards the profile; a box closed by its
        // title bar keeps it.
        if (answer != MessageResult::Ja)
            return;
    }
    for (int n = 1; n <= Hours; ++n)
        ScrollBar(n)->setValue(Maximum);
    for (int n = 1; n <= Hours; ++n)
        setFieldText(Edit(n), QStringLiteral("0"));
    setLabelText(LabelSumme, QStringLiteral("0"));
    MemoNotizen->setTextIfChanged(QString());
    for (QLineEdit* field : {EditBolus1, EditBolus4, EditBolus7, EditDatum})
        setFieldText(field, QString());
    setWindowTitle(QStringLiteral("Fendrimo"));
    CheckBox1->setChecked(true);
    DatenGespeichert = true;
}

} // namespace fendrimo

#include "widgets/dialogbuttons.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace fendrimo {

QDialogButtonBox* okCancelButtons(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(buttonText(MessageButton::Ok));
    buttons->button(QDialogButtonBox::Cancel)->setText(buttonText(MessageButton::Abbrechen));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QDialogButtonBox* closeButtons(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    // Qt's own word would follow Qt's translations, not the program's language.
    buttons->button(QDialogButtonBox::Close)
        ->setText(QCoreApplication::translate("DialogButtons", "Schließen"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace fendrimo

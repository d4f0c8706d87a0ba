#include "basaltest/sheetblockdialog.h"

#include "basaltest/blockchooser.h"
#include "widgets/dialogbuttons.h"
#include "widgets/screenfit.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace fendrimo {

SheetBlockDialog::SheetBlockDialog(QWidget* parent, BasalTestBlock block) : QDialog(parent)
{
    setObjectName(QStringLiteral("SheetBlockDialog"));
    setWindowTitle(tr("Basaltest-Protokoll drucken"));
    setAccessibleDescription(
        tr("Wählt den Block der Stunden, für den das Protokoll gedruckt wird"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        tr("Das Protokoll hat eine Zeile je Stunde des Blocks mit der Basalrate des Profils "
           "und Spalten für Glukose, Essen und Bemerkungen zum Ausfüllen von Hand."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    Chooser = new BlockChooser(this, block);
    layout->addWidget(Chooser);
    Buttons = okCancelButtons(this);
    Buttons->button(QDialogButtonBox::Ok)->setText(tr("Weiter zum Drucken…"));
    layout->addWidget(Buttons);
    fitToArea(this, sizeHint().expandedTo(QSize(520, 0)));
}

BasalTestBlock SheetBlockDialog::chosen() const
{
    return Chooser->block();
}

} // namespace fendrimo

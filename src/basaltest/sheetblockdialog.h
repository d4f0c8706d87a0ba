#pragma once

#include "glucose/basaltest.h"

#include <QDialog>

class QDialogButtonBox;

namespace fendrimo {

class BlockChooser;

// Asks for the block of hours a basal test sheet is printed for.
class SheetBlockDialog final : public QDialog
{
    Q_OBJECT

public:
    SheetBlockDialog(QWidget* parent, BasalTestBlock block);

    BasalTestBlock chosen() const;

    BlockChooser* Chooser = nullptr;
    QDialogButtonBox* Buttons = nullptr;
};

} // namespace fendrimo

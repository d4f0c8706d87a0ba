#pragma once

#include "profile/versiondiff.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;

namespace fendrimo {

// What an import will change, shown before it changes anything: the changed
// runs of hours and fields, the daily total before and after, and what
// rounding, averaging or leaving out did. OK takes the import, Abbrechen
// doesn't; the dialog itself changes nothing. Both lists scroll, so the
// dialog stays small however much changes.
class ImportPreviewDialog final : public QDialog
{
    Q_OBJECT

public:
    ImportPreviewDialog(QWidget* parent, const ImportPreview& preview, const QStringList& notices);

    QPlainTextEdit* TextAenderungen = nullptr;
    QLabel* LabelSumme = nullptr;
    QPlainTextEdit* TextHinweise = nullptr;
    QDialogButtonBox* Buttons = nullptr;
};

} // namespace fendrimo

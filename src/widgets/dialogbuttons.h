#pragma once

class QDialog;
class QDialogButtonBox;

namespace fendrimo {

// "OK" and "Abbrechen" in the message boxes' words, accepting and rejecting dialog.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

// "Schließen", rejecting dialog: for a dialog that only shows.
QDialogButtonBox* closeButtons(QDialog* dialog);

} // namespace fendrimo

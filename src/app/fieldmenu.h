#pragma once

class QMenu;
class QWidget;

namespace fendrimo {

// The profile's history is the only undo: a text field gets a context menu
// without undo and redo of its own, and a multi-line field keeps no history.
void offerOnlyProfileUndo(QWidget* field);

// The standard context menu of a line edit or plain text field, without its
// undo and redo entries. The caller owns it.
QMenu* fieldContextMenu(QWidget* field);

} // namespace fendrimo

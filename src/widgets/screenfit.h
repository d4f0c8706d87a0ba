#pragma once

#include <QSize>

class QDialog;
class QVBoxLayout;
class QWidget;

namespace fendrimo {

// Windows never reach past the screen's available area (panels and task bars
// excluded), whatever the screen: what doesn't fit scrolls instead of being
// cut off.

// Sizes a window to wanted, or less where the available area is smaller, and
// centres it over its parent (or the area), wholly inside the area.
void fitToArea(QWidget* window, QSize wanted);
// Moves a window that is already sized so that it lies inside the area.
void keepInArea(QWidget* window);

// A dialog whose page scrolls when the dialog is smaller than the page: the
// dialog's layout holds a scroll area over the page and, below it, the
// buttons, which never scroll away. The caller fills the page's layout, adds
// the buttons with the second call, and sizes the dialog with fitPage().
QVBoxLayout* scrollingPage(QDialog* dialog);
void addBelowPage(QDialog* dialog, QWidget* buttons);
// The dialog at the size its page and buttons ask for, within the area.
void fitPage(QDialog* dialog);

} // namespace fendrimo

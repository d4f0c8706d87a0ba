#pragma once

#include <QIcon>
#include <QPixmap>

namespace fendrimo {

// The picture of an insulin pump in the main window, drawn to any size.
QPixmap pumpPicture(const QSize& size);

// The program's icon: a small pump with a drop.
QIcon programIcon();

} // namespace fendrimo

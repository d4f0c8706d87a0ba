#include "widgets/designscale.h"

#include "platform/muldiv.h"

#include <QWidget>

namespace fendrimo {

namespace {
constexpr int kDesignWidth = 1024;
}

int DesignScale::value(int design) const
{
    return MulDiv(design, m_width, kDesignWidth);
}

QRect DesignScale::rect(int left, int top, int width, int height) const
{
    const int newLeft = value(left);
    const int newTop = value(top);
    return QRect(newLeft, newTop, value(left + width) - newLeft, value(top + height) - newTop);
}

void DesignScale::place(QWidget* widget, int left, int top, int width, int height) const
{
    widget->setGeometry(rect(left, top, width, height));
}

void DesignScale::placeAt(QWidget* widget, int left, int top) const
{
    widget->move(value(left), value(top));
    widget->adjustSize();
}

} // namespace fendrimo

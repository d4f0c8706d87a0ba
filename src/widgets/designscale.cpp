#include "widgets/designscale.h"

#include "platform/muldiv.h"

#include <QLabel>
#include <QWidget>

#include <algorithm>

namespace fendrimo {

namespace {
constexpr int kDesignWidth = 1024;
constexpr int kDesignHeight = 768;
} // namespace

QSize designScreen(QSize screen)
{
    return {std::min(screen.width(), MulDiv(screen.height(), kDesignWidth, kDesignHeight)),
            screen.height()};
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

QFont DesignScale::font(int designPixels, int style, const QString& family) const
{
    QFont font(family);
    font.setPixelSize(fontPixels(designPixels));
    font.setBold(style & Bold);
    font.setItalic(style & Italic);
    return font;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    return label;
}

QFrame* makeFrame(QWidget* parent, QFrame::Shape shape, QFrame::Shadow shadow)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(shape);
    frame->setFrameShadow(shadow);
    frame->setLineWidth(1);
    frame->setMidLineWidth(0);
    return frame;
}

void DesignScale::placeAt(QWidget* widget, int left, int top) const
{
    widget->move(value(left), value(top));
    widget->adjustSize();
}

} // namespace fendrimo

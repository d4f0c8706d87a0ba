#include "app/ratecontrols.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace fendrimo {

namespace {

// Differs from the slider's greys and stays dark when printed or seen in grey.
const QColor kMarkColour(150, 0, 150);

// The focus mark's width grows with the window's scale.
int focusLineWidth(const QWidget* widget)
{
    return std::max(2, widget->width() / 11);
}

} // namespace

RateSlider::RateSlider(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {}

void RateSlider::setReferencePosition(std::optional<int> position)
{
    if (position == m_reference)
        return;
    m_reference = position;
    update();
}

QRect RateSlider::referenceMarkRect() const
{
    if (!m_reference)
        return {};
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
    const int thumb =
        style()
            ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this)
            .height();
    const int travel = groove.height() - thumb;
    const int top =
        groove.top() + QStyle::sliderPositionFromValue(minimum(), maximum(), *m_reference, travel);
    const int centre = top + thumb / 2;
    return QRect(0, centre - 3, width(), 7);
}

void RateSlider::focusInEvent(QFocusEvent* event)
{
    QScrollBar::focusInEvent(event);
    if (m_field)
        m_field->setFocusMarked(true);
    update();
}

void RateSlider::focusOutEvent(QFocusEvent* event)
{
    QScrollBar::focusOutEvent(event);
    if (m_field)
        m_field->setFocusMarked(false);
    update();
}

// The highlight colour of the palette in use (high contrast included), edged
// inside in the colour drawn on it, so it shows on the track and the thumb.
void RateSlider::paintFocusMark(QPainter& painter) const
{
    const int line = focusLineWidth(this);
    const QRectF outer = QRectF(rect()).adjusted(line / 2.0, line / 2.0, -line / 2.0, -line / 2.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Highlight), line));
    painter.drawRect(outer);
    painter.setPen(QPen(palette().color(QPalette::HighlightedText), 1));
    painter.drawRect(QRectF(rect()).adjusted(line + 0.5, line + 0.5, -line - 0.5, -line - 0.5));
}

void RateSlider::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    QPainter painter(this);
    if (hasFocus())
        paintFocusMark(painter);
    const QRect mark = referenceMarkRect();
    if (mark.isNull())
        return;
    painter.fillRect(mark, Qt::white);
    painter.fillRect(mark.adjusted(0, 2, 0, -2), kMarkColour);
    // Notches pointing into the track from both sides.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::white);
    painter.setBrush(kMarkColour);
    const int y = mark.center().y();
    const int depth = std::max(3, width() / 6);
    painter.drawPolygon(QPolygon({QPoint(0, y - depth), QPoint(depth, y), QPoint(0, y + depth)}));
    const int right = width() - 1;
    painter.drawPolygon(
        QPolygon({QPoint(right, y - depth), QPoint(right - depth, y), QPoint(right, y + depth)}));
}

void RateField::setFramed(bool framed)
{
    if (framed == m_framed)
        return;
    m_framed = framed;
    update();
}

void RateField::setFocusMarked(bool marked)
{
    if (marked == m_focusMarked)
        return;
    m_focusMarked = marked;
    update();
}

void RateField::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    if (m_focusMarked) {
        const int line = focusLineWidth(this);
        painter.fillRect(QRect(line, height() - 2 * line, width() - 2 * line, line),
                         palette().color(QPalette::Highlight));
    }
    if (!m_framed)
        return;
    painter.setPen(QPen(palette().color(QPalette::Text), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

} // namespace fendrimo

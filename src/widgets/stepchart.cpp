#include "widgets/stepchart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <utility>

namespace fendrimo {

namespace {

// Room for the legend above, the value texts left and the hours below.
constexpr qreal kLeft = 40;
constexpr qreal kRight = 10;
constexpr qreal kTop = 26;
constexpr qreal kBottom = 20;
constexpr qint64 kMostLines = 5;
// A legend's line is drawn this wide whatever its series' width: a thin
// dashed line would hardly show there.
constexpr qreal kLegendWidth = 2.0;
constexpr int kHours = StepSeries::Hours;

} // namespace

StepChart::StepChart(StepAxis axis, QWidget* parent) : QWidget(parent), m_axis(std::move(axis))
{
    setMinimumSize(sizeHint());
}

void StepChart::setSeries(QList<StepSeries> series)
{
    m_series = std::move(series);
    update();
}

// 5, 10, 20, 50, 100 … of the values' unit: the finest step that needs no
// more than five lines.
qint64 StepChart::axisStep() const
{
    const qint64 highest = highestShown();
    qint64 step = 5;
    for (int i = 0; (highest + step - 1) / step > kMostLines; ++i)
        step = (i % 3 == 2) ? step / 2 * 5 : step * 2; // 5, 10, 20, 50, 100, 200, 500 …
    return step;
}

qint64 StepChart::axisTop() const
{
    const qint64 step = axisStep();
    return (highestShown() + step - 1) / step * step;
}

qint64 StepChart::highestShown() const
{
    qint64 highest = m_axis.leastTop;
    for (const StepSeries& series : m_series)
        highest = std::max<qint64>(highest,
                                   *std::max_element(series.values.begin(), series.values.end()));
    return highest;
}

QRectF StepChart::plotArea() const
{
    return QRectF(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom);
}

qreal StepChart::yFor(qint64 value) const
{
    const QRectF area = plotArea();
    return area.bottom() - area.height() * qreal(value) / qreal(axisTop());
}

void StepChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    paintAxes(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const StepSeries& series : m_series)
        paintSteps(painter, series);
    paintLegend(painter);
}

void StepChart::paintAxes(QPainter& painter) const
{
    const QRectF area = plotArea();
    const QColor grid = palette().color(QPalette::Mid);
    const QColor text = palette().color(QPalette::Text);
    for (qint64 value = 0; value <= axisTop(); value += axisStep()) {
        const qreal y = yFor(value);
        painter.setPen(value == 0 ? text : grid);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(text);
        painter.drawText(QRectF(0, y - 8, kLeft - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                         m_axis.label(value));
    }
    for (int hour = 0; hour <= kHours; hour += 6) {
        const qreal x = area.left() + area.width() * hour / kHours;
        painter.setPen(hour == 0 ? text : grid);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(text);
        painter.drawText(QRectF(x - 20, area.bottom() + 2, 40, kBottom - 2), Qt::AlignCenter,
                         QString::number(hour));
    }
}

void StepChart::paintSteps(QPainter& painter, const StepSeries& series) const
{
    const QRectF area = plotArea();
    QPainterPath path;
    for (int hour = 0; hour < kHours; ++hour) {
        const qreal x0 = area.left() + area.width() * hour / kHours;
        const qreal x1 = area.left() + area.width() * (hour + 1) / kHours;
        const qreal y = yFor(series.values.at(size_t(hour)));
        if (hour == 0)
            path.moveTo(x0, y);
        else
            path.lineTo(x0, y);
        path.lineTo(x1, y);
    }
    painter.setPen(QPen(series.colour, series.width, series.style, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void StepChart::paintLegend(QPainter& painter) const
{
    const qreal y = kTop / 2;
    qreal x = kLeft;
    for (const StepSeries& series : m_series) {
        painter.setPen(QPen(series.colour, kLegendWidth, series.style, Qt::FlatCap));
        painter.drawLine(QPointF(x, y), QPointF(x + 24, y));
        painter.setPen(palette().color(QPalette::Text));
        const QRectF box(x + 28, 0, 150, kTop);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, series.name);
        x += 28 + painter.fontMetrics().horizontalAdvance(series.name) + 16;
    }
}

} // namespace fendrimo

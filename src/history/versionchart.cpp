#include "history/versionchart.h"

#include "profile/zehntel.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace fendrimo {

namespace {

// Room for the legend above, the rate texts left and the hours below.
constexpr qreal kLeft = 40;
constexpr qreal kRight = 10;
constexpr qreal kTop = 26;
constexpr qreal kBottom = 20;
constexpr qint64 kMostLines = 5;

const QColor kSelectedColour(0, 70, 160);
// As the comparison marks on the main window's sliders.
const QColor kPreviousColour(150, 0, 120);

qint64 highestOf(const HourlyRates& rates)
{
    return *std::max_element(rates.begin(), rates.end());
}

} // namespace

VersionChart::VersionChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DiagrammVerlauf"));
    setAccessibleName(tr("Stufendiagramm"));
    setMinimumSize(sizeHint());
    describe();
}

void VersionChart::setRates(std::optional<HourlyRates> selected,
                            std::optional<HourlyRates> previous)
{
    m_selected = selected;
    m_previous = selected ? previous : std::nullopt;
    describe();
    update();
}

// 0,5, 1, 2, 5, 10 … IE/h: the finest step that needs no more than five lines.
qint64 VersionChart::axisStep() const
{
    const qint64 highest = highestShown();
    qint64 step = 5;
    for (int i = 0; (highest + step - 1) / step > kMostLines; ++i)
        step = (i % 3 == 2) ? step / 2 * 5 : step * 2; // 5, 10, 20, 50, 100, 200, 500 …
    return step;
}

qint64 VersionChart::axisTop() const
{
    const qint64 step = axisStep();
    return (highestShown() + step - 1) / step * step;
}

qint64 VersionChart::highestShown() const
{
    qint64 highest = 10;
    for (const std::optional<HourlyRates>* rates : {&m_selected, &m_previous}) {
        if (*rates)
            highest = std::max(highest, highestOf(**rates));
    }
    return highest;
}

QRectF VersionChart::plotArea() const
{
    return QRectF(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom);
}

qreal VersionChart::yFor(qint64 rate) const
{
    const QRectF area = plotArea();
    return area.bottom() - area.height() * qreal(rate) / qreal(axisTop());
}

void VersionChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    paintAxes(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_selected)
        paintSteps(painter, *m_selected, Qt::SolidLine, kSelectedColour, 2.0);
    if (m_previous)
        paintSteps(painter, *m_previous, Qt::DashLine, kPreviousColour, 1.5);
    paintLegend(painter);
}

void VersionChart::paintAxes(QPainter& painter) const
{
    const QRectF area = plotArea();
    const QColor grid = palette().color(QPalette::Mid);
    const QColor text = palette().color(QPalette::Text);
    for (qint64 rate = 0; rate <= axisTop(); rate += axisStep()) {
        const qreal y = yFor(rate);
        painter.setPen(rate == 0 ? text : grid);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(text);
        painter.drawText(QRectF(0, y - 8, kLeft - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                         ZehntelText(rate));
    }
    for (int hour = 0; hour <= ProfileContent::Hours; hour += 6) {
        const qreal x = area.left() + area.width() * hour / ProfileContent::Hours;
        painter.setPen(hour == 0 ? text : grid);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(text);
        painter.drawText(QRectF(x - 20, area.bottom() + 2, 40, kBottom - 2), Qt::AlignCenter,
                         QString::number(hour));
    }
}

void VersionChart::paintSteps(QPainter& painter, const HourlyRates& rates, Qt::PenStyle style,
                              const QColor& colour, qreal width) const
{
    const QRectF area = plotArea();
    QPainterPath path;
    for (int hour = 0; hour < ProfileContent::Hours; ++hour) {
        const qreal x0 = area.left() + area.width() * hour / ProfileContent::Hours;
        const qreal x1 = area.left() + area.width() * (hour + 1) / ProfileContent::Hours;
        const qreal y = yFor(rates.at(size_t(hour)));
        if (hour == 0)
            path.moveTo(x0, y);
        else
            path.lineTo(x0, y);
        path.lineTo(x1, y);
    }
    QPen pen(colour, width, style, Qt::FlatCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void VersionChart::paintLegend(QPainter& painter) const
{
    const qreal y = kTop / 2;
    qreal x = kLeft;
    const auto entry = [&](const QString& text, Qt::PenStyle style, const QColor& colour) {
        painter.setPen(QPen(colour, 2.0, style, Qt::FlatCap));
        painter.drawLine(QPointF(x, y), QPointF(x + 24, y));
        painter.setPen(palette().color(QPalette::Text));
        const QRectF box(x + 28, 0, 150, kTop);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
        x += 28 + painter.fontMetrics().horizontalAdvance(text) + 16;
    };
    if (m_selected)
        entry(tr("gewählte Fassung"), Qt::SolidLine, kSelectedColour);
    if (m_previous)
        entry(tr("Fassung davor"), Qt::DashLine, kPreviousColour);
}

// The chart in words for a screen reader: the totals of both versions.
void VersionChart::describe()
{
    QString text = tr("Keine Fassung gewählt");
    if (m_selected)
        text = tr("Gewählte Fassung: Tagessumme %1 IE").arg(ZehntelText(dailyTotal(*m_selected)));
    if (m_previous) {
        text = tr("%1; Fassung davor (gestrichelt): Tagessumme %2 IE")
                   .arg(text, ZehntelText(dailyTotal(*m_previous)));
    }
    setAccessibleDescription(text);
}

} // namespace fendrimo

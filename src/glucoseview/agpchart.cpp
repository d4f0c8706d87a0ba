#include "glucoseview/agpchart.h"

#include "glucose/glucoseshown.h"
#include "profile/zehntel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace fendrimo {

namespace {

// The glucose axis's marks: the consensus bounds and the clamped top (54
// would crowd 70).
constexpr double kGlucoseTicks[] = {70, 180, 250, kAgpDrawnHighestMgPerDl};
constexpr double kTargetLow = 70;
constexpr double kTargetHigh = 180;

constexpr QColor kCurveColour(0x1f, 0x4e, 0x8c);
constexpr QColor kOuterBand(0xc9, 0xd9, 0xee);
constexpr QColor kInnerBand(0x7f, 0xa6, 0xd6);
constexpr QColor kTargetColour(0x2e, 0x8b, 0x57);
constexpr QColor kRateColour(0xc0, 0x50, 0x20);

} // namespace

AgpChart::AgpChart(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Glukoseprofil nach Uhrzeit"));
}

void AgpChart::setValues(AgpChartValues values)
{
    m_values = std::move(values);
    setCurrentHour(m_hour);
    update();
}

void AgpChart::setCurrentHour(int hour)
{
    m_hour = std::clamp(hour, 0, kHoursPerDay - 1);
    setAccessibleDescription(m_values.hourTexts.value(m_hour));
    update();
}

QRectF AgpChart::plotArea() const
{
    const QFontMetricsF metrics(font());
    const double left = metrics.horizontalAdvance(QStringLiteral("00,0")) + 12;
    const double right = metrics.horizontalAdvance(QStringLiteral("0,0")) + 14;
    double top = 0;
    legendPlaces(&top);
    const double bottom = metrics.height() + 10;
    return QRectF(left, top, std::max(1.0, width() - left - right),
                  std::max(1.0, height() - top - bottom));
}

void AgpChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setRenderHint(QPainter::Antialiasing);
    paintGrid(painter);
    paintCurves(painter);
    if (m_values.reference)
        paintRates(painter, *m_values.reference, Qt::DashLine);
    paintRates(painter, m_values.rates, Qt::SolidLine);
    paintLegend(painter);
    if (hasFocus()) {
        const QRectF plot = plotArea();
        const QRectF column(xOfHour(plot, m_hour), plot.top(), plot.width() / kHoursPerDay,
                            plot.height());
        painter.setPen(QPen(palette().highlight().color(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(column);
    }
}

void AgpChart::paintGrid(QPainter& painter) const
{
    const QRectF plot = plotArea();
    const QFontMetricsF metrics(font());
    const QColor text = palette().text().color();
    painter.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 1));
    for (int hour = 0; hour <= kHoursPerDay; hour += 3) {
        const double x = xOfHour(plot, hour);
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    // The target range, shaded and bounded.
    const QRectF target(plot.left(), yOfGlucose(plot, kTargetHigh), plot.width(),
                        yOfGlucose(plot, kTargetLow) - yOfGlucose(plot, kTargetHigh));
    painter.fillRect(target, QColor(0xe8, 0xf5, 0xe9));
    painter.setPen(text);
    for (double tick : kGlucoseTicks) {
        const double y = yOfGlucose(plot, tick);
        const QString label = glucoseText(tick, m_values.unit, m_values.decimalSeparator);
        painter.drawText(QRectF(0, y - metrics.height() / 2, plot.left() - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, label);
    }
    for (int hour = 0; hour <= kHoursPerDay; hour += 3) {
        const double x = xOfHour(plot, hour);
        painter.drawText(QRectF(x - 20, plot.bottom() + 4, 40, metrics.height()), Qt::AlignHCenter,
                         QString::number(hour));
    }
    const qint32 top = rateAxisTop(m_values.rates, m_values.reference);
    qint32 step = 5; // tenths of IE/h, at most five labels
    while (top / step > 4)
        step *= 2;
    painter.setPen(kRateColour);
    for (qint32 rate = 0; rate <= top; rate += step) {
        const double y = yOfRate(plot, rate, top);
        painter.drawText(
            QRectF(plot.right() + 4, y - metrics.height() / 2, width(), metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter, ZehntelText(rate, m_values.decimalSeparator));
    }
    painter.setPen(QPen(text, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
}

void AgpChart::paintCurves(QPainter& painter) const
{
    const QRectF plot = plotArea();
    const auto& c = m_values.curves;
    painter.setPen(Qt::NoPen);
    for (const auto& [lower, upper, colour] :
         {std::tuple{0, 4, kOuterBand}, std::tuple{1, 3, kInnerBand}}) {
        painter.setBrush(colour);
        for (const HourRun& run : hourRuns(c.at(size_t(upper)).values))
            painter.drawPolygon(
                bandPolygon(plot, c.at(size_t(lower)).values, c.at(size_t(upper)).values, run));
    }
    // The target's bounds over the bands, under the median.
    painter.setPen(QPen(kTargetColour, 1.5));
    for (double bound : {kTargetLow, kTargetHigh})
        painter.drawLine(QPointF(plot.left(), yOfGlucose(plot, bound)),
                         QPointF(plot.right(), yOfGlucose(plot, bound)));
    painter.setPen(QPen(kCurveColour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const HourRun& run : hourRuns(c[2].values))
        painter.drawPolyline(curvePoints(plot, c[2].values, run));
    // Where a curve reaches past the top, a triangle says it is cut off.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCurveColour);
    for (const QPointF& mark : clampMarks(plot, c)) {
        const QPolygonF triangle{mark + QPointF(0, -7), mark + QPointF(-5, 0),
                                 mark + QPointF(5, 0)};
        painter.drawPolygon(triangle);
    }
}

void AgpChart::paintRates(QPainter& painter, const HourRates& rates, Qt::PenStyle style) const
{
    const QRectF plot = plotArea();
    const qint32 top = rateAxisTop(m_values.rates, m_values.reference);
    QPolygonF steps;
    for (int hour = 0; hour < kHoursPerDay; ++hour) {
        const double y = yOfRate(plot, rates.at(size_t(hour)), top);
        steps << QPointF(xOfHour(plot, hour), y) << QPointF(xOfHour(plot, hour + 1), y);
    }
    painter.setPen(QPen(kRateColour, style == Qt::SolidLine ? 2.0 : 1.5, style));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(steps);
}

QList<AgpChart::LegendEntry> AgpChart::legend() const
{
    const auto shown = [this](double mgPerDl) {
        return glucoseText(mgPerDl, m_values.unit, m_values.decimalSeparator);
    };
    QList<LegendEntry> entries{
        {tr("Median"), kCurveColour, Swatch::Line, Qt::SolidLine},
        {tr("25–75 %"), kInnerBand, Swatch::Area, Qt::SolidLine},
        {tr("5–95 %"), kOuterBand, Swatch::Area, Qt::SolidLine},
        {tr("Zielbereich %1–%2 %3")
             .arg(shown(kTargetLow), shown(kTargetHigh), unitName(m_values.unit)),
         kTargetColour, Swatch::Line, Qt::SolidLine},
        {tr("Basalrate (IE/h, rechte Achse)"), kRateColour, Swatch::Line, Qt::SolidLine}};
    if (m_values.reference)
        entries.append({tr("Vergleich"), kRateColour, Swatch::Line, Qt::DashLine});
    entries.append({tr("über %1 %2").arg(shown(kAgpDrawnHighestMgPerDl), unitName(m_values.unit)),
                    kCurveColour, Swatch::Triangle, Qt::SolidLine});
    return entries;
}

QList<QPointF> AgpChart::legendPlaces(double* height) const
{
    const QFontMetricsF metrics(font());
    const double line = metrics.height() + 4;
    QList<QPointF> places;
    double x = 4;
    double y = 4;
    for (const LegendEntry& entry : legend()) {
        const double wide = 24 + metrics.horizontalAdvance(entry.text) + 14;
        if (x > 4 && x + wide > width()) {
            x = 4;
            y += line;
        }
        places << QPointF(x, y);
        x += wide;
    }
    if (height)
        *height = y + line + 4;
    return places;
}

void AgpChart::paintLegend(QPainter& painter) const
{
    const QFontMetricsF metrics(font());
    const QList<LegendEntry> entries = legend();
    const QList<QPointF> places = legendPlaces(nullptr);
    for (int i = 0; i < entries.size(); ++i) {
        const LegendEntry& entry = entries.at(i);
        const QPointF at = places.at(i);
        const QRectF swatch(at.x(), at.y() + metrics.height() / 2 - 5, 18, 10);
        painter.setPen(Qt::NoPen);
        painter.setBrush(entry.colour);
        if (entry.swatch == Swatch::Line) {
            painter.setPen(QPen(entry.colour, 2.5, entry.style));
            painter.drawLine(QPointF(swatch.left(), swatch.center().y()),
                             QPointF(swatch.right(), swatch.center().y()));
        } else if (entry.swatch == Swatch::Area) {
            painter.drawRect(swatch);
        } else {
            const QPointF tip(swatch.center().x(), swatch.top());
            painter.drawPolygon(QPolygonF{tip, swatch.bottomLeft() + QPointF(4, 0),
                                          swatch.bottomRight() - QPointF(4, 0)});
        }
        painter.setPen(palette().text().color());
        painter.drawText(QPointF(at.x() + 24, at.y() + metrics.ascent()), entry.text);
    }
}

void AgpChart::mousePressEvent(QMouseEvent* event)
{
    const int hour = hourAtX(plotArea(), event->position().x());
    if (event->button() != Qt::LeftButton || hour < 0)
        return QWidget::mousePressEvent(event);
    setCurrentHour(hour);
    emit hourChosen(hour);
}

void AgpChart::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        return setCurrentHour(m_hour - 1);
    case Qt::Key_Right:
        return setCurrentHour(m_hour + 1);
    case Qt::Key_Home:
        return setCurrentHour(0);
    case Qt::Key_End:
        return setCurrentHour(kHoursPerDay - 1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit hourChosen(m_hour);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace fendrimo

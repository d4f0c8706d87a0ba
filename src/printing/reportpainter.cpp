#include "printing/reportpainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace fendrimo {

namespace {

// Units per inch: one unit is 0.1 mm.
constexpr qreal kUnitsPerInch = 254.0;

// Font pixel sizes are whole numbers; texts are drawn this many times larger
// and scaled down, so that even the 1.5 mm cell keeps its height closely.
constexpr int kTextScale = 16;

// How far left of x a text starts, in the font's own units.
qreal alignShift(ReportStep::Align align, const QFontMetricsF& metrics, const QString& text)
{
    if (align == ReportStep::Align::Left)
        return 0;
    const qreal width = metrics.horizontalAdvance(text) / kTextScale;
    return align == ReportStep::Align::Right ? width : width / 2;
}

} // namespace

ReportPainter::ReportPainter(QPainter& painter) : m_painter(painter)
{
    const QPaintDevice* device = m_painter.device();
    m_painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    m_painter.setWorldTransform(QTransform::fromScale(device->logicalDpiX() / kUnitsPerInch,
                                                      -device->logicalDpiY() / kUnitsPerInch));
}

const QFont& ReportPainter::fontFor(int cellHeight)
{
    const auto found = m_fonts.constFind(cellHeight);
    if (found != m_fonts.constEnd())
        return *found;
    QFont font(QStringLiteral("Arial"));
    font.setHintingPreference(QFont::PreferNoHinting);
    // The height asked for is the whole cell, ascent and descent, as the
    // printer's font mapper takes a positive height.
    font.setPixelSize(1000);
    const qreal cellAt1000 = QFontMetricsF(font, m_painter.device()).height();
    font.setPixelSize(std::max(1, qRound(cellHeight * kTextScale * 1000.0 / cellAt1000)));
    return *m_fonts.insert(cellHeight, font);
}

void ReportPainter::draw(const ReportStep& step)
{
    if (step.kind == ReportStep::Kind::Line) {
        // Dashes end flat: round ends would run into the gaps.
        m_painter.setPen(
            step.dashed
                ? QPen(step.colour, step.penWidth, Qt::DashLine, Qt::FlatCap, Qt::RoundJoin)
                : QPen(step.colour, step.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter.drawLine(QPointF(qreal(step.x), qreal(step.y)),
                           QPointF(qreal(step.x2), qreal(step.y2)));
        return;
    }
    if (step.kind == ReportStep::Kind::Polygon) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(step.colour);
        m_painter.drawPolygon(step.polygon);
        m_painter.setBrush(Qt::NoBrush);
        return;
    }
    if (step.text.isEmpty())
        return;
    const QFont& font = fontFor(step.fontHeight);
    const QFontMetricsF metrics(font, m_painter.device());
    m_painter.save();
    // Upright text with y downward from the cell's top-left corner; without
    // the flip the page's upward y would mirror it.
    m_painter.translate(qreal(step.x) - alignShift(step.align, metrics, step.text), qreal(step.y));
    m_painter.scale(1.0 / kTextScale, -1.0 / kTextScale);
    m_painter.fillRect(QRectF(0, 0, metrics.horizontalAdvance(step.text), metrics.height()),
                       Qt::white);
    m_painter.setFont(font);
    m_painter.setPen(step.colour);
    m_painter.drawText(QPointF(0, metrics.ascent()), step.text);
    m_painter.restore();
}

qreal ReportPainter::textWidth(const ReportStep& step)
{
    const QFontMetricsF metrics(fontFor(step.fontHeight), m_painter.device());
    return metrics.horizontalAdvance(step.text) / kTextScale;
}

void paintReport(QPainter& painter, const QList<ReportStep>& steps)
{
    ReportPainter page(painter);
    for (const ReportStep& step : steps)
        page.draw(step);
}

qint64 reportPageDepth(const QPaintDevice& device)
{
    return qint64(std::ceil(device.height() * kUnitsPerInch / device.logicalDpiY()));
}

} // namespace fendrimo

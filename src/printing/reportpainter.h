#pragma once

#include "printing/reportpage.h"

#include <QFont>
#include <QHash>

class QPainter;
class QPaintDevice;

namespace fendrimo {

// Draws report steps on a page: one unit is 0.1 mm, the origin is the
// top-left corner of the device's drawing area and y grows upward, as the
// steps expect. Texts stand on an opaque white cell of the step's height.
class ReportPainter
{
public:
    // Takes over the painter's transform; the painter must be active.
    explicit ReportPainter(QPainter& painter);

    void draw(const ReportStep& step);

    // The width a text step takes on the page, in report units.
    qreal textWidth(const ReportStep& step);

private:
    const QFont& fontFor(int cellHeight);

    QPainter& m_painter;
    QHash<int, QFont> m_fonts;
};

// Draws all steps in their order.
void paintReport(QPainter& painter, const QList<ReportStep>& steps);

// The height of the device's drawing area in report units, rounded up.
qint64 reportPageDepth(const QPaintDevice& device);

} // namespace fendrimo

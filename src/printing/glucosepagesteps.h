#pragma once

// What the two files of the glucose profile page share: the page's edges,
// its colours and the list its steps are collected in.

#include "printing/reportpage.h"

#include <QCoreApplication>

namespace fendrimo::glucosepage {

using Align = ReportStep::Align;

constexpr qint64 kLeft = 150;
constexpr qint64 kRight = 1950;
// Where the figures over the period begin; the legend ends above them.
constexpr qint64 kFiguresTop = -1225;
// The hourly table, which takes the depth left below it.
constexpr qint64 kTableTop = -1575;

inline const QColor kBlack{0, 0, 0};
inline const QColor kRule{170, 170, 170};

struct Palette
{
    QColor outerBand; // 5-95 %
    QColor innerBand; // 25-75 %
    QColor median;
    QColor target;
    QColor rate;
    bool rateDashed = false;
};

// In black and white the bands are greys far enough apart to tell, the
// median black and the rate dashed, so no two marks depend on colour.
inline Palette paletteOf(bool colour)
{
    if (colour)
        return {{196, 214, 238}, {112, 150, 206}, {16, 44, 112},
                {0, 150, 60},    {210, 100, 0},   false};
    return {{226, 226, 226}, {160, 160, 160}, kBlack, kBlack, kBlack, true};
}

class Steps
{
public:
    void text(qint64 x, qint64 y, QString text, int height, const QColor& colour = kBlack,
              Align align = Align::Left)
    {
        ReportStep step(ReportStep::Kind::Text, x, y, 0, 0, std::move(text), height, 0, colour);
        step.align = align;
        m_steps.append(std::move(step));
    }
    void line(qint64 x1, qint64 y1, qint64 x2, qint64 y2, int width, const QColor& colour,
              bool dashed = false)
    {
        m_steps.emplaceBack(ReportStep::Kind::Line, x1, y1, x2, y2, QString(), 0, width, colour,
                            dashed);
    }
    void polygon(QPolygon corners, const QColor& colour)
    {
        ReportStep step(ReportStep::Kind::Polygon, 0, 0, 0, 0, QString(), 0, 0, colour);
        step.polygon = std::move(corners);
        m_steps.append(std::move(step));
    }
    QList<ReportStep> take() { return std::move(m_steps); }

private:
    QList<ReportStep> m_steps;
};

// A share as whole percent, "–" where it is not known.
QString percentOf(const std::optional<double>& share);

// The legend under the chart, the figures with their goals, the hourly table.
void describeLegend(Steps& page, const ReportInput& input, const Palette& palette);
void describeFigures(Steps& page, const ReportInput& input);
void describeHourTable(Steps& page, const ReportInput& input, const Palette& palette,
                       qint64 pageDepth);

} // namespace fendrimo::glucosepage

#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

namespace fendrimo {

// One line of a step chart: a value for each hour of the day, in the unit
// of the chart's axis.
struct StepSeries
{
    static constexpr int Hours = 24;

    std::array<qint32, Hours> values{};
    QString name; // its entry in the legend
    QColor colour;
    qreal width = 2.0;
    Qt::PenStyle style = Qt::SolidLine;
};

// The value axis as its caller's unit has it.
struct StepAxis
{
    qint64 leastTop = 10; // the axis reaches at least this far, however low the values
    std::function<QString(qint64)> label; // a value as the axis writes it
};

// Hourly values as steps over the day, 0 to 24 Uhr: one or more series drawn
// over each other in the order given, each named in the legend above, on a
// value axis scaled to the highest value shown. What the series mean, and
// their description for a screen reader, are the caller's.
class StepChart final : public QWidget
{
    Q_OBJECT

public:
    explicit StepChart(StepAxis axis, QWidget* parent = nullptr);

    void setSeries(QList<StepSeries> series);
    const QList<StepSeries>& series() const { return m_series; }

    QSize sizeHint() const override { return {340, 230}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The top of the value axis: the highest value shown rounded up to a
    // whole step of the axis, at least the axis's least top.
    qint64 axisTop() const;
    // The area the steps are drawn in.
    QRectF plotArea() const;
    // Where value stands in the plot area (widget coordinates).
    qreal yFor(qint64 value) const;
    qint64 axisStep() const;
    qint64 highestShown() const;
    void paintAxes(QPainter& painter) const;
    void paintSteps(QPainter& painter, const StepSeries& series) const;
    void paintLegend(QPainter& painter) const;

    StepAxis m_axis;
    QList<StepSeries> m_series;
};

} // namespace fendrimo

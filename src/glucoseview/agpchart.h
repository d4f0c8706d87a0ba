#pragma once

#include "glucose/agpcurves.h"
#include "glucoseview/agpgeometry.h"

#include <QStringList>
#include <QWidget>

#include <optional>

namespace fendrimo {

// What the AGP chart draws, as plain values.
struct AgpChartValues
{
    std::array<AgpCurve, kAgpPercentileCount> curves{}; // mg/dL, smoothed and clamped
    GlucoseUnit unit = GlucoseUnit::MgPerDl;
    QChar decimalSeparator = QLatin1Char(',');
    HourRates rates{};                  // tenths of IE/h
    std::optional<HourRates> reference; // the comparison's rates, dashed
    QStringList hourTexts;              // what a screen reader hears for each hour
};

// The ambulatory glucose profile over the day: the 5-95 % band light, the
// 25-75 % band darker, the median bold, the target range marked, and the
// basal rate as steps on an axis of its own. Left and Right move through the
// hours, which a screen reader hears as the chart's description; a click on
// an hour or Enter chooses it.
class AgpChart final : public QWidget
{
    Q_OBJECT

public:
    explicit AgpChart(QWidget* parent = nullptr);

    void setValues(AgpChartValues values);
    const AgpChartValues& values() const { return m_values; }
    int currentHour() const { return m_hour; }
    void setCurrentHour(int hour);
    // Where hours and values are drawn, in the widget's coordinates.
    QRectF plotArea() const;

    QSize sizeHint() const override { return {620, 300}; }
    QSize minimumSizeHint() const override { return {360, 200}; }

signals:
    void hourChosen(int hour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paintGrid(QPainter& painter) const;
    void paintCurves(QPainter& painter) const;
    void paintRates(QPainter& painter, const HourRates& rates, Qt::PenStyle style) const;
    enum class Swatch { Line, Area, Triangle };
    struct LegendEntry
    {
        QString text;
        QColor colour;
        Swatch swatch;
        Qt::PenStyle style;
    };
    QList<LegendEntry> legend() const;
    // Where each entry of the legend starts, in as many lines as the width
    // needs; height: where the plot may start below it.
    QList<QPointF> legendPlaces(double* height) const;
    void paintLegend(QPainter& painter) const;

    AgpChartValues m_values;
    int m_hour = 0;
};

} // namespace fendrimo

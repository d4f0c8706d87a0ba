#pragma once

#include "profile/basalprofile.h"

#include <QWidget>

#include <optional>

namespace fendrimo {

// A step chart of one version's 24 rates, with the version before it drawn
// dashed over it, so that what changed stands out at a glance.
class VersionChart final : public QWidget
{
    Q_OBJECT

public:
    explicit VersionChart(QWidget* parent = nullptr);

    void setRates(std::optional<HourlyRates> selected, std::optional<HourlyRates> previous);
    const std::optional<HourlyRates>& selected() const { return m_selected; }
    const std::optional<HourlyRates>& previous() const { return m_previous; }

    QSize sizeHint() const override { return {340, 230}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The top of the rate axis in tenths: the highest rate shown rounded up
    // to a whole step of the axis, at least 1 IE/h.
    qint64 axisTop() const;
    // The area the steps are drawn in.
    QRectF plotArea() const;
    // Where rate stands in the plot area (widget coordinates).
    qreal yFor(qint64 rate) const;
    qint64 axisStep() const;
    qint64 highestShown() const; // in tenths, at least 1 IE/h
    void paintAxes(QPainter& painter) const;
    void paintSteps(QPainter& painter, const HourlyRates& rates, Qt::PenStyle style,
                    const QColor& colour, qreal width) const;
    void paintLegend(QPainter& painter) const;
    void describe();

    std::optional<HourlyRates> m_selected;
    std::optional<HourlyRates> m_previous;
};

} // namespace fendrimo

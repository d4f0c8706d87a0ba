#include "glucoseview/agpgeometry.h"

#include <algorithm>
#include <cmath>

namespace fendrimo {

namespace {

constexpr qint32 kRateAxisStep = 5; // tenths of IE/h
constexpr qint32 kRateAxisLeastTop = 10;

} // namespace

double xOfHour(const QRectF& plot, double hour)
{
    return plot.left() + plot.width() * hour / kHoursPerDay;
}

int hourAtX(const QRectF& plot, double x)
{
    if (plot.width() <= 0 || x < plot.left() || x >= plot.right())
        return -1;
    return std::clamp(int(std::floor((x - plot.left()) * kHoursPerDay / plot.width())), 0,
                      kHoursPerDay - 1);
}

double yOfGlucose(const QRectF& plot, double mgPerDl)
{
    const double shown = std::clamp(mgPerDl, 0.0, kAgpDrawnHighestMgPerDl);
    return plot.bottom() - plot.height() * shown / kAgpDrawnHighestMgPerDl;
}

double yOfRate(const QRectF& plot, qint32 rateTenths, qint32 axisTopTenths)
{
    return plot.bottom() - plot.height() * rateTenths / std::max(axisTopTenths, 1);
}

qint32 rateAxisTop(const HourRates& rates, const std::optional<HourRates>& reference)
{
    qint32 highest = *std::max_element(rates.begin(), rates.end());
    if (reference)
        highest = std::max(highest, *std::max_element(reference->begin(), reference->end()));
    const qint32 top = (highest + kRateAxisStep - 1) / kRateAxisStep * kRateAxisStep;
    return std::max(top, kRateAxisLeastTop);
}

QList<HourRun> hourRuns(const HourValues& values)
{
    QList<HourRun> runs;
    for (int hour = 0; hour < kHoursPerDay; ++hour) {
        if (!values.at(size_t(hour)))
            continue;
        if (!runs.isEmpty() && runs.last().last == hour - 1)
            runs.last().last = hour;
        else
            runs.append({hour, hour});
    }
    return runs;
}

QPolygonF curvePoints(const QRectF& plot, const HourValues& values, const HourRun& run)
{
    QPolygonF points;
    const auto y = [&](int hour) { return yOfGlucose(plot, values.at(size_t(hour)).value_or(0)); };
    points << QPointF(xOfHour(plot, run.first), y(run.first));
    for (int hour = run.first; hour <= run.last; ++hour)
        points << QPointF(xOfHour(plot, hour + 0.5), y(hour));
    points << QPointF(xOfHour(plot, run.last + 1), y(run.last));
    return points;
}

QPolygonF bandPolygon(const QRectF& plot, const HourValues& lower, const HourValues& upper,
                      const HourRun& run)
{
    QPolygonF band = curvePoints(plot, upper, run);
    const QPolygonF below = curvePoints(plot, lower, run);
    for (auto point = below.crbegin(); point != below.crend(); ++point)
        band << *point;
    return band;
}

QList<QPointF> clampMarks(const QRectF& plot,
                          const std::array<AgpCurve, kAgpPercentileCount>& curves)
{
    QList<QPointF> marks;
    for (int hour = 0; hour < kHoursPerDay; ++hour) {
        const bool clamped = std::any_of(curves.begin(), curves.end(), [hour](const AgpCurve& c) {
            return c.clamped.at(size_t(hour));
        });
        if (clamped)
            marks << QPointF(xOfHour(plot, hour + 0.5), plot.top());
    }
    return marks;
}

} // namespace fendrimo

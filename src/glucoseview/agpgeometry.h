#pragma once

// Where the AGP chart draws: hours 0 to 24 across the plot, glucose from 0
// to 350 mg/dL (19.4 mmol/L) up the left axis as the AGP report clamps it,
// the basal rate on an axis of its own at the right. Widget-free, so what a
// click hits and what is drawn for which hour is tested without painting.

#include "glucose/agpcurves.h"

#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include <array>
#include <optional>

namespace fendrimo {

using HourRates = std::array<qint32, kHoursPerDay>;

double xOfHour(const QRectF& plot, double hour);
// The hour whose column holds x; -1 left or right of the plot.
int hourAtX(const QRectF& plot, double x);
// A value above the axis's top stands at the top: the curves come clamped.
double yOfGlucose(const QRectF& plot, double mgPerDl);
double yOfRate(const QRectF& plot, qint32 rateTenths, qint32 axisTopTenths);

// The rate axis's top: the highest rate shown, the comparison's too, rounded
// up to whole 0.5 IE/h, at least 1 IE/h.
qint32 rateAxisTop(const HourRates& rates, const std::optional<HourRates>& reference);

// Hours with a value next to each other, first to last: a curve or band is
// drawn over each run and never across an hour without readings.
struct HourRun
{
    int first = 0;
    int last = 0;
};
QList<HourRun> hourRuns(const HourValues& values);

// A curve over a run: a point at each hour's middle, held level to the
// run's edges, so a run covers exactly its hours.
QPolygonF curvePoints(const QRectF& plot, const HourValues& values, const HourRun& run);
// The band between two curves over a run, closed.
QPolygonF bandPolygon(const QRectF& plot, const HourValues& lower, const HourValues& upper,
                      const HourRun& run);

// A mark at the top of the plot over each hour where a curve is clamped.
QList<QPointF> clampMarks(const QRectF& plot,
                          const std::array<AgpCurve, kAgpPercentileCount>& curves);

} // namespace fendrimo

#pragma once

#include "glucose/glucosestats.h"

#include <QStringList>

namespace fendrimo {

// What the printed glucose profile shows: the figures of the loaded glucose
// data over the period chosen, in the unit shown (statistics.shown), and
// the files they were read from (GlucoseData::files). The page draws the
// AGP curves from the hours itself; the basal rates are the profile's.
struct GlucoseReport
{
    QStringList files;
    GlucoseStatistics statistics;
};

} // namespace fendrimo

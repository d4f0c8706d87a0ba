#pragma once

#include "printing/reportpage.h"

namespace fendrimo {

// The glucose profile page of input.glucose: heading, files and period, the
// AGP chart with the basal rates on the same hours, the figures over the
// period beside their consensus goals, and a table of the 24 hours. Its
// hourly table takes the depth left on the page; everything fits an A4 or
// Letter page in portrait within a printer's margins. Empty without glucose.
QList<ReportStep> describeGlucosePage(const ReportInput& input, qint64 pageDepth);

} // namespace fendrimo

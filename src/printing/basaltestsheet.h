#pragma once

#include "glucose/basaltest.h"
#include "printing/reportpage.h"

#include <QString>

namespace fendrimo {

// A block by its whole span, "22 bis 6 Uhr"; a whole day "6 bis 6 Uhr".
QString blockSpanText(BasalTestBlock block);

// The sheet a basal test is written down on by hand, for input.basalTestSheet:
// heading, lines for name and date, the block, a row per hour of the block and
// one for its end with the time and the profile's rate as printed now, empty
// columns for the glucose, food and notes, and the conditions the courses
// teach. Black on white on one A4 or Letter page in portrait. Empty without
// a block.
QList<ReportStep> describeBasalTestSheet(const ReportInput& input, qint64 pageDepth);

} // namespace fendrimo

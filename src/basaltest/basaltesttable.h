#pragma once

#include "glucose/basaltest.h"
#include "profile/basalprofile.h"

class QTableWidget;

namespace fendrimo {

struct RegionalFormats;

// The table of a basal test: a row per hour of the block with its span and
// the profile's rate, then the block's start and end with the change per
// hour and whether its readings stayed within 70-180 mg/dL; three columns
// per day (start, end, change). A value missing or beyond the sensor is
// said in words, never shown as a number. Every cell tells a screen reader
// its day, its hour and what it holds.
void fillBasalTestTable(QTableWidget& table, const std::vector<BasalTestDay>& days,
                        BasalTestBlock block, const HourlyRates& rates, GlucoseUnit unit,
                        const RegionalFormats& formats);

// What the figures round and leave out, in the unit shown.
QString basalTestNote(GlucoseUnit unit);

} // namespace fendrimo

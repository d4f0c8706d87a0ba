#pragma once

// Carb ratios in grams per IE as the three bolus factors in IE per BE, with
// 1 BE = 12 g: what Nightscout, Tidepool and autotune bring.

#include "exchange/exchange.h"
#include "exchange/schedule.h"

namespace fendrimo::exchange {

// The bolus fields from the ratio in force at 07:00 (morgens), 12:00
// (mittags) and 18:00 (abends) of the sorted ratios, one decimal; a notice
// for each factor rounded or left empty.
void takeBolusFactors(const QList<ScheduleEntry>& ratios, QChar separator,
                      ImportedProfile& imported);

} // namespace fendrimo::exchange

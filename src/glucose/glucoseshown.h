#pragma once

// Glucose figures as the program writes them, on screen and on paper alike:
// whole mg/dL, or mmol/L with one decimal, with the regional decimal
// separator. Values are rounded half to even to that precision, as the
// ranges classify them, so that a value and its range never disagree.

#include "glucose/glucosedata.h"

#include <QChar>
#include <QString>

namespace fendrimo {

// "mg/dL" or "mmol/L".
QString unitName(GlucoseUnit unit);

// A value given in mg/dL as shown in the unit: "142", "7,9".
QString glucoseText(double mgPerDlValue, GlucoseUnit shown, QChar decimalSeparator);

// A change given in mg/dL, signed unless it shows as zero: "+12", "−0,7", "0".
QString glucoseChangeText(double mgPerDlChange, GlucoseUnit shown, QChar decimalSeparator);

// A share 0..1 as whole percent, rounded half to even: "12".
QString percentText(double share);

} // namespace fendrimo

#pragma once

#include <QChar>
#include <QString>

namespace fendrimo {

// The text of a whole number of tenths: the whole part's digits and, only when
// the tenths digit is not 0, the decimal separator and that digit (0, 0,1, 2,5, 3).
QString ZehntelText(qint64 tenths, QChar decimalSeparator);

// The same with the decimal separator of the regional settings in force.
QString ZehntelText(qint64 tenths);

} // namespace fendrimo

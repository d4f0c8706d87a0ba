#include "glucose/glucoseshown.h"

#include "glucose/glucoseranges.h"

#include <cmath>
#include <cstdlib>

namespace fendrimo {

namespace {

// A shown value (whole mg/dL or tenths of mmol/L) without its sign.
QString magnitudeText(int shown, GlucoseUnit unit, QChar decimalSeparator)
{
    const int magnitude = std::abs(shown);
    if (unit == GlucoseUnit::MgPerDl)
        return QString::number(magnitude);
    return QString::number(magnitude / 10) + decimalSeparator + QString::number(magnitude % 10);
}

} // namespace

QString unitName(GlucoseUnit unit)
{
    return unit == GlucoseUnit::MgPerDl ? QStringLiteral("mg/dL") : QStringLiteral("mmol/L");
}

QString glucoseText(double mgPerDlValue, GlucoseUnit shown, QChar decimalSeparator)
{
    const int value = shownValue(mgPerDlValue, shown);
    const QString text = magnitudeText(value, shown, decimalSeparator);
    return value < 0 ? QChar(0x2212) + text : text;
}

QString glucoseChangeText(double mgPerDlChange, GlucoseUnit shown, QChar decimalSeparator)
{
    const int value = shownValue(mgPerDlChange, shown);
    const QString text = magnitudeText(value, shown, decimalSeparator);
    if (value == 0)
        return text;
    return (value > 0 ? QChar(QLatin1Char('+')) : QChar(0x2212)) + text;
}

QString percentText(double share)
{
    return QString::number(int(std::nearbyint(share * 100)));
}

} // namespace fendrimo

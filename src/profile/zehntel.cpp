#include "profile/zehntel.h"

#include "platform/regional.h"

namespace fendrimo {

QString ZehntelText(qint64 tenths, QChar decimalSeparator)
{
    // Rates are never negative on screen; a negative value still gets an
    // honest text instead of a digit salad.
    const bool negative = tenths < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(tenths) : quint64(tenths);
    QString text = QString::number(magnitude / 10);
    const unsigned digit = unsigned(magnitude % 10);
    if (digit != 0) {
        text += decimalSeparator;
        text += QChar(QLatin1Char(char('0' + digit)));
    }
    if (negative)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString ZehntelText(qint64 tenths)
{
    return ZehntelText(tenths, RegionalFormats::current().decimalSeparator);
}

} // namespace fendrimo

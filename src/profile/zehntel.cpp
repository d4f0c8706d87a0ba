#include "profile/zehntel.h"

#include "platform/regional.h"

namespace fendrimo {

QString ZehntelText(qint64 tenths, QChar decimalSeparator)
{
    // Rates are never negative on screen; a negative value still gets an
    // honest text instead of a digit salad.
    const bool negative = tenths < 0;
    quint64 magnitude = negative ? quint64(0) - quint64(tenths) : quint64(tenths);
    const unsigned digit = unsigned(magnitude % 10);
    magnitude /= 10;

    // Sized first and written in place from the right: the report labels
    // every tenth on the page, so this runs hundreds of times per page.
    qsizetype digits = 1;
    for (quint64 power = 10; digits < 20 && magnitude >= power; power *= 10)
        ++digits;
    const qsizetype length = (negative ? 1 : 0) + digits + (digit != 0 ? 2 : 0);
    QString text(length, Qt::Uninitialized);
    QChar* first = text.data() + length;
    if (digit != 0) {
        *--first = QLatin1Char(char('0' + digit));
        *--first = decimalSeparator;
    }
    for (qsizetype i = 0; i < digits; ++i) {
        *--first = QLatin1Char(char('0' + magnitude % 10));
        magnitude /= 10;
    }
    if (negative)
        *--first = QLatin1Char('-');
    return text;
}

QString ZehntelText(qint64 tenths)
{
    return ZehntelText(tenths, RegionalFormats::current().decimalSeparator);
}

} // namespace fendrimo

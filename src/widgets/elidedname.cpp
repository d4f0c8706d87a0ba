#include "widgets/elidedname.h"

#include <QFontMetrics>

namespace fendrimo {

QString elidedName(const QString& name, const QFont& font, int width)
{
    // A line break would let the name take more lines than the room left for it.
    QString oneLine = name;
    oneLine.replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\r'), QLatin1Char(' '));
    return QFontMetrics(font).elidedText(oneLine, Qt::ElideMiddle, width);
}

} // namespace fendrimo

#include "profile/versiondiff.h"

#include "profile/profiletools.h"
#include "profile/zehntel.h"

#include <QCoreApplication>
#include <QStringList>

namespace fendrimo {

namespace {

QString totalChange(qint64 before, qint64 after)
{
    const qint64 difference = after - before;
    if (difference == 0)
        return QString();
    //: the sign and amount of the change of the daily total in IE (insulin units): "+0,6 IE"
    return QCoreApplication::translate("VersionDiff", "%1%2 IE")
        .arg(difference > 0 ? QStringLiteral("+") : QStringLiteral("\u2212"),
             ZehntelText(difference > 0 ? difference : -difference));
}

// -1 lower, 0 the same, 1 higher.
int direction(qint32 before, qint32 after)
{
    return after > before ? 1 : after < before ? -1 : 0;
}

// "6 bis 9 Uhr höher, 22 bis 23 Uhr niedriger": runs of hours that moved
// the same way, in the order of the day.
QString hoursChange(const ProfileContent& before, const ProfileContent& after)
{
    QStringList runs;
    int h = 0;
    while (h < ProfileContent::Hours) {
        const int way = direction(before.rates[size_t(h)], after.rates[size_t(h)]);
        int last = h;
        while (last + 1 < ProfileContent::Hours &&
               direction(before.rates[size_t(last + 1)], after.rates[size_t(last + 1)]) == way)
            ++last;
        if (way != 0)
            runs << (way > 0 ? QCoreApplication::translate("VersionDiff", "%1 höher")
                             : QCoreApplication::translate("VersionDiff", "%1 niedriger"))
                        .arg(hourSpanText(h, last));
        h = last + 1;
    }
    return runs.join(QStringLiteral(", "));
}

QString shownText(const QString& text)
{
    //: an empty field
    return text.isEmpty() ? QCoreApplication::translate("VersionDiff", "leer") : text;
}

} // namespace

QString describeChanges(const ProfileContent& before, const ProfileContent& after)
{
    QStringList parts;
    for (const QString& part :
         {totalChange(before.total(), after.total()), hoursChange(before, after)}) {
        if (!part.isEmpty())
            parts << part;
    }
    for (int i = 0; i < ProfileContent::Boluses; ++i) {
        const QString& was = before.bolus[size_t(i)];
        const QString& now = after.bolus[size_t(i)];
        if (was != now) {
            //: a bolus field ("Bolus morgens"), its text before and after
            parts << QCoreApplication::translate("VersionDiff", "%1 %2 → %3")
                         .arg(bolusFieldName(i), shownText(was), shownText(now));
        }
    }
    if (before.datum != after.datum)
        parts << QCoreApplication::translate("VersionDiff", "Datum %1 → %2")
                     .arg(shownText(before.datum), shownText(after.datum));
    if (before.notizen != after.notizen)
        parts << QCoreApplication::translate("VersionDiff", "Notizen geändert");
    return parts.isEmpty() ? QCoreApplication::translate("VersionDiff", "keine Änderung")
                           : parts.join(QStringLiteral("; "));
}

} // namespace fendrimo

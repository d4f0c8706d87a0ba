#include "profile/versiondiff.h"

#include "profile/comparison.h"
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

// "Bolus mittags 1,0 → 1,2", "Datum 01.12.2026 → 08.12.2026": the bolus
// fields and the date that differ, each with both texts.
QStringList fieldChanges(const ProfileContent& before, const ProfileContent& after)
{
    QStringList parts;
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
    return parts;
}

// "4 bis 18 Uhr: 0,6 → 0,7 IE/h": the runs where the rate changes, as the
// comparison finds them, split where the import adjusted some hours of a run
// and not others, so that a mark never covers an hour it doesn't concern.
QStringList rateChanges(const ProfileContent& before, const ProfileContent& after,
                        const QList<int>& adjustedHours)
{
    ProfileReference imported;
    imported.rates = after.rates;
    QStringList rows;
    for (const DifferingRun& run : differingRuns(before.rates, imported)) {
        int first = run.first;
        for (int h = run.first; h <= run.last; ++h) {
            const bool adjusted = adjustedHours.contains(h);
            if (h < run.last && adjustedHours.contains(h + 1) == adjusted)
                continue;
            DifferingRun part = run;
            part.first = first;
            part.last = h;
            const QString text = differingRunText(part);
            //: a run of hours whose new rate the import averaged or rounded
            rows << (adjusted
                         ? QCoreApplication::translate("VersionDiff", "%1, gerundet oder gemittelt")
                               .arg(text)
                         : text);
            first = h + 1;
        }
    }
    return rows;
}

// "Neue Zeile in den Notizen: …" when the notes only gained text at their end.
QString notesChange(const QString& before, const QString& after)
{
    if (before == after)
        return QString();
    if (!after.startsWith(before))
        return QCoreApplication::translate("VersionDiff", "Notizen geändert");
    QString added = after.mid(before.size());
    if (added.startsWith(QStringLiteral("\r\n")))
        added.remove(0, 2);
    return QCoreApplication::translate("VersionDiff", "Neue Zeile in den Notizen: %1").arg(added);
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
    parts << fieldChanges(before, after);
    if (before.notizen != after.notizen)
        parts << QCoreApplication::translate("VersionDiff", "Notizen geändert");
    return parts.isEmpty() ? QCoreApplication::translate("VersionDiff", "keine Änderung")
                           : parts.join(QStringLiteral("; "));
}

ImportPreview previewImport(const ProfileContent& before, const ProfileContent& after,
                            const QList<int>& adjustedHours)
{
    ImportPreview preview;
    preview.changes = rateChanges(before, after, adjustedHours) + fieldChanges(before, after);
    const QString notes = notesChange(before.notizen, after.notizen);
    if (!notes.isEmpty())
        preview.changes << notes;
    preview.totalBefore = before.total();
    preview.totalAfter = after.total();
    return preview;
}

} // namespace fendrimo

#pragma once

#include "profile/basalprofile.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace fendrimo {

// What changed from one saved version of a profile to the next, in words:
// "+0,6 IE; 6 bis 9 Uhr höher, 22 bis 23 Uhr niedriger; Bolus mittags 1,0 → 1,2;
// Notizen geändert". Runs of hours are named by their whole span; "keine
// Änderung" when nothing differs.
QString describeChanges(const ProfileContent& before, const ProfileContent& after);

// What an import will make of the profile, shown before it changes anything.
// One row per run of hours whose rate changes: consecutive hours with the same
// rate before and after, alike in whether the import adjusted them ("4 bis 18
// Uhr: 0,6 → 0,7 IE/h, gerundet oder gemittelt"); then each other field that
// changes. No rows: the import changes nothing.
struct ImportPreview
{
    QStringList changes;
    qint64 totalBefore = 0; // tenths of IE
    qint64 totalAfter = 0;
};

// adjustedHours: the hours (0..23) the import averaged, rounded or raised.
ImportPreview previewImport(const ProfileContent& before, const ProfileContent& after,
                            const QList<int>& adjustedHours);

} // namespace fendrimo

#pragma once

#include "profile/basalprofile.h"

#include <QString>

namespace fendrimo {

// What changed from one saved version of a profile to the next, in words:
// "+0,6 IE; 6 bis 9 Uhr höher, 22 bis 23 Uhr niedriger; Bolus mittags 1,0 → 1,2;
// Notizen geändert". Runs of hours are named by their whole span; "keine
// Änderung" when nothing differs.
QString describeChanges(const ProfileContent& before, const ProfileContent& after);

} // namespace fendrimo

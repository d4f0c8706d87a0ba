#pragma once

#include "files/profilsatz.h"
#include "profile/basalprofile.h"

namespace fendrimo {

// The one way from a profile to its record: fills the fields, leaves the bytes
// no field fills (reserved bolus slots, padding) as the last file read left them.
void storeInRecord(const ProfileContent& content, Profilsatz& record);

// The one way back: the profile a record holds. Only for an openable record.
ProfileContent contentOfRecord(const Profilsatz& record);

// The highest rate as stored.
qint32 highestStoredRate(const Profilsatz& record);

// Whether a record read from a file can be a basal profile: every rate from 0
// to kLargestRate, and no used bolus field longer than its four characters.
// Anything else is some other file, however many bytes it has.
bool isOpenable(const Profilsatz& record);

// The record slot of bolus factor i (0 morgens, 1 mittags, 2 abends).
constexpr int bolusSlot(int index)
{
    return 1 + 3 * index;
}

} // namespace fendrimo

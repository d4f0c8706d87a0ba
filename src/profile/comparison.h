#pragma once

#include "profile/basalprofile.h"

#include <QString>

#include <array>

namespace fendrimo {

// Another profile's rates held beside the one being edited, so that the user
// sees what changed before programming the pump. It is no part of the
// profile: no undo step, no saved state.
struct ProfileReference
{
    enum class Source {
        File,         // a profile file opened for comparing
        Saved,        // the content last saved, loaded or made new; follows saves
        StoredVersion // a version kept in the profile's history
    };

    Source source = Source::File;
    // How the printed legend names it: a file name, "gespeicherte Fassung" or a date.
    QString name;
    HourlyRates rates{};

    qint64 total() const { return dailyTotal(rates); }
};

// "Vergleich: 0,8 IE/h"
QString referenceRateText(qint64 rate);

// The reference's daily total and the signed difference of the profile's:
// "Vergleich: 22,4 IE (+0,6 IE)", "(−0,6 IE)", "(±0 IE)".
QString referenceTotalText(qint64 currentTotal, qint64 referenceTotal);

// Which hours have a rate other than the reference's.
std::array<bool, ProfileContent::Hours> differingHours(const HourlyRates& rates,
                                                       const ProfileReference& reference);

} // namespace fendrimo

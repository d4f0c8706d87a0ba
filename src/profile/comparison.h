#pragma once

#include "profile/basalprofile.h"

#include <QList>
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
    // Autotune: per hour, the days it could not tune that hour.
    std::array<int, ProfileContent::Hours> untunedDays{};
    qint64 total() const { return dailyTotal(rates); }
};

// "Vergleich: 0,8 IE/h"
QString referenceRateText(qint64 rate);

// The reference's daily total and how it differs from the profile's, in
// words that need no sign: "22,4 IE, 0,6 IE mehr als diese Basalrate".
QString referenceTotalText(qint64 currentTotal, qint64 referenceTotal);

// Which hours have a rate other than the reference's.
std::array<bool, ProfileContent::Hours> differingHours(const HourlyRates& rates,
                                                       const ProfileReference& reference);

// A run of consecutive hours that differ from the reference, with the same
// two rates throughout, as the user takes them over.
struct DifferingRun
{
    int first = 0; // hours 0..23
    int last = 0;
    qint32 current = 0;
    qint32 reference = 0;
    int untunedDays = 0; // the most days autotune left any of its hours untuned
    QList<int> hours() const;
};

QList<DifferingRun> differingRuns(const HourlyRates& rates, const ProfileReference& reference);

// "6 bis 9 Uhr: 1,2 → 1,3 IE/h", with "; autotune: 3 Tage ohne Daten" where
// autotune could not tune those hours on some days.
QString differingRunText(const DifferingRun& run);

// The rates with the given hours taken from the reference.
HourlyRates takenRates(HourlyRates rates, const ProfileReference& reference,
                       const QList<int>& hours);

} // namespace fendrimo

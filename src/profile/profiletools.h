#pragma once

#include "profile/basalprofile.h"

#include <QList>
#include <QStringList>

#include <array>

namespace fendrimo {

// All rates changed by a percentage, in whole tenths: rate × percent / 100
// rounded to the nearest tenth, halves up. A rate of 0 stays 0; a rate above 0
// never drops to 0 but keeps at least 0,1 IE/h; a result above the maximum is
// held at the maximum. The hours where either happened are listed, so the user
// is told before anything changes.
struct ScaledRates
{
    HourlyRates rates{};
    QList<int> heldAtMaximum; // hours 0..23
    QList<int> raisedToFloor;
};

ScaledRates scaleRates(const HourlyRates& rates, int percent, qint32 maximum);

// The notices for the user, one per run of hours: "6 bis 8 Uhr: auf die
// höchste einstellbare Rate von 3 IE/h begrenzt.", "2 bis 3 Uhr: auf 0,1 IE/h
// angehoben."
QStringList scaleNotices(const ScaledRates& scaled, qint32 maximum);

// Every rate moved by hours later (earlier when negative), wrapping around
// midnight: at +2 the rate of 6 to 7 Uhr becomes the rate of 8 to 9 Uhr.
HourlyRates shiftRates(const HourlyRates& rates, int hours);

} // namespace fendrimo

#pragma once

// What every exchange reader keeps, whatever it is fed: a profile or an
// error, never both; rates the program can hold; adjusted hours in order.

#include "exchange/exchange.h"
#include "fuzzcheck.h"

#include <QByteArray>

inline void checkOutcome(const fendrimo::ImportOutcome& outcome)
{
    FUZZ_CHECK(outcome.profile.has_value() == outcome.error.isEmpty());
    if (!outcome.profile)
        return;
    for (const qint32 rate : outcome.profile->rates)
        FUZZ_CHECK(rate >= 0 && rate <= 2147483640);
    const QList<int>& hours = outcome.profile->adjustedHours;
    for (qsizetype i = 0; i < hours.size(); ++i) {
        FUZZ_CHECK(hours[i] >= 0 && hours[i] <= 23);
        FUZZ_CHECK(i == 0 || hours[i - 1] < hours[i]);
    }
}

// Rates once read are written and read back unchanged, nothing adjusted.
inline void checkWrittenBack(const fendrimo::HourlyRates& rates,
                             const fendrimo::ImportOutcome& again)
{
    FUZZ_CHECK(again.profile.has_value());
    FUZZ_CHECK(again.profile->rates == rates);
    FUZZ_CHECK(again.profile->adjustedHours.isEmpty());
}

inline QByteArray fuzzInput(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

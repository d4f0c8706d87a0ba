// The Nightscout reader fed any bytes as a profile file: the profile list
// agrees with the read, each named profile reads or is refused cleanly, and
// what was read comes back through the writer: rates and bolus factors.

#include "exchangecheck.h"

#include <QRegularExpression>

#include <cstddef>
#include <cstdint>

using namespace fendrimo;

namespace {

// Empty, or a factor of one decimal from 0.1 to 99.9.
bool fitsBolusField(const QString& text)
{
    static const QRegularExpression factor(QStringLiteral("^[0-9]{1,2}\\.[0-9]$"));
    return text.isEmpty() || (factor.match(text).hasMatch() && text != QLatin1String("0.0"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    const RegionalFormats formats; // "." and dd.MM.yyyy
    const NamedProfiles profiles = nightscoutProfiles(input);
    FUZZ_CHECK(profiles.error.isEmpty() != profiles.names.isEmpty());
    FUZZ_CHECK(profiles.names.isEmpty() ||
               (profiles.preselected >= 0 && profiles.preselected < profiles.names.size()));
    QStringList unique = profiles.names;
    FUZZ_CHECK(unique.removeDuplicates() == 0);
    for (qsizetype i = 1; i < profiles.names.size() && i < 4; ++i) {
        const ImportOutcome named = readNightscout(input, profiles.names[i], formats);
        checkOutcome(named);
        FUZZ_CHECK(!named.profile || named.profile->profileName == profiles.names[i]);
    }

    const ImportOutcome outcome = readNightscout(input, formats);
    checkOutcome(outcome);
    if (!profiles.error.isEmpty())
        FUZZ_CHECK(outcome.error == profiles.error);
    if (!outcome.profile)
        return 0;
    const ImportedProfile& read = *outcome.profile;
    FUZZ_CHECK(read.profileName == profiles.names[profiles.preselected]);
    bool allFactors = read.hasBolus;
    for (const QString& factor : read.bolus) {
        FUZZ_CHECK(fitsBolusField(factor));
        allFactors = allFactors && !factor.isEmpty();
    }

    const ProfileContent content = importedContent(ProfileContent(), read);
    const ExportContext context{QDateTime(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC),
                                QStringLiteral("UTC"), formats};
    const ImportOutcome again = readNightscout(writeNightscout(content, context), formats);
    checkWrittenBack(read.rates, again);
    FUZZ_CHECK(again.profile->hasBolus == allFactors);
    if (allFactors) {
        FUZZ_CHECK(again.profile->bolus == read.bolus);
        // The start date reads back, unless it was the epoch's day.
        FUZZ_CHECK(again.profile->notices.isEmpty() || read.datum == QLatin1String("01.01.1970"));
    }
    return 0;
}

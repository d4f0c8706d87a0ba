// The Tidepool reader fed any bytes: each schedule offered reads or is
// refused cleanly, and what it reads is recognised as Tidepool.

#include "exchange/formats.h"
#include "exchangecheck.h"

using namespace fendrimo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    const NamedProfiles offered = tidepoolSchedules(input);
    FUZZ_CHECK(offered.error.isEmpty() != offered.names.isEmpty());
    for (qsizetype i = 0; i < offered.names.size() && i < 4; ++i) {
        const ImportOutcome read = readTidepool(input, offered.names[i], RegionalFormats());
        checkOutcome(read);
        FUZZ_CHECK(!read.profile || recogniseFormat(input) == ExchangeFormat::Tidepool);
    }
    return 0;
}

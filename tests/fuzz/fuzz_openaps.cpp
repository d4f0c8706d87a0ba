// The OpenAPS reader fed any bytes, as a basal profile or an autotune result:
// a clean profile or error, and the rates read come back through the writer.

#include "exchangecheck.h"

#include <cstddef>
#include <cstdint>

using namespace fendrimo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ImportOutcome outcome = readOpenAps(fuzzInput(data, size), RegionalFormats());
    checkOutcome(outcome);
    if (outcome.profile) {
        FUZZ_CHECK(outcome.profile->profileName.isEmpty());
        checkWrittenBack(outcome.profile->rates,
                         readOpenAps(writeOpenAps(outcome.profile->rates), RegionalFormats()));
    }
    return 0;
}

// The table reader fed any bytes as a CSV file: a clean profile or error,
// and the rates read come back through the writer.

#include "exchangecheck.h"

#include <cstddef>
#include <cstdint>

using namespace fendrimo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ImportOutcome outcome = readCsv(fuzzInput(data, size));
    checkOutcome(outcome);
    if (outcome.profile)
        checkWrittenBack(outcome.profile->rates, readCsv(writeCsv(outcome.profile->rates)));
    return 0;
}

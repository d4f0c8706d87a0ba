// The reader of Dexcom Clarity's CSV export fed any bytes, directly and through the one
// flow that recognises glucose exports: glucosecheck.h says what holds.

#include "glucosecheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return glucosefuzz::fuzzReader(fendrimo::GlucoseFormat::Clarity, data, size);
}

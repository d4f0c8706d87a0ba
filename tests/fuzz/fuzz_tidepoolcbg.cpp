// The reader of Tidepool's data export (JSON) fed any bytes, directly and through the one
// flow that recognises glucose exports: glucosecheck.h says what holds.

#include "glucosecheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return glucosefuzz::fuzzReader(fendrimo::GlucoseFormat::TidepoolCbg, data, size);
}

// The small shared records: texts, integer pairs, stage results (with the
// older layout before version 759), hero carry-over.
#include "FuzzCheck.h"

#include "foundation/SmallRecords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzRecordRoundTrip<cEdString>(data, size);
    FuzzRecordRoundTrip<cEdIntPair>(data, size);
    FuzzRecordRoundTrip<cStageResult>(data, size);
    FuzzRecordRoundTrip<cHeroCarry>(data, size);
    return 0;
}

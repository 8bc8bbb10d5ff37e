// Ranking files and the replay recorder's stored part.
#include "FuzzCheck.h"

#include "project/RankSet.h"
#include "project/Replay.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzRecordRoundTrip<cRankSet>(data, size);
    FuzzRecordRoundTrip<cReplay>(data, size);
    return 0;
}

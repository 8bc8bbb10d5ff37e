// Stage files: settings, switches, parameter groups, the stage's palette,
// placements that inherit from it or from the common palette, backgrounds,
// texts and the end marker, in every version's layout.
#include "FuzzCheck.h"

#include "project/CommonPalette.h"
#include "project/Stage.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    BindPalettesToDefaultContext();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzRecordRoundTrip<cStage>(data, size);
    return 0;
}

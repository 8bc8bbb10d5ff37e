// data\CommonPalette.cplt4: block, character (with flows and commands) and
// item definitions.
#include "FuzzCheck.h"

#include "project/CommonPalette.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzRecordRoundTrip<cCommonPalette>(data, size);
    return 0;
}

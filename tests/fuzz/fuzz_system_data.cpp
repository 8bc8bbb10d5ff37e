// data\System.dat of every version, with its upgrades, padding and checks.
#include "FuzzCheck.h"

#include "project/SystemData.h"

namespace {
std::uint32_t ThreeBgmRecords() {
    return 3;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    cSystemData::BgmRecordCount = ThreeBgmRecords;
    FuzzRecordRoundTrip<cSystemData>(data, size);
    return 0;
}

// user_data\Option.dat, and the small records inside System.dat read alone:
// System.ini keys, status displays, ranking flag lists, menu items.
#include "FuzzCheck.h"

#include "project/Gauge.h"
#include "project/IniKey.h"
#include "project/OptionData.h"
#include "records/Cmd.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (FuzzRecordRoundTrip<cOptionData>(data, size)) {
        cOptionData o;
        o.LoadFromBytes(std::vector<std::uint8_t>(data, data + size));
        FuzzRequire(o.nPalette >= 0 && o.nPalette <= kMaxPaletteNumber, "palette number out of range");
        FuzzRequire(o.nVolume >= 0 && o.nVolume <= kMaxVolumeLevel, "volume level out of range");
        FuzzRequire(o.nRankingMode >= 0 && o.nRankingMode <= kMaxRankingMode, "ranking mode out of range");
    }
    FuzzRecordRoundTrip<cIniKey>(data, size);
    FuzzRecordRoundTrip<cGauge>(data, size);
    FuzzRecordRoundTrip<cFlagList>(data, size);
    FuzzRecordRoundTrip<cCmd>(data, size);
    return 0;
}

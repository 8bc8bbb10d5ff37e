// The project's System.dat (every version, with its upgrades and padding) and
// the player's Option.dat (with its clamps).
#include "FuzzCheck.h"

#include "project/Database.h"
#include "project/OptionData.h"
#include "project/ScreenWords.h"
#include "project/SystemData.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The music-number check on saving compares against the Bgm database.
    Database.Bgm.resize(3);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (FuzzRecordRoundTrip<cSystemData>(data, size)) {
        cSystemData d;
        d.LoadFromBytes(std::vector<std::uint8_t>(data, data + size));
        FuzzRequire(d.Words.size() >= kScreenWordCount && d.IniKeys.size() >= kIniKeyCount &&
                        d.Gauges.size() >= kGaugeCount && d.RankingFlags.size() >= kGameModeCount,
                    "a loaded System.dat has a short table");
    }
    if (FuzzRecordRoundTrip<cOptionData>(data, size)) {
        cOptionData o;
        o.LoadFromBytes(std::vector<std::uint8_t>(data, data + size));
        FuzzRequire(o.nVolume >= 0 && o.nVolume <= kMaxVolumeLevel && o.nRankingMode >= 0 &&
                        o.nRankingMode <= kMaxRankingMode && o.nPalette >= 0 &&
                        o.nPalette <= kMaxPaletteNumber,
                    "a loaded Option.dat value is out of range");
    }
    return 0;
}

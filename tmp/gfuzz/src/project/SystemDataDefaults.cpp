// The settings of a new project, and the padding of loaded tables to the
// lengths the program indexes them by.
#include "project/ScreenWords.h"
#include "project/SystemData.h"

#include <algorithm>

namespace {

constexpr std::size_t kCarriedByDefault[] = {0, 1, 13, 14, 16, 17, 19, 20, 21};
constexpr std::size_t kClearedByDefault[] = {11, 12};

struct GaugeDefault {
    const char* label;
    std::int32_t digits;
};
const GaugeDefault kGaugeDefaults[kGaugeCount] = {
    {"\203\130\203\122\203\101", 4}, {"\203\130\203\122\203\101", 3}, {"HP", 0}, {"SP", 0}, {"\220\154", 2}};

constexpr std::int32_t kDefaultStartLives[kGameModeCount] = {5, 5, 5, 99};

cGauge DefaultGauge(std::size_t i) {
    cGauge gauge;
    gauge.bEnabled = 1;
    gauge.bIcon = 1;
    gauge.Label = kGaugeDefaults[i].label;
    gauge.nDigits = kGaugeDefaults[i].digits;
    return gauge;
}

cFlagList DefaultFlagList(std::size_t i) {
    cFlagList list;
    const std::uint8_t on = i < 3 ? 1 : 0;
    list.bSwitch = on;
    list.Flags.assign(kRankingTableCount, on);
    return list;
}

// Brings a vector up to n entries, the new entry i made by make(i); longer vectors keep their entries.
template <class T, class Make> void PadTo(cVector<T>& v, std::size_t n, Make make) {
    for (std::size_t i = v.size(); i < n; ++i) v.push_back(make(i));
}

} // namespace

void cSystemData::SetDefaults() {
    Reset();
    nExtraLifeStep = 100;
    bDrawWorldSwitch = 1;
    nTextSettingA = 0;
    nFontNumber = 60;
    bReplay = 1;
    bTitleSwitch = 1;
    bRestoreA = 1;
    bRestoreC = 1;
    bPauseMenuC = 1;
    bPauseMenuA = 1;
    bPauseMenuB = 1;
    bRestoreB = 1;
    nFlashPeriod = 16;

    CarryFlags.assign(kCarryItemCount, 0);
    for (std::size_t i : kCarriedByDefault) CarryFlags.At(static_cast<std::int64_t>(i)) = 1;
    ClearCarryFlags.assign(kCarryItemCount, 0);
    for (std::size_t i : kClearedByDefault) ClearCarryFlags.At(static_cast<std::int64_t>(i)) = 1;

    Gauges.clear();
    PadTo(Gauges, kGaugeCount, DefaultGauge);
    RankingFlags.clear();
    PadTo(RankingFlags, kGameModeCount, DefaultFlagList);

    SetDefaultMenu(TitleMenu, kDefaultTitleMenu, kTitleMenuCount);
    SetDefaultMenu(SaveMenu, kDefaultSaveMenu, kSaveMenuCount);
    SetDefaultMenu(OptionMenu, kDefaultOptionMenu, kOptionMenuCount);
    SetDefaultWords(RankingModeNames, kDefaultRankingModeNames, kRankingModeCount);

    bWorldMapSwitchA = 1;
    bContinue = 1;
    bWorldMapSwitchB = 1;
    nChallengeStages = 40;
    bChallengeCount = 1;

    StartLives.assign(std::begin(kDefaultStartLives), std::end(kDefaultStartLives));
    UnlimitedLives.assign(kGameModeCount, 1);

    bWorldMapSwitchC = 1;
    bSaveScreenSwitch = 1;
    bChallengeSwitchA = 1;
    bChallengeSwitchB = 1;

    SetDefaultWords(Words, kDefaultScreenWords, kScreenWordCount);
    SystemSounds.assign(kSystemSoundCount, std::string());
    ScreenMusic.assign(kScreenMusicCount, 0);
    ScreenMusicFlags.assign(kScreenMusicCount, 1);
    SetDefaultIniKeys(IniKeys);

    nDepthSecond = 0;
    nDepthFirst = 2;
}

void cSystemData::PadSections() {
    PadTo(CarryFlags, kCarryItemCount, [](std::size_t) { return std::uint8_t{0}; });
    PadTo(ClearCarryFlags, kCarryItemCount, [](std::size_t) { return std::uint8_t{0}; });
    PadTo(Gauges, kGaugeCount, DefaultGauge);
    PadTo(RankingFlags, kGameModeCount, DefaultFlagList);
    for (cFlagList& list : RankingFlags)
        PadTo(list.Flags, kRankingTableCount, [](std::size_t) { return std::uint8_t{0}; });
    PadMenu(TitleMenu, kDefaultTitleMenu, kTitleMenuCount);
    PadMenu(SaveMenu, kDefaultSaveMenu, kSaveMenuCount);
    PadMenu(OptionMenu, kDefaultOptionMenu, kOptionMenuCount);
    PadWords(RankingModeNames, kDefaultRankingModeNames, kRankingModeCount);
    PadTo(StartLives, kGameModeCount, [](std::size_t i) { return kDefaultStartLives[i]; });
    PadTo(UnlimitedLives, kGameModeCount, [](std::size_t) { return std::int32_t{1}; });
    PadWords(Words, kDefaultScreenWords, kScreenWordCount);
    PadTo(SystemSounds, kSystemSoundCount, [](std::size_t) { return std::string(); });
    PadTo(ScreenMusic, kScreenMusicCount, [](std::size_t) { return std::int32_t{0}; });
    PadTo(ScreenMusicFlags, kScreenMusicCount, [](std::size_t) { return std::uint8_t{1}; });
    PadIniKeys(IniKeys);
}

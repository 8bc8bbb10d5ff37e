// The stage's registered fields by file version, its defaults, the values
// older files get for the fields they lack, and the level arithmetic.
#include "project/Stage.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

template <std::size_t N> void SetWords(std::int32_t (&dst)[N], std::initializer_list<std::int32_t> values) {
    std::copy(values.begin(), values.end(), dst);
}

// `factor` x `l`, held at the largest int where a level far beyond any real
// stage would overflow it.
std::int32_t Times(std::int32_t factor, std::int32_t l) {
    const std::int64_t v = static_cast<std::int64_t>(factor) * l;
    return static_cast<std::int32_t>(std::min<std::int64_t>(v, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

void cStage::RegisterFields(std::uint32_t v) {
    ClearFields();
    // A group of words is stored as one field per word (the file's field
    // count counts each); a double is one field of two words.
    auto AddWords = [this](auto& words) {
        for (std::int32_t& w : words) AddInt(&w);
    };
    AddString(&strText);
    AddInt(&nMapWidth);
    AddWords(nWords2);
    AddInt(&nMapHeight);
    AddInt(&bScrollMinX);
    AddInt(&bScrollMaxX);
    AddInt(&bScrollMinY);
    AddInt(&bScrollMaxY);
    AddInt(&nScrollMinX);
    AddInt(&nScrollMaxX);
    AddInt(&nScrollMinY);
    AddInt(&nScrollMaxY);
    AddInt(&nFps);
    AddInt(&bTimeLimit);
    AddInt(&nTimeLimit);
    AddInt(&nTimeWarning);
    AddInt(&bAutoScrollX);
    AddInt(&bAutoScrollY);
    AddInt(&nAutoScrollSpeedX);
    AddInt(&nAutoScrollSpeedY);
    AddInt(&dAccel, 2);
    AddInt(&nLevel);
    AddInt(&nAttackSteps);
    AddInt(&nBgm);
    if (v >= 166) AddInt(&bBgmLoop);
    if (v >= 199) AddInt(&bBgmKeep);
    AddWords(nWords27);
    if (v >= 183) AddInt(&nWordB);
    if (v >= 184) AddInt(&nWordA);
    AddInt(&bOnScreenCollide);
    if (v >= 225) AddInt(&bObjectLayers);
    AddWords(nWords34);
    if (v >= 200) AddWords(nHeroHitSize);
    AddWords(nHeroSizeP);
    if (v >= 155) AddWords(nHeroSizeP2);
    AddWords(nHeroSizeMode3);
    if (v >= 200) AddWords(bHeroHitBottom);
    if (v >= 155) AddWords(bHeroSizeFlags);
    if (v >= 200) AddInt(&bAttackRestrict);
    AddWords(nWords53);
    if (v >= 200) AddInt(&nFallAllowance);
    AddWords(nWords57);
    if (v >= 200) AddWords(nCharaHitSize);
    AddWords(nCharaSizeQ);
    if (v >= 155) AddWords(nCharaSizeQ2);
    AddWords(nWords68);
    if (v >= 200) AddWords(bCharaHitBottom);
    if (v >= 155) AddWords(bCharaSizeFlags);
    AddWords(nWords74);
    AddWords(nViewWords);
    AddInt(&nSubSteps);
    AddInt(&dSubSteps, 2);
    AddInt(&dSubSteps2, 2);
    AddInt(&dSpeedCap, 2);
    AddInt(&dAccelStep, 2);
    AddInt(&dSpeedStep, 2);
    AddInt(&nJumpSteps);
    AddInt(&nCharaOption);
    AddWords(nFrameCounts);
}

void cStage::Init() {
    Reset();
    Blocks.clear();
    Charas.clear();
    Items.clear();
    PaletteBlocks.assign(1, cEdBlock());
    PaletteCharas.assign(1, cEdChara());
    PaletteItems.assign(1, cEdItem());

    nFps = 60;
    nTimeLimit = 200;
    nTimeWarning = 20;
    dAccel = 0.4;
    nLevel = 10;
    SetWords(nWords27, {1, 0, 0});
    nWordB = 1;
    bObjectLayers = 1;
    SetWords(nWords34, {1, 1});
    SetWords(nHeroHitSize, {16, 24, 16, 16});
    SetWords(nHeroSizeP, {16, 24});
    SetWords(nHeroSizeP2, {16, 16});
    SetWords(nHeroSizeMode3, {12, 8, 16, 16});
    SetWords(bHeroHitBottom, {1, 0});
    SetWords(bHeroSizeFlags, {1, 0});
    SetWords(nCharaHitSize, {16, 24, 16, 16});
    SetWords(nCharaSizeQ, {12, 24});
    SetWords(nCharaSizeQ2, {12, 16});
    SetWords(nWords68, {30, 30});
    SetWords(bCharaHitBottom, {1, 0});
    SetWords(bCharaSizeFlags, {1, 0});
    SetWords(nWords74, {28, 28, 16, 16, 16, 16, 16, 16, 16, 16, 1});
    nCharaOption = 1;
    SetWords(nFrameCounts, {30, 0, 30, 0});
    SetLevel(nLevel);

    Backgrounds.assign(1, cEdBackground());
    Backgrounds[0].Reset();
    Backgrounds[0].Fill = 1;
    Texts.clear();
    Switches.assign(5, 1);
    Params1.Set(0, 0, 0, 0, 0, 0, 0, 0);
    Params2.Set(0, 0, 0, 0, 0, 0, 0, 0);
    Params3.Set(0, 0, 0, 0, 0, 0, 0, 0);
    Params4.Set(1, 1, 1, 1, 0, 0, 0, 0);
    Params5.Set(1, 1, 1, 1, 10, 10, 10, 10);
}

void cStage::CopySettingsFrom(cStage& source) {
    CopyFrom(source);
    Backgrounds = source.Backgrounds;
    Texts = source.Texts;
    Params1 = source.Params1;
    Params2 = source.Params2;
    Params3 = source.Params3;
    Params4 = source.Params4;
    Params5 = source.Params5;
    Switches = source.Switches;
}

void cStage::SetLevel(std::int32_t level) {
    nLevel = level;
    const bool fixedCap = level >= 11 && level <= 19;
    std::int32_t l = fixedCap ? level - 10 : level;
    // A level below 1 would divide by zero; every level above runs as many
    // sub-steps as it says.
    l = std::max(l, 1);
    nSubSteps = l;
    dSubSteps = l;
    nSpeedCapInt = Times(6, l);
    dSubSteps2 = static_cast<double>(l) * l;
    dSpeedCap = fixedCap ? 60.0 : 6.0 * l;
    dSpeedStep = dSpeedCap / l;
    nJumpSteps = Times(8, l);
    dAccelStep = dAccel / (static_cast<double>(l) * l);
}

void cStage::ApplyOlderDefaults(std::uint32_t v) {
    if (v < 155) {
        std::memcpy(nHeroSizeP2, nHeroSizeP, sizeof nHeroSizeP2);
        std::memcpy(nCharaSizeQ2, nCharaSizeQ, sizeof nCharaSizeQ2);
        SetWords(bHeroSizeFlags, {0, 0});
        SetWords(bCharaSizeFlags, {0, 0});
    }
    if (v < 166) bBgmLoop = 1;
    if (v < 181) {
        Switches.resize(5, 0);
        Switches[3] = 0;
        Switches[4] = 0;
    }
    if (v < 183) nWordB = 1;
    if (v < 184) nWordA = 0;
    if (v < 199) bBgmKeep = 0;
    if (v < 200) {
        SetWords(nHeroHitSize, {16, 24, 16, 16});
        SetWords(bHeroHitBottom, {1, 0});
        bAttackRestrict = 0;
        nFallAllowance = 5;
        SetWords(nCharaHitSize, {16, 30, 16, 30});
        SetWords(bCharaHitBottom, {1, 1});
    }
    if (v < 208) nUnstoredWord = 0;
    if (v < 225) bObjectLayers = 0;
    if (v < 754) Texts.resize(1000);
}

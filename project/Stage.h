// One stage of the project: map size and view, play settings, the stage's own
// palette of block, character and item definitions, the placements, the
// background layers and the texts. `Stage` is the stage being played;
// `ReplayStage` keeps its settings as they were at the start of the attempt.
#pragma once

#include "foundation/SaveData.h"
#include "foundation/SmallRecords.h"
#include "records/EdBackground.h"
#include "records/EdBlock.h"
#include "records/EdChara.h"
#include "records/EdItem.h"
#include "records/StageParams.h"

#include <cstdint>
#include <string>

struct cPaletteTables;

// The last word of every stage file from version 173 on.
constexpr std::uint32_t kStageEndMarker = 123456789;

class cStage : public cRecord<cStage> {
public:
    // Registered fields, in file order. Groups of words whose meaning belongs
    // to stage play and the characters are named by their place in the record.
    std::int32_t nMapWidth = 0;
    std::int32_t nWords2[2] = {};
    std::int32_t nMapHeight = 0;
    std::int32_t bScrollMinX = 0, bScrollMaxX = 0, bScrollMinY = 0, bScrollMaxY = 0;
    std::int32_t nScrollMinX = 0, nScrollMaxX = 0, nScrollMinY = 0, nScrollMaxY = 0;
    std::int32_t nFps = 60;
    std::int32_t bTimeLimit = 0;
    std::int32_t nTimeLimit = 200;
    std::int32_t nTimeWarning = 20; // the countdown warns at this many seconds left
    std::int32_t bAutoScrollX = 0, bAutoScrollY = 0;
    std::int32_t nAutoScrollSpeedX = 0, nAutoScrollSpeedY = 0;
    double dAccel = 0.4;
    std::int32_t nLevel = 10;
    std::int32_t nAttackSteps = 0; // sub-steps per frame in which attacks hit; 0 every one
    std::int32_t nBgm = 0;
    std::int32_t bBgmLoop = 0;            // from 166: the loop flag passed with the stage's music request
    std::int32_t bBgmKeep = 0;            // from 199: 1: no new request when nBgm already plays
    std::int32_t nWords27[3] = {1, 0, 0}; // the first ready caption, carry the hero, skip the clear display
    std::int32_t nWordB = 1;              // from 183 (the second ready caption); stored before word A
    std::int32_t nWordA = 0;              // from 184
    std::int32_t bOnScreenCollide = 0;    // 1: only objects on screen collide
    std::int32_t bObjectLayers = 1;       // from 225: objects are drawn in 8 layers by z
    std::int32_t nWords34[2] = {1, 1};
    std::int32_t nHeroHitSize[4] = {16, 24, 16, 16}; // from 200: walking w, h, then flying w, h
    std::int32_t nHeroSizeP[2] = {16, 24};           // the walking mode's pair
    std::int32_t nHeroSizeP2[2] = {16, 16};          // from 155: the flying mode's pair
    std::int32_t nHeroSizeMode3[4] = {12, 8, 16, 16};
    std::int32_t bHeroHitBottom[2] = {1, 0}; // from 200: walking, flying box on the cell bottom
    std::int32_t bHeroSizeFlags[2] = {1, 0}; // from 155: with P, with P'
    std::int32_t bAttackRestrict = 0;        // from 200: attacks hit only in the marked sub-steps
    std::int32_t nWords53[3] = {};
    std::int32_t nFallAllowance = 0; // from 200: sub-steps without floor before a character is off the ground
    std::int32_t nWords57[3] = {};
    std::int32_t nCharaHitSize[4] = {16, 24, 16, 16}; // from 200
    std::int32_t nCharaSizeQ[2] = {12, 24};
    std::int32_t nCharaSizeQ2[2] = {12, 16}; // from 155
    std::int32_t nWords68[2] = {30, 30};
    std::int32_t bCharaHitBottom[2] = {1, 0}; // from 200
    std::int32_t bCharaSizeFlags[2] = {1, 0}; // from 155
    std::int32_t nWords74[11] = {28, 28, 16, 16, 16, 16, 16, 16, 16, 16, 1};
    std::int32_t nViewWords[2] = {}; // read when the view is set up
    // The level's values (SetLevel).
    std::int32_t nSubSteps = 10;
    double dSubSteps = 10;
    double dSubSteps2 = 100;
    double dSpeedCap = 60;
    double dAccelStep = 0.004;
    double dSpeedStep = 6;
    std::int32_t nJumpSteps = 80;
    std::int32_t nCharaOption = 1;                 // above 0: characters built with option 2
    std::int32_t nFrameCounts[4] = {30, 0, 30, 0}; // times nSubSteps where used
    std::string strText;

    // Not stored.
    std::int32_t nSpeedCapInt = 60;
    std::int32_t nUnstoredWord = 0; // cleared when a file older than 208 is loaded
    std::string strPath;
    std::int32_t bFoundFile = 0;
    std::int32_t bLoaded = 0;

    cVector<cEdBlock> Blocks;
    cVector<cEdChara> Charas;
    cVector<cEdItem> Items;
    cVector<cEdBlock> PaletteBlocks;
    cVector<cEdChara> PaletteCharas;
    cVector<cEdItem> PaletteItems;
    cVector<cEdBackground> Backgrounds;
    cVector<cEdString> Texts;
    cVector<std::int32_t> Switches;
    cStageParams Params1, Params2, Params3, Params4, Params5;

    cStage();
    void Init();
    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;
    // The stage file layout without its version: the settings, switches,
    // parameter groups, backgrounds and texts of `start`, with the palette
    // and placement tables of this stage. Normalises this stage first.
    void SaveForReplay(cRecordFile& file, cStage& start);
    void Normalize();
    void SetLevel(std::int32_t level);
    // Every setting of `source` (fields, switches, parameter groups,
    // backgrounds, texts); the palette and placement tables stay.
    void CopySettingsFrom(cStage& source);

    // Index of the first character placement that is a hero and not disabled; -1 when none.
    std::int32_t FindHero() const;
    bool HasHero() const { return FindHero() != -1; }

    // The tables of this stage's palette, as the record context hands them out.
    void Palette(cPaletteTables& out) const;

private:
    void ApplyOlderDefaults(std::uint32_t version);
    void SaveSettings(cRecordFile& file);
    void SaveTables(cRecordFile& file);
    void SaveLayersAndTexts(cRecordFile& file);
    void ClampTableRefs();
    cStageParams* ParamGroups(int i);
};

extern cStage Stage;       // the stage being played
extern cStage ReplayStage; // its settings at the start of the attempt

// Playback of character and screen effects: one runtime entry per database
// record and facing, built once after loading, and the playing states that a
// character or the play scene keeps while an effect runs. One tick is 1/60 s;
// an effect's time p1 is in tenths of a second, so it lasts p1 * 6 ticks.
#pragma once

#include "foundation/Containers.h"
#include "records/CharaEffect.h"

#include <cstdint>

// Direction modes of the effect commands.
enum : std::int32_t { EFFECT_NORMAL = 0, EFFECT_REVERSED = 1, EFFECT_THERE_AND_BACK = 2 };

struct cCharaEffectData {
    std::int16_t nIndex = 0;
    const cCharaEffect* lpRecord = nullptr; // the database record (or its working copy for the left table)
    // The kind and parameters as this entry plays them: the mirrored entry has
    // p2 and p3 exchanged here, leaving the records themselves untouched.
    std::int32_t nKind = 0;
    std::int32_t nParam[cEffectKindRecord::kParamCount] = {};
    std::int32_t nStart = 0;
    std::int32_t nEnd = 0;
    double dValue = 0;
    double dStep = 0;    // change per tick
    double dElapsed = 0; // for effects that run on time alone
    std::int32_t nTime = 0;
    std::int32_t nWork[2] = {}; // the renderers' own (wave phase and the like)

    void Init(const cVector<cCharaEffect>& records, std::int32_t index, bool mirrored);
};

struct cScrEffectData {
    std::int16_t nIndex = 0;
    const cScrEffect* lpRecord = nullptr;
    std::int32_t nKind = 0;
    std::int32_t nParam[cEffectKindRecord::kParamCount] = {};
    double dValue = 0;
    std::int32_t nWork[2] = {};
    double dStep = 0;
    std::int32_t nMove[2] = {}; // the moving start point of "移動", zero otherwise
    std::int32_t bTimeOnly = 0;
    double dElapsed = 0;
    std::int32_t nTime = 0;

    void Init(const cVector<cScrEffect>& records, std::int32_t index, bool mirrored);
};

using CharaEffectTable = cVector<cCharaEffectData>;
using ScrEffectTable = cVector<cScrEffectData>;

extern CharaEffectTable CharaEffectTableR;
extern CharaEffectTable CharaEffectTableL;
extern ScrEffectTable ScrEffectTableR;
extern ScrEffectTable ScrEffectTableL;

// Right entries from the records, mirrored ones from the working copies. The
// records are only read, so building again gives the same tables.
void BuildCharaEffectTables(const cVector<cCharaEffect>& records, const cVector<cCharaEffect>& work,
                            CharaEffectTable& right, CharaEffectTable& left);
void BuildScrEffectTables(const cVector<cScrEffect>& records, const cVector<cScrEffect>& work,
                          ScrEffectTable& right, ScrEffectTable& left);

class cCharaEffectState {
public:
    std::int32_t nIndex = 0;
    std::int32_t nMode = EFFECT_NORMAL;
    std::int32_t bLoop = 0;
    std::int32_t nFacing = 0; // 0 plays the right entry, 1 the left
    std::int32_t nCounter = 0;
    cCharaEffectData Data;

    void Start(std::int32_t index, std::int32_t mode, std::int32_t loop);
    void Restart();
    // One tick: 1 when the effect has finished, else 0.
    int Step();
};

class cScrEffectState {
public:
    std::int32_t nIndex = 0;
    std::int32_t nMode = EFFECT_NORMAL;
    std::int32_t bLoop = 0;
    std::int32_t nFacing = 0;
    std::int32_t nCounter = 0;
    cScrEffectData Data;

    void Start(std::int32_t index, std::int32_t mode, std::int32_t loop);
    void Restart();
    // Stops the effect: index, mode, loop flag, facing and counter become 0.
    void Clear();
    // One tick moving the value from `from` towards `to` by `delta`: 1 when finished.
    int Step(std::int32_t from, std::int32_t to, double delta);
};

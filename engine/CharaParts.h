// Small records a character keeps: links to other characters, per-attacker
// immunity, the HP and SP gauge animations, queued animations and the
// per-character drawing state.
#pragma once

#include "graphics/AnimeState.h"
#include "records/EffectPlayback.h"

#include <cstdint>

class cChara;

// A reference another character holds to this one: slot 0 to 3 for its
// target 1 to 4, slot 4 for its parent.
struct cCharaLink {
    cChara* lpChara = nullptr;
    std::int32_t nSlot = 0;
    bool operator==(const cCharaLink&) const = default;
};
constexpr std::int32_t kParentSlot = 4;
constexpr int kTargetSlots = 4;

inline bool IsSameLink(const cCharaLink& a, const cCharaLink& b) {
    return a == b;
}

// An attacker this character is immune to for a while.
struct cImmunity {
    std::int32_t nId = 0;
    std::int32_t nLeft = 0; // sub-steps
};

// The animation of a change of HP or SP above the character.
struct cCharaGauge {
    std::int32_t nFrames = 0; // frames left to show
    double dChange = 0;       // change still shown: positive a loss, negative a gain
    double dStep = 0;         // the change's decrease per frame
    std::int32_t nWidth = 0;  // filled width in pixels
};

// An animation queued on a character by a flow (drawn over its own).
struct cQueuedAnime {
    cAnimeState Anime;
    std::int32_t bPriority = 0;
    std::int32_t nCounter = 0;
    std::int32_t bPaused = 0;
    std::int32_t nFlowTag = 0; // serial of the flow that queued it
};

// What drawing a character keeps between frames: its active chara effect
// and the effect's phase, the hidden and pinned-position switches and the
// defeat timer.
struct cCharaDrawState {
    std::int16_t sEffect = 0;                   // active CharaEffect index, 0 none
    const cCharaEffectData* lpEffect = nullptr; // its runtime entry
    cCharaEffectState Effect;
    std::int32_t nPhase = 0;
    std::int32_t bToggle = 0;
    std::int32_t bHidden = 0;
    std::int32_t bPinX = 0, bPinY = 0;
    std::int32_t nPinX = 0, nPinY = 0;
    std::int32_t nDefeatTimer = 0; // frames since defeat when no effect is set
};

// A sub-rectangle of a character (hit ranges): offset and size at the current
// unit scale and at scale 1, and its extent in stage pixels.
struct cSubRect {
    std::int32_t nX = 0, nY = 0, nW = 0, nH = 0;
    std::int32_t nBaseX = 0, nBaseY = 0, nBaseW = 0, nBaseH = 0;
    double dLeft = 0, dTop = 0, dRight = 0, dBottom = 0;

    void Rescale(std::int32_t scale) {
        nX = nBaseX * scale;
        nY = nBaseY * scale;
        nW = nBaseW * scale;
        nH = nBaseH * scale;
    }
    void Set(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
        nX = nBaseX = x;
        nY = nBaseY = y;
        nW = nBaseW = w;
        nH = nBaseH = h;
    }
};

// A display entry drawn with the hero over one of its rectangles (32 bytes).
struct cDisplayEntry {
    std::int32_t nRect = 0;     // 0 the main rectangle, 1..3 a sub-rectangle
    std::int32_t nValue = 0;    // the stage setting value
    std::uint32_t dwColour = 0; // from the fixed colour table
    std::int32_t nOrderA = 0;   // the entries are drawn by nOrderA * nOrderB, larger first
    std::int32_t nOrderB = 0;
    std::int32_t nReserved[3] = {};
};

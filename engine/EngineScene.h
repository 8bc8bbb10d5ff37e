// What the character engine needs of the play scene that hosts it. Stage play
// implements cEngineScene; the engine reaches the installed one through
// EngineScene(). Until stage play installs its scene a null scene is in effect:
// empty lists, every request ignored, no block solid.
//
// The scene's plain data (the current character and flow, the lists, the
// flags, the stage variables, the scroll axes) is one cSceneState that the
// implementation owns and hands out through State(); the engine reads and
// writes it directly, so a sub-step does not pay a call per field. Requests
// that need stage play's own objects (effects, messages, shots, sounds, the
// block grid) are the virtual operations.
#pragma once

#include "engine/StageObjects.h"
#include "foundation/Containers.h"
#include "foundation/PauseJob.h"
#include "foundation/Rect.h"
#include "platform/Seam.h"
#include "records/EffectPictureState.h"

#include <array>
#include <cstdint>
#include <string>

class cChara;
class cNpcChara;
class cHeroChara;
class cFlow;
class cFlowCommand;
class cEdCommand;
class cEdShot;

constexpr int kFactionCount = 8;

// An effect object to put on the stage: the Effect record, the top-left
// corner in stage pixels, the drawn size, whether it is drawn scaled, and
// whether it keeps playing while it holds the game.
struct cEffectPlacement {
    std::int16_t sEffect = 0;
    double dX = 0, dY = 0;
    std::int32_t nWidth = 0, nHeight = 0;
    std::int32_t bScaled = 0;
    std::int32_t bStop = 0;
};

// What a message window is set up with (a text message, window kind 1).
struct cMessageArgs {
    std::string strText;
    std::int32_t nPlace = 0;
    std::int32_t nX = 0, nY = 0;             // blocks
    std::int32_t nOffsetX = 0, nOffsetY = 0; // pixels
    std::int32_t bKeepOnScreen = 0;
    std::int32_t bFixed = 0;
    std::int32_t nTimeMode = 0;
    std::int32_t nFrames = 0;
    std::int32_t bStop = 0;
    std::int32_t nAnchor = 0; // object number the window follows, 0 none
    std::int32_t bContinues = 0;
    std::int32_t bControlCodes = 0;
    std::int32_t bRefresh = 0;
    std::int32_t nRefreshInterval = 0;
    std::int32_t bBox = 0;
    std::int32_t bIdSwitch = 0;
    std::int32_t nId = 0;
};

// One scroll axis of the play scene. Coordinates are stage pixels.
struct cScroll {
    double dPos = 0;              // stage coordinate of the view's left (top) edge
    double dAreaFirst = 0;        // first coordinate the view may show
    double dAreaLast = 0;         // end of what the view may show (first coordinate past it)
    double dOuterFirst = 0;       // the wider area objects may reach before they count as out
    double dOuterLast = 0;        // its end, likewise
    std::int32_t nExtent = 0;     // stage width (height) in pixels
    std::int32_t nViewSize = 640; // 640 for x, 480 for y
    std::int32_t bAuto = 0;       // the view scrolls by itself
    double dAutoSpeed = 0;        // pixels per sub-step while it does
    std::int32_t bFixed = 0;      // the axis carries no speed
    std::int32_t bViewFixed = 0;  // the hero does not move the view on this axis

    // The speed an object following the auto-scroll is carried by.
    double CarrySpeed() const { return bFixed ? 0.0 : dAutoSpeed; }
    // The scroll position kept within the area.
    double ClampPos(double pos) const {
        const double last = dAreaLast - nViewSize;
        if (pos > last) pos = last;
        if (pos < dAreaFirst) pos = dAreaFirst;
        return pos;
    }
};

// The play scene's data that the engine reads and writes.
struct cSceneState {
    cSceneState();
    ~cSceneState();
    cSceneState(const cSceneState&) = delete;
    cSceneState& operator=(const cSceneState&) = delete;

    // Set only while a character's flows run or start (see cChara::RunFlows).
    cChara* pCurChara = nullptr;
    cFlow* pCurFlow = nullptr;
    cFlowCommand* pCurCommand = nullptr;

    std::int32_t nDefeatCheck = 0;  // another character's hp dropped below 1 in this run
    std::int32_t nQuit = 0;         // the main window closes while the pause thread runs
    std::int32_t nDeferRemoval = 0; // shot lists are being walked: mark, do not erase
    std::int32_t bShotMarked = 0;   // a live shot may carry its removal mark (MarkShotRemoved)
    std::int32_t bCharaMarked = 0;  // a live character may carry its removal mark (MarkCharaRemoved)
    std::int32_t nObjectSerial = 0; // id of the next new stage object
    std::int32_t nNextStage = 0;
    std::string strNextStage;
    std::int32_t nEndState = 0; // 1: stage play is ending
    std::int32_t nMessageInList = 0;
    std::int32_t nKeyTaken = 0;

    cVector<std::int32_t> StageVars; // the S scope of the code language; 0 is never used by arrangements
    std::int32_t nStageTime = 0;     // 0..999
    std::int32_t bTimeFlag = 0;      // while set the stage time reads 0

    std::int32_t nSubStep = 0; // index of the running sub-step within the frame
    std::int32_t nViewCol = 0; // view origin: block coordinates become (col + nViewCol) * 32
    std::int32_t nViewRow = 0;
    cScroll ScrollX;
    cScroll ScrollY;

    // Map geometry: cell index = (row << nGridPitch) + column.
    std::int32_t nMapCols = 0;
    std::int32_t nMapRows = 0;
    std::int32_t nGridPitch = 0;
    std::array<cRectD, 2> StageBounds{}; // the two bound sets IsInStage chooses between

    cVector<cHeroChara*> HeroList;          // element 0 is the hero
    cList<cNpcChara> CharaList;             // the live characters other than the heroes, owned here
    cVector<cList<cChara*>> FactionCharas;  // one list per faction, the hero included in its own
    cVector<cList<cChara*>> Buckets;        // drawing order lists (indicators walk every one)
    cList<cShotObj> LiveShots;              // the live shots and swords, owned here
    cVector<cList<cShotObj*>> FactionShots; // one list per faction
    cList<cPictureState> Pictures;          // shown pictures in display order
    cVector<std::uint8_t> ActivationGroups; // activation-group flags of this sub-step
    cPauseJob PauseJob;
};

class cEngineScene {
public:
    virtual ~cEngineScene() = default;

    virtual cSceneState& State() = 0;

    // Block grid: 1 when cell `cell` stops an object of block-test mode `mode`.
    virtual int IsBlockSolid(std::int32_t cell, std::int32_t mode) = 0;
    // 1 when the character's rectangle is blocked by a solid block or another character.
    virtual int IsPlaceBlocked(cChara& chara) = 0;
    // Applies a taken item (or none) to the character: 1 ends stage play.
    virtual int ApplyItem(cItemObj* item, cChara& chara) = 0;
    // A hit effect of Effect record `effect` between the two rectangles.
    virtual void StartHitEffect(std::int32_t effect, const cRectD& a, const cRectD& b,
                                std::int32_t count) = 0;
    // The auto-scroll of axis 0 (x) or 1 (y), on at speed value * 0.1 / dSubSteps, or off.
    virtual void SetAutoScroll(int axis, std::int32_t on, std::int32_t speedValue) = 0;
    // Rebuilds the darkness of limited sight from the hero's sight radius.
    virtual void CreateSightMask() = 0;
    // Shows an item's message (cHeroChara::ShowItemMessage).
    virtual void ShowItemMessage(const cEdItem& item, std::int32_t messageNumber) = 0;
    // Erases the n-th message window; n past the end changes nothing.
    virtual void EraseMessageAt(std::int64_t n) = 0;
    // Spawners of the shot part of a command (shots, blocks, characters, items).
    virtual void SpawnShots(cChara& chara, cFlowCommand& entry, cEdShot& shot) = 0;
    virtual void SpawnBlocks(cChara& chara, cFlowCommand& entry, cEdShot& shot) = 0;
    virtual void SpawnCharas(cChara& chara, cFlowCommand& entry, cEdShot& shot) = 0;
    virtual void SpawnItems(cChara& chara, cFlowCommand& entry, cEdShot& shot) = 0;
    // Sounds and music: system sound n, Sound database entry n, a music request.
    virtual void PlaySe(std::int32_t n) = 0;
    virtual void PlayDbSe(std::int32_t n) = 0;
    virtual void PlayBgm(std::int32_t bgm, std::int32_t mode) = 0;
    // The game object's frame count after which a defeated player character may go.
    virtual std::int32_t DefeatWait() = 0;

    // Requests of the shared command bodies.
    // Starts ScrEffect record `effect` with its two parameters.
    virtual void StartScreenEffect(std::int32_t /*effect*/, std::int32_t /*a*/, std::int32_t /*b*/) {}
    // Hands a screen-colour command to the screen-colour state.
    virtual void SetScreenColour(const cEdCommand& /*command*/) {}
    // Holds the game while the pause runner works through State().PauseJob
    // (drawing the world and reading the input); returns when it has ended.
    // The game thread blocks on the runner's end, never polls. Messages,
    // effects, pictures and the game wait all hold the game this way.
    virtual void HoldGame() {}

    // Message windows. The position of the first window whose id switch is
    // set and whose id is `id`, or -1.
    virtual std::int64_t FindMessage(std::int32_t /*id*/) { return -1; }
    // 1 when `text` (parsed for control codes when `controlCodes`) measures
    // the same as window k.
    virtual int MessageFits(std::int64_t /*k*/, const std::string& /*text*/, std::int32_t /*controlCodes*/) {
        return 0;
    }
    // With `reuse` window k is set up again in place and keeps its surface;
    // else a new window goes before position k, at the end for k < 0. The
    // window's position, -1 when none was put.
    virtual std::int64_t PutMessage(const cMessageArgs& /*args*/, std::int64_t /*k*/, int /*reuse*/) {
        return -1;
    }

    // Picture surfaces, kept in step with State().Pictures. Loads `file` into
    // a surface put before position k (at the end for k < 0), in system
    // memory when `systemMemory`, and gives its size; 0 when it can't be
    // loaded, and then nothing is added.
    virtual int AddPictureSurface(std::int64_t /*k*/, const std::string& /*file*/, std::int32_t /*systemMemory*/,
                                  std::int32_t& /*width*/, std::int32_t& /*height*/) {
        return 0;
    }
    // Releases the surface at position k (the last for k < 0).
    virtual void RemovePictureSurface(std::int64_t /*k*/) {}
    virtual void ClearPictureSurfaces() {}

    // Effect objects: one more on the stage, or every one (hit effects too) gone.
    virtual void AddEffect(const cEffectPlacement& /*effect*/) {}
    virtual void ClearEffects() {}

    // The shot or sword object's own set-up from the command's shot part and
    // the set-up record (its kind: 11 shot, 12 sword); id, user and shot
    // part are already set.
    virtual void SetupShot(cShotObj& /*shot*/, cChara& /*user*/, std::int32_t /*kind*/, const cEdShot& /*part*/,
                           const std::array<std::int32_t, 26>& /*record*/) {}
};

// The installed scene; the null scene until one is installed.
cEngineScene& EngineScene();
// Installs a scene; nullptr restores the null scene. Installed once at start-up
// or by a test's guard, never while the game thread runs a frame.
void SetEngineScene(cEngineScene* scene);

using cScopedEngineScene = cScopedSeam<cEngineScene, EngineScene, SetEngineScene>;

// The null scene: its own empty state, nothing solid, requests ignored.
class cNullEngineScene : public cEngineScene {
public:
    cSceneState& State() override { return state_; }
    int IsBlockSolid(std::int32_t, std::int32_t) override { return 0; }
    int IsPlaceBlocked(cChara&) override { return 0; }
    int ApplyItem(cItemObj*, cChara&) override { return 0; }
    void StartHitEffect(std::int32_t, const cRectD&, const cRectD&, std::int32_t) override {}
    void SetAutoScroll(int, std::int32_t, std::int32_t) override {}
    void CreateSightMask() override {}
    void ShowItemMessage(const cEdItem&, std::int32_t) override {}
    void EraseMessageAt(std::int64_t) override {}
    void SpawnShots(cChara&, cFlowCommand&, cEdShot&) override {}
    void SpawnBlocks(cChara&, cFlowCommand&, cEdShot&) override {}
    void SpawnCharas(cChara&, cFlowCommand&, cEdShot&) override {}
    void SpawnItems(cChara&, cFlowCommand&, cEdShot&) override {}
    void PlaySe(std::int32_t) override {}
    void PlayDbSe(std::int32_t) override {}
    void PlayBgm(std::int32_t, std::int32_t) override {}
    std::int32_t DefeatWait() override { return 0; }

private:
    cSceneState state_;
};

// Shorthand for the installed scene's state.
inline cSceneState& Scene() {
    return EngineScene().State();
}

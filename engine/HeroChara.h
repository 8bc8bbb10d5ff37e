// cHeroChara: the hero, one per stage, driven by the player's input through
// its flows, with the view following it.
#pragma once

#include "engine/Chara.h"

class cHeroChara : public cChara {
public:
    cHeroChara() = default;
    cHeroChara(const cHeroChara& other) = default;
    cHeroChara& operator=(const cHeroChara& other) = default;
    ~cHeroChara() override = default;

    int RescaleParts(std::int32_t scale) override;
    void UpdatePartsX() override;
    void UpdatePartsY() override;
    void AfterMoveX() override;
    void AfterMoveY() override;
    int StepX() override;
    int StepY() override;
    int RunFlows(int dying) override;
    void Jump(cFlowCommand& entry) override;

    // `input` is the record the hero reads; none: the one its definition names.
    void Setup(const cEdChara& def, std::int32_t id, const cInput* input);
    // Changes the movement mode and the hit size with it.
    void SetMoveMode(std::int32_t selector);
    bool IsNewItemTouch(std::int32_t itemId) const;
    void EndItemTouch(std::int32_t itemId);
    void ShowItemMessage(const cEdItem& item, std::int32_t messageNumber);
    int Draw(DDSURFACEDATA* target, int frozen);
    void DrawSightMask(DDSURFACEDATA* target, DDSURFACEDATA* darkness);
    // Runs every command of the list on the hero at once: 0 when all ran,
    // the first non-zero handler result, or 2 when the hero's hp is below 1.
    int RunFlowCommands(cVector<cEdCommand>& commands);
    // A flow change addressed to the hero while its own flows run waits here.
    void DeferFlowChange(const cEdCommand& command) { DeferredFlowChanges.push_back(command); }

    cVector<std::int32_t> TouchedItems; // ids of repeatable items being touched
    cVector<cDisplayEntry> Displays;
    cVector<cEdCommand> DeferredFlowChanges;
    cList<Arrangement> Pending; // arrangements queued by an immediate list
    // The variable-height jump.
    std::int32_t nJumpHold = 0;    // sub-steps the jump input has been held
    std::int32_t bJumpArmed = 1;   // a new jump may start
    std::int32_t bJumpHandled = 0; // the jump ran in this run of the flows
    std::int32_t bJumpBlock = 0;
    std::int32_t bSecondChance = 0;
    const cInput* lpInput = nullptr;
    std::int32_t nStepCounter = 0;
    std::int32_t nFrameWords[2] = {}; // cleared at the start of each run
    std::int32_t nDirLock = 0, nButtonLock = 0;
    std::int32_t bStartAnime = 0;
};

// cNpcChara: every character other than the hero, placed on the map or
// summoned, possibly carrying an item.
#pragma once

#include "engine/Chara.h"

class cNpcChara : public cChara {
public:
    cNpcChara() = default;
    cNpcChara(const cNpcChara& other) = default;
    cNpcChara& operator=(const cNpcChara& other) = default;
    ~cNpcChara() override = default;

    int RescaleParts(std::int32_t scale) override;
    void UpdatePartsX() override;
    void UpdatePartsY() override;
    cItemObj* GetCarriedItem() override { return bHasItem ? &Item : nullptr; }
    void AfterMoveX() override;
    void AfterMoveY() override;
    int StepX() override;
    int StepY() override;
    int RunFlows(int dying) override;
    void Jump(cFlowCommand& entry) override;

    // Set-up from a definition; `carried` is the item it carries, or none.
    void Setup(const cEdChara& def, std::int32_t id, const cItemObj* carried, std::int16_t summonIndex);
    void SetBlockPosition(std::int32_t column, std::int32_t row);
    // The in-range flag from the on-screen test; marks the character's
    // activation group in `groups` when in range.
    std::int32_t UpdateInRange(cVector<std::uint8_t>& groups);
    // 1 when the character takes part in this sub-step.
    std::int32_t CheckActive(const cVector<std::uint8_t>& groups);
    // Counts the hint's frame: true on the frames it shows (the last 32 of
    // every 96 while the character carries an item and can be seen).
    bool StepCarriedItemHint();
    void DrawCarriedItemHint(DDSURFACEDATA* target);

    cItemObj Item; // the carried item
    std::int32_t bHasItem = 0;
    std::int32_t bInRange = 0;
    std::int32_t bActivated = 0;
    std::int32_t bTakesPart = 0; // set by stage play each sub-step: its flows and moves run
    std::int32_t bActiveX = 1, bActiveY = 1; // the on-screen test looks at this axis
    std::int32_t bInGroup = 0;               // belongs to an activation group
    std::int16_t sActivationGroup = 0;
    std::int32_t nActivationKind = 0;
    std::int32_t nHintCounter = 0;
    std::int32_t nHintWord = 0;
};

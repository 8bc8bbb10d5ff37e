// cEdChara: the stored definition of one kind of character, with its
// conditions and flows. A definition can take groups of its settings from a
// template definition of either palette, chosen group by group by its 37
// inherit flags. The stage's character placements are definitions too; their
// header words hold the placement (column, row, carried item).
#pragma once

#include "records/Cond.h"
#include "records/EdFlow.h"

#include <cstdint>
#include <string>

constexpr std::size_t kCharaInheritGroups = 37;

class cEdChara : public cRecord<cEdChara> {
public:
    cEdChara();

    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;

    void Init();
    // Copies the groups whose flag is set from the template definition.
    void Inherit();
    // Every reference inside the current tables; empty flows dropped.
    void ClampRefs();
    void ClampFlowRefs();
    // The offset of object i of a row; negated when dir is 1 (facing right)
    // and the axis mirrors.
    double GetOffsetX(std::int32_t i, std::int32_t dir) const;
    double GetOffsetY(std::int32_t i, std::int32_t dir) const;

    // Registered fields, in file order. Numbers in comments are the field
    // numbers of the stored layout.
    std::uint8_t PaletteSource = 0;      // 1: 0 none, 1 common palette, 2 stage palette
    std::int16_t PaletteIndex = 0;       // 2: 0 no template
    std::string Name;                    // 3
    std::uint8_t CondCombine = 0;        // 4: how `Conds` combine
    std::uint8_t CondOnce = 0;           // 5: `Conds` hold for good once they held
    std::uint8_t Facing = 0;             // 6: initial facing, 0 left, 1 right
    std::uint8_t ObjectCount = 0;        // 7: a placement yields ObjectCount + 1 characters
    std::int16_t OffsetBaseX = 0;        // 8
    std::uint16_t OffsetStepX = 0;       // 9
    std::int16_t OffsetBaseY = 0;        // 10
    std::int16_t OffsetStepY = 0;        // 11
    std::uint8_t OffsetMirrorX = 0;      // 12
    std::uint8_t OffsetMirrorY = 0;      // 13
    std::int16_t GraphicIndex = 0;       // 14
    std::uint8_t GraphicKind = 1;        // 15: 0 block, 1 character, 2 item, 3 shot, 4 exclusive bitmap
    std::int16_t CellBase = 0;           // 16
    std::int16_t AnimeSet = 0;           // 17
    std::uint8_t z = 3;                  // 18: drawing layer 0..7 (status z)
    std::uint8_t Transparent = 0;        // 19
    std::int16_t CharaEffectA = 0;       // 20
    std::uint8_t CharaEffectAParam = 0;  // 21 (from 196)
    std::uint8_t CharaEffectAOption = 1; // 22: companion of CharaEffectA
    std::int16_t CharaEffectB = 0;       // 23: run at defeat
    std::uint8_t CharaEffectBParam = 0;  // 24 (from 196)
    std::uint8_t MarkShow = 0;           // 25
    std::int16_t MarkNumber = 0;         // 26
    std::uint8_t Control = 1;            // 25a: 0 player, 1 computer
    std::uint8_t InputRecord = 0;        // 25b: input record a player-controlled character reads
    std::uint8_t Placed = 1;             // 25c: a placement is put on the stage only when 1
    std::uint8_t Faction = 0;            // 25d: faction (group) 0..7
    std::uint8_t Flying = 0;             // 25e: 0..3
    std::uint8_t FixedFacing = 1;        // 27
    std::uint8_t Invincible = 0;         // 28: 0..2
    std::uint8_t TintSelect = 0;         // 29 (from 285)
    std::uint8_t BlockChara = 0;         // 30
    std::uint8_t CharaScale = 1;         // 31: 1..10, never below 1
    std::uint8_t ScrollSync = 0;         // 32 (from 210)
    std::uint8_t SightShape = 0;         // 33: limited sight, 0 none, 1..4 shape
    std::uint8_t sight = 0;              // 34: sight radius in half-blocks 0..40 (status sight)
    std::int32_t mhp = 10;               // 35
    std::int32_t msp = 0;                // 36
    std::int16_t stop = 10;              // 37: ease of stopping 0..200 (status stop)
    std::uint8_t HitRange = 0;           // 38 (from 201): 0..3
    std::int32_t power = 0;              // 39
    std::int8_t imp = 0;                 // 40
    std::int16_t Effect = 0;             // 41: hit effect
    std::int32_t def = 0;                // 42 (from 168)
    std::int8_t impd = 0;                // 43
    std::int32_t getsc = 0;              // 44
    std::uint8_t cid = 1;                // 45: chara ID 0..99 (status cid)
    std::uint8_t InActivationGroup = 0;  // 46: the character belongs to ActivationGroup
    std::int16_t ActivationGroup = 0;    // 47: activation group 0..59
    std::uint8_t ActiveArea = 0;         // 48: 0 on screen, 1 x only, 2 y only, 3 everywhere
    std::uint8_t ActivationKind = 0;     // 49: how range and group activate it

    // Stored by Load and Save themselves: the placement of a stage's
    // character (two 16-bit words, then a 32-bit one), the inherit flags,
    // the conditions and the flows.
    std::int16_t Column = 0;      // block column of a placement
    std::int16_t Row = 0;         // block row of a placement
    std::int32_t CarriedItem = 0; // the stage's item placement a placed character carries
    cVector<std::uint8_t> InheritFlags;
    cVector<cCond> Conds;
    cVector<cEdFlow> Flows;
};

// Copies inherit group `group` of a character definition from `from`.
void CopyCharaGroup(std::size_t group, cEdChara& to, const cEdChara& from);

// The least bytes one stored definition takes (its counts and header words).
constexpr std::size_t kMinCharaBytes = 28;
void LoadCharas(cRecordFile& file, cVector<cEdChara>& out);
void SaveCharas(cRecordFile& file, cVector<cEdChara>& charas);

// cEdBlock: the stored definition of one block, an entry of a palette, and
// also one placed map cell, which names a palette block as its template. The
// header words of a placed cell hold its column and row.
#pragma once

#include "records/Cond.h"

#include <cstdint>
#include <string>

constexpr std::size_t kBlockInheritGroups = 11;

class cEdBlock : public cRecord<cEdBlock> {
public:
    cEdBlock();

    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;

    void Init();
    void Inherit();
    // The palette reference, and no solidity or protection without a graphic.
    void ClampPaletteRef();
    // The item reference inside its item table; run once all tables are loaded.
    void ClampItemRef();
    // The solidity for `side` (the group of the character testing it):
    // 0 when the block has conditions and they do not hold, 0 for its pass
    // side, else `Solid`. Conditions are evaluated by the caller.
    std::uint8_t IsSolid(std::int32_t side, bool conditionsHold) const;
    // `PassSide` read as the group that passes the block: -1 for none (255).
    std::int8_t ExemptGroup() const { return static_cast<std::int8_t>(PassSide); }

    std::uint8_t PaletteSource = 0;  // 1: 0 none, 1 common palette, 2 stage palette
    std::int16_t PaletteIndex = 0;   // 2: 0 no template
    std::string Name;                // 3
    std::uint8_t CondCombine = 0;    // 4: 0 all conditions, 1 one is enough
    std::uint8_t CondOnce = 0;       // 5: conditions hold for good once they held
    std::int16_t GraphicIndex = 0;   // 6: 0 no block
    std::uint8_t GraphicKind = 0;    // 7
    std::int16_t GraphicSetting = 0; // 8: third graphic value
    std::uint8_t Layer = 0;          // 9: 0 under the objects, 1 over them
    std::uint8_t Hidden = 0;         // 10
    std::uint8_t MarkShow = 0;       // 11
    std::int16_t MarkNumber = 0;     // 12
    std::uint8_t Solid = 1;          // 13: 0 not solid, 1 solid, 2 deadly to the hero
    std::uint8_t PassSide = 255;     // 14: the side (group) the block lets through
    std::uint8_t FloorKind = 0;      // 15: 1 spring, 2 marker, 3 speed, 4 and 5 conveyors
    std::int32_t FloorValue = 0;     // 16
    std::uint8_t ItemSource = 0;     // 17: 0 none, 1 common palette, 2 stage palette
    std::int16_t ItemIndex = 0;      // 18
    std::uint8_t Indestructible = 0; // 19

    std::int16_t Column = 0; // block column of a placed cell
    std::int16_t Row = 0;    // block row of a placed cell
    cVector<std::uint8_t> InheritFlags;
    cVector<cCond> Conds;
};

void CopyBlockGroup(std::size_t group, cEdBlock& to, const cEdBlock& from);

constexpr std::size_t kMinBlockBytes = 20;
void LoadBlocks(cRecordFile& file, cVector<cEdBlock>& out);
void SaveBlocks(cRecordFile& file, cVector<cEdBlock>& blocks);

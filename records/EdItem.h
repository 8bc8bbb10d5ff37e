// cEdItem: the stored definition of one item, with the flow commands that run
// when it is taken. The stage's item placements are item definitions too; their
// header words hold the placement's column and row.
#pragma once

#include "records/Cond.h"
#include "records/EdCommand.h"

#include <cstdint>
#include <string>

constexpr std::size_t kItemInheritGroups = 13;

class cEdItem : public cRecord<cEdItem> {
public:
    cEdItem();

    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;

    void Init();
    void Inherit();
    void ClampRefs();
    void ClampCmdRefs();

    std::uint8_t PaletteSource = 0;   // 1: 0 none, 1 common palette, 2 stage palette
    std::int16_t PaletteIndex = 0;    // 2: 0 no template
    std::string Name;                 // 3
    std::uint8_t CondCombine = 0;     // 4
    std::uint8_t CondOnce = 0;        // 5
    std::int16_t OffsetX = 0;         // 6: placement offset in pixels
    std::int16_t OffsetY = 0;         // 7
    std::int16_t GraphicIndex = 0;    // 8
    std::uint8_t GraphicKind = 2;     // 9: item graphics by default
    std::int16_t CellBase = 0;        // 10: also the cell of the item's message icon
    std::uint8_t MessagePlace = 6;    // 11: where the item message shows; 6 at the hero's centre
    std::uint8_t MessageOption = 0;   // 12: a further display setting of the item message
    std::uint8_t MessageTimeMode = 0; // 13: 0 until the advance key, 1 until the stage ends, 2 a time
    std::int16_t MessageTime = 0;     // 14: that time in tenths of a second
    std::uint8_t ShowMessage = 1;     // 15
    std::uint8_t TakeRule = 0;        // 16: 0 once, 1 any number of times, 2 never
    std::uint8_t Scale = 1;           // 17: never below 1
    std::int16_t Sound = 0;           // 18: Sound database, 0 none

    std::int16_t Column = 0; // block column of a placement
    std::int16_t Row = 0;    // block row of a placement
    cVector<std::uint8_t> InheritFlags;
    cVector<cCond> Conds;
    cVector<cEdCommand> Commands;
};

void CopyItemGroup(std::size_t group, cEdItem& to, const cEdItem& from);

// The item definition at `index` of the common (source 1) or the playing
// stage's (source 2) item table; none for any other source or index.
const cEdItem* GetPaletteItem(int source, std::int16_t index);

constexpr std::size_t kMinItemBytes = 24;
void LoadItems(cRecordFile& file, cVector<cEdItem>& out);
void SaveItems(cRecordFile& file, cVector<cEdItem>& items);

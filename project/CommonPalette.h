// The common palette (data\CommonPalette.cplt4): block, character and item
// definitions that every stage of the project may use. Its definitions never
// inherit from another definition.
#pragma once

#include "foundation/SaveData.h"
#include "records/EdBlock.h"
#include "records/EdChara.h"
#include "records/EdItem.h"

struct cPaletteTables;

class cCommonPalette : public cRecord<cCommonPalette> {
public:
    cVector<cEdBlock> Blocks;
    cVector<cEdChara> Charas;
    cVector<cEdItem> Items;

    cCommonPalette();
    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;
    // Every table at least two entries long, every reference clamped.
    void Normalize();

    void Palette(cPaletteTables& out) const;
};

extern cCommonPalette CommonPalette;

// Points the default record context's palettes at CommonPalette and Stage.
void BindPalettesToDefaultContext();

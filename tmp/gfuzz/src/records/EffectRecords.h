// Records of the Effect database: an animated picture shown over the stage,
// with its cell size and frames.
#pragma once

#include "foundation/SaveData.h"
#include "records/AnimeFrame.h"

#include <cstdint>
#include <string>

class cEffectFrame : public cRecord<cEffectFrame> {
public:
    std::int32_t nCell = 0;
    std::int32_t nWait = 1;

    cEffectFrame() { RegisterFields(dwDataVersion); }
    void RegisterFields(std::uint32_t version) override;
};

class cEffect : public cRecord<cEffect> {
public:
    std::string strName;
    std::string strFile;      // the picture
    std::int32_t nNumber = 0; // stored from 151; cleared for files older than 153
    std::int32_t nCellWidth = 32;
    std::int32_t nCellHeight = 32;
    std::int32_t bScaleByCount = 0; // a hit with a count above 1 multiplies the cell size by it
    cVector<cEffectFrame> Frames;

    cEffect(); // as Init makes it
    void Init();
    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;
};

// One frame array per effect ending in its control entry: entry 0 loops without
// time, every other one ends with -4 so that its owner removes the instance.
void BuildEffectTable(const cVector<cEffect>& effects, AnimeFrameTableType& target);

#include "records/EffectRecords.h"

AnimeFrameTableType EffectFrameTable;

void cEffectFrame::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&nCell);
    AddInt(&nWait);
}

cEffect::cEffect() {
    Init();
}

void cEffect::Init() {
    Reset();
    nCellWidth = 32;
    nCellHeight = 32;
    bScaleByCount = 0;
    Frames.assign(1, cEffectFrame());
}

void cEffect::RegisterFields(std::uint32_t version) {
    ClearFields();
    if (version >= 151) AddInt(&nNumber);
    AddInt(&nCellWidth);
    AddInt(&nCellHeight);
    AddInt(&bScaleByCount);
    AddString(&strName);
    AddString(&strFile);
}

void cEffect::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.Damaged()) return;
    std::uint32_t version = file.LoadVersion();
    LoadRecordVector(file, Frames);
    if (version < 153) nNumber = 0;
}

void cEffect::Save(cRecordFile& file) {
    cSaveData::Save(file);
    SaveRecordVector(file, Frames);
}

void BuildEffectTable(const cVector<cEffect>& effects, AnimeFrameTableType& target) {
    target.clear();
    target.resize(effects.size());
    for (std::size_t i = 0; i < effects.size(); ++i) {
        const cVector<cEffectFrame>& frames = effects[i].Frames;
        AnimeFrames& out = target[i];
        out.resize(frames.size() + 1);
        for (std::size_t j = 0; j < frames.size(); ++j) {
            out[j].nCell = frames[j].nCell;
            out[j].nTicks = i == 0 ? 0 : WaitToTicks(frames[j].nWait);
            out[j].bNoInterrupt = i == 0 ? 1 : 0;
        }
        ANIMEFRAME& control = out[frames.size()];
        control.nCell = i == 0 ? ANIME_LOOP : ANIME_ENDED;
        control.nTicks = 0;
        control.bNoInterrupt = i == 0 ? 1 : 0;
    }
}

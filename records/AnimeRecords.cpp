#include "records/AnimeRecords.h"

#include <climits>

AnimeFrameTableType AnimeFrameTable;

void cAnimeFrame::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&nCell);
    AddInt(&nWait);
    AddInt(&bNoInterrupt);
}

cAnime::cAnime() {
    RegisterFields(dwDataVersion);
    Frames.emplace_back();
}

void cAnime::Init() {
    Reset();
    Frames.clear();
    Frames.emplace_back();
    nSettingB = 1;
}

void cAnime::RegisterFields(std::uint32_t version) {
    ClearFields();
    if (version >= 55) {
        AddShort(&nSettingA);
        AddByte(&nSettingB);
        AddShort(&nSettingC);
    }
    AddString(&strName);
}

void cAnime::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.Damaged()) return;
    LoadRecordVector(file, Frames);
}

void cAnime::Save(cRecordFile& file) {
    cSaveData::Save(file);
    SaveRecordVector(file, Frames);
}

cAnimeSet::cAnimeSet() {
    Init();
}

void cAnimeSet::Init() {
    Reset();
    nOffset1 = 4;
    nOffset2 = 8;
    nOffset3 = 0;
    static const char* const kNames[kSlotCount] = {"立ち", "立ち移動", "飛行", "飛行移動"};
    Slots.assign(kSlotCount, cAnime());
    for (std::size_t i = 0; i < kSlotCount; ++i) Slots[i].strName = kNames[i];
}

void cAnimeSet::RegisterFields(std::uint32_t version) {
    ClearFields();
    AddInt(&nOffset1);
    AddInt(&nOffset2);
    if (version >= 119) AddInt(&nOffset3);
    AddString(&strName);
}

// Brings the slots to exactly four: missing ones are default animations.
void cAnimeSet::FitSlots() {
    Slots.resize(kSlotCount, cAnime());
}

void cAnimeSet::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.Damaged()) return;
    std::uint32_t version = file.LoadVersion();
    LoadRecordVector(file, Slots);
    if (file.Damaged()) return;
    if (version < 119) FitSlots();
    if (version < 128) {
        FitSlots();
        Slots[2].strName = "飛行";
        Slots[3].strName = "飛行移動";
    }
}

void cAnimeSet::Save(cRecordFile& file) {
    cSaveData::Save(file);
    SaveRecordVector(file, Slots);
}

std::int32_t WaitToTicks(std::int32_t wait) {
    std::int64_t ticks = static_cast<std::int64_t>(wait) * 6;
    if (ticks > INT32_MAX) return INT32_MAX;
    if (ticks < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(ticks);
}

void BuildAnimeTable(const cVector<cAnime>& anime, AnimeFrameTableType& target) {
    target.clear();
    target.resize(anime.size());
    for (std::size_t i = 0; i < anime.size(); ++i) {
        const cVector<cAnimeFrame>& frames = anime[i].Frames;
        AnimeFrames& out = target[i];
        out.resize(frames.size() + 1);
        std::int32_t held = 0;
        for (std::size_t j = 0; j < frames.size(); ++j) {
            out[j].nCell = frames[j].nCell;
            if (i == 0) {
                out[j].nTicks = 0;
                out[j].bNoInterrupt = 1;
                continue;
            }
            out[j].nTicks = WaitToTicks(frames[j].nWait);
            if (frames[j].bNoInterrupt) held = 1;
            out[j].bNoInterrupt = held;
        }
        ANIMEFRAME& control = out[frames.size()];
        control.nCell = i == 0 ? ANIME_LOOP : ANIME_ENDED;
        control.nTicks = 0;
        control.bNoInterrupt = i == 0 ? 1 : 0;
    }
}

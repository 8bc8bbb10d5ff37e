// The ten definition databases of a project, loaded once at start-up from
// "data\database\", and the runtime tables that playback reads. Record 0 of
// every database is its "none" entry and is always there.
#pragma once

#include "foundation/SaveData.h"
#include "project/DatabaseRecords.h"
#include "records/AnimeRecords.h"
#include "records/CharaEffect.h"
#include "records/EffectPlayback.h"
#include "records/EffectRecords.h"
#include "records/RecordContext.h"

#include <cstdint>
#include <string>
#include <vector>

// A database file: the data version, a 32-bit record count, then each record
// as its own Save writes it.
template <class T> std::vector<std::uint8_t> DatabaseFileBytes(cVector<T>& records) {
    RecordFilePtr file = OpenRecordMemoryWrite();
    file->WriteU32(static_cast<std::uint32_t>(records.size()));
    for (auto& record : records) record.Save(*file);
    std::vector<std::uint8_t> bytes = file->Bytes();
    CloseRecordFile(file);
    return bytes;
}

class cDatabase : public cSaveData {
public:
    cVector<cAnimeSet> AnimeSet;
    cVector<cAnime> Anime;
    cVector<cBmp_CharaExc> Bmp_CharaExc;
    cVector<cSwordType> SwordType;
    cVector<cEffect> Effect;
    cVector<cCharaEffect> CharaEffect;
    cVector<cScrEffect> ScrEffect;
    cVector<cPicture> Picture;
    cVector<cSound> Sound;
    cVector<cBgm> Bgm;
    // Working copies made after loading; the mirrored effect tables come from them.
    cVector<cCharaEffect> CharaEffectWork;
    cVector<cScrEffect> ScrEffectWork;

    cDatabase();
    void SetDefaults();
    // Loads the ten files of "data\database\" in order; false at the first
    // that can't be read (its load error shown), leaving that one and the rest
    // at what they held.
    bool LoadAll();
    // One database file into its table. The table is replaced only when the
    // whole file was good, and keeps at least its "none" record; a file that
    // can't be read shows its load error and leaves the table as it was.
    bool LoadFile(eDatabase which, const std::string& path);
    // One table written as its database file; false when the file could not
    // be written (a good file already there is then kept).
    bool SaveFile(eDatabase which, const std::string& path);
    // One table as the bytes of its database file.
    std::vector<std::uint8_t> FileBytes(eDatabase which);
    // Entry 0 of both effect databases never plays anything.
    void ClearFirstEffectKinds();
    // Sizes the working copies to their databases and copies the records in.
    void MakeWorkCopies();

private:
    // Calls `f` with the table of `which`.
    template <class F> decltype(auto) WithTable(eDatabase which, F&& f);
};

extern cDatabase Database;

// The runtime tables from the global Database (its working copies for the
// mirrored effect tables).
void BuildAnimeTable(AnimeFrameTableType& target);
void BuildEffectTable(AnimeFrameTableType& target);
void BuildCharaEffectTables(CharaEffectTable& right, CharaEffectTable& left);
void BuildScrEffectTables(ScrEffectTable& right, ScrEffectTable& left);
// All four into AnimeFrameTable, EffectFrameTable, CharaEffectTableR/L and
// ScrEffectTableR/L, in that order.
void BuildRuntimeTables();

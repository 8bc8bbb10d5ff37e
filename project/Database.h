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

#include <string>

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
    // Loads the ten files in order; false at the first that can't be read (its
    // load error shown), leaving that one and the rest at what they held.
    bool LoadAll();
    // Entry 0 of both effect databases never plays anything.
    void ClearFirstEffectKinds();
    // Sizes the working copies to their databases and copies the records in.
    void MakeWorkCopies();
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

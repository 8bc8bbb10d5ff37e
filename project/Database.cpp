#include "project/Database.h"

#include "foundation/ErrorLog.h"
#include "project/DataPath.h"
#include "project/StageLoad.h"

cDatabase Database;

namespace {

// A database record needs at least its field count and string count.
constexpr std::size_t kMinRecordBytes = 8;

// Brings a vector to `count` copies of one default record, as the defaults hold it.
template <class T> void FillDefaults(cVector<T>& records, std::size_t count, const T& prototype) {
    records.clear();
    records.resize(count, prototype);
}

// Every record class's constructor builds its default record (as its Init
// does, where it has one). The values a new record gets in the editor are
// kept rather than zeroed: a music track of an old file plays at 100 percent.
template <class T> T FreshRecord() {
    return T();
}

// Reads one database file into `records`. The vector is only replaced when the
// whole file was good. At least the "none" record stays, so that record 0 is
// always there.
template <class T> bool LoadDatabaseFile(const std::string& path, cVector<T>& records) {
    RecordFilePtr file = OpenRecordFileRead(path);
    if (!file) {
        ShowFileLoadError(path);
        return false;
    }
    std::uint32_t count = file->ReadCount(kMinRecordBytes);
    // Records already there are overwritten, missing ones appended as they are
    // read, so that a file that turns out short allocates no more than it held.
    cVector<T> loaded = records;
    for (std::uint32_t i = 0; i < count && !file->Damaged(); ++i) {
        if (i >= loaded.size()) loaded.push_back(FreshRecord<T>());
        loaded[i].Load(*file);
    }
    loaded.resize(count > 0 ? count : 1, FreshRecord<T>());
    bool damaged = file->Damaged();
    CloseRecordFile(file);
    if (damaged) {
        ShowFileLoadError(path);
        return false;
    }
    if (bRemoveCR) {
        for (T& record : loaded) {
            record.RegisterFields(dwDataVersion);
            record.RemoveStringCRs();
        }
    }
    records = std::move(loaded);
    return true;
}

// The database files in the order the player loads them.
struct cDatabaseFile {
    eDatabase which;
    DataPathIndex path;
};
constexpr cDatabaseFile kDatabaseFiles[kDatabaseCount] = {
    {eDatabase::AnimeSet, DP_ANIME_SET},
    {eDatabase::Anime, DP_ANIME},
    {eDatabase::Bmp_CharaExc, DP_BMP_CHARA_EXC},
    {eDatabase::SwordType, DP_SWORD_TYPE},
    {eDatabase::Effect, DP_EFFECT},
    {eDatabase::CharaEffect, DP_CHARA_EFFECT},
    {eDatabase::ScrEffect, DP_SCR_EFFECT},
    {eDatabase::Picture, DP_PICTURE},
    {eDatabase::Sound, DP_SOUND},
    {eDatabase::Bgm, DP_BGM},
};

} // namespace

cDatabase::cDatabase() {
    SetDefaults();
}

void cDatabase::SetDefaults() {
    Reset();
    FillDefaults(AnimeSet, 1, FreshRecord<cAnimeSet>());
    FillDefaults(Anime, 2, FreshRecord<cAnime>());
    Anime[0].strName = "なし";
    Anime[1].strName = "アクションA";
    FillDefaults(Bmp_CharaExc, 2, FreshRecord<cBmp_CharaExc>());
    FillDefaults(SwordType, 1, FreshRecord<cSwordType>());
    FillDefaults(Effect, 2, FreshRecord<cEffect>());
    FillDefaults(CharaEffect, 2, FreshRecord<cCharaEffect>());
    FillDefaults(ScrEffect, 2, FreshRecord<cScrEffect>());
    FillDefaults(Picture, 2, FreshRecord<cPicture>());
    FillDefaults(Sound, 2, FreshRecord<cSound>());
    FillDefaults(Bgm, 2, FreshRecord<cBgm>());
    CharaEffectWork.clear();
    ScrEffectWork.clear();
}

template <class F> decltype(auto) cDatabase::WithTable(eDatabase which, F&& f) {
    switch (which) {
    case eDatabase::AnimeSet:
        return f(AnimeSet);
    case eDatabase::Anime:
        return f(Anime);
    case eDatabase::Bmp_CharaExc:
        return f(Bmp_CharaExc);
    case eDatabase::SwordType:
        return f(SwordType);
    case eDatabase::Effect:
        return f(Effect);
    case eDatabase::CharaEffect:
        return f(CharaEffect);
    case eDatabase::ScrEffect:
        return f(ScrEffect);
    case eDatabase::Picture:
        return f(Picture);
    case eDatabase::Sound:
        return f(Sound);
    case eDatabase::Bgm:
        break;
    }
    return f(Bgm);
}

bool cDatabase::LoadAll() {
    for (const cDatabaseFile& f : kDatabaseFiles)
        if (!LoadFile(f.which, DataPath.At(f.path))) return false;
    ClearFirstEffectKinds();
    return true;
}

bool cDatabase::LoadFile(eDatabase which, const std::string& path) {
    return WithTable(which, [&path](auto& records) { return LoadDatabaseFile(path, records); });
}

bool cDatabase::SaveFile(eDatabase which, const std::string& path) {
    return WriteWholeFile(path, FileBytes(which));
}

std::vector<std::uint8_t> cDatabase::FileBytes(eDatabase which) {
    return WithTable(which, [](auto& records) { return DatabaseFileBytes(records); });
}

void cDatabase::ClearFirstEffectKinds() {
    CharaEffect.At(0).nKind = 0;
    ScrEffect.At(0).nKind = 0;
}

void cDatabase::MakeWorkCopies() {
    CharaEffectWork = CharaEffect;
    ScrEffectWork = ScrEffect;
}

void BuildAnimeTable(AnimeFrameTableType& target) {
    BuildAnimeTable(Database.Anime, target);
}

void BuildEffectTable(AnimeFrameTableType& target) {
    BuildEffectTable(Database.Effect, target);
}

void BuildCharaEffectTables(CharaEffectTable& right, CharaEffectTable& left) {
    BuildCharaEffectTables(Database.CharaEffect, Database.CharaEffectWork, right, left);
}

void BuildScrEffectTables(ScrEffectTable& right, ScrEffectTable& left) {
    BuildScrEffectTables(Database.ScrEffect, Database.ScrEffectWork, right, left);
}

void BuildRuntimeTables() {
    BuildAnimeTable(AnimeFrameTable);
    BuildEffectTable(EffectFrameTable);
    BuildCharaEffectTables(CharaEffectTableR, CharaEffectTableL);
    BuildScrEffectTables(ScrEffectTableR, ScrEffectTableL);
}

// The project's record files under default\: made with the player's own
// record classes and saved through their own writers.
#include "tools/makedemo/DemoFolder.h"

#include "tools/makedemo/Pictures.h"
#include "tools/makedemo/Stages.h"

#include "project/CommonPalette.h"
#include "project/Database.h"
#include "project/Stage.h"
#include "project/SystemData.h"
#include "project/WorldMap.h"

#include <cstdio>

namespace {

// The demo's music: record 0 is "none"; the title plays the MIDI tune, the stages the Ogg track.
void FillMusic(cDatabase& db) {
    db.Bgm.resize(3);
    db.Bgm[1].strName = "タイトル";
    db.Bgm[1].strFile = "bgm\\Title.mid";
    db.Bgm[2].strName = "ステージ";
    db.Bgm[2].strFile = "bgm\\Stage.ogg";
    db.Bgm[2].nTrackValue = 80;
}

void FillSounds(cDatabase& db) {
    const std::vector<std::string>& names = DemoSoundNames();
    db.Sound.resize(names.size() + 1);
    for (std::size_t i = 0; i < names.size(); ++i) {
        db.Sound[i + 1].strName = names[i];
        db.Sound[i + 1].strFile = "wave\\" + names[i] + ".wav";
        db.Sound[i + 1].nNumber = static_cast<std::int32_t>(i + 1);
    }
}

void FillPictures(cDatabase& db) {
    db.Picture.resize(3);
    db.Picture[1].strName = "タイトル";
    db.Picture[1].strFile = "bmp\\Title.bmp";
    db.Picture[2].strName = "背景";
    db.Picture[2].strFile = "背景その1.bmp";
}

void FillSystemData(cSystemData& sys) {
    sys.SetDefaults();
    sys.GameTitle = "ブリンドル デモ";
    const std::vector<std::string>& names = DemoSoundNames();
    for (std::size_t i = 0; i < sys.SystemSounds.size(); ++i)
        sys.SystemSounds[i] = "wave\\" + names[i % names.size()] + ".wav";
    for (std::size_t i = 0; i < sys.ScreenMusic.size(); ++i) sys.ScreenMusic[i] = 1;
    sys.nChallengeStages = 1;
    // The key colour the pictures are drawn with, for pictures converted to 16 bits.
    sys.TransparentColour[0] = kClear.r;
    sys.TransparentColour[1] = kClear.g;
    sys.TransparentColour[2] = kClear.b;
}

// A record as the player keeps it: saved, read back through the player's
// loader (which fills in templates, clamps and pads), and saved again.
template <class T> bool Settle(T& record, const char* what) {
    std::vector<std::uint8_t> first = record.SaveToBytes();
    if (!record.LoadFromBytes(first)) {
        std::fprintf(stderr, "makedemo: the player refuses its own %s\n", what);
        return false;
    }
    return true;
}

bool WritePlayContent(const std::filesystem::path& root) {
    CommonPalette = cCommonPalette();
    BuildCommonPalette(CommonPalette);
    BindPalettesToDefaultContext();
    if (!Settle(CommonPalette, "common palette") ||
        !WriteDemoFile(root, "default/CommonPalette.cplt4", CommonPalette.SaveToBytes()))
        return false;
    for (const DemoStage& layout : DemoStages()) {
        cStage stage;
        BuildStage(layout, stage);
        if (!Settle(stage, layout.file.c_str()) ||
            !WriteDemoFile(root, "default/stg4/" + layout.file, stage.SaveToBytes()))
            return false;
    }
    cWorldMap map;
    BuildWorldMap(map);
    return Settle(map, "world map") && WriteDemoFile(root, "default/WorldMap.dat", map.SaveToBytes());
}

} // namespace

bool WriteDemoRecords(const std::filesystem::path& root) {
    cDatabase& db = Database;
    db.SetDefaults();
    FillMusic(db);
    FillSounds(db);
    FillPictures(db);
    db.ClearFirstEffectKinds(); // as the player keeps them: the "none" effects play nothing
    const std::pair<eDatabase, const char*> files[] = {
        {eDatabase::AnimeSet, "AnimeSet.dat"},
        {eDatabase::Anime, "Anime.dat"},
        {eDatabase::Bmp_CharaExc, "Bmp_CharaExc.dat"},
        {eDatabase::SwordType, "SwordType.dat"},
        {eDatabase::Effect, "Effect.dat"},
        {eDatabase::CharaEffect, "CharaEffect.dat"},
        {eDatabase::ScrEffect, "ScrEffect.dat"},
        {eDatabase::Picture, "Picture.dat"},
        {eDatabase::Sound, "Sound.dat"},
        {eDatabase::Bgm, "Bgm.dat"},
    };
    for (const auto& [which, name] : files)
        if (!WriteDemoFile(root, std::string("default/database/") + name, db.FileBytes(which))) return false;

    // The music-number check on saving reads the global database's Bgm size.
    cSystemData& sys = SystemData;
    FillSystemData(sys);
    return WriteDemoFile(root, "default/System.dat", sys.SaveToBytes()) && WritePlayContent(root);
}

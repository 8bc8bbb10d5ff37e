// The demo's record files load through the player's loaders, as the player
// finds them once data\ has been made from default\, and every file saves
// back to the same bytes.
#include "demo/DemoFiles.h"
#include "fixtures/TempDir.h"

#include "platform/Cp932.h"
#include "project/CommonPalette.h"
#include "project/Database.h"
#include "project/Stage.h"
#include "project/SystemBmp.h"
#include "project/SystemData.h"
#include "project/WorldMap.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(path.string(), bytes)) << path;
    return bytes;
}

// A copy of the demo with default\ copied to data\, as the player makes it at its first start.
class DemoProject : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::is_directory(DemoDir() / "default")) << "the build makes the demo in " << DemoDir();
        fs::copy(DemoDir() / "default", dir_.path() / "data", fs::copy_options::recursive);
    }
    void TearDown() override {
        Database.SetDefaults();
        SystemData.SetDefaults();
        CommonPalette = cCommonPalette();
    }

    TempDir dir_;
};

TEST_F(DemoProject, DatabasesLoadAndSaveToTheSameBytes) {
    Database.SetDefaults();
    ASSERT_TRUE(Database.LoadAll());
    EXPECT_EQ(DatabaseFileBytes(Database.AnimeSet), ReadFile("data/database/AnimeSet.dat"));
    EXPECT_EQ(DatabaseFileBytes(Database.Anime), ReadFile("data/database/Anime.dat"));
    EXPECT_EQ(DatabaseFileBytes(Database.Bmp_CharaExc), ReadFile("data/database/Bmp_CharaExc.dat"));
    EXPECT_EQ(DatabaseFileBytes(Database.SwordType), ReadFile("data/database/SwordType.dat"));
    EXPECT_EQ(DatabaseFileBytes(Database.Effect), ReadFile("data/database/Effect.dat"));
    EXPECT_EQ(DatabaseFileBytes(Database.CharaEffect), ReadFile("data/database/CharaEffect.dat"));
    EXPECT_EQ(DatabaseFileBytes(Database.ScrEffect), ReadFile("data/database/ScrEffect.dat"));
    EXPECT_EQ(DatabaseFileBytes(Database.Picture), ReadFile("data/database/Picture.dat"));
    EXPECT_EQ(DatabaseFileBytes(Database.Sound), ReadFile("data/database/Sound.dat"));
    EXPECT_EQ(DatabaseFileBytes(Database.Bgm), ReadFile("data/database/Bgm.dat"));
    EXPECT_EQ(Database.Bgm.At(1).strFile, "bgm\\Title.mid");
}

TEST_F(DemoProject, SystemDataLoadsAndSavesToTheSameBytes) {
    Database.SetDefaults();
    ASSERT_TRUE(Database.LoadAll());
    cSystemData sys;
    ASSERT_TRUE(sys.LoadFromFile("data\\System.dat"));
    EXPECT_EQ(sys.SaveToBytes(), ReadFile("data/System.dat"));
    EXPECT_EQ(sys.GameTitle, "ブリンドル デモ");
    EXPECT_EQ(sys.IniKeys.size(), 10u);
    EXPECT_EQ(sys.ScreenMusic.At(0), 1); // the title tune, kept by the music-number check
}

TEST_F(DemoProject, PaletteStagesAndWorldMapLoadAndSaveToTheSameBytes) {
    CommonPalette = cCommonPalette();
    ASSERT_TRUE(CommonPalette.LoadFromFile("data\\CommonPalette.cplt4"));
    BindPalettesToDefaultContext();
    EXPECT_EQ(CommonPalette.SaveToBytes(), ReadFile("data/CommonPalette.cplt4"));
    ASSERT_GE(CommonPalette.Charas.size(), 4u);
    EXPECT_EQ(CommonPalette.Charas[1].Control, 0); // the hero
    EXPECT_FALSE(CommonPalette.Charas[2].Flows.empty());

    int stages = 0;
    for (const auto& entry : fs::directory_iterator("data/stg4")) {
        SCOPED_TRACE(entry.path().string());
        cStage stage;
        ASSERT_TRUE(stage.LoadFromFile("data\\stg4\\" + entry.path().filename().string()));
        EXPECT_EQ(stage.SaveToBytes(), ReadFile(entry.path()));
        ASSERT_TRUE(stage.HasHero());
        const cEdChara& hero = stage.Charas.At(stage.FindHero());
        EXPECT_GT(hero.Column, 0); // placed where the map has it, above the ground
        EXPECT_EQ(hero.Row, 11);
        EXPECT_GT(stage.Blocks.size(), 20u);
        ++stages;
    }
    EXPECT_GE(stages, 3);
    EXPECT_TRUE(fs::is_regular_file("data/stg4/c01-1.stg4_818")); // the first challenge stage

    cWorldMap map;
    ASSERT_TRUE(map.LoadFromFile("data\\WorldMap.dat"));
    EXPECT_EQ(map.SaveToBytes(), ReadFile("data/WorldMap.dat"));
    ASSERT_EQ(map.Events.size(), 2u);
    for (const cWorldEvent& event : map.Events) {
        std::string file = event.Entries.At(0).strFile; // data\stg4\name.stg4, played as its newest version
        std::replace(file.begin(), file.end(), '\\', '/');
        EXPECT_TRUE(fs::is_regular_file(file + "_818")) << file;
    }
}

// Windows-style CP932 name of the player's tables -> the demo's file on disk.
fs::path DemoPath(const std::string& name) {
    std::string utf8 = Cp932ToUtf8(name);
    std::replace(utf8.begin(), utf8.end(), '\\', '/');
    return DemoDir() / fs::path(reinterpret_cast<const char8_t*>(utf8.c_str()));
}

TEST_F(DemoProject, EveryFileTheProjectNamesIsThere) {
    for (const BMPFILEDATA& entry : SystemBmp) {
        if (entry.IsWorkSurface() || entry.bOptional) continue;
        EXPECT_TRUE(fs::is_regular_file(DemoPath(entry.szFile))) << entry.szFile;
    }
    Database.SetDefaults();
    ASSERT_TRUE(Database.LoadAll());
    for (std::size_t i = 1; i < Database.Sound.size(); ++i)
        EXPECT_TRUE(fs::is_regular_file(DemoPath(Database.Sound[i].strFile))) << Database.Sound[i].strFile;
    for (std::size_t i = 1; i < Database.Bgm.size(); ++i)
        EXPECT_TRUE(fs::is_regular_file(DemoPath(Database.Bgm[i].strFile))) << Database.Bgm[i].strFile;
    for (std::size_t i = 1; i < Database.Picture.size(); ++i)
        EXPECT_TRUE(fs::is_regular_file(DemoPath(Database.Picture[i].strFile)))
            << Database.Picture[i].strFile;
    cSystemData sys;
    ASSERT_TRUE(sys.LoadFromFile("data\\System.dat"));
    for (const std::string& sound : sys.SystemSounds)
        EXPECT_TRUE(fs::is_regular_file(DemoPath(sound))) << sound;
}

} // namespace

// The demo's record files load through the player's loaders, as the player
// finds them once data\ has been made from default\, and every file saves
// back to the same bytes.
#include "demo/DemoFiles.h"
#include "fixtures/TempDir.h"

#include "platform/Cp932.h"
#include "project/Database.h"
#include "project/SystemBmp.h"
#include "project/SystemData.h"
#include "tools/makedemo/DatabaseWriter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(path.string(), bytes)) << path;
    return bytes;
}

std::uint32_t LoadedBgmCount() {
    return static_cast<std::uint32_t>(Database.Bgm.size());
}

// A copy of the demo with default\ copied to data\, as the player makes it at its first start.
class DemoProject : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::is_directory(DemoDir() / "default")) << "the build makes the demo in " << DemoDir();
        fs::copy(DemoDir() / "default", dir_.path() / "data", fs::copy_options::recursive);
        savedBgmCount_ = cSystemData::BgmRecordCount;
    }
    void TearDown() override {
        cSystemData::BgmRecordCount = savedBgmCount_;
        Database.SetDefaults();
        SystemData.SetDefaults();
    }

    TempDir dir_;
    std::uint32_t (*savedBgmCount_)() = nullptr;
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
    cSystemData::BgmRecordCount = LoadedBgmCount;
    cSystemData sys;
    ASSERT_TRUE(sys.LoadFromFile("data\\System.dat"));
    EXPECT_EQ(sys.SaveToBytes(), ReadFile("data/System.dat"));
    EXPECT_EQ(sys.GameTitle, "ブリンドル デモ");
    EXPECT_EQ(sys.IniKeys.size(), 10u);
    EXPECT_EQ(sys.ScreenMusic.At(0), 1); // the title tune, kept by the music-number check
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

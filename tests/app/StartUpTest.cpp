// The player's start-up in this process on a small game folder: the seams it
// installs connect the records to what it loads, so the references in the
// common palette are checked against the loaded databases.
#include "app/App.h"
#include "app/Game.h"
#include "app/GameFolder.h"
#include "app/Seams.h"
#include "fixtures/PlayStage.h"
#include "fixtures/TempDir.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsGlobals.h"
#include "platform/SdlPresenter.h"
#include "project/CommonPalette.h"
#include "project/Stage.h"
#include "records/EdItem.h"

#include <gtest/gtest.h>

namespace {

TEST(StartUp, PaletteReferencesAreCheckedAgainstTheDatabasesLoadedAtStartUp) {
    TempDir dir;
    ASSERT_TRUE(WriteGameFolder(dir.path()));
    cDatabase db;
    db.Sound.resize(5);
    ASSERT_TRUE(WriteDatabaseFile(dir.path() / "data" / "database" / "Sound.dat", db.Sound));
    cCommonPalette palette;
    palette.Items.resize(3);
    palette.Items[1].Sound = 3; // the last but one of five sounds
    palette.Items[2].Sound = 5; // one past the last
    {
        // Saving clamps too: the file is written as a project of five sounds has it.
        cDefaultRecordContext writing;
        writing.SetDatabaseSize(eDatabase::Sound, 6);
        cScopedRecordContext guard(writing);
        ASSERT_TRUE(palette.SaveToFile((dir.path() / "data" / "CommonPalette.cplt4").string()));
    }

    cSdlPresenter presenter;
    ASSERT_TRUE(presenter.Open("", 640, 480, false));
    lpMainPresenter = &presenter;
    InstallSeams(); // what WinMain does first
    const bool started = InitProgram("", 1);
    if (started) {
        ASSERT_GE(CommonPalette.Items.size(), 3u);
        EXPECT_EQ(CommonPalette.Items[1].Sound, 3) << "a sound the database has stays";
        EXPECT_EQ(CommonPalette.Items[2].Sound, 0) << "a sound past the database is dropped";
    }
    ShutdownProgram();
    lpMainPresenter = nullptr;
    EXPECT_TRUE(started);
}

// A stage named on the command line is read at start-up and played at once;
// in a DirectDraw window the first picture's palette and key colour apply at
// every colour depth, so keyed pictures and text backgrounds come out clear.
TEST(StartUp, AStageOnTheCommandLineIsLoadedAndTheKeyColourComesFromTheFirstPicture) {
    cGameGlobalsGuard globals;
    TempDir dir;
    ASSERT_TRUE(WriteGameFolder(dir.path()));
    std::filesystem::create_directories(dir.path() / "bmp" / "plt");
    std::vector<std::uint32_t> colours(256, 0);
    colours[0] = 0xFF00FF; // the key colour, in the top-left pixel
    colours[1] = 0x336699;
    // The top-left pixel is the key colour; the 16 x 16 block at (0, 8) holds
    // colour i at (i mod 16, 8 + i div 16), where the true-colour modes read
    // their palette, so every mode ends with the same palette.
    std::vector<std::uint32_t> pixels(16 * 24, 1);
    pixels[0] = 0;
    for (std::uint32_t i = 0; i < 256; ++i) pixels[16 * 8 + i] = i;
    WriteFile((dir.path() / "bmp" / "plt" / "Palette.bmp").string(), MakeBmp(16, 24, 8, pixels, colours));
    std::filesystem::create_directories(dir.path() / "data" / "stg4");
    cStage stage = SmallStage(23, 17, 1, 1); // a stage needs its hero to be played
    ASSERT_TRUE(stage.SaveToFile((dir.path() / "data" / "stg4" / "t.stg4_818").string()));
    Stage.Init();

    cSdlPresenter presenter;
    ASSERT_TRUE(presenter.Open("", 640, 480, false));
    lpMainPresenter = &presenter;
    InstallSeams();
    const bool started = InitProgram("data/stg4/t.stg4_818", 1);
    if (started) {
        EXPECT_EQ(Stage.nMapWidth, 23) << "read before the play scene starts";
        EXPECT_EQ(Stage.nMapHeight, 17);
        EXPECT_EQ(Game.nCurrentScene, SCENE_PLAY);
        EXPECT_EQ(Palette[0].peRed, 0xFF);
        EXPECT_EQ(Palette[0].peGreen, 0x00);
        EXPECT_EQ(Palette[0].peBlue, 0xFF);
        if (DDIsDirectDraw() && DDScreenBpp() == 32) {
            EXPECT_EQ(dwTransmit, 0xFF00FFu);
        }
        if (DDIsDirectDraw() && DDScreenBpp() == 16) {
            EXPECT_EQ(dwTransmit, 0xF81Fu);
        }
    }
    ShutdownProgram();
    lpMainPresenter = nullptr;
    EXPECT_TRUE(started);
}

} // namespace

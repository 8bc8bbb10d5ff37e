// The player's start-up in this process on a small game folder: the seams it
// installs connect the records to what it loads, so the references in the
// common palette are checked against the loaded databases.
#include "app/App.h"
#include "app/GameFolder.h"
#include "app/Seams.h"
#include "fixtures/TempDir.h"
#include "platform/SdlPresenter.h"
#include "project/CommonPalette.h"
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

} // namespace

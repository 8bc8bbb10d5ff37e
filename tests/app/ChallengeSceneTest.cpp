// The challenge list run headless with keys: which stages it offers, the file
// of a stage number, starting a stage and coming back to the same row, a
// stage file that cannot be read, and scrolling and paging a long list.
#include "app/ChallengeScene.h"
#include "app/ScreenDriver.h"
#include "fixtures/TempDir.h"
#include "project/DataPath.h"
#include "project/Stage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

cChallengeScene* List(ScreenDriver& d) {
    return d.Scene<cChallengeScene>(SCENE_CHALLENGE);
}

void OpenList(ScreenDriver& d) {
    Game.nCurrentScene = SCENE_CHALLENGE;
    Game.nPlayStartA = 1;
    ASSERT_TRUE(d.RunUntil(SCENE_CHALLENGE, cChallengeScene::STATE_SELECT));
}

void WriteStage(const std::string& name) {
    cStage stage;
    stage.Charas.resize(1);
    stage.Charas[0].Control = 0;
    const std::vector<std::uint8_t> bytes = stage.SaveToBytes();
    std::filesystem::create_directories("data/stg4");
    std::ofstream("data/stg4/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

TEST(ChallengeScene, StagesOfferedAndTheirFiles) {
    cGameGlobalsGuard globals;
    struct Case {
        const char* what;
        std::int32_t allOpen, projectStages, opened, pairs;
        std::int32_t count;
    } cases[] = {
        {"fresh play data: only stage 1", 0, 40, 1, 40, 1},
        {"three opened", 0, 40, 3, 40, 3},
        {"all open", 1, 40, 1, 40, 40},
        {"all open, but the play data holds fewer pairs", 1, 40, 1, 12, 12},
        {"opened past the pairs", 0, 40, 90, 12, 12},
        {"a negative count offers none", 1, -5, 1, 12, 0},
    };
    for (const Case& c : cases) {
        SystemData.bChallengeCount = c.allOpen;
        SystemData.nChallengeStages = c.projectStages;
        PlayData.nOpenChallenges = c.opened;
        PlayData.Challenges.assign(static_cast<std::size_t>(c.pairs), cEdIntPair{});
        EXPECT_EQ(ChallengeStageCount(), c.count) << c.what;
    }
    EXPECT_EQ(ChallengeStagePath(7), "data\\stg4\\c07-1.stg4");
    EXPECT_EQ(ChallengeStagePath(12), "data\\stg4\\c12-1.stg4");
}

TEST(ChallengeScene, AChosenStageStartsWithTheChallengeLivesAndTheListReopensOnItsRow) {
    TempDir dir;
    WriteStage("c03-1.stg4_818");
    ScreenDriver d;
    SystemData.bChallengeCount = 0;
    SystemData.UnlimitedLives[1] = 0;
    SystemData.StartLives[1] = 3;
    PlayData.Init();
    PlayData.Normalise();
    PlayData.nOpenChallenges = 5;
    OpenList(d);
    EXPECT_EQ(List(d)->StageCount(), 5);
    d.Tap({VK_DOWN});
    d.Tap({'Z'}); // stage 2 has no file
    EXPECT_EQ(List(d)->State(), cChallengeScene::STATE_SELECT) << "refused; the list stays";
    d.Tap({VK_DOWN});
    d.Tap({'Z'});
    EXPECT_EQ(Game.nNextScene, SCENE_PLAY);
    EXPECT_EQ(PlayData.nStageNumber, 3);
    EXPECT_EQ(PlayData.nAreaNumber, 1);
    EXPECT_EQ(PlayData.nStartLives, 3);
    EXPECT_EQ(PlayData.nLives, 2);
    EXPECT_EQ(PlayData.bNextStage, 1);
    EXPECT_EQ(PlayData.strStageName, "data\\stg4\\c03.");
    d.Frames(4);
    EXPECT_EQ(Game.nCurrentScene, SCENE_PLAY);
    EXPECT_EQ(Game.nPrevScene, SCENE_CHALLENGE);

    Game.nCurrentScene = SCENE_CHALLENGE;
    ASSERT_TRUE(d.RunUntil(SCENE_CHALLENGE, cChallengeScene::STATE_SELECT));
    EXPECT_EQ(WorldPos.Current()->nRow, 2) << "back on the same row";
    d.Tap({'X'});
    d.Frames(4);
    EXPECT_EQ(Game.nCurrentScene, SCENE_TITLE);
}

TEST(ChallengeScene, ALongListScrollsByTenRowsAndPagesWithLeftAndRight) {
    TempDir dir;
    ScreenDriver d;
    SystemData.bChallengeCount = 1;
    SystemData.nChallengeStages = 25;
    PlayData.Init();
    PlayData.Normalise();
    OpenList(d);
    EXPECT_EQ(List(d)->VisibleRows(), 10);
    d.Tap(VK_DOWN, 10);
    EXPECT_EQ(WorldPos.Current()->nRow, 10);
    EXPECT_EQ(List(d)->ListTop(), 1) << "the eleventh row scrolls the list";
    d.Tap({VK_RIGHT});
    const int paged = WorldPos.Current()->nRow;
    EXPECT_GE(paged, 19) << "a page on";
    EXPECT_GT(List(d)->ListTop(), 1);
    d.Tap({VK_LEFT});
    EXPECT_LE(WorldPos.Current()->nRow, paged - 9) << "a page back";
}

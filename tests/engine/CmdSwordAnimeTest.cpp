#include "engine/CmdRunAnime.h"
#include "engine/CmdSword.h"
#include "fixtures/CommandKit.h"
#include "foundation/Fault.h"

#include <algorithm>

namespace {

class SwordCommand : public CommandTest {
protected:
    SwordCommand() {
        cSwordType type;
        type.Entries.resize(2);
        type.Entries[0].nWidth = 40;
        type.Entries[0].nHeight = 20;
        Database.SwordType.resize(3);
        Database.SwordType[1] = type;
        Database.SwordType[2].Entries.clear(); // a type without entries
    }

    static cEdCommand Sword(std::int8_t type, std::int16_t wait = 0) {
        cEdCommand c = Command(12, {}, wait);
        ResetShared(c.pShot);
        c.pShot->cMotion = type;
        c.pShot->cSize = 2;
        c.sSe = 5;
        return c;
    }

    static std::size_t OwnerLinks(const cChara& c, const cShotObj& s) {
        return static_cast<std::size_t>(std::count(c.ShotLinks.begin(), c.ShotLinks.end(), SHOTLINK{
                                                                                               const_cast<cShotObj*>(&s), 4}));
    }
};

TEST_F(SwordCommand, OneSwordPerRunOfTheCommandOwnedAndAimedAtNobody) {
    cNpcChara& foe = AddNpc(Def(), 10, 5);
    cNpcChara& c = WithFlow({Sword(1, 30)});
    c.SetTarget(0, &foe);
    c.bOnScreen = 1;
    scene().nObjectSerial = 70;
    std::vector<std::size_t> trace;
    for (int i = 0; i < 8; ++i) {
        Frame();
        trace.push_back(scene().LiveShots.size());
    }
    EXPECT_EQ(trace, std::vector<std::size_t>(8, 1)); // a 3-second swing makes one sword
    const cShotObj& sword = scene().LiveShots.front();
    EXPECT_EQ(sword.nId, 70);
    EXPECT_EQ(scene().nObjectSerial, 71);
    EXPECT_EQ(sword.lpUserOwner, &c);
    EXPECT_EQ(sword.lpTargetOwner, nullptr);
    EXPECT_TRUE(foe.ShotLinks.empty());
    EXPECT_EQ(c.ShotLinks.size(), 1u);
    EXPECT_EQ(OwnerLinks(c, sword), 1u);
    EXPECT_TRUE(harness.Asked("setup shot 12 40x20 size 2"));
    EXPECT_EQ(std::count(harness.requests.begin(), harness.requests.end(), "db se 5"), 1);
}

TEST_F(SwordCommand, TwoSwordCommandsInARowOwnTwoSwords) {
    cNpcChara& c = WithFlow({Sword(1), Sword(1)});
    Frame();
    Frame();
    ASSERT_EQ(scene().LiveShots.size(), 2u);
    for (const cShotObj& s : scene().LiveShots) EXPECT_EQ(OwnerLinks(c, s), 1u);
    EXPECT_EQ(c.ShotLinks.size(), 2u);
}

TEST_F(SwordCommand, SoundForVisibleCharactersOnlyButTheSwingAlways) {
    struct Case {
        std::uint8_t visibleOnly;
        std::int32_t onScreen;
        bool sound;
    };
    for (const Case k : {Case{0, 0, true}, Case{1, 0, false}, Case{1, 1, true}, Case{0, 1, true}}) {
        harness.requests.clear();
        scene().LiveShots.clear();
        cNpcChara& c = AddNpc(Def(), 5, 5);
        c.bOnScreen = k.onScreen;
        cEdCommand cmd = Sword(1);
        cmd.bSeVisibleOnly = k.visibleOnly;
        RunOnce(c, cmd);
        EXPECT_EQ(harness.Asked("db se 5"), k.sound) << int(k.visibleOnly) << " " << k.onScreen;
        EXPECT_EQ(scene().LiveShots.size(), 1u);
    }
}

TEST_F(SwordCommand, ATypeWithoutEntriesSwingsNothing) {
    cNpcChara& c = AddNpc(Def(), 5, 5);
    cEdCommand cmd = Sword(2);
    const std::uint64_t closes = MainWindowCloseRequests();
    RunOnce(c, cmd);
    EXPECT_TRUE(scene().LiveShots.empty());
    EXPECT_TRUE(c.ShotLinks.empty());
    EXPECT_EQ(MainWindowCloseRequests(), closes);
}

class RunAnimeCommand : public CommandTest {
protected:
    RunAnimeCommand() {
        AnimeFrameTable.clear();
        for (std::int32_t n = 0; n < 3; ++n)
            AnimeFrameTable.push_back({ANIMEFRAME{n + 10, 4, 0}, ANIMEFRAME{ANIME_LOOP, 0, 0}});
    }
    // The first cell of each queued instance, front to back.
    static std::vector<std::int32_t> Queue(const cChara& c) {
        std::vector<std::int32_t> cells;
        for (const cQueuedAnime& q : c.AnimeQueue) cells.push_back(q.Anime.Table().at(0).at(0).nCell);
        return cells;
    }
};

TEST_F(RunAnimeCommand, ALongCommandQueuesOneInstanceTaggedWithItsFlow) {
    cNpcChara& c = WithFlow({Command(28, {2}, 10)});
    std::vector<std::size_t> trace;
    for (int i = 0; i < 5; ++i) {
        Frame();
        trace.push_back(c.AnimeQueue.size());
    }
    EXPECT_EQ(trace, std::vector<std::size_t>(5, 1));
    const cQueuedAnime& q = c.AnimeQueue.front();
    EXPECT_EQ(q.nFlowTag, c.Flows[0].nSerial);
    EXPECT_EQ(q.bPaused, 0);
    EXPECT_EQ(Queue(c), std::vector<std::int32_t>{12});
    c.RemoveAnimesOfFlow(c.Flows[0].nSerial);
    EXPECT_TRUE(c.AnimeQueue.empty());
}

TEST_F(RunAnimeCommand, TwoInARowTheLaterAtTheFront) {
    cNpcChara& c = WithFlow({Command(28, {1}), Command(28, {2})});
    Frame();
    Frame();
    EXPECT_EQ(Queue(c), (std::vector<std::int32_t>{12, 11}));
}

TEST_F(RunAnimeCommand, OutsideAFlowTheTagReachesNoFlow) {
    cNpcChara& c = AddNpc(Def(), 5, 5);
    scene().pCurFlow = nullptr;
    cEdCommand cmd = Command(28, {1});
    RunOnce(c, cmd);
    ASSERT_EQ(c.AnimeQueue.size(), 1u);
    EXPECT_EQ(c.AnimeQueue.front().nFlowTag, -1);
}

} // namespace

// The bodies character and flow commands share, run as character commands of
// a flow and as the hero's immediate list.
#include "fixtures/CommandKit.h"

#include "engine/CmdShared.h"
#include "project/CommonPalette.h"
#include "records/EdCommand.h"
#include "records/EdItem.h"

#include <string>

namespace {

using CmdShared = EngineTest;

// A command of character kind `kind`, or of its flow twin for an item's list.
cEdCommand Cmd(int kind, std::initializer_list<std::int32_t> params = {}, bool flow = false) {
    return flow ? FlowCommand(kind - FlowToCharaKindOffset, params, 1) : Command(kind, params, 1);
}

// Runs the commands as one flow of a fresh character until the flow ends.
cNpcChara& RunFlow(cEngineWorld& w, std::initializer_list<cEdCommand> commands,
                   cEdChara d = EngineTest::Def()) {
    cEdFlow f;
    f.cTrigger = 22;
    f.vCmd = commands;
    for (cEdCommand& c : f.vCmd) c.bParallel = 1;
    d.Flows = {f};
    d.Flying = 1;
    cNpcChara& c = w.AddNpc(d, 4, 4);
    c.Flows[0].Start(c);
    c.RunFlows(0);
    return c;
}

} // namespace

TEST_F(CmdShared, BackgroundLayersShowHideAndToggleByTheirOneBasedNumber) {
    Stage.Backgrounds.assign(2, cEdBackground());
    struct Case {
        std::int32_t layer, mode;
        const char* shown; // both layers afterwards, starting from "11"
    } cases[] = {
        {1, 1, "01"}, {2, 1, "10"}, {2, 2, "10"}, {1, 0, "11"}, {0, 1, "11"}, {3, 1, "11"}, {1, 5, "11"},
    };
    for (const Case& k : cases) {
        for (cEdBackground& b : Stage.Backgrounds) b.Enabled = 1;
        if (k.layer == 1 && k.mode == 0) Stage.Backgrounds[0].Enabled = 0;
        RunFlow(*this, {Cmd(34, {k.layer, k.mode})});
        std::string shown;
        for (const cEdBackground& b : Stage.Backgrounds) shown += b.Enabled ? '1' : '0';
        EXPECT_EQ(shown, k.shown) << k.layer << " " << k.mode;
    }
}

TEST_F(CmdShared, StatusFlagsOfTheSubjectAndTheSystem) {
    cHeroChara& h = AddHero(Def(), 2, 4);
    cNpcChara& c = RunFlow(*this, {Cmd(23, {0, 1, 1}), Cmd(23, {0, 4, 2}), Cmd(23, {0, 5, 0}),
                                   Cmd(23, {0, 2, 0}), Cmd(23, {3, 1, 1}), Cmd(23, {5, 0, 7})});
    EXPECT_EQ(c.Def.Transparent, 1);
    EXPECT_EQ(c.Def.Invincible, 2);
    EXPECT_EQ(c.Def.CharaScale, 1); // a scale is never below 1
    EXPECT_EQ(c.nUnitScale, 1);
    EXPECT_EQ(c.Def.FixedFacing, 0);
    EXPECT_EQ(Stage.nAutoScrollSpeedX, 7);
    EXPECT_TRUE(harness.Asked("auto scroll 0 1 7"));
    EXPECT_EQ(h.Def.Transparent, 0); // target 3 is empty: nothing
    // Vanishing: a computer character vanishes, the hero's hp drops to 0;
    // another subject raises the defeat check.
    cNpcChara& v = RunFlow(*this, {Cmd(23, {0, 0, 0})});
    EXPECT_EQ(v.bVanish, 1);
    RunFlow(*this, {Cmd(23, {1, 0, 0})});
    EXPECT_EQ(h.hp, 0);
    EXPECT_EQ(scene().nDefeatCheck, 1);
    // Enlarging doubles the size.
    cNpcChara& big = RunFlow(*this, {Cmd(23, {0, 5, 2})});
    EXPECT_EQ(big.nUnitScale, 2);
    EXPECT_EQ(big.nWidth, 2 * big.nBaseWidth);
}

TEST_F(CmdShared, SoundsMusicEffectsColourAndGameWaitAreHandedToThePlayScene) {
    cEdCommand visibleOnly = Cmd(35, {4});
    cEdCommand anywhere = Cmd(35, {5});
    anywhere.bSeVisibleOnly = 0;
    RunFlow(*this,
            {visibleOnly, anywhere, Cmd(36, {3, 1}), Cmd(31, {2, 1, 0}), Cmd(33, {200}), Cmd(18, {5})});
    EXPECT_FALSE(harness.Asked("db se 4")); // the character is not on screen
    EXPECT_TRUE(harness.Asked("db se 5"));
    EXPECT_TRUE(harness.Asked("bgm 3 1"));
    EXPECT_TRUE(harness.Asked("screen effect 2 1 0"));
    EXPECT_TRUE(harness.Asked("screen colour 200"));
    EXPECT_TRUE(harness.Asked("hold 5 key 0 frames 30 delay 0"));
}

TEST_F(CmdShared, GraphicAndAnimeSetChangesAndAnUnknownSetIsIgnored) {
    cNpcChara& c = RunFlow(*this, {Cmd(26, {2, 7, 3}), Cmd(27, {999})});
    EXPECT_EQ(c.Def.GraphicKind, 2);
    EXPECT_EQ(c.Def.GraphicIndex, 7);
    EXPECT_EQ(c.Def.CellBase, 3);
    EXPECT_EQ(c.nGraphic, 7);
    EXPECT_EQ(c.Def.AnimeSet, 0);
    EXPECT_EQ(MainWindowCloseRequests(), closeRequests);
}

TEST_F(CmdShared, TakingAnItemRunsItsListOnTheHero) {
    cHeroChara& h = AddHero(Def(), 2, 4);
    cEdItem item;
    item.Commands = {Cmd(35, {9}, true)};
    item.Commands[0].bSeVisibleOnly = 0;
    Stage.PaletteItems.assign(2, cEdItem());
    Stage.PaletteItems[1] = item;
    cVector<cEdCommand> list = {Cmd(25, {1, 1}, true), Cmd(25, {1, 5}, true), Cmd(25, {0, 40}, true)};
    EXPECT_EQ(h.RunFlowCommands(list), 0);
    EXPECT_TRUE(harness.Asked("db se 9"));
    EXPECT_EQ(scene().nEndState, 0);
}

TEST_F(CmdShared, AnItemTakingItselfEndsAndANestedEndStopsTheOuterList) {
    cHeroChara& h = AddHero(Def(), 2, 4);
    auto sound = [](std::int32_t n) {
        cEdCommand c = Cmd(35, {n}, true);
        c.bSeVisibleOnly = 0;
        return c;
    };
    Stage.PaletteItems.assign(3, cEdItem());
    // Item 0 takes item 1, which takes item 0 again: the loop is cut there.
    Stage.PaletteItems[0].Commands = {sound(1), Cmd(25, {1, 1}, true)};
    Stage.PaletteItems[1].Commands = {sound(2), Cmd(25, {1, 0}, true), sound(3)};
    // Item 2 clears the stage.
    Stage.PaletteItems[2].Commands = {Cmd(17, {3}, true)};
    cVector<cEdCommand> list = {Cmd(25, {1, 0}, true), sound(4)};
    EXPECT_EQ(h.RunFlowCommands(list), 0);
    std::string sounds;
    for (const std::string& r : harness.requests)
        if (r.rfind("db se ", 0) == 0) sounds += r.substr(6);
    EXPECT_EQ(sounds, "1234");

    // The clear of a taken item stops the list that took it and is not taken
    // back by a later item that ends nothing.
    harness.requests.clear();
    cVector<cEdCommand> clearing = {Cmd(25, {1, 2}, true), sound(5)};
    EXPECT_EQ(h.RunFlowCommands(clearing), 1);
    EXPECT_FALSE(harness.Asked("db se 5"));
    EXPECT_EQ(scene().nEndState, 1);
    cVector<cEdCommand> harmless = {Cmd(25, {1, 1}, true)};
    h.RunFlowCommands(harmless);
    EXPECT_EQ(scene().nEndState, 1);
}

TEST_F(CmdShared, ArrangementsReachTheNextCommandOfAFlowAndOfTheHerosList) {
    Stage.Backgrounds.assign(3, cEdBackground());
    // Background number := the character's v1 (2): layer 2 hides, not layer 1.
    cEdChara d = Def();
    cEdCommand arrange = Cmd(38, {34, 0, 0, 2, 1});
    cEdFlow f;
    f.cTrigger = 22;
    f.vCmd = {arrange, Cmd(34, {1, 1})};
    d.Flows = {f};
    cNpcChara& c = AddNpc(d, 4, 4);
    c.Vars[1] = 2;
    c.Flows[0].Start(c);
    for (int i = 0; i < 30; ++i) SubStep();
    EXPECT_EQ(Stage.Backgrounds[0].Enabled, 1);
    EXPECT_EQ(Stage.Backgrounds[1].Enabled, 0);
    // As a flow command it queues on the hero's immediate list.
    cHeroChara& h = AddHero(Def(), 2, 4);
    h.Vars[1] = 3;
    cVector<cEdCommand> list = {Cmd(38, {34, 0, 0, 2, 1}, true), Cmd(34, {1, 1}, true)};
    h.RunFlowCommands(list);
    EXPECT_EQ(Stage.Backgrounds[2].Enabled, 0);
    EXPECT_EQ(Stage.Backgrounds[0].Enabled, 1);
}

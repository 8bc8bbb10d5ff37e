// The demo's enemies and items, loaded from the built demo, run through the
// engine harness: every one of their commands reaches a handler of its own,
// and between them they use every movement, attack and target choice.
#include "demo/DemoFiles.h"
#include "fixtures/EngineHarness.h"
#include "fixtures/TempDir.h"

#include "foundation/ErrorLog.h"
#include "project/CommonPalette.h"

#include <fstream>
#include <set>

namespace {

namespace fs = std::filesystem;

class DemoPalette : public EngineTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::is_directory(DemoDir() / "default")) << "the build makes the demo in " << DemoDir();
        fs::copy(DemoDir() / "default", dir.path() / "data", fs::copy_options::recursive);
        ASSERT_TRUE(CommonPalette.LoadFromFile("data\\CommonPalette.cplt4"));
    }
    void TearDown() override { CommonPalette = saved; }

    TempDir dir;
    const cCommonPalette saved = CommonPalette;
};

// The set-target choice of a command, or -1 for another kind.
std::int32_t TargetChoice(const cEdCommand& c) {
    return c.CharaKind() == 21 ? c.Param(1) : -1;
}

} // namespace

TEST_F(DemoPalette, EnemiesAndItemsUseEveryMovementAttackAndTargetChoice) {
    std::set<int> kinds;
    std::set<std::int32_t> choices, flowChanges;
    for (const cEdChara& c : CommonPalette.Charas)
        for (const cEdFlow& f : c.Flows)
            for (const cEdCommand& cmd : f.vCmd) {
                kinds.insert(cmd.CharaKind());
                choices.insert(TargetChoice(cmd));
            }
    for (const cEdItem& item : CommonPalette.Items)
        for (const cEdCommand& cmd : item.Commands) {
            choices.insert(TargetChoice(cmd));
            if (cmd.IsFlow() && cmd.cKind == 1) flowChanges.insert(cmd.Param(0));
        }
    for (int kind = 2; kind <= 16; ++kind)
        EXPECT_TRUE(kinds.count(kind)) << "no demo flow uses kind " << kind;
    for (std::int32_t choice = 0; choice <= 10; ++choice)
        EXPECT_TRUE(choices.count(choice)) << "no demo command sets a target by choice " << choice;
    EXPECT_EQ(flowChanges, (std::set<std::int32_t>{0, 1, 2})) << "an item uses every flow change";
}

TEST_F(DemoPalette, EnemiesAndItemsRunWithoutAMissingHandlerLine) {
    const std::string previousReport = ReportFileName();
    ASSERT_TRUE(SetReportFile((dir.path() / "report.txt").string()));

    cHeroChara& h = AddHero(CommonPalette.Charas.At(1), 3, 12);
    // The flyer, the turret and the summoner.
    for (std::size_t i = 4; i <= 6; ++i) {
        ASSERT_TRUE(CommonPalette.Charas.InRange(static_cast<std::int64_t>(i)));
        cNpcChara& c = AddNpc(CommonPalette.Charas[i], 4 + 3 * static_cast<int>(i), 8);
        c.bOnScreen = 1;
    }
    for (int frame = 0; frame < 400; ++frame) {
        // Half way the hero takes every item of the palette.
        if (frame == 200) {
            for (const cEdItem& item : CommonPalette.Items) {
                cVector<cEdCommand> commands = item.Commands;
                h.RunFlowCommands(commands);
            }
            bool glows = false;
            for (const auto& f : h.Flows.Runs) glows = glows || (f->Def.bySet1 == 1 && f->bRunning);
            EXPECT_TRUE(glows) << "the power-up started the hero's glow";
        }
        Frame();
    }

    std::ifstream in(dir.path() / "report.txt");
    for (std::string line; std::getline(in, line);)
        EXPECT_EQ(line.find("is not built yet"), std::string::npos) << line;
    SetReportFile(previousReport);
    EXPECT_EQ(MainWindowCloseRequests(), closeRequests);
}

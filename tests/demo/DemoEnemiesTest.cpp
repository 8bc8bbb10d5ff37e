// The demo's enemies, loaded from the built demo, run through the engine
// harness: every one of their commands reaches a handler of its own.
#include "demo/DemoFiles.h"
#include "fixtures/EngineHarness.h"
#include "fixtures/TempDir.h"

#include "foundation/ErrorLog.h"
#include "project/CommonPalette.h"

#include <fstream>

namespace {

namespace fs = std::filesystem;

using DemoEnemies = EngineTest;

} // namespace

TEST_F(DemoEnemies, RunWithoutAMissingHandlerLine) {
    ASSERT_TRUE(fs::is_directory(DemoDir() / "default")) << "the build makes the demo in " << DemoDir();
    TempDir dir;
    fs::copy(DemoDir() / "default", dir.path() / "data", fs::copy_options::recursive);
    const cCommonPalette saved = CommonPalette;
    ASSERT_TRUE(CommonPalette.LoadFromFile("data\\CommonPalette.cplt4"));
    const std::string previousReport = ReportFileName();
    ASSERT_TRUE(SetReportFile((dir.path() / "report.txt").string()));

    AddHero(CommonPalette.Charas.At(1), 3, 12);
    // The flyer, the turret and the summoner.
    for (std::size_t i = 4; i <= 6; ++i) {
        ASSERT_TRUE(CommonPalette.Charas.InRange(static_cast<std::int64_t>(i)));
        cNpcChara& c = AddNpc(CommonPalette.Charas[i], 4 + 3 * static_cast<int>(i), 8);
        c.bOnScreen = 1;
    }
    for (int frame = 0; frame < 400; ++frame) Frame();

    std::ifstream in(dir.path() / "report.txt");
    for (std::string line; std::getline(in, line);)
        EXPECT_EQ(line.find("is not built yet"), std::string::npos) << line;
    SetReportFile(previousReport);
    CommonPalette = saved;
    EXPECT_EQ(MainWindowCloseRequests(), closeRequests);
}

// The report's display lines come from the layer as it runs: its mode and
// depth, and on the DirectDraw face the video memory left and the refresh rate.
#include "GraphicsFixture.h"

#include "foundation/SystemReport.h"
#include "graphics/GraphicsSeams.h"

namespace {

using DisplayFactsTest = GraphicsTest;

TEST_F(DisplayFactsTest, TheReportDescribesTheDisplayTheLayerRuns) {
    cScopedDisplayFactsSource installed(GraphicsDisplayFacts());
    DirectDrawSettings().videoMemoryBytes = 4 * 1048576;
    DirectDrawSettings().refreshRate = 75;
    ASSERT_TRUE(StartDirectDraw(16, false));
    std::uint64_t total = 0, free = 0;
    GetVideoMemoryMB(&total, &free);
    EXPECT_EQ(total, 4u * 1048576);
    EXPECT_LT(free, total) << "the screen's own surfaces take video memory";
    const std::uint64_t before = free;
    DDSURFACEDATA sd;
    ASSERT_TRUE(DDCreateSurface(&sd, 64, 64, 0, 0, 0, 0, 0));
    GetVideoMemoryMB(nullptr, &free);
    EXPECT_EQ(free, before - 64 * 64 * 2) << "a 16-bit surface in video memory";
    const std::vector<std::string> lines = FormatDisplayReport(DisplayFactsSource().Facts(false));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "Mode : Fullscreen");
    EXPECT_EQ(lines[1], "Bpp : 16");
    EXPECT_EQ(lines[2], "VRAM Total : 4.000MB");
    EXPECT_EQ(lines[4], "RR : 75");
    DDReleaseSurface(&sd);
    DDRelease();

    ASSERT_TRUE(StartDirect3D(32, true));
    EXPECT_EQ(FormatDisplayReport(DisplayFactsSource().Facts(false)),
              (std::vector<std::string>{"Mode : Window", "Bpp : 32"}))
        << "no DirectDraw object: no video-memory lines";
    GetVideoMemoryMB(&total, &free);
    EXPECT_EQ(total, 0u);
}

} // namespace

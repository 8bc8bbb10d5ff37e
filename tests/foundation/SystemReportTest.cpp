#include "foundation/SystemReport.h"

#include "fixtures/TempDir.h"
#include "foundation/ErrorLog.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/statvfs.h>

namespace {

std::vector<std::string> ReadLines(const std::string& name) {
    std::ifstream f(name);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(f, line)) lines.push_back(line);
    return lines;
}

TEST(SystemReport, LinesKeepTheirFormatsAndLargeDisksAreNotCapped) {
    SystemFacts f;
    f.osName = "Linux 6.1.0 x86_64";
    f.cpu.vendor = "GenuineIntel";
    f.cpu.brand = "Some CPU";
    f.cpu.clockHz = 2999999999u;
    f.memory.dwTotalPhys = 8ull << 30;
    f.memory.dwAvailPhys = (3ull << 30) + (1ull << 19); // 3072.5 MB
    f.memory.dwTotalVirtual = 1ull << 47;
    f.memory.dwAvailVirtual = 1ull << 20;
    f.diskFree = 3ull << 40; // 3 TB
    EXPECT_EQ(FormatSystemReport(f), (std::vector<std::string>{
                                         "OS : Linux 6.1.0 x86_64",
                                         "CPU : GenuineIntel Some CPU 2999",
                                         "Mem Total : 8192.000MB",
                                         "Mem Free : 3072MB",
                                         "Vir Total : 134217728.000MB",
                                         "Vir Free :   1MB",
                                         "HD Free : 3145728MB",
                                     }));
}

TEST(SystemReport, ReportSystemInfoDescribesThisMachine) {
    TempDir dir;
    EXPECT_FALSE(ReportSystemInfo()); // no report file in this run yet
    ASSERT_TRUE(SetReportFile("Report_Game.txt"));
    ASSERT_TRUE(ReportSystemInfo());
    std::vector<std::string> lines = ReadLines("Report_Game.txt");
    ASSERT_EQ(lines.size(), 7u);
    const char* prefixes[] = {
        "OS : Linux", "CPU : ", "Mem Total : ", "Mem Free : ", "Vir Total : ", "Vir Free : ", "HD Free : "};
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(lines[i].rfind(prefixes[i], 0), 0u) << lines[i];
    struct statvfs v {};
    ASSERT_EQ(statvfs(".", &v), 0);
    double expectMb = static_cast<double>(v.f_bavail) * v.f_frsize / 1048576.0;
    double reportedMb = 0;
    ASSERT_EQ(std::sscanf(lines[6].c_str(), "HD Free : %lfMB", &reportedMb), 1);
    EXPECT_NEAR(reportedMb, expectMb, 64.0);
    MEMORYSTATUS m;
    GetMemoryStatus(m);
    EXPECT_EQ(m.dwLength, 32u);
    EXPECT_GT(m.dwTotalPhys, 0u);
    EXPECT_LE(m.dwAvailPhys, m.dwTotalPhys);
    EXPECT_LE(m.dwAvailVirtual, m.dwTotalVirtual);
}

TEST(SystemReport, DisplayLinesComeFromTheGraphicsLayer) {
    TempDir dir;
    ASSERT_TRUE(SetReportFile("Report_Game.txt"));
    // No graphics layer yet: a 32-bit window, no video-memory lines.
    ASSERT_TRUE(ReportDisplayInfo(true));
    EXPECT_EQ(ReadLines("Report_Game.txt"), (std::vector<std::string>{"Mode : Window", "Bpp : 32"}));
    EXPECT_EQ(GetDDIVersion(), 9);
    std::uint64_t total = 1, free = 1;
    GetVideoMemoryMB(&total, &free);
    EXPECT_EQ(total, 0u);
    EXPECT_EQ(free, 0u);

    struct cFixedFacts : cDisplayFactsSource {
        bool askedVerbose = false;
        DisplayFacts Facts(bool verbose) override {
            askedVerbose = verbose;
            DisplayFacts f;
            f.windowMode = false;
            f.bpp = 16;
            f.hasVideoMemory = true;
            f.vramTotal = 256ull << 20;
            f.vramFree = 3ull << 19;
            f.refreshRate = 60;
            f.deviceLines = {"TextureMem : 256MB"};
            f.ddiVersion = 8;
            return f;
        }
    } facts;
    cScopedDisplayFactsSource scoped(facts);
    ASSERT_TRUE(SetReportFile("Report_Game.txt"));
    ASSERT_TRUE(ReportDisplayInfo(true));
    EXPECT_TRUE(facts.askedVerbose);
    EXPECT_EQ(GetDDIVersion(), 8);
    EXPECT_EQ(ReadLines("Report_Game.txt"),
              (std::vector<std::string>{"Mode : Fullscreen", "Bpp : 16", "VRAM Total : 256.000MB",
                                        "VRAM Free : 1.500MB", "RR : 60", "TextureMem : 256MB"}));
}

TEST(SystemReport, ThisSystemCountsAsTheNewestKnownWindowsRelease) {
    EXPECT_TRUE(IsOSVersionAtLeast(6, 0));
    EXPECT_TRUE(IsOSVersionAtLeast(6, 2));
    EXPECT_FALSE(IsOSVersionAtLeast(6, 3));
    EXPECT_FALSE(IsOSVersionAtLeast(10, 0));
    int major = -1, minor = -1;
    EXPECT_FALSE(GetOSName(&major, &minor).empty());
    EXPECT_GE(major, 2);
}

} // namespace

#include "foundation/SystemReport.h"

#include "foundation/ErrorLog.h"

namespace {

constexpr double kMegabyte = 1.0 / 1048576.0;

DisplayFacts CurrentDisplayFacts(bool verbose) {
    return DisplayFactsSource().Facts(verbose);
}

double Mb(std::uint64_t bytes) {
    return static_cast<double>(bytes) * kMegabyte;
}

} // namespace

std::vector<std::string> FormatSystemReport(const SystemFacts& f) {
    return {
        FormatString(1024, "OS : %s", f.osName.c_str()),
        FormatString(1024, "CPU : %s %s %d", f.cpu.vendor.c_str(), f.cpu.brand.c_str(),
                     static_cast<int>(f.cpu.clockHz / 1000000u)),
        FormatString(1024, "Mem Total : %.3fMB", Mb(f.memory.dwTotalPhys)),
        FormatString(1024, "Mem Free : %3.fMB", Mb(f.memory.dwAvailPhys)),
        FormatString(1024, "Vir Total : %.3fMB", Mb(f.memory.dwTotalVirtual)),
        FormatString(1024, "Vir Free : %3.fMB", Mb(f.memory.dwAvailVirtual)),
        FormatString(1024, "HD Free : %3.fMB", Mb(f.diskFree)),
    };
}

bool ReportSystemInfo() {
    return ReportPutsLines(FormatSystemReport(GatherSystemFacts()));
}

std::vector<std::string> FormatDisplayReport(const DisplayFacts& f) {
    std::vector<std::string> lines;
    lines.push_back(f.windowMode ? "Mode : Window" : "Mode : Fullscreen");
    lines.push_back(FormatString(1024, "Bpp : %d", f.bpp));
    if (f.hasVideoMemory) {
        lines.push_back(FormatString(1024, "VRAM Total : %.3fMB", Mb(f.vramTotal)));
        lines.push_back(FormatString(1024, "VRAM Free : %.3fMB", Mb(f.vramFree)));
        lines.push_back(FormatString(1024, "RR : %u", f.refreshRate));
    }
    lines.insert(lines.end(), f.deviceLines.begin(), f.deviceLines.end());
    return lines;
}

bool ReportDisplayInfo(bool verbose) {
    return ReportPutsLines(FormatDisplayReport(CurrentDisplayFacts(verbose)));
}

void GetVideoMemoryMB(std::uint64_t* total, std::uint64_t* free) {
    DisplayFacts f = CurrentDisplayFacts(false);
    if (total) *total = f.hasVideoMemory ? f.vramTotal : 0;
    if (free) *free = f.hasVideoMemory ? f.vramFree : 0;
}

int GetDDIVersion() {
    return CurrentDisplayFacts(false).ddiVersion;
}

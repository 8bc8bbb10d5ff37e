// The description of the machine at the head of the report file: operating
// system, processor, memory and disk (written at start-up), and the display
// (written once the graphics layer runs; that layer supplies the facts).
#pragma once

#include "foundation/DisplayFactsSource.h"

#include <cstdint>
#include <string>
#include <vector>

struct CPUINFO {
    std::string brand;  // processor model text; empty when unknown
    std::string vendor; // vendor identification; empty when unknown
    bool mmx = false, sse = false, sse2 = false, now3d = false, now3dExt = false;
    std::uint64_t clockHz = 0;
};

// Byte counts; 64 bits wide so that large machines are reported as they are.
struct MEMORYSTATUS {
    std::uint32_t dwLength = 0;
    std::uint32_t dwMemoryLoad = 0; // percent in use
    std::uint64_t dwTotalPhys = 0;
    std::uint64_t dwAvailPhys = 0;
    std::uint64_t dwTotalPageFile = 0;
    std::uint64_t dwAvailPageFile = 0;
    std::uint64_t dwTotalVirtual = 0;
    std::uint64_t dwAvailVirtual = 0;
};

// The system's name and release ("Linux 6.1.0-13-amd64 x86_64") with the
// first two numbers of the release as major and minor.
std::string GetOSName(int* major, int* minor);
// The program treats this system as at least the newest Windows release the
// program knows (6.2), so every feature gated on a version is available.
bool IsOSVersionAtLeast(int major, int minor);
void GetCPUInfo(CPUINFO& info);
std::uint64_t GetCPUClock();
void GetMemoryStatus(MEMORYSTATUS& status);
// Free bytes available to the program on the current folder's file system,
// not capped (0 when it cannot be asked).
std::uint64_t GetDiskFreeMB();
// Video memory of the graphics layer in bytes; both 0 when it reports none.
void GetVideoMemoryMB(std::uint64_t* total, std::uint64_t* free);

struct SystemFacts {
    std::string osName;
    CPUINFO cpu;
    MEMORYSTATUS memory;
    std::uint64_t diskFree = 0;
};
SystemFacts GatherSystemFacts();
// The seven machine lines of the report.
std::vector<std::string> FormatSystemReport(const SystemFacts& facts);
bool ReportSystemInfo();

// The display lines; the graphics layer supplies the facts (DisplayFactsSource).
std::vector<std::string> FormatDisplayReport(const DisplayFacts& facts);
bool ReportDisplayInfo(bool verbose);
// The DDI version of the display driver (the Direct3D start-up needs 9 or more).
int GetDDIVersion();

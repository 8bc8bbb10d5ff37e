// What the machine is, read from uname, /proc and statvfs.
#include "foundation/SystemReport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <sys/utsname.h>

namespace {

// The user address space of a 64-bit process (47 bits) when no limit is set.
constexpr std::uint64_t kUserAddressSpace = std::uint64_t{1} << 47;

// "key : value" lines of a /proc file; the first match.
std::string ProcValue(const char* file, const std::string& key) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        auto colon = line.find(':');
        if (colon == std::string::npos) continue;
        std::string name = line.substr(0, colon);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
        if (name != key) continue;
        std::string value = line.substr(colon + 1);
        std::size_t start = value.find_first_not_of(" \t");
        return start == std::string::npos ? std::string() : value.substr(start);
    }
    return {};
}

// A "1234 kB" value in bytes.
std::uint64_t KilobyteValue(const char* file, const std::string& key) {
    return std::strtoull(ProcValue(file, key).c_str(), nullptr, 10) * 1024u;
}

} // namespace

std::string GetOSName(int* major, int* minor) {
    struct utsname u {};
    if (::uname(&u) != 0) {
        if (major) *major = 0;
        if (minor) *minor = 0;
        return {};
    }
    int a = 0, b = 0;
    std::sscanf(u.release, "%d.%d", &a, &b);
    if (major) *major = a;
    if (minor) *minor = b;
    return std::string(u.sysname) + " " + u.release + " " + u.machine;
}

bool IsOSVersionAtLeast(int major, int minor) {
    return major < 6 || (major == 6 && minor <= 2);
}

std::uint64_t GetCPUClock() {
    double mhz = std::strtod(ProcValue("/proc/cpuinfo", "cpu MHz").c_str(), nullptr);
    if (mhz > 0) return static_cast<std::uint64_t>(mhz * 1000000.0);
    std::ifstream in("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq");
    std::uint64_t khz = 0;
    in >> khz;
    return khz * 1000u;
}

void GetCPUInfo(CPUINFO& info) {
    info = CPUINFO{};
    info.vendor = ProcValue("/proc/cpuinfo", "vendor_id");
    info.brand = ProcValue("/proc/cpuinfo", "model name");
    std::istringstream flags(ProcValue("/proc/cpuinfo", "flags"));
    std::string flag;
    while (flags >> flag) {
        if (flag == "mmx")
            info.mmx = true;
        else if (flag == "sse")
            info.sse = true;
        else if (flag == "sse2")
            info.sse2 = true;
        else if (flag == "3dnow")
            info.now3d = true;
        else if (flag == "3dnowext")
            info.now3dExt = true;
    }
    info.clockHz = GetCPUClock();
}

void GetMemoryStatus(MEMORYSTATUS& s) {
    s = MEMORYSTATUS{};
    s.dwLength = 32;
    s.dwTotalPhys = KilobyteValue("/proc/meminfo", "MemTotal");
    s.dwAvailPhys = KilobyteValue("/proc/meminfo", "MemAvailable");
    if (s.dwTotalPhys) s.dwMemoryLoad = static_cast<std::uint32_t>(100 - s.dwAvailPhys * 100 / s.dwTotalPhys);
    s.dwTotalPageFile = s.dwTotalPhys + KilobyteValue("/proc/meminfo", "SwapTotal");
    s.dwAvailPageFile = s.dwAvailPhys + KilobyteValue("/proc/meminfo", "SwapFree");
    struct rlimit limit {};
    s.dwTotalVirtual = kUserAddressSpace;
    if (::getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        s.dwTotalVirtual = static_cast<std::uint64_t>(limit.rlim_cur);
    std::uint64_t used = KilobyteValue("/proc/self/status", "VmSize");
    s.dwAvailVirtual = used < s.dwTotalVirtual ? s.dwTotalVirtual - used : 0;
}

std::uint64_t GetDiskFreeMB() {
    struct statvfs v {};
    if (::statvfs(".", &v) != 0) return 0;
    return static_cast<std::uint64_t>(v.f_bavail) * static_cast<std::uint64_t>(v.f_frsize);
}

SystemFacts GatherSystemFacts() {
    SystemFacts f;
    f.osName = GetOSName(nullptr, nullptr);
    GetCPUInfo(f.cpu);
    GetMemoryStatus(f.memory);
    f.diskFree = GetDiskFreeMB();
    return f;
}

#include "foundation/KeyConfig.h"

#include "foundation/ErrorLog.h"
#include "foundation/RecordFile.h"
#include "platform/InputDevices.h"

#include <algorithm>
#include <vector>

KEYCONFIGDATA KeyConfig;

namespace {

constexpr WORD kDefaultCodes[kKeyAssignCount] = {37, 39, 38, 40, 'Z', 'X', 'C', 'V', 'A', 'S', 'D', 'F'};

DWORD ReadU32(const std::uint8_t* p) {
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
           (static_cast<DWORD>(p[3]) << 24);
}

WORD ReadU16(const std::uint8_t* p) {
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

} // namespace

void SetDefaultKeyConfig(KEYCONFIGDATA* config) {
    if (!config) return;
    for (std::size_t i = 0; i < kKeyAssignCount; ++i)
        config->Keys[i] = {kKeyDeviceKeyboard, kDefaultCodes[i], 0};
    config->dwCount = kKeyAssignCount;
    config->dwJoyCount = 1;
    config->dwUse = 0;
}

bool ParseKeyConfig(const std::uint8_t* data, std::size_t size, KEYCONFIGDATA* config, std::string* why) {
    auto damaged = [why](const char* text) {
        if (why) *why = text;
        return false;
    };
    if (!data || size < kKeyConfigBytes) return damaged("shorter than 108 bytes");
    KEYCONFIGDATA read;
    for (std::size_t i = 0; i < kKeyAssignCount; ++i) {
        const std::uint8_t* p = data + i * 8;
        read.Keys[i] = {ReadU32(p), ReadU16(p + 4), ReadU16(p + 6)};
    }
    read.dwCount = ReadU32(data + 96);
    read.dwJoyCount = ReadU32(data + 100);
    read.dwUse = ReadU32(data + 104);
    if (read.dwCount > kKeyAssignCount) return damaged("more than 12 assignments");
    if (read.dwJoyCount > kMaxJoysticks) return damaged("more joysticks than can be polled");
    // The four directions and the buttons below the count are read; a
    // joystick they name must be one that is polled.
    const std::size_t used = std::max<std::size_t>(read.dwCount, 4);
    for (std::size_t i = 0; i < used; ++i) {
        const DWORD device = read.Keys[i].dwDevice;
        if (device != kKeyDeviceKeyboard && device >= read.dwJoyCount)
            return damaged("an assignment names a joystick that is not polled");
    }
    if (config) *config = read;
    return true;
}

int LoadKeyConfig(const std::string& path, KEYCONFIGDATA* config) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return 0;
    std::string why;
    if (ParseKeyConfig(bytes.data(), bytes.size(), config, &why)) return 1;
    ReportPrintf("%s: %s; the default keys are used", path.c_str(), why.c_str());
    SetDefaultKeyConfig(config);
    return 0;
}

// Where the build put the demo game, and small readers for its files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

inline std::filesystem::path DemoDir() {
#ifdef BRINDLE_DEMO_DIR
    return std::filesystem::path(BRINDLE_DEMO_DIR);
#else
    return std::filesystem::path("build/demo");
#endif
}

// The bytes of a demo file given by its '/'-separated UTF-8 path; empty when missing.
std::vector<std::uint8_t> ReadDemoFile(const std::string& relative);

inline std::uint32_t LeU32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return at + 4 <= b.size()
               ? b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24
               : 0;
}
inline std::uint16_t LeU16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return at + 2 <= b.size() ? static_cast<std::uint16_t>(b[at] | b[at + 1] << 8) : 0;
}

#include "demo/DemoFiles.h"

#include <fstream>

std::vector<std::uint8_t> ReadDemoFile(const std::string& relative) {
    std::ifstream in(DemoDir() / std::filesystem::path(reinterpret_cast<const char8_t*>(relative.c_str())),
                     std::ios::binary | std::ios::ate);
    if (!in) return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in) return {};
    return bytes;
}

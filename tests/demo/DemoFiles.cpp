#include "demo/DemoFiles.h"

#include <fstream>
#include <iterator>

std::vector<std::uint8_t> ReadDemoFile(const std::string& relative) {
    std::ifstream in(DemoDir() / std::filesystem::path(reinterpret_cast<const char8_t*>(relative.c_str())),
                     std::ios::binary);
    if (!in) return {};
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

#include "foundation/PathText.h"

#include "foundation/Paths.h"
#include "platform/Cp932.h"

#include <cstring>

bool EndsWithSeparator(const std::string& path) {
    bool last = false;
    for (std::size_t i = 0; i < path.size();) {
        if (IsDoubleByteCharAt(path, i)) {
            last = false;
            i += 2;
            continue;
        }
        last = path[i] == '\\' || path[i] == '/';
        ++i;
    }
    return last;
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size();) {
        if (IsDoubleByteCharAt(a, i)) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            i += 2;
            continue;
        }
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
        ++i;
    }
    return true;
}

std::string JoinParts(const std::vector<std::string>& parts, std::size_t from) {
    std::string out;
    for (std::size_t i = from; i < parts.size(); ++i) {
        if (i > from) out += '\\';
        out += parts[i];
    }
    return out;
}

bool ReadPathBuffer(const char* buffer, std::string& out) {
    if (!buffer) return false;
    std::size_t n = strnlen(buffer, kMaxPath);
    if (n == kMaxPath) return false;
    out.assign(buffer, n);
    return true;
}

bool WritePathBuffer(char* buffer, const std::string& text) {
    if (!buffer || text.size() >= kMaxPath) return false;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

#include "platform/PathResolver.h"

// First cut: separators only. Case matching and code-page conversion follow.
static std::string Slashes(const std::string& p) {
    std::string s = p;
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

std::string ResolvePath(const std::string& windowsPath) {
    return Slashes(windowsPath);
}
std::string ResolvePathForWriting(const std::string& windowsPath) {
    return Slashes(windowsPath);
}

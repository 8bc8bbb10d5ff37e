#include "foundation/Paths.h"

#include "foundation/PathText.h"
#include "platform/Cp932.h"
#include "platform/PathResolver.h"

#include <algorithm>
#include <filesystem>

bool IsAbsolutePath(const std::string& path) {
    return !path.empty() && (path[0] == '\\' || path[0] == '/');
}

bool GetCurrentFolder(std::string& out) {
    std::error_code ec;
    std::string utf8 = std::filesystem::current_path(ec).string();
    if (ec || utf8.empty()) return false;
    // Separators are turned before the conversion: in UTF-8 a '/' is always one.
    std::replace(utf8.begin(), utf8.end(), '/', '\\');
    return Utf8ToCp932(utf8, out);
}

bool MakeFullPath(std::string& path) {
    if (IsAbsolutePath(path)) return true;
    std::string cwd;
    if (!GetCurrentFolder(cwd)) return false;
    std::vector<std::string> parts;
    for (const std::string* text : {&cwd, &path}) {
        for (std::string& part : SplitWindowsPath(*text)) {
            if (part == ".") continue;
            if (part == "..") {
                if (!parts.empty()) parts.pop_back();
                continue;
            }
            parts.push_back(std::move(part));
        }
    }
    std::string full = "\\" + JoinParts(parts);
    if (!parts.empty() && EndsWithSeparator(path)) full += '\\';
    if (full.size() >= kMaxPath) return false;
    path = full;
    return true;
}

bool MakeFullPath(char* path) {
    std::string text;
    if (!ReadPathBuffer(path, text) || !MakeFullPath(text)) return false;
    return WritePathBuffer(path, text);
}

bool MakeRelativePathStr(std::string& path) {
    if (!IsAbsolutePath(path)) return true;
    std::string cwd;
    if (!GetCurrentFolder(cwd)) return false;
    std::vector<std::string> from = SplitWindowsPath(cwd);
    std::vector<std::string> to = SplitWindowsPath(path);
    std::size_t common = 0;
    while (common < from.size() && common < to.size() && SameNameIgnoringCase(from[common], to[common]))
        ++common;
    std::vector<std::string> parts;
    if (common == from.size()) parts.push_back(".");
    for (std::size_t i = common; i < from.size(); ++i) parts.push_back("..");
    parts.insert(parts.end(), to.begin() + static_cast<std::ptrdiff_t>(common), to.end());
    std::string relative = JoinParts(parts);
    if (common < to.size() && EndsWithSeparator(path)) relative += '\\';
    if (relative.size() >= kMaxPath) return false;
    path = relative;
    return true;
}

bool MakeRelativePath(char* path) {
    std::string text;
    if (!ReadPathBuffer(path, text) || !MakeRelativePathStr(text)) return false;
    return WritePathBuffer(path, text);
}

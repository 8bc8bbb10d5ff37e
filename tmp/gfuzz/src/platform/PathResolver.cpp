#include "platform/PathResolver.h"

#include "platform/Cp932.h"

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <sys/stat.h>
#include <time.h>
#include <unordered_map>

namespace fs = std::filesystem;

namespace {

// Letter case folding for the letters code page 932 holds: ASCII, full-width
// Latin, Greek and Cyrillic. Other characters compare as they are.
char32_t FoldChar(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if (c >= 0xFF21 && c <= 0xFF3A) return c + 0x20;                // Ａ-Ｚ
    if (c >= 0x0391 && c <= 0x03A9 && c != 0x03A2) return c + 0x20; // Α-Ω
    if (c >= 0x0410 && c <= 0x042F) return c + 0x20;                // А-Я
    if (c == 0x0401) return 0x0451;                                 // Ё
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The case-folded form of a UTF-8 name; bytes that are not valid UTF-8 stay as they are.
std::string FoldName(const std::string& name) {
    std::string out;
    out.reserve(name.size());
    std::size_t i = 0;
    while (i < name.size()) {
        unsigned char b = static_cast<unsigned char>(name[i]);
        std::size_t n = b < 0x80             ? 1
                        : (b & 0xE0) == 0xC0 ? 2
                        : (b & 0xF0) == 0xE0 ? 3
                        : (b & 0xF8) == 0xF0 ? 4
                                             : 0;
        bool valid = n > 0 && i + n <= name.size();
        for (std::size_t k = 1; valid && k < n; ++k)
            valid = (static_cast<unsigned char>(name[i + k]) & 0xC0) == 0x80;
        if (!valid) {
            out += name[i++];
            continue;
        }
        char32_t c = n == 1 ? b : n == 2 ? (b & 0x1F) : n == 3 ? (b & 0x0F) : (b & 0x07);
        for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(name[i + k]) & 0x3F);
        AppendUtf8(out, FoldChar(c));
        i += n;
    }
    return out;
}

struct Listing {
    struct timespec mtime {};  // the folder's change time when it was read
    struct timespec readAt {}; // the wall-clock time it was read
    // (folded name, real name), sorted so that the choice among names that
    // differ only in case is the same on every run.
    std::vector<std::pair<std::string, std::string>> entries;
};

std::mutex cacheMutex;
std::unordered_map<std::string, Listing> cache;

bool Stat(const std::string& path, struct stat& st) {
    return ::stat(path.empty() ? "." : path.c_str(), &st) == 0;
}

bool Exists(const std::string& path) {
    struct stat st;
    return Stat(path, st);
}

bool SameTime(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// A listing still holds when the folder's change time is the same, unless
// that time was close to the reading: file systems keep change times in coarse
// steps, so a change in the same step would not show.
bool StillCurrent(const Listing& l, const struct timespec& mtime) {
    return SameTime(l.mtime, mtime) && l.readAt.tv_sec - mtime.tv_sec >= 2;
}

Listing ReadListing(const std::string& dir, const struct timespec& mtime) {
    Listing l;
    l.mtime = mtime;
    clock_gettime(CLOCK_REALTIME, &l.readAt);
    std::error_code ec;
    for (fs::directory_iterator it(dir.empty() ? "." : dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        l.entries.emplace_back(FoldName(name), name);
    }
    std::sort(l.entries.begin(), l.entries.end());
    return l;
}

const std::string* FindIn(const Listing& l, const std::string& folded) {
    auto it = std::lower_bound(l.entries.begin(), l.entries.end(), std::make_pair(folded, std::string()));
    if (it != l.entries.end() && it->first == folded) return &it->second;
    return nullptr;
}

std::string Join(const std::string& dir, const std::string& part) {
    if (dir.empty()) return part;
    if (dir.back() == '/') return dir + part;
    return dir + "/" + part;
}

// The real name of `part` in `dir`, matched without regard to case; empty when none.
std::string MatchPart(const std::string& dir, const std::string& part) {
    if (part == "." || part == ".." || Exists(Join(dir, part))) return part;
    struct stat dirStat;
    if (!Stat(dir, dirStat) || !S_ISDIR(dirStat.st_mode)) return {};
    std::error_code ec;
    std::string key =
        fs::absolute(dir.empty() ? fs::path(".") : fs::path(dir), ec).lexically_normal().string();
    if (ec) return {};
    std::string folded = FoldName(part);

    std::lock_guard<std::mutex> lock(cacheMutex);
    auto it = cache.find(key);
    if (it != cache.end()) {
        // A cached name is used only while it still exists.
        if (const std::string* real = FindIn(it->second, folded); real && Exists(Join(dir, *real)))
            return *real;
        if (StillCurrent(it->second, dirStat.st_mtim)) return {};
        // The folder may have changed since it was read: read it again.
    }
    Listing& l = cache[key] = ReadListing(dir, dirStat.st_mtim);
    if (const std::string* real = FindIn(l, folded)) return *real;
    return {};
}

std::string Resolve(const std::string& windowsPath) {
    bool absolute = false;
    std::vector<std::string> parts = SplitWindowsPath(windowsPath, &absolute);
    std::string result = absolute ? "/" : "";
    bool found = true;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::string part = Cp932ToUtf8(parts[i]);
        if (found) {
            std::string real = MatchPart(result, part);
            if (real.empty())
                found = false;
            else
                part = real;
        }
        result = Join(result, part);
    }
    return result;
}

} // namespace

std::vector<std::string> SplitWindowsPath(std::string_view path, bool* absolute) {
    std::vector<std::string> parts;
    if (absolute) *absolute = !path.empty() && (path[0] == '\\' || path[0] == '/');
    std::string current;
    std::size_t i = 0;
    while (i < path.size()) {
        if (IsDoubleByteCharAt(path, i)) {
            current.append(path.substr(i, 2));
            i += 2;
            continue;
        }
        char c = path[i++];
        if (c == '\\' || c == '/') {
            if (!current.empty()) parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(std::move(current));
    return parts;
}

std::string ResolvePath(const std::string& windowsPath) {
    return Resolve(windowsPath);
}

// Matching the last part too keeps one file per name: writing "OPTION.DAT"
// over an existing "Option.dat" replaces it instead of adding a second file
// that a later read might not pick.
std::string ResolvePathForWriting(const std::string& windowsPath) {
    return Resolve(windowsPath);
}

bool PathExists(const std::string& windowsPath) {
    return Exists(ResolvePath(windowsPath));
}

void ClearPathCache() {
    std::lock_guard<std::mutex> lock(cacheMutex);
    cache.clear();
}

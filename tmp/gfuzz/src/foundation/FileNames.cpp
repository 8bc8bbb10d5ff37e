#include "foundation/FileNames.h"

#include "foundation/PathText.h"
#include "platform/Cp932.h"
#include "platform/PathResolver.h"

#include <cstdio>

std::size_t FileNamePos(const std::string& path) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < path.size();) {
        if (IsDoubleByteCharAt(path, i)) {
            i += 2;
            continue;
        }
        if (path[i] == '\\' || path[i] == '/') pos = i + 1;
        ++i;
    }
    return pos;
}

std::size_t ExtensionDotPos(const std::string& path) {
    // '.' is never the second byte of a double-byte character.
    std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < FileNamePos(path)) return std::string::npos;
    return dot;
}

void PathToFileName(std::string& path) {
    path.erase(0, FileNamePos(path));
}

void PathToFileName(char* path) {
    std::string text;
    if (!ReadPathBuffer(path, text)) return;
    PathToFileName(text);
    WritePathBuffer(path, text);
}

bool ReplaceExtension(std::string& out, const std::string& path, const char* extension) {
    std::size_t dot = ExtensionDotPos(path);
    if (dot == std::string::npos) {
        out = path;
        return false;
    }
    out = extension ? path.substr(0, dot + 1) + extension : path.substr(0, dot);
    return true;
}

bool ReplaceExtension(char* out, const char* path, const char* extension) {
    std::string text, result;
    if (!ReadPathBuffer(path, text)) return false;
    bool replaced = ReplaceExtension(result, text, extension);
    if (!WritePathBuffer(out, result)) {
        WritePathBuffer(out, text);
        return false;
    }
    return replaced;
}

bool RemoveExtensionStr(std::string& path) {
    std::size_t dot = ExtensionDotPos(path);
    if (dot == std::string::npos) return false;
    path.erase(dot);
    return true;
}

bool RemoveExtension(char* path) {
    std::string text;
    if (!ReadPathBuffer(path, text) || !RemoveExtensionStr(text)) return false;
    return WritePathBuffer(path, text);
}

bool GetExtension(std::string& out, const std::string& path) {
    std::size_t dot = ExtensionDotPos(path);
    out = dot == std::string::npos ? std::string() : path.substr(dot + 1);
    return dot != std::string::npos;
}

bool GetExtension(char* out, const char* path) {
    std::string text, extension;
    if (!ReadPathBuffer(path, text)) return false;
    bool found = GetExtension(extension, text);
    WritePathBuffer(out, extension); // shorter than the path, so it fits
    return found;
}

bool MakeNumberedFileName(std::string& out, const std::string& path, int number) {
    std::size_t dot = ExtensionDotPos(path);
    if (dot == std::string::npos) return false;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", number);
    out = path.substr(0, dot) + " (" + digits + ")." + path.substr(dot + 1);
    return true;
}

bool MakeNumberedFileName(char* out, const char* path, int number) {
    std::string text, result;
    if (!ReadPathBuffer(path, text) || !MakeNumberedFileName(result, text, number)) return false;
    return WritePathBuffer(out, result);
}

bool FindVersionedFileStr(std::string& out, const std::string& path, const char* extension) {
    std::string base;
    ReplaceExtension(base, path, extension);
    // The highest suffix first: _999, _998, ... _000.
    for (int n = 999; n >= 0; --n) {
        char suffix[8];
        std::snprintf(suffix, sizeof suffix, "_%03d", n);
        std::string name = base + suffix;
        if (PathExists(name)) {
            out = name;
            return true;
        }
    }
    out.clear();
    return false;
}

bool FindVersionedFile(char* out, const char* path, const char* extension) {
    std::string text, found;
    if (ReadPathBuffer(path, text) && FindVersionedFileStr(found, text, extension) &&
        WritePathBuffer(out, found))
        return true;
    if (out) out[0] = '\0';
    return false;
}

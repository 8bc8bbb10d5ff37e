#include "app/SystemIni.h"

#include "platform/PathResolver.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kMaxLines = 10000;
constexpr std::size_t kItemBuffer = 2048; // key and value text, with the terminating zero
constexpr std::size_t kFreeStageMax = 259;

int* IntField(INISETTING& s, std::size_t key) {
    switch (key) {
    case 0:
        return &s.Direct3D;
    case 1:
        return &s.WindowMode;
    case 2:
        return &s.Bpp;
    case 3:
        return &s.VSync;
    case 4:
        return &s.D3D_FontCache;
    case 5:
        return &s.DD_FontCache;
    case 6:
        return &s.DD_VideoStretch;
    case 7:
        return &s.ShowFps;
    case 9:
        return &s.English;
    default:
        return nullptr;
    }
}

// An optional sign and the leading digits; 0 when there are none.
int DecimalValue(const std::string& text) {
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

void Apply(INISETTING& s, const cVector<cIniKey>& keys, const std::string& key, const std::string& value) {
    for (std::size_t i = 0; i < keys.size() && i < kIniKeyCount; ++i) {
        if (keys[i].Name != key) continue;
        if (i == 8) {
            if (value.size() >= 2 && value.size() <= kFreeStageMax) s.FreeStage = value;
        } else if (int* field = IntField(s, i)) {
            *field = DecimalValue(value);
        }
        return;
    }
}

} // namespace

void SetDefaultSystemIni(INISETTING& s, const cVector<cIniKey>& keys) {
    for (std::size_t i = 0; i < 8; ++i)
        if (int* field = IntField(s, i)) *field = i < keys.size() ? keys[i].nIntDefault : 0;
    s.FreeStage = keys.size() > 8 ? keys[8].StrDefault : std::string();
    if (s.FreeStage.size() > kFreeStageMax) s.FreeStage.clear();
    s.English = 0;
}

int ReadSystemIni(const std::string& path, INISETTING& s, const cVector<cIniKey>& keys) {
    std::FILE* fp = std::fopen(ResolvePath(path).c_str(), "rb");
    if (!fp) return 0;
    int result = 1;
    for (int line = 0; line < kMaxLines; ++line) {
        std::string key;
        int c = 0;
        bool ended = false;
        for (;;) {
            c = std::fgetc(fp);
            if (c == EOF) {
                result = 0;
                ended = true;
                break;
            }
            if (c == 0) {
                ended = true;
                break;
            }
            if (c == '=' || c == '\n') break;
            if (c == ' ' || c == '\t' || c == '\r') continue;
            if (key.size() < kItemBuffer - 1) key.push_back(static_cast<char>(c));
        }
        if (ended) break;
        if (c == '\n') {
            if (key == "Exit") break;
            continue;
        }
        std::string value;
        for (;;) {
            c = std::fgetc(fp);
            // A carriage return of a Windows line end ends the value too: kept,
            // it would become part of the stage's file name.
            if (c == EOF || c == 0 || c == ' ' || c == '\t' || c == '/' || c == '\r' || c == '\n') break;
            if (value.size() < kItemBuffer - 1) value.push_back(static_cast<char>(c));
        }
        // Reading goes on after the character that ended the value; the end
        // of the file is then met while collecting the next key.
        Apply(s, keys, key, value);
    }
    std::fclose(fp);
    return result;
}

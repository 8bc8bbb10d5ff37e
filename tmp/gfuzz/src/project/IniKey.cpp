#include "project/IniKey.h"

void cIniKey::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&nKind);
    AddString(&Name);
    AddInt(&nIntDefault);
    AddString(&StrDefault);
}

void cIniKey::SetInt(const std::string& name, std::int32_t value) {
    Name = name;
    nKind = 0;
    nIntDefault = value;
}

void cIniKey::SetString(const std::string& name, const std::string& text) {
    Name = name;
    nKind = 1;
    StrDefault = text;
}

namespace {

struct DefaultKey {
    const char* name;
    std::int32_t value;
};

constexpr std::size_t kFreeStageKey = 8;

constexpr DefaultKey kDefaultKeys[kIniKeyCount] = {
    {"Direct3D", 2},     {"WindowMode", 0},      {"Bpp", 0},     {"VSync", 2},     {"D3D_FontCache", 0},
    {"DD_FontCache", 1}, {"DD_VideoStretch", 0}, {"ShowFps", 1}, {"FreeStage", 0}, {"English", 0},
};

void SetDefaultKey(cIniKey& key, std::size_t i) {
    if (i == kFreeStageKey)
        key.SetString(kDefaultKeys[i].name, "");
    else
        key.SetInt(kDefaultKeys[i].name, kDefaultKeys[i].value);
}

} // namespace

void SetDefaultIniKeys(cVector<cIniKey>& keys) {
    keys.resize(kIniKeyCount);
    for (std::size_t i = 0; i < kIniKeyCount; ++i) SetDefaultKey(keys.At(static_cast<std::int64_t>(i)), i);
}

void PadIniKeys(cVector<cIniKey>& keys) {
    std::size_t have = keys.size();
    if (have >= kIniKeyCount) return;
    keys.resize(kIniKeyCount);
    for (std::size_t i = have; i < kIniKeyCount; ++i) SetDefaultKey(keys.At(static_cast<std::int64_t>(i)), i);
}

void InsertIniKey(cVector<cIniKey>& keys, std::size_t at, const std::string& name, std::int32_t value) {
    if (at >= keys.size()) return;
    keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(at), cIniKey());
    keys.pop_back();
    keys.At(static_cast<std::int64_t>(at)).SetInt(name, value);
}

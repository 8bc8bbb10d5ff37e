// cIniKey: one key of the System.ini key table that the project's system data
// carries. The table fixes the keys' names, order and defaults; a key's
// position is the slot of the settings block it fills.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>
#include <string>

class cIniKey : public cRecord<cIniKey> {
public:
    std::int32_t nKind = 0; // 0 integer key, 1 string key
    std::string Name;       // the key as written in System.ini
    std::int32_t nIntDefault = 0;
    std::string StrDefault;

    cIniKey() { RegisterFields(dwDataVersion); }

    // Kind, name, integer default, string default: field count 2 and string count 2 in a file.
    void RegisterFields(std::uint32_t version) override;

    void SetInt(const std::string& name, std::int32_t value);
    void SetString(const std::string& name, const std::string& text);
};

// The number of keys the table always has.
constexpr std::size_t kIniKeyCount = 10;

// The table of a new project: "Direct3D", "WindowMode", "Bpp", "VSync",
// "D3D_FontCache", "DD_FontCache", "DD_VideoStretch", "ShowFps", "FreeStage"
// (the one string key), "English".
void SetDefaultIniKeys(cVector<cIniKey>& keys);

// Brings the table to its fixed length: missing keys are taken from the new
// project's table, surplus ones dropped.
void PadIniKeys(cVector<cIniKey>& keys);

// Moves the keys at `at` and above up one place within the table (the last one
// drops out) and sets key `at` to an integer key.
void InsertIniKey(cVector<cIniKey>& keys, std::size_t at, const std::string& name, std::int32_t value);

// cCmd: one item of a menu, an enabled flag and a text. A menu is a vector of
// items; screens show only the enabled ones, so a cursor position maps to an
// item through GetCmdNum.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>
#include <string>

class cCmd : public cRecord<cCmd> {
public:
    std::int32_t bEnabled = 1; // non-zero: the item is shown and can be chosen
    std::string Text;

    cCmd() { RegisterFields(dwDataVersion); }
    cCmd(std::int32_t enabled, std::string text) : bEnabled(enabled), Text(std::move(text)) {
        RegisterFields(dwDataVersion);
    }

    // Stored as field count 1, the enabled flag, string count 1, the text; the same in every version.
    void RegisterFields(std::uint32_t version) override;

    // The number of enabled items of a menu.
    static std::int32_t CountEnabled(const cVector<cCmd>& list);
    // The index in the menu of its n-th enabled item (n from 0); 0 when there is no such item.
    static std::int32_t GetCmdNum(std::int32_t n, const cVector<cCmd>& list);
};

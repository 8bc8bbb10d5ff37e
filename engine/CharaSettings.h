// Settings of a character definition that the engine reads under its own
// names, kept in one place.
#pragma once

#include "records/EdChara.h"

#include <algorithm>
#include <cstdint>

// The faction (0 to 7) whose lists hold the character.
inline std::int32_t CharaFaction(const cEdChara& d) {
    return std::clamp<std::int32_t>(d.Faction, 0, 7);
}

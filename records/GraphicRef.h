// The graphic a definition names: a kind (0 block, 1 character, 2 item,
// 3 shot, 4 exclusive bitmap) and an index within it.
#pragma once

#include <algorithm>
#include <cstdint>

// Files before version 219 counted shot graphics from 0; they count from 1 now.
inline void UpgradeShotGraphicIndex(std::uint32_t loadVersion, std::uint8_t kind, std::int16_t& index) {
    if (loadVersion < 219 && kind == 3) index = static_cast<std::int16_t>(std::min(index + 1, 119));
}

// The default of one parameter of a character or screen effect kind, as the
// effect parameter tables give it; 0 for an empty slot or an unknown kind.
#pragma once

#include <cstdint>

std::int32_t CharaEffectParamDefault(std::int32_t kind, int slot);
std::int32_t ScrEffectParamDefault(std::int32_t kind, int slot);

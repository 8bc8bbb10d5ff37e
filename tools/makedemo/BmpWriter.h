// Writes a picture as a Windows bitmap file: 8-bit with its palette, or
// 24-bit colour; bottom-up rows padded to four bytes, as every reader expects.
#pragma once

#include "tools/makedemo/Image.h"

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> EncodeBmp(const Image& image);

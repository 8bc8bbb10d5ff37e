// Run-length coded bitmap pixels (8 and 4 bits per pixel) into palette
// indices. Used by the bitmap reader only.
#pragma once

#include <cstddef>
#include <cstdint>

// Decodes the runs in `data` (the pixel data up to the end of the file) into
// `indices`, `width` x `height` entries, top row first. Pixels the runs skip
// keep the value they have (callers pass zeros: index 0). False for damage: a
// run or a move that leaves the picture, or data that ends before the last
// row is finished.
bool DecodeBmpRle(const std::uint8_t* data, std::size_t size, int width, int height, int bitsPerPixel,
                  std::uint8_t* indices);

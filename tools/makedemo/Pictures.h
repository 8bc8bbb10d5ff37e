// The demo's pictures: every system picture the player needs (in the cell
// layouts the player reads them by), drawn here from simple shapes.
#pragma once

#include "tools/makedemo/Image.h"

#include <string>
#include <vector>

// The colour that marks see-through pixels: the top-left pixel of the
// palette picture, which the player takes as its transparent colour.
constexpr Rgb kClear{255, 0, 255};

struct NamedPicture {
    std::string path; // relative to the game folder, '/' separated, UTF-8
    Image image;
};

std::vector<NamedPicture> SystemPictures();

// cWindowData: where the program's window stood, user_data\Window.dat:
// left, top, client width and height, and whether it was maximised.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>

class cWindowData : public cRecord<cWindowData> {
public:
    std::int32_t nX = 0;
    std::int32_t nY = 0;
    std::int32_t nClientWidth = 0;
    std::int32_t nClientHeight = 0;
    std::int32_t bMaximised = 0;

    cWindowData();
    void RegisterFields(std::uint32_t version) override;
    // After loading: a size that cannot be a window's (not positive, or larger
    // than the screen) becomes the given default, and the window is moved
    // onto a screen of the given size, whole where it fits.
    void Clamp(int screenWidth, int screenHeight, int defaultWidth, int defaultHeight);
};

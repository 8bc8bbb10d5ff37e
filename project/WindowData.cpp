#include "project/WindowData.h"

#include <algorithm>

cWindowData::cWindowData() {
    RegisterFields(dwDataVersion);
}

void cWindowData::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&nX);
    AddInt(&nY);
    AddInt(&nClientWidth);
    AddInt(&nClientHeight);
    AddInt(&bMaximised);
}

void cWindowData::Clamp(int screenWidth, int screenHeight, int defaultWidth, int defaultHeight) {
    if (nClientWidth <= 0 || nClientWidth > screenWidth) nClientWidth = defaultWidth;
    if (nClientHeight <= 0 || nClientHeight > screenHeight) nClientHeight = defaultHeight;
    // The whole window on the screen where it fits, else its top-left corner.
    nX = std::clamp<std::int32_t>(nX, 0, std::max(screenWidth - nClientWidth, 0));
    nY = std::clamp<std::int32_t>(nY, 0, std::max(screenHeight - nClientHeight, 0));
    bMaximised = bMaximised ? 1 : 0;
}

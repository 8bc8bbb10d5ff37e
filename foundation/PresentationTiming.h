// What the frame pacing needs of the graphics layer: whether the presentation
// paces frames by its own grid, and the drawing of the timing text (cells of
// 8 x 16 pixels from a font picture). The null version paces by the grid and
// draws nothing, as before the graphics layer starts.
#pragma once

#include "platform/Seam.h"

#include <string>

class cPresentationTiming {
public:
    virtual ~cPresentationTiming() = default;
    virtual bool PacedByGrid() = 0;
    virtual void DrawTimingText(const void* font, int x, int y, const std::string& text) = 0;
};

class cNullPresentationTiming : public cPresentationTiming {
public:
    bool PacedByGrid() override { return true; }
    void DrawTimingText(const void*, int, int, const std::string&) override {}
};

cPresentationTiming& PresentationTiming();
void SetPresentationTiming(cPresentationTiming* timing);
using cScopedPresentationTiming = cScopedSeam<cPresentationTiming, PresentationTiming, SetPresentationTiming>;

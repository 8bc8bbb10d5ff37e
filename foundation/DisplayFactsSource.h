// What the report asks of the graphics layer about the display. The null
// version describes a 32-bit window with no video memory of its own.
#pragma once

#include "platform/Seam.h"

#include <cstdint>
#include <string>
#include <vector>

struct DisplayFacts {
    bool windowMode = true;
    int bpp = 32;
    bool hasVideoMemory = false; // the DirectDraw-like face is running
    std::uint64_t vramTotal = 0;
    std::uint64_t vramFree = 0;
    unsigned refreshRate = 0;
    // The Direct3D-like face's own lines (device, capabilities), already formatted.
    std::vector<std::string> deviceLines;
    // The display driver's DDI version; the software presentation offers 9.
    int ddiVersion = 9;
};

class cDisplayFactsSource {
public:
    virtual ~cDisplayFactsSource() = default;
    // verbose: the report wants the device's capability lines too.
    virtual DisplayFacts Facts(bool verbose) = 0;
};

class cNullDisplayFactsSource : public cDisplayFactsSource {
public:
    DisplayFacts Facts(bool) override { return {}; }
};

cDisplayFactsSource& DisplayFactsSource();
void SetDisplayFactsSource(cDisplayFactsSource* source);
using cScopedDisplayFactsSource = cScopedSeam<cDisplayFactsSource, DisplayFactsSource, SetDisplayFactsSource>;

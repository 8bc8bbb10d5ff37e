#include "records/EdBackground.h"

namespace {
// Where values of old layouts that nobody reads go.
std::int32_t g_dropped;
} // namespace

void cEdBackground::Init() {
    Reset();
    Enabled = 1;
    FillColor = 16;
    SpeedX = 0.1;
    SpeedY = 0.1;
}

void cEdBackground::RegisterFields(std::uint32_t v) {
    ClearFields();
    if (v >= 62) AddInt(&Enabled);
    AddInt(&Fill);
    AddInt(&FillColor);
    AddInt(&Layer);
    if (v >= 61) {
        AddInt(&SpeedX, 2);
        AddInt(&SpeedY, 2);
        AddInt(&AutoScrollX);
        AddInt(&AutoScrollY);
    } else {
        AddInt(&g_dropped);
        AddInt(&g_dropped);
    }
    if (v >= 62) {
        AddInt(&AutoOffsetX, 2);
        AddInt(&AutoOffsetY, 2);
    } else if (v == 61) {
        AddInt(&g_dropped);
        AddInt(&g_dropped);
    }
    AddString(&FileName);
}

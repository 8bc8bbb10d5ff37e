#include "gui/SlotListDraw.h"

#include "graphics/Font.h"
#include "graphics/Graphics.h"

namespace {

constexpr int kListWidth = 320;
constexpr int kRowHeight = 16;
constexpr int kSeparatorColour = 240;

} // namespace

void FormatSlotDate(const cSlotInfo& slot, DDSURFACEDATA* dst, int x, int y) {
    if (!slot.bSaved) return;
    const SYSTEMTIME& d = slot.Date;
    SysFont[1].DrawTextF(dst, x, y, "%04d/%02d/%02d %02d:%02d\n", d.wYear, d.wMonth, d.wDay, d.wHour,
                         d.wMinute);
}

void DrawSlotList(DDSURFACEDATA* dst, int x, int y, const cVector<cSlotInfo>& list, std::int32_t first,
                  std::int32_t rows) {
    if (rows <= 0) return;
    SysFont[1].DrawTextSurface(dst, x, y, kListWidth, rows * kRowHeight);
    for (std::int32_t row = 0; row < rows; ++row) {
        const std::int64_t slot = static_cast<std::int64_t>(first) + row;
        if (!list.InRange(slot)) break;
        const int top = y + row * kRowHeight;
        if (row + 1 < rows) DDFillRectPal(dst, x, top + kRowHeight - 1, kListWidth, 1, kSeparatorColour);
        SysFont[1].DrawTextF(dst, x + 16, top, "%d", static_cast<int>(slot + 1));
        FormatSlotDate(list[static_cast<std::size_t>(slot)], dst, x + 64, top);
    }
}

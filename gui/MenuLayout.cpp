#include "gui/MenuLayout.h"

#include "graphics/Font.h"
#include "project/ScreenWords.h"
#include "project/SystemData.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kRow = 16;

int LongestEnabledText(const cVector<cCmd>& entries) {
    int longest = 0;
    for (const cCmd& item : entries)
        if (item.bEnabled) longest = std::max(longest, GetCharCount(item.Text.c_str()));
    return longest;
}

} // namespace

int GetCenteredMenuX(int x, const cVector<cCmd>& entries) {
    const int longest = LongestEnabledText(entries);
    return longest == 0 ? x : x - ((longest + 1) * kRow) / 2;
}

void DrawCmdMenu(DDSURFACEDATA* dst, int x, int y, const cVector<cCmd>& entries) {
    const int n = cCmd::CountEnabled(entries);
    const int longest = LongestEnabledText(entries);
    if (longest == 0) return;
    cFont& font = SysFont[1];
    font.DrawTextSurface(dst, x, y, (longest + 1) * kRow, n * kRow);
    for (int k = 0; k < n; ++k)
        font.DrawText(dst, x + kRow, y + kRow * k, entries.At(cCmd::GetCmdNum(k, entries)).Text.c_str(), 0);
}

void DrawWordMenu(DDSURFACEDATA* dst, int x, int y, std::int32_t first, std::int32_t n, std::int32_t cursor) {
    if (n < 1) return;
    const cVector<std::string>& words = SystemData.Words;
    std::string text;
    for (std::int32_t i = first; i < first + n; ++i) {
        if (cursor) text += ' ';
        text += words.At(i);
        text += '\n';
    }
    const std::int32_t columns = WordMenuColumns(words, first, n, cursor);
    SysFont[1].DrawTextBoxF(dst, x, y, columns * kRow, n * kRow, "%s", text.c_str());
}

#include "gui/RankingDraw.h"

#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "project/IniSetting.h"
#include "project/SystemData.h"

#include <algorithm>

namespace {

constexpr int kAccessoryPicture = 49;
constexpr int kFirstGenreWord = 5;
constexpr int kSwitchHintWord = 25;
constexpr int kClearTimeTable = 2;

const std::string& Word(int n) {
    static const std::string none;
    return SystemData.Words.InRange(n) ? SystemData.Words[static_cast<std::size_t>(n)] : none;
}

} // namespace

void DrawRankTable(DDSURFACEDATA* dst, int x, int y, const cRankSet& set, int table, int highlight,
                   std::int32_t gameKind) {
    if (!DDIsRunning() || !set.Tables.InRange(table)) return;
    const cRankTable& t = set.Tables[static_cast<std::size_t>(table)];
    SysFont[1].DrawTextSurface(dst, x + 1, y + 1, 270, 350);
    SysFont[1].DrawTextF(dst, x, y, IniSetting.English ? "Ranking     %s" : "ランキング    %s",
                         Word(kFirstGenreWord + table).c_str());
    const int width =
        table == kClearTimeTable ? 8 : (t.Entries.empty() ? 1 : CountDigits(t.Entries[0].nValue));
    for (std::size_t r = 0; r < t.Entries.size(); ++r) {
        const cRankEntry& e = t.Entries[r];
        if (!e.bUsed) continue;
        const int row = y + 16 * (static_cast<int>(r) + 1);
        SysFont[1].DrawTextF(dst, x + 16, row, "%d", static_cast<int>(r) + 1);
        SysFont[1].DrawTextF(dst, x + 64, row, "%s", e.strName.c_str());
        if (table == kClearTimeTable)
            SysFont[1].DrawTextF(dst, x + 144, row, "%s", FormatTime(e.nValue).c_str());
        else
            SysFont[1].DrawTextF(dst, x + 16 * (width - CountDigits(e.nValue) + 9), row, "%d", e.nValue);
    }
    if (SystemData.CountSetFlags(gameKind) > 1) {
        const std::string& hint = Word(kSwitchHintWord);
        SysFont[1].DrawText(dst, x + 136 - 8 * GetCharCount(hint.c_str()),
                            y + 16 * (cRankTable::kEntries + 1), hint.c_str(), 1);
    }
    if (highlight >= 0)
        DDBltFast(dst, x, y + 16 * (highlight + 1), 16, 16, &SystemSD[kAccessoryPicture], 16, 48, 1);
}

void DrawResultPanel(DDSURFACEDATA* dst, int x, int y, const cResultValues& result,
                     const int (&places)[cRankSet::kTables]) {
    if (!DDIsRunning()) return;
    int rows = 0, label = 1, value = 1;
    for (int k = 0; k < cRankSet::kTables; ++k) {
        if (!result.shown[k]) continue;
        ++rows;
        label = std::max(label, GetCharCount(Word(kFirstGenreWord + k).c_str()));
        value = std::max(value, k == kClearTimeTable ? 8 : CountDigits(result.values[k]));
    }
    if (rows == 0) return;
    SysFont[1].DrawTextSurface(dst, x, y, 16 * (value + 3 + label), 16 * rows);
    int row = 0;
    for (int k = 0; k < cRankSet::kTables; ++k) {
        if (!result.shown[k]) continue;
        const int top = y + 16 * row++;
        SysFont[1].DrawText(dst, x + 16, top, Word(kFirstGenreWord + k).c_str(), 1);
        const int valueX = x + 16 * (label + 2);
        if (k == kClearTimeTable)
            SysFont[1].DrawTextF(dst, valueX, top, "%s", FormatTime(result.values[k]).c_str());
        else
            SysFont[1].DrawTextF(dst, valueX, top, "%d", result.values[k]);
    }
    int mark = 0;
    for (int k = 0; k < cRankSet::kTables; ++k)
        if (places[k] != -1)
            DDBltFast(dst, x, y + 16 * mark++, 16, 16, &SystemSD[kAccessoryPicture], 16, 48, 1);
}

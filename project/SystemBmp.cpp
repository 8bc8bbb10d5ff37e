#include "project/SystemBmp.h"

#include "project/SurfaceAliasing.h"

#include <cstring>

namespace {

struct SystemBmpRow {
    const char* file;
    std::int32_t value[10];
    int shares;
};

// clang-format off
const SystemBmpRow kSystemBmpRows[kSystemBmpCount] = {
    {"bmp\\plt\\Palette.bmp", {0, 1, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 0
    {"bmp\\Debug.bmp", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 1
    {"bmp\\Block.bmp", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 2
    {"bmp\\Block.bmp", {1, 1, 0, 1, 0, 0, 0, 0, 0, 0}, 2}, // 3
    {"bmp\\Character1.bmp", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 4
    {"bmp\\Character1.bmp", {1, 0, 0, 1, 0, 0, 32, 0, 0, 0}, 4}, // 5
    {"bmp\\Character2.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 6
    {"bmp\\Character2.bmp", {1, 0, 0, 1, 0, 1, 32, 0, 0, 0}, 6}, // 7
    {"bmp\\Character3.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 8
    {"bmp\\Character3.bmp", {1, 0, 0, 1, 0, 1, 32, 0, 0, 0}, 8}, // 9
    {"bmp\\Character4.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 10
    {"bmp\\Character4.bmp", {1, 0, 0, 1, 0, 1, 32, 0, 0, 0}, 10}, // 11
    {"bmp\\Character5.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 12
    {"bmp\\Character5.bmp", {1, 0, 0, 1, 0, 1, 32, 0, 0, 0}, 12}, // 13
    {"bmp\\Character6.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 14
    {"bmp\\Character6.bmp", {1, 0, 0, 1, 0, 1, 32, 0, 0, 0}, 14}, // 15
    {"bmp\\Character7.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 16
    {"bmp\\Character7.bmp", {1, 0, 0, 1, 0, 1, 32, 0, 0, 0}, 16}, // 17
    {"bmp\\Character8.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 18
    {"bmp\\Character8.bmp", {1, 0, 0, 1, 0, 1, 32, 0, 0, 0}, 18}, // 19
    {"bmp\\Shot.bmp", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 20
    {"bmp\\Shot.bmp", {1, 0, 0, 1, 0, 0, 16, 0, 0, 0}, 20}, // 21
    {"bmp\\Character1.bmp", {1, 1, 0, 1, 0, 0, 0, 0, 0, 0}, 4}, // 22
    {"bmp\\Character1.bmp", {1, 1, 0, 1, 0, 0, 32, 0, 0, 0}, 4}, // 23
    {"bmp\\Character2.bmp", {1, 1, 0, 1, 0, 1, 0, 0, 0, 0}, 6}, // 24
    {"bmp\\Character2.bmp", {1, 1, 0, 1, 0, 1, 32, 0, 0, 0}, 6}, // 25
    {"bmp\\Character3.bmp", {1, 1, 0, 1, 0, 1, 0, 0, 0, 0}, 8}, // 26
    {"bmp\\Character3.bmp", {1, 1, 0, 1, 0, 1, 32, 0, 0, 0}, 8}, // 27
    {"bmp\\Character4.bmp", {1, 1, 0, 1, 0, 1, 0, 0, 0, 0}, 10}, // 28
    {"bmp\\Character4.bmp", {1, 1, 0, 1, 0, 1, 32, 0, 0, 0}, 10}, // 29
    {"bmp\\Character5.bmp", {1, 1, 0, 1, 0, 1, 0, 0, 0, 0}, 12}, // 30
    {"bmp\\Character5.bmp", {1, 1, 0, 1, 0, 1, 32, 0, 0, 0}, 12}, // 31
    {"bmp\\Character6.bmp", {1, 1, 0, 1, 0, 1, 0, 0, 0, 0}, 14}, // 32
    {"bmp\\Character6.bmp", {1, 1, 0, 1, 0, 1, 32, 0, 0, 0}, 14}, // 33
    {"bmp\\Character7.bmp", {1, 1, 0, 1, 0, 1, 0, 0, 0, 0}, 16}, // 34
    {"bmp\\Character7.bmp", {1, 1, 0, 1, 0, 1, 32, 0, 0, 0}, 16}, // 35
    {"bmp\\Character8.bmp", {1, 1, 0, 1, 0, 1, 0, 0, 0, 0}, 18}, // 36
    {"bmp\\Character8.bmp", {1, 1, 0, 1, 0, 1, 32, 0, 0, 0}, 18}, // 37
    {"bmp\\Shot.bmp", {1, 1, 0, 1, 0, 0, 0, 0, 0, 0}, 20}, // 38
    {"bmp\\Shot.bmp", {1, 1, 0, 1, 0, 0, 16, 0, 0, 0}, 20}, // 39
    {"bmp\\Item.bmp", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 40
    {"bmp\\Item.bmp", {1, 1, 0, 1, 0, 0, 0, 0, 0, 0}, 40}, // 41
    {"bmp\\Item_Mini.bmp", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 42
    {"bmp\\Mark.bmp", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 43
    {"bmp\\Mark.bmp", {1, 1, 0, 1, 0, 0, 0, 0, 0, 0}, 43}, // 44
    {"bmp\\Window.bmp", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 45
    {"bmp\\StatusWindow.bmp", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 46
    {"bmp\\Title.bmp", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 47
    {"bmp\\GameMode.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 48
    {"bmp\\Accessory.bmp", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 49
    {"bmp\\Symbol.bmp", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 50
    {"bmp\\Word.bmp", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 51
    {"bmp\\WorldMapChip.bmp", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 52
    {"bmp\\WorldEvent.bmp", {1, 1, 0, 0, 0, 0, 0, 0, 0, 0}, -1}, // 53
    {"bmp\\WorldBack.bmp", {0, 1, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 54
    {"背景その1.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 55
    {"背景その2.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 56
    {"背景その3.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 57
    {"背景その4.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 58
    {"背景その5.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 59
    {"背景その6.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 60
    {"背景その7.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 61
    {"背景その8.bmp", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}, -1}, // 62
    {"E", {1, 1, 0, 0, 0, 0, 0, 0, 256, 960}, -1}, // 63
    {"E", {1, 1, 0, 0, 0, 0, 0, 0, 256, 960}, -1}, // 64
    {"E", {1, 1, 0, 0, 0, 0, 0, 0, 640, 480}, -1}, // 65
    {"E", {0, 1, 0, 0, 0, 0, 0, 0, 640, 480}, -1}, // 66
    {"E", {1, 0, 0, 0, 0, 0, 0, 0, 640, 480}, -1}, // 67
    {"E", {1, 1, 0, 1, 0, 0, 0, 0, 640, 480}, 67}, // 68
    {"E", {1, 0, 2, 0, 0, 0, 0, 0, 1024, 1024}, -1}, // 69
    {"E", {1, 1, 1, 0, 0, 0, 0, 0, 1024, 1024}, -1}, // 70
};
// clang-format on

bool FillTables() {
    for (int i = 0; i < kSystemBmpCount; ++i) {
        const SystemBmpRow& r = kSystemBmpRows[i];
        SystemBmp[i].Set(r.file, r.value[0], r.value[1], r.value[2], r.value[3], r.value[4], r.value[5],
                         r.value[6], r.value[7], r.value[8], r.value[9]);
    }
    static const std::int32_t kFontValues[kSystemFontCount][10] = {
        {0, 9, 10, 10, 241, 45, 1, 240, 50, 2},
        {0, 16, 16, 16, 241, 45, 1, 240, 50, 2},
        {0, 30, 32, 32, 241, 45, 1, 240, 50, 0},
    };
    for (int i = 0; i < kSystemFontCount; ++i) {
        std::strncpy(SystemFont[i].szFace, "ＭＳ ゴシック", sizeof SystemFont[i].szFace - 1);
        std::memcpy(SystemFont[i].nValue, kFontValues[i], sizeof kFontValues[i]);
    }
    for (BMPFILEDATA& b : ExtraBmp) b.Set("", 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    return true;
}

} // namespace

BMPFILEDATA SystemBmp[kSystemBmpCount];
SYSTEMFONTDATA SystemFont[kSystemFontCount];
BMPFILEDATA ExtraBmp[3];

static const bool bSystemTablesFilled = FillTables();

void BMPFILEDATA::Set(const char* file, std::int32_t set1, std::int32_t set2, std::int32_t set3,
                      std::int32_t set4, std::int32_t set5, std::int32_t optional, std::int32_t set7,
                      std::int32_t set8, std::int32_t workWidth, std::int32_t workHeight) {
    std::memset(szFile, 0, sizeof szFile);
    if (file) std::strncpy(szFile, file, sizeof szFile - 1);
    nSet1 = set1;
    nSet2 = set2;
    nSet3 = set3;
    nSet4 = set4;
    nSet5 = set5;
    bOptional = optional;
    nSet7 = set7;
    nSet8 = set8;
    nWorkWidth = workWidth;
    nWorkHeight = workHeight;
}

int SystemBmpShares(int index) {
    if (index < 0 || index >= kSystemBmpCount) return -1;
    return kSystemBmpRows[index].shares;
}

void LinkSystemSurfaces() {
    for (int i = 0; i < kSystemBmpCount; ++i) {
        int target = SystemBmpShares(i);
        if (target >= 0) SurfaceAliasing().SetAlias(i, target);
    }
}

// Shows the player's menus in its window for a while, drawn by the player's
// own graphics and font code with the default screen words: the title menu,
// the world map's two-word menu with its cursor column, a line of the large
// font and the digit strips. For looking at text under a display (Xvfb) and
// taking a screenshot of it.
//
// usage: menushot [d3d|ddraw] [seconds]
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "gui/MenuLayout.h"
#include "platform/Clock.h"
#include "platform/SdlPresenter.h"
#include "platform/WindowEvents.h"
#include "project/ScreenWords.h"
#include "project/SystemData.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    const bool d3d = argc < 2 || std::strcmp(argv[1], "ddraw") != 0;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 5;
    cSdlPresenter window;
    if (!window.Open("menushot", 640, 480, false) || !StartWindowEvents()) {
        std::fprintf(stderr, "menushot: no window\n");
        return 1;
    }
    if (!DDInit(d3d ? 1 : 0, &window, 640, 480, 32, 1, 1, 1, 60, 0, nullptr, nullptr, 0)) {
        std::fprintf(stderr, "menushot: graphics start-up failed\n");
        return 1;
    }
    Palette[0] = {0xFF, 0x00, 0xFF, 0}; // the transparent colour
    Palette[240] = {0xC0, 0xC0, 0xFF, 0};
    Palette[241] = {0xFF, 0xFF, 0xFF, 0};
    DDSetTransmit(0xFF, 0x00, 0xFF);
    // The text boxes' background picture: plain dark blue.
    DDSURFACEDATA frame;
    DDCreateSurface(&frame, 640, 480, 0, 0, DTMEMORYTYPE_VIDEO_RT, 0, 0);
    DDFillSurfaceColor(&frame, d3d ? 0xFF102060u : 0x102060u);
    for (SYSTEMFONTDATA& def : SystemFont) {
        std::snprintf(def.szFace, sizeof def.szFace, "%s", "ＭＳ Ｐゴシック");
        if (def.nValue[9] == 2) def.nValue[9] = 1;
    }
    DDCreateFonts(SysFont, SystemFont, kSysFontCount);
    for (cFont& font : SysFont) font.lpFrame = &frame;
    BMPFILEDATA digitRecords[kSysFontCount];
    for (BMPFILEDATA& r : digitRecords) r.Set("", 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    DDCreateDigitSurfaces(DigitSD, digitRecords, kSysFontCount, SysFont, SystemFont);

    const DWORD background = d3d ? 0xFF304030u : 0x304030u;
    for (int frameNo = 0; frameNo < seconds * 60; ++frameNo) {
        PumpWindowEvents(nullptr, &window);
        DDFillSurfaceColor(&BackBuffer, background);
        SysFont[2].DrawText(&BackBuffer, 40, 24, "ブリンドル４　メニュー", 0);
        SysFont[0].DrawText(&BackBuffer, 40, 64, "小さな文字：ABCxyz 0123 ｱｲｳｴｵ", 1);
        const cVector<cCmd>& title = SystemData.TitleMenu;
        DrawCmdMenu(&BackBuffer, GetCenteredMenuX(320, title), 100, title);
        const int x = GetWordMenuX(320, 10, 2, 1);
        DrawWordMenu(&BackBuffer, x, 260, 10, 2, 1);
        SysFont[1].DrawText(&BackBuffer, x, 260 + 16 * ((frameNo / 30) % 2), "→", 0);
        DrawWordMenu(&BackBuffer, GetWordMenuX(320, 16, 1, 0), 320, 16, 1, 0);
        for (int i = 0; i < kSysFontCount; ++i)
            DDBltFast(&BackBuffer, 40, 380 + 34 * i, DigitSD[i].nWidth, DigitSD[i].nHeight, &DigitSD[i], 0, 0,
                      1);
        if (d3d)
            DDPresent(60, 0, nullptr);
        else
            DDShowBackBuffer(0, 0);
        Sleep(16);
    }
    for (cFont& font : SysFont) font.Release();
    for (DDSURFACEDATA& s : DigitSD) DDReleaseSurface(&s);
    DDReleaseSurface(&frame);
    DDRelease();
    StopWindowEvents();
    window.Close();
    return 0;
}

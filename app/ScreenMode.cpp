#include "app/ScreenMode.h"

#include "foundation/MessageBox.h"
#include "foundation/SystemReport.h"
#include "platform/DirectDraw.h"
#include "project/SystemData.h"

int DesktopBitsPerPixel() {
    return BitsPerPixel(DirectDrawSettings().desktopFormat);
}

bool DecideScreenMode(INISETTING& s, int desktopBpp, const cSystemData& system) {
    const bool window = s.WindowMode != 0;
    const bool direct3D = s.Direct3D != 0;
    const bool fixedTransparent = system.bColourMode != 0;
    if (direct3D) {
        if (s.VSync >= 2) s.VSync = 1;
    } else if (window) {
        s.VSync = 0;
    } else if (s.VSync >= 2) {
        s.VSync = IsOSVersionAtLeast(6, 0) ? 0 : 1;
    }
    if (s.Bpp == 0) {
        if (window) {
            s.Bpp = desktopBpp;
        } else if (direct3D) {
            s.Bpp = system.nDepthFirst == 1 ? 16 : 32;
        } else if (system.nDepthSecond == 1) {
            s.Bpp = 16;
        } else if (system.nDepthSecond == 2 && !fixedTransparent) {
            s.Bpp = 8;
        } else {
            s.Bpp = 32;
        }
    }
    bool valid = s.Bpp == 16 || s.Bpp == 32 || (s.Bpp == 8 && !direct3D && !fixedTransparent);
    if (window && (s.Bpp != desktopBpp || s.Bpp == 8)) valid = false;
    if (valid) return true;
    if (window && (s.Bpp == 16 || s.Bpp == 32))
        ErrorBoxPrintf(
            "画面モードが不正です！\nウインドウモードではSystem.iniの設定と画面の色の設定を合わせて下さい！");
    else
        ErrorBoxPrintf("画面モードが不正です！\nSystem.iniと画面の設定を見直して下さい！");
    return false;
}

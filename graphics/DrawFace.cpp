// Choosing the live face, the face that draws nothing, and what callers may
// ask of the start-up state.
#include "graphics/DrawFace.h"
#include "graphics/GraphicsInternal.h"

namespace {

// Before start-up and after release.
class cNoFace final : public cDrawFace {
public:
    HRESULT BltStretch(DDSURFACEDATA*, int, int, int, int, DDSURFACEDATA*, int, int, int, int,
                       DWORD) override {
        return 0;
    }
    HRESULT BltFast(DDSURFACEDATA*, int, int, int, int, DDSURFACEDATA*, int, int, DWORD) override {
        return 0;
    }
    void FillRect(DDSURFACEDATA*, int, int, int, int, DWORD) override {}
    bool LockPixels(DDSURFACEDATA*, cPixelLock& lock) override {
        lock = {};
        return false;
    }
    void UnlockPixels(DDSURFACEDATA*, cPixelLock& lock, bool) override { lock = {}; }
    void ShowBackBuffer(bool, bool) override {}
    bool ScreenLost() override { return false; }
    int Restore() override { return 1; }
};

} // namespace

cDrawFace& Face() {
    static cNoFace none;
    if (lpDTCon) return Direct3DFace();
    if (lpDDCon) return DirectDrawFace();
    return none;
}

bool DDIsDirect3D() {
    return lpDTCon != nullptr;
}
bool DDIsDirectDraw() {
    return lpDDCon != nullptr;
}
bool DDIsRunning() {
    return DDIsDirect3D() || DDIsDirectDraw();
}
int DDScreenBpp() {
    return nBpp;
}
int DDScreenWindowMode() {
    return bWindowMode;
}
int DDScreenVSync() {
    return nVSync;
}

int DDGetMonitorFrequency() {
    DWORD hz = 0;
    if (!lpDD || FAILED(lpDD->GetMonitorFrequency(&hz))) return 0;
    return static_cast<int>(hz);
}

void DDSetTextureErrorText(const char* szText) {
    if (lpDTCon) lpDTCon->strTextureError = szText ? szText : "";
}

void DDSetContextTransmit(BYTE cbRed, BYTE cbGreen, BYTE cbBlue) {
    if (lpDTCon)
        lpDTCon->rgbTransmit = {cbBlue, cbGreen, cbRed};
    else if (lpDDCon)
        lpDDCon->rgbTransmit = {cbBlue, cbGreen, cbRed};
}

void DDShowBackBuffer(int bWaitVBlank, int bFlip) {
    Face().ShowBackBuffer(bWaitVBlank != 0, bFlip != 0);
}

bool DDIsScreenLost() {
    return Face().ScreenLost();
}

int DDRestore() {
    return Face().Restore();
}

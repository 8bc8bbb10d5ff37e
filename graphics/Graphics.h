// The drawing interface every other subsystem uses: one set of calls over the
// DirectDraw-like and the Direct3D-like face. Which face is live is chosen once
// at start-up. Callers see the drawing functions, the surface records, the
// fixed screen records and the palettes; the back-end objects and the start-up
// state stay inside the layer (GraphicsGlobals.h), read through the queries
// below.
#pragma once

#include "foundation/Containers.h"
#include "graphics/SurfaceData.h"
#include "project/SystemBmp.h"

class cPresenter;

// The fixed screen records: what every frame is drawn into, the virtual back
// buffer of the Direct3D face, and its work texture of the same size.
extern DDSURFACEDATA BackBuffer, VirBackBuffer, WorkSD;
// The palette in use (fades and colour cycling change it) and the one loaded
// from the first system picture.
extern PALETTEENTRY Palette[256];
extern PALETTEENTRY BasePalette[256];

// What start-up decided. Before start-up and after release neither face is live.
bool DDIsDirect3D();
bool DDIsDirectDraw();
// Either face is live: there is a screen to draw into.
bool DDIsRunning();
int DDScreenBpp();
int DDScreenWindowMode();
int DDScreenVSync();
// The refresh rate the display runs at (DirectDraw full screen paces flips by it).
int DDGetMonitorFrequency();

// Settings the initialisation hands to the live face: the message shown when
// a texture can't be made (Direct3D), and the transparent colour's bytes kept
// in the live context.
void DDSetTextureErrorText(const char* szText);
void DDSetContextTransmit(BYTE cbRed, BYTE cbGreen, BYTE cbBlue);

// Start-up result codes of the DirectDraw back-ends.
enum DDInitResult : int {
    DDINIT_OK = 0,
    DDINIT_CREATEEX_ERR = 1,
    DDINIT_SETCOOPLEVEL_ERR = 2,
    DDINIT_SETDISPLAYMODE_ERR = 3,
    DDINIT_CREATESURFACE_ERR = 4,
    DDINIT_GETATTACHEDSURFACE_ERR = 5,
    DDINIT_CREATEPALETTE_ERR = 6,
    DDINIT_SETPALETTE_ERR = 7,
    DDINIT_CLIPPER_ERR = 10,
    DDINIT_SETHWND_ERR = 11,
    DDINIT_SETCLIPPER_ERR = 12,
};

// Results of loading a picture into a surface record.
enum DDSurfaceResult : int {
    DDSURFACE_OK = 0,
    DDSURFACE_MIRROR_ERR = 1,
    DDSURFACE_CREATE_ERR = 4,
    DDSURFACE_LOAD_ERR = 8,
    DDSURFACE_COLORKEY_ERR = 9,
};

// Start-up, present and shutdown.
bool DDInit(int bDirect3D, cPresenter* hWnd, int nWidth, int nHeight, int nBpp, int nVSync, int bWindowMode,
            int nBackBufferCount, int nRefreshRate, int bUseRefreshRate, DDSURFACEDATA* lpSystemSD,
            BMPFILEDATA* lpPictureTable, int nSDCount);
int DDInitDirect3D(cPresenter* hWnd, int nWidth, int nHeight, int nBpp, int nBackBufferCount);
int DDInitFullScreen(cPresenter* hWnd, int nWidth, int nHeight, int nBpp, int nBackBufferCount);
int DDInitWindow(cPresenter* hWnd);
bool DDCheckInitResult(int code);
void DDRelease();
void DDSetDefaultRenderState();
void DDSetVirtualBackBuffer(int bOn);
int DDRedirectToVirtualBackBuffer(DDSURFACEDATA** lplpSD);
void DDFlushVirtualBackBuffer(DDSURFACEDATA* lpDstSD, DDSURFACEDATA* lpSrcSD);
int DDPresent(int nFps, int a, void* b);
void DDResolveSurface(DDSURFACEDATA** lplpSD);
void DDSetDrawColor(DWORD dwARGB);
void DDResetDrawColor();
void DDSetColorOp(DWORD dwOp);
void DDResetColorOp();
void DDSetAlphaOp(DWORD dwOp);
void DDResetAlphaOp();
void DDAdjustTextureSize(int* pnWidth, int* pnHeight);
int DDCheckTextureSize(int nWidth, int nHeight);

// Surface records, creation and loading.
bool DDCreateSurface(DDSURFACEDATA* lpSD, int nWidth, int nHeight, int bColorKey, int nDDMemType,
                     int nDTMemType, int bNoTexture, int bRecreate);
int DDCreateSurfaceFromFile(DDSURFACEDATA* lpSD, const char* szFile, int bColorKey, int nBpp, int nDDMemType,
                            int nDTMemType, int bNoTexture, int bPalMap, int nMirrorWidth, int nMirrorHeight,
                            int bRecreate);
bool DDCheckSurfaceResult(int code);
bool DDVecAddSurface(cVector<DDSURFACEDATA>& vecSD, cVector<BMPFILEDATA>& vecBmp, int nWidth, int nHeight,
                     int bColorKey, int nDDMemType, int nDTMemType, int bNoTexture);
bool DDListAddSurface(cList<DDSURFACEDATA>& listSD, cList<BMPFILEDATA>& listBmp, int nWidth, int nHeight,
                      int bColorKey, int nDDMemType, int nDTMemType, int bNoTexture);
bool DDListInsertSurface(cList<DDSURFACEDATA>& listSD, cList<BMPFILEDATA>& listBmp, int nIndex, int nWidth,
                         int nHeight, int bColorKey, int nDDMemType, int nDTMemType, int bNoTexture);
int DDListRemoveSurface(cList<DDSURFACEDATA>& listSD, cList<BMPFILEDATA>& listBmp, DDSURFACEDATA* lpSD);
int DDCheckBitmapSize(int* pbTooLarge, const char* szFile, int nWidth, int nHeight);
bool DDLoadSurfaces(DDSURFACEDATA* lpSDTable, const int* pnIndices, int nCount);
bool DDLoadPaletteFromFile(PALETTEENTRY* lpPalette, const char* szFile);
bool DDSetTransmit(const char* szFile);
void DDSetTransmit(BYTE cbRed, BYTE cbGreen, BYTE cbBlue);
bool CopyBitmap(DDSURFACEDATA* lpSD, const char* szFile, int nBpp, int bPalMap, int nMirrorWidth,
                int nMirrorHeight);
bool CreateMirror(DDSURFACEDATA* lpDstSD, DDSURFACEDATA* lpSrcSD, int nMirrorWidth, int nMirrorHeight);
bool DDReloadSurface(DDSURFACEDATA* lpSD, int nBpp);
bool DDBuildPalIndexMap(BYTE** lplpMap, DDSURFACEDATA* lpSD);
void DDReleaseSurface(DDSURFACEDATA* lpSD);
void DDReleaseSurfaceVec(cVector<DDSURFACEDATA>& vecSD);
void DDReleaseSurfaceList(cList<DDSURFACEDATA>& listSD);
void DDFillRectPal(DDSURFACEDATA* lpSD, int x, int y, int w, int h, int nPal);
void DDFillSurfacePal(DDSURFACEDATA* lpSD, int nPal);
void DDFillRectColor(DDSURFACEDATA* lpSD, int x, int y, int w, int h, DWORD dwColor);
void DDFillSurfaceColor(DDSURFACEDATA* lpSD, DWORD dwColor);

// Device layer and blit dispatch.
int DDBeginScene();
void DDEndScene();
int DDSetRenderTarget(int nIndex, DDSURFACEDATA* lpSD);
void DDBeginFillBatch();
void DDFlushFillBatch();
void DDWrapCoords(DDSURFACEDATA* lpSD, int* pnX, int* pnY, int* pnW, int* pnH);
bool DDClipBlt(DDSURFACEDATA* lpDstSD, int* pnDstX, int* pnDstY, int* pnDstW, int* pnDstH,
               DDSURFACEDATA* lpSrcSD, int* pnSrcX, int* pnSrcY, int* pnSrcW, int* pnSrcH);
HRESULT DDBltFast(DDSURFACEDATA* lpDstSD, int x, int y, int w, int h, DDSURFACEDATA* lpSrcSD, int sx, int sy,
                  DWORD dwFlags);
HRESULT DDBltColor(DDSURFACEDATA* lpDstSD, int x, int y, int w, int h, DDSURFACEDATA* lpSrcSD, int sx, int sy,
                   DWORD dwFlags, const DWORD* pColorOp);
HRESULT DDBltColorStretch(DDSURFACEDATA* lpDstSD, int x, int y, int w, int h, DDSURFACEDATA* lpSrcSD, int sx,
                          int sy, int sw, int sh, DWORD dwFlags, const DWORD* pColorOp);

// Drawing core.
HRESULT DDBltStretch(DDSURFACEDATA* lpDstSD, int x, int y, int w, int h, DDSURFACEDATA* lpSrcSD, int sx,
                     int sy, int sw, int sh, DWORD dwFlags);
void DDBeginQuadBatch(int bGroupByTexture);
void DDQuadBatchAddTexture(DDSURFACEDATA* lpSrcSD);
void DDFlushQuadBatch();
void DDDrawBitmapText(DDSURFACEDATA* lpDstSD, int x, int y, int nCellWidth, int nCellHeight,
                      DDSURFACEDATA* lpFontSD, const char* szText);
void DDDrawBitmapTextF(DDSURFACEDATA* lpDstSD, int x, int y, int nCellWidth, int nCellHeight,
                       DDSURFACEDATA* lpFontSD, const char* szFormat, ...)
    __attribute__((format(printf, 7, 8)));
bool DDLock(DDSURFACEDATA* lpSD, DDSURFACEDESC2* lpDesc, int* pnPitch, int nBpp);
void DDUnlock(DDSURFACEDATA* lpSD);
void DDDrawCircle(DDSURFACEDATA* lpSD, int cx, int cy, int r, int nPal);
// A frame of thickness t inside (x, y, w, h), in one fill batch.
void DDDrawFrame(DDSURFACEDATA* lpSD, int x, int y, int w, int h, int t, int nPal);
// The source's top-left w x h copied opaquely to (x, y), framed around the outside.
void DDBltFramed(DDSURFACEDATA* lpDstSD, int x, int y, int w, int h, DDSURFACEDATA* lpSrcSD, int t, int nPal);
DWORD PalNumToRGB(DWORD dwPalNum);
void DDPutPixelPal(DDSURFACEDATA* lpSD, int x, int y, int nPal);
int DDMesBox(const char* szText, const char* szCaption, unsigned uType);
int DDSetDialogBoxMode(int bOn);

// The end of a DirectDraw frame: in a window the back buffer is copied into the
// window's client area (after the vertical blank when bWaitVBlank); full
// screen it is flipped to the front when bFlip, else copied there. Nothing in
// Direct3D, whose frames end in DDPresent.
void DDShowBackBuffer(int bWaitVBlank, int bFlip);

// DirectDraw surface loss: whether the screen was lost, and the recovery of the
// screen and the fixed surface table (Direct3D answers false and 1).
bool DDIsScreenLost();
int DDRestore();
// Direct3D device loss: 1 when the device is whole again (or was never lost),
// 0 while it cannot be reset yet (nothing is touched then; try again later).
int DDRestoreSurface();
// Restores one lost DirectDraw surface; one loaded from a file gets its picture
// back. True when nothing was lost.
bool RestoreOneSurface(DDSURFACEDATA& sd);

// Pixel format of the DirectDraw display.
void DDGetPixelFormatMasks(int* masks);
WORD DDPalToRGB16(const PALETTEENTRY& entry);

// The live face's back-end: what the DirectDraw-like and the Direct3D-like
// faces do each their own way, behind one small interface, so that a drawing
// function that shares nothing between the faces is one call here instead of
// two branches. The context pointers that start-up sets choose the object
// (`lpDTCon` Direct3D, `lpDDCon` DirectDraw, neither: a face that draws
// nothing), so the choice can never disagree with them. Fonts, effects and
// device recovery add what they need here. Graphics layer only.
#pragma once

#include "graphics/SurfaceData.h"
#include "platform/Surface.h"

// A record's pixels held for the CPU between LockPixels and UnlockPixels.
struct cPixelLock {
    cSurface* pixels = nullptr; // null when nothing is held
    // What the face must give back.
    cDirectDrawSurface* ddSurface = nullptr;
    cDirect3DSurface* d3dSurface = nullptr;
    bool renderTarget = false; // a render target's system copy: written pixels are uploaded
};

class cDrawFace {
public:
    virtual ~cDrawFace() = default;

    // The stretch blit once the source rectangle has been folded for a
    // mirrored record (DDWrapCoords).
    virtual HRESULT BltStretch(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx,
                               int sy, int sw, int sh, DWORD flags) = 0;
    // The same-size blit.
    virtual HRESULT BltFast(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx,
                            int sy, DWORD flags) = 0;
    // Fills a rectangle with a colour in the face's own convention (a display
    // pixel value in DirectDraw, ARGB in Direct3D).
    virtual void FillRect(DDSURFACEDATA* sd, int x, int y, int w, int h, DWORD color) = 0;

    // The pixels of a record for the CPU: the DirectDraw surface, or the
    // Direct3D back buffer, a render target's system copy (fetched) or the
    // texture. False when they can't be had.
    virtual bool LockPixels(DDSURFACEDATA* sd, cPixelLock& lock) = 0;
    // Gives them back; `written` uploads a render target's copy.
    virtual void UnlockPixels(DDSURFACEDATA* sd, cPixelLock& lock, bool written) = 0;

    // The end of a DirectDraw frame (see DDShowBackBuffer).
    virtual void ShowBackBuffer(bool waitVBlank, bool flip) = 0;
    // Surface loss of the DirectDraw screen and its recovery (see DDRestore).
    virtual bool ScreenLost() = 0;
    virtual int Restore() = 0;
};

cDrawFace& Face();

// The two faces, for Face() only.
cDrawFace& DirectDrawFace();
cDrawFace& Direct3DFace();

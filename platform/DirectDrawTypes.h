// Declarations of the DirectDraw-like face: result codes, flags and the small
// structures its calls take. The values are this layer's own; only their
// meanings follow the interface the drawing code was written against.
#pragma once

#include "platform/Types.h"

#include <cstdint>

using HRESULT = std::int32_t;

#ifndef BRINDLE_RECT_DEFINED
#define BRINDLE_RECT_DEFINED
struct RECT {
    LONG left, top, right, bottom;
};
#endif

constexpr HRESULT DD_OK = 0;
constexpr HRESULT DDERR_GENERIC = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT DDERR_INVALIDPARAMS = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT DDERR_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT DDERR_INVALIDRECT = static_cast<HRESULT>(0x88760096u);
constexpr HRESULT DDERR_INVALIDMODE = static_cast<HRESULT>(0x88760078u);
constexpr HRESULT DDERR_INVALIDPIXELFORMAT = static_cast<HRESULT>(0x88760091u);
constexpr HRESULT DDERR_NOTLOCKED = static_cast<HRESULT>(0x887601E4u);
constexpr HRESULT DDERR_SURFACEBUSY = static_cast<HRESULT>(0x887601AEu);
constexpr HRESULT DDERR_SURFACELOST = static_cast<HRESULT>(0x887601C2u);
constexpr HRESULT DDERR_OUTOFVIDEOMEMORY = static_cast<HRESULT>(0x8876017Cu);
constexpr HRESULT DDERR_NOTFLIPPABLE = static_cast<HRESULT>(0x8876014Eu);
constexpr HRESULT DDERR_NOCLIPPERATTACHED = static_cast<HRESULT>(0x88760156u);
constexpr HRESULT DDERR_BLTFASTCANTCLIP = static_cast<HRESULT>(0x8876021Cu);
constexpr HRESULT DDERR_NOCOOPERATIVELEVELSET = static_cast<HRESULT>(0x8876003Cu);

inline bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}
inline bool FAILED(HRESULT hr) {
    return hr < 0;
}

// Cooperative levels.
constexpr DWORD DDSCL_NORMAL = 0x8;
constexpr DWORD DDSCL_FULLSCREEN = 0x1;
constexpr DWORD DDSCL_ALLOWREBOOT = 0x2;
constexpr DWORD DDSCL_EXCLUSIVE = 0x10;

// Surface description fields present.
constexpr DWORD DDSD_CAPS = 0x1;
constexpr DWORD DDSD_HEIGHT = 0x2;
constexpr DWORD DDSD_WIDTH = 0x4;
constexpr DWORD DDSD_PITCH = 0x8;
constexpr DWORD DDSD_BACKBUFFERCOUNT = 0x20;
constexpr DWORD DDSD_PIXELFORMAT = 0x1000;

// Surface capabilities.
constexpr DWORD DDSCAPS_BACKBUFFER = 0x4;
constexpr DWORD DDSCAPS_COMPLEX = 0x8;
constexpr DWORD DDSCAPS_FLIP = 0x10;
constexpr DWORD DDSCAPS_OFFSCREENPLAIN = 0x40;
constexpr DWORD DDSCAPS_PRIMARYSURFACE = 0x200;
constexpr DWORD DDSCAPS_SYSTEMMEMORY = 0x800;
constexpr DWORD DDSCAPS_VIDEOMEMORY = 0x4000;

// Blt, BltFast, Lock, Flip, colour-key and palette flags.
constexpr DWORD DDBLT_COLORFILL = 0x400;
constexpr DWORD DDBLT_KEYSRC = 0x8000;
constexpr DWORD DDBLT_WAIT = 0x1000000;
constexpr DWORD DDBLTFAST_NOCOLORKEY = 0x0;
constexpr DWORD DDBLTFAST_SRCCOLORKEY = 0x1;
constexpr DWORD DDBLTFAST_DESTCOLORKEY = 0x2;
constexpr DWORD DDBLTFAST_WAIT = 0x10;
constexpr DWORD DDLOCK_WAIT = 0x1;
constexpr DWORD DDFLIP_WAIT = 0x1;
constexpr DWORD DDCKEY_SRCBLT = 0x8;
constexpr DWORD DDPCAPS_8BIT = 0x4;
constexpr DWORD DDPCAPS_ALLOW256 = 0x40;
constexpr DWORD DDWAITVB_BLOCKBEGIN = 0x1;
constexpr DWORD DDPF_PALETTEINDEXED8 = 0x20;
constexpr DWORD DDPF_RGB = 0x40;

// Palette entry flags.
constexpr BYTE PC_RESERVED = 0x1;
constexpr BYTE PC_EXPLICIT = 0x2;

struct PALETTEENTRY {
    BYTE peRed, peGreen, peBlue, peFlags;
};

struct DDCOLORKEY {
    DWORD dwColorSpaceLowValue, dwColorSpaceHighValue;
};

struct DDPIXELFORMAT {
    DWORD dwFlags;
    DWORD dwRGBBitCount;
    DWORD dwRBitMask, dwGBitMask, dwBBitMask, dwRGBAlphaBitMask;
};

struct DDSCAPS2 {
    DWORD dwCaps;
};

struct DDSURFACEDESC2 {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwHeight, dwWidth;
    LONG lPitch;
    DWORD dwBackBufferCount;
    void* lpSurface;
    DDPIXELFORMAT ddpfPixelFormat;
    DDSCAPS2 ddsCaps;
};

struct DDBLTFX {
    DWORD dwSize;
    DWORD dwFillColor;
};

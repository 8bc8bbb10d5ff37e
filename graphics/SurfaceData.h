// The surface record every picture, work area and screen buffer is held in,
// with its back-end parts, and the two back-end contexts.
#pragma once

#include "foundation/Containers.h"
#include "platform/Direct3D.h"
#include "platform/DirectDrawSurface.h"

#include <cstdint>
#include <string>

enum DTMEMORYTYPE : int {
    DTMEMORYTYPE_VIDEO_RT = 0,   // render-target texture in the device's memory
    DTMEMORYTYPE_SYSTEM = 1,     // texture in system memory, drawn by the CPU
    DTMEMORYTYPE_VIDEO_NORT = 2, // treated as DTMEMORYTYPE_VIDEO_RT
};

// Direct3D part of a surface record.
struct DTDATA {
    DWORD nID = 0;
    cDirect3DSurface* lpSurface = nullptr;
    cDirect3DSurface* lpSystemSurface = nullptr;
    cDirect3DVertexBuffer* lpVB = nullptr;
    cRefCounted* lpExtra = nullptr;
    cDirect3DTexture* lpTexture = nullptr;
    D3DSURFACE_DESC Desc{};
    int nMemType = 0;
    int bColorKey = 0;
    int bRenderTarget = 0;
    BYTE* lpPalMap = nullptr; // width x height palette indices (new[]), or null
};

// DirectDraw part of a surface record.
struct DDDATA {
    cDirectDrawSurface* lpSurface = nullptr;
    BYTE* lpPalMap = nullptr;
};

struct DDSURFACEDATA {
    DTDATA* lpDT = nullptr;
    DDDATA* lpDDData = nullptr;
    char szName[260] = {};
    int nWidth = 0, nHeight = 0;
    int nTexWidth = 0, nTexHeight = 0;
    char szFile[260] = {};
    int nMemType = 0;
    int nMirrorWidth = 0, nMirrorHeight = 0;
    DDSURFACEDATA* lpAlias = nullptr;
    int bLost = 0;
};

struct RGBTRIPLE {
    BYTE rgbtBlue = 0, rgbtGreen = 0, rgbtRed = 0;
};

// The Direct3D context.
struct DTCONDATA {
    D3DFORMAT fmtDisplay = D3DFMT_UNKNOWN;
    D3DFORMAT fmtTexture = D3DFMT_UNKNOWN;
    D3DPRESENT_PARAMETERS d3dpp{};
    UINT nAdapter = 0;
    D3DDEVTYPE DeviceType = D3DDEVTYPE_HAL;
    D3DFORMAT fmtBackBuffer = D3DFMT_UNKNOWN;
    D3DCAPS9 d3dCaps{};
    int bPow2Only = 0, bSquareOnly = 0, bDynamicTexture = 0;
    int bVirBackBuffer = 0;
    DDSURFACEDATA* lpTargetSD = nullptr;
    int bVirFlush = 0;
    RGBTRIPLE rgbTransmit;
    RGBTRIPLE rgbKey_16;
    DWORD dwTransmit_32 = 0;
    DWORD dwKeyColor = 0;
    WORD wTransmit_16 = 0;
    WORD wKeyColor_16 = 0;
    int bInScene = 0;
    DWORD dwDrawColor = 0xFFFFFFFFu, dwColorOp = D3DTOP_MODULATE, dwAlphaOp = D3DTOP_SELECTARG1;
    DWORD nNextSurfaceID = 0;
    std::string strTextureError;
};

// The DirectDraw context.
struct DDCONDATA {
    RGBTRIPLE rgbTransmit;
    BYTE spare1 = 0;
    RGBTRIPLE rgbConvert;
    BYTE spare2 = 0;
    DWORD dwZero = 0;
};

// The graphics layer's module-wide state: what start-up decided, the objects
// of the live back-end and the fixed screen records. Drawing runs on one
// thread at a time, so none of it is locked. Graphics layer only: other
// subsystems read what they need through graphics/Graphics.h.
#pragma once

#include "graphics/Graphics.h"
#include "platform/DirectDraw.h"
#include "project/SystemBmp.h"

#include <cstdint>
#include <list>

class cPresenter;

extern int bDirect3D;
extern cPresenter* hDrawWnd; // the window drawn into
extern int nScreenWidth, nScreenHeight;
extern int nBpp, nBytePP;
extern int bWindowMode;
extern int nBackBufferCount;
extern int nVSync;
extern int nRefreshRate;
extern int bUseRefreshRate;
extern DDSURFACEDATA* lpSystemSD;
extern BMPFILEDATA* lpPictureTable;
extern int nSDCount;
extern int bDDInit;
extern int bDDObjectsExist;

extern cDirectDraw* lpDD;
extern cDirectDrawClipper* lpClipper;
extern cDirectDrawPalette* lpDDPalette;
extern int nDesktopBpp;
extern RECT rcWindowScreen;

extern cDirect3D9* lpD3D;
extern cDirect3DDevice* lpDevice;
extern DTCONDATA* lpDTCon;
extern DDCONDATA* lpDDCon;
extern int SurfaceFormatMasks[8]; // red, green, blue, alpha shift; red, green, blue, alpha maximum
extern int DisplayFormatMasks[8];

extern DDSURFACEDATA PrimarySD, ScreenCopySD;

extern DWORD dwTransmit;
// Every Direct3D record that owns a texture, in creation order.
extern std::list<DDSURFACEDATA*> SurfaceList;

// Indices into the mask tables.
enum { kRedShift, kGreenShift, kBlueShift, kAlphaShift, kRedMax, kGreenMax, kBlueMax, kAlphaMax };

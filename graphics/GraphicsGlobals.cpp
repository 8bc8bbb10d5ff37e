#include "graphics/GraphicsGlobals.h"

int bDirect3D = 0;
cPresenter* hDrawWnd = nullptr;
int nScreenWidth = 640, nScreenHeight = 480;
int nBpp = 16, nBytePP = 2;
int bWindowMode = 1;
int nBackBufferCount = 1;
int nVSync = 1;
int nRefreshRate = 60;
int bUseRefreshRate = 0;
DDSURFACEDATA* lpSystemSD = nullptr;
BMPFILEDATA* lpPictureTable = nullptr;
int nSDCount = 0;
int bDDInit = 0;
int bDDObjectsExist = 0;

cDirectDraw* lpDD = nullptr;
cDirectDrawClipper* lpClipper = nullptr;
cDirectDrawPalette* lpDDPalette = nullptr;
int nDesktopBpp = 32;
RECT rcWindowScreen{0, 0, 0, 0};

cDirect3D9* lpD3D = nullptr;
cDirect3DDevice* lpDevice = nullptr;
DTCONDATA* lpDTCon = nullptr;
DDCONDATA* lpDDCon = nullptr;
int SurfaceFormatMasks[8] = {};
int DisplayFormatMasks[8] = {};

DDSURFACEDATA PrimarySD, BackBuffer, ScreenCopySD, VirBackBuffer, WorkSD;

DWORD dwTransmit = 0;
PALETTEENTRY Palette[256] = {};
PALETTEENTRY BasePalette[256] = {};
std::list<DDSURFACEDATA*> SurfaceList;

// Release of surface records, the record lists of pictures with their load
// records, and loading of the system picture table.
#include "graphics/GraphicsInternal.h"

#include "foundation/MessageBox.h"

#include "foundation/ErrorLog.h"
#include "platform/Image.h"

void DDReleaseSurface(DDSURFACEDATA* lpSD) {
    if (!lpSD) return;
    if (DTDATA* dt = lpSD->lpDT) {
        // A linked record draws from another record's texture but owns what
        // it made itself (its vertex buffer), so everything here is its own.
        SafeRelease(dt->lpTexture);
        SafeRelease(dt->lpExtra);
        SafeRelease(dt->lpVB);
        SafeRelease(dt->lpSystemSurface);
        SafeRelease(dt->lpSurface);
        SurfaceListRemove(lpSD);
        delete[] dt->lpPalMap;
        delete dt;
        lpSD->lpDT = nullptr;
    }
    if (DDDATA* dd = lpSD->lpDDData) {
        SafeRelease(dd->lpSurface);
        delete[] dd->lpPalMap;
        delete dd;
        lpSD->lpDDData = nullptr;
    }
}

void DDReleaseSurfaceVec(cVector<DDSURFACEDATA>& vecSD) {
    for (std::size_t i = 0; i < vecSD.size(); ++i) DDReleaseSurface(&vecSD.At(static_cast<std::int64_t>(i)));
}

void DDReleaseSurfaceList(cList<DDSURFACEDATA>& listSD) {
    for (auto& sd : listSD) DDReleaseSurface(&sd);
}

bool DDCheckSurfaceResult(int code) {
    switch (code) {
    case DDSURFACE_CREATE_ERR:
        ErrorLogPuts("CREATESURFACE_ERR");
        return false;
    case DDSURFACE_LOAD_ERR:
        ErrorLogPuts("LOADIMAGE_ERR");
        return false;
    case DDSURFACE_COLORKEY_ERR:
        ErrorLogPuts("SETCOLORKEY_ERR");
        return false;
    default:
        return true;
    }
}

static BMPFILEDATA EmptyLoadRecord(int w, int h, int bColorKey, int nDDMemType, int nDTMemType,
                                   int bNoTexture) {
    BMPFILEDATA b;
    b.nSet1 = bColorKey;
    b.nSet2 = nDDMemType;
    b.nSet3 = nDTMemType;
    b.nSet4 = bNoTexture;
    b.nWorkWidth = w;
    b.nWorkHeight = h;
    return b;
}

static int CreateResult(bool created) {
    return created ? DDSURFACE_OK : DDSURFACE_CREATE_ERR;
}

bool DDVecAddSurface(cVector<DDSURFACEDATA>& vecSD, cVector<BMPFILEDATA>& vecBmp, int nWidth, int nHeight,
                     int bColorKey, int nDDMemType, int nDTMemType, int bNoTexture) {
    // Growing the vector moves its records; the texture list follows them.
    const DDSURFACEDATA* oldBegin = vecSD.data();
    const std::size_t oldSize = vecSD.size();
    vecSD.emplace_back();
    if (vecSD.data() != oldBegin && oldSize) {
        for (DDSURFACEDATA*& p : SurfaceList)
            if (p >= oldBegin && p < oldBegin + oldSize) p = vecSD.data() + (p - oldBegin);
    }
    vecBmp.push_back(EmptyLoadRecord(nWidth, nHeight, bColorKey, nDDMemType, nDTMemType, bNoTexture));
    return DDCheckSurfaceResult(CreateResult(
        DDCreateSurface(&vecSD.back(), nWidth, nHeight, bColorKey, nDDMemType, nDTMemType, bNoTexture, 0)));
}

bool DDListAddSurface(cList<DDSURFACEDATA>& listSD, cList<BMPFILEDATA>& listBmp, int nWidth, int nHeight,
                      int bColorKey, int nDDMemType, int nDTMemType, int bNoTexture) {
    listSD.emplace_back();
    listBmp.push_back(EmptyLoadRecord(nWidth, nHeight, bColorKey, nDDMemType, nDTMemType, bNoTexture));
    return DDCheckSurfaceResult(CreateResult(
        DDCreateSurface(&listSD.back(), nWidth, nHeight, bColorKey, nDDMemType, nDTMemType, bNoTexture, 0)));
}

bool DDListInsertSurface(cList<DDSURFACEDATA>& listSD, cList<BMPFILEDATA>& listBmp, int nIndex, int nWidth,
                         int nHeight, int bColorKey, int nDDMemType, int nDTMemType, int bNoTexture) {
    if (nIndex < 0) nIndex = 0;
    if (static_cast<std::size_t>(nIndex) >= listSD.size())
        return DDListAddSurface(listSD, listBmp, nWidth, nHeight, bColorKey, nDDMemType, nDTMemType,
                                bNoTexture);
    auto at = listSD.insert(listSD.IterAt(nIndex), DDSURFACEDATA{});
    listBmp.insert(listBmp.IterAt(nIndex),
                   EmptyLoadRecord(nWidth, nHeight, bColorKey, nDDMemType, nDTMemType, bNoTexture));
    return DDCheckSurfaceResult(CreateResult(
        DDCreateSurface(&*at, nWidth, nHeight, bColorKey, nDDMemType, nDTMemType, bNoTexture, 0)));
}

int DDListRemoveSurface(cList<DDSURFACEDATA>& listSD, cList<BMPFILEDATA>& listBmp, DDSURFACEDATA* lpSD) {
    std::int64_t index = 0;
    for (auto it = listSD.begin(); it != listSD.end(); ++it, ++index) {
        if (&*it != lpSD) continue;
        DDReleaseSurface(&*it);
        listSD.erase(it);
        auto bmp = listBmp.IterAt(index);
        if (bmp != listBmp.end()) listBmp.erase(bmp);
        return 1;
    }
    return 0;
}

int DDCheckBitmapSize(int* pbTooLarge, const char* szFile, int nWidth, int nHeight) {
    if (lpDTCon) return 1;
    cImage image;
    if (!LoadImageFile(PicturePath(szFile), image)) {
        if (pbTooLarge) *pbTooLarge = 0;
        return 0;
    }
    if (pbTooLarge) *pbTooLarge = image.width > nWidth || image.height > nHeight;
    return 1;
}

bool DDLoadSurfaces(DDSURFACEDATA* lpSDTable, const int* pnIndices, int nCount) {
    if (!lpSDTable || !lpPictureTable || !pnIndices) return false;
    for (int n = 0; n < nCount; ++n) {
        const int i = pnIndices[n];
        if (i < 0 || i >= nSDCount) continue; // not a row of the table
        DDSURFACEDATA* sd = &lpSDTable[i];
        const BMPFILEDATA& b = lpPictureTable[i];
        DDReleaseSurface(sd);
        if (std::string(b.szFile) == "E") {
            if (!DDCreateSurface(sd, b.nWorkWidth, b.nWorkHeight, b.nSet1, b.nSet2, b.nSet3, b.nSet4, 0) &&
                !b.bOptional) {
                OutOfMemoryQuit();
                return false;
            }
        } else {
            int r = DDCreateSurfaceFromFile(sd, b.szFile, b.nSet1, nBpp, b.nSet2, b.nSet3, b.nSet4, b.nSet5,
                                            b.nSet7, b.nSet8, 0);
            if (!DDCheckSurfaceResult(r) && !b.bOptional) {
                ErrorBoxPrintf("%s の読み込みに失敗！", b.szFile);
                return false;
            }
        }
    }
    return true;
}

bool DDReloadSurface(DDSURFACEDATA* lpSD, int nBppIn) {
    if (lpDTCon) return true;
    if (!lpSD) return false;
    bool hasMap = lpSD->lpDDData && lpSD->lpDDData->lpPalMap;
    return CopyBitmap(lpSD, lpSD->szFile, nBppIn, hasMap, lpSD->nMirrorWidth, lpSD->nMirrorHeight);
}

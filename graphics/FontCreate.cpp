// Making and releasing fonts, their glyph caches and the digit strips.
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "graphics/Font.h"
#include "graphics/GlyphPen.h"
#include "graphics/GraphicsInternal.h"
#include "platform/FontFace.h"

#include <algorithm>
#include <cstring>

cFont SysFont[kSysFontCount];
DDSURFACEDATA DigitSD[kSysFontCount];
std::vector<cFont*> FontList;

namespace {

DWORD nNextFontID = 0;

DDSURFACEDATA* SystemPicture(int index) {
    return (lpSystemSD && index >= 0 && index < nSDCount) ? &lpSystemSD[index] : nullptr;
}

} // namespace

cFont::cFont() = default;

// The caches' surfaces belong to the graphics layer, which is released
// before static objects go; shutdown releases every font first.
cFont::~cFont() {
    delete m_lpFastFont_Half;
    delete m_lpFastFont_FullAdd;
}

bool cFont::Antialiased() const {
    return lpDTCon != nullptr;
}

bool cFont::HasSymbolPicture() const {
    return lpSymbol && (lpSymbol->lpDT || lpSymbol->lpDDData);
}

void cFont::Create(const char* szFace, int width, int height, int pitch, int linePitch, int colorIndex,
                   DDSURFACEDATA* frame, int frameThick, int frameColor, DDSURFACEDATA* symbol,
                   int cacheMode) {
    nWidth = width;
    nHeight = height;
    nPitch = pitch;
    nLinePitch = linePitch;
    nColorIndex = colorIndex;
    lpFrame = frame;
    nFrameThick = frameThick;
    nFrameColor = frameColor;
    lpSymbol = symbol;
    bSymbol = symbol ? 1 : 0;
    const int index = std::clamp(colorIndex, 0, 255);
    if (lpDTCon)
        dwColor = MakeArgb(255, Palette[index].peRed, Palette[index].peGreen, Palette[index].peBlue);
    else
        dwColor = PalNumToRGB(static_cast<DWORD>(index));

    strFace = szFace ? szFace : "";
    if (!face_) face_ = std::make_unique<cFontFace>();
    if (!face_->Open(strFace, height, width)) {
        ReportError("CreateFont Err %s", strFace.c_str());
        PostMainWindowClose();
    } else {
        ReportPrintf("Font %s %d : %s", strFace.c_str(), height, face_->Family().c_str());
    }

    if (!Work.lpDT && !Work.lpDDData) {
        const bool made =
            DDCreateSurface(&Work, nScreenWidth > 0 ? nScreenWidth : 640,
                            nScreenHeight > 0 ? nScreenHeight : 480, 1, 0, DTMEMORYTYPE_VIDEO_RT, 0, 0);
        if (!made && !lpDTCon) {
            ErrorLogPuts("DDCreateSurface Font::Work");
            PostMainWindowClose();
            return;
        }
    }
    nID = nNextFontID++;
    if (std::find(FontList.begin(), FontList.end(), this) == FontList.end()) FontList.push_back(this);

    nCacheMode = cacheMode;
    if (cacheMode == 0) {
        ReleaseCaches();
        return;
    }
    if (pitch == 0 || linePitch == 0) {
        ErrorLogPuts("※フォントクラスで文字間が未設定！");
        return;
    }
    ReleaseCaches();
    m_lpFastFont_Half = new cFastFont();
    m_lpFastFont_Half->Create(0, pitch, linePitch, 16, 16);
    int columns, rows;
    if (lpDTCon) {
        columns = std::min(1024 / pitch, 32);
        rows = std::min(1024 / linePitch, 32);
    } else {
        columns = std::min(nScreenWidth / pitch, 32);
        rows = std::min(nScreenHeight / linePitch, 30);
    }
    m_lpFastFont_FullAdd = new cFastFont();
    m_lpFastFont_FullAdd->Create(1, pitch, linePitch, std::max(columns, 0), std::max(rows, 0));
    BuildHalfCharList();
    BuildFullCharList(true);
}

void cFont::ReleaseCaches() {
    for (cFastFont** cache : {&m_lpFastFont_Half, &m_lpFastFont_FullAdd}) {
        if (!*cache) continue;
        (*cache)->Release();
        delete *cache;
        *cache = nullptr;
    }
}

void cFont::Release() {
    ReleaseCaches();
    DDReleaseSurface(&Work);
    Work = DDSURFACEDATA{};
    face_.reset();
    FontList.erase(std::remove(FontList.begin(), FontList.end(), this), FontList.end());
}

// Each code of the single-byte cache is drawn alone into cell (c mod 16,
// c div 16), so a lead byte met without its trail byte shows its own glyph.
// Codes 0-15 are control codes and stay empty.
void cFont::BuildHalfCharList() {
    cFastFont* cache = m_lpFastFont_Half;
    if (!cache) return;
    DDFillSurfacePal(&cache->SD, 0);
    cGlyphPen pen(*this, &cache->SD);
    pen.ClipToCells();
    for (int c = 16; c < 256; ++c) {
        if (c == ' ' || c == '\n') continue;
        const char byte = static_cast<char>(c);
        pen.DrawString((c % 16) * nPitch, (c / 16) * nLinePitch, &byte, 1);
    }
}

void cFont::BuildFullCharList(bool initial) {
    cFastFont* cache = m_lpFastFont_FullAdd;
    if (!cache) return;
    if (initial) {
        for (const char* p = kFullCharSeed; p[0] && p[1]; p += 2)
            if (!cache->AddChar(p)) break;
    }
    DDFillSurfacePal(&cache->SD, 0);
    cGlyphPen pen(*this, &cache->SD);
    pen.ClipToCells();
    for (const cFastFont::Cell& cell : cache->CharList) pen.DrawString(cell.x, cell.y, cell.szChar, 2);
}

void cFont::RestoreCaches() {
    if (lpDTCon) {
        if (m_lpFastFont_Half && m_lpFastFont_Half->SD.bLost) {
            BuildHalfCharList();
            m_lpFastFont_Half->SD.bLost = 0;
        }
        if (m_lpFastFont_FullAdd && m_lpFastFont_FullAdd->SD.bLost) {
            BuildFullCharList(false);
            m_lpFastFont_FullAdd->SD.bLost = 0;
        }
        return;
    }
    if (cDirectDrawSurface* work = DDSurfaceOf(&Work); work && work->IsLost() == DDERR_SURFACELOST)
        work->Restore();
    for (cFastFont* cache : {m_lpFastFont_Half, m_lpFastFont_FullAdd}) {
        cDirectDrawSurface* s = cache ? DDSurfaceOf(&cache->SD) : nullptr;
        if (!s) continue;
        if (s->IsLost() == DDERR_SURFACELOST) s->Restore();
        if (cache == m_lpFastFont_Half)
            BuildHalfCharList();
        else
            BuildFullCharList(false);
    }
}

bool cFont::HasFace() const {
    return face_ && face_->IsOpen();
}

bool DDCreateFonts(cFont* fonts, const SYSTEMFONTDATA* defs, int count) {
    for (int i = 0; i < count; ++i) {
        const std::int32_t* v = defs[i].nValue;
        fonts[i].Create(defs[i].szFace, v[0], v[1], v[2], v[3], v[4], SystemPicture(v[5]), v[6], v[7],
                        SystemPicture(v[8]), v[9]);
    }
    return true;
}

bool DDCreateDigitSurfaces(DDSURFACEDATA* surfaces, const BMPFILEDATA* records, int count, cFont* fonts,
                           const SYSTEMFONTDATA* defs) {
    for (int i = 0; i < count; ++i) {
        const BMPFILEDATA& r = records[i];
        DDCreateSurface(&surfaces[i], 10 * defs[i].nValue[2], defs[i].nValue[3], r.nSet1, r.nSet2, r.nSet3,
                        r.nSet4, 0);
        DDDrawDigits(&surfaces[i], &fonts[i]);
    }
    return true;
}

void DDDrawDigits(DDSURFACEDATA* lpSD, cFont* font) {
    if (!lpSD || !font) return;
    DDFillSurfacePal(lpSD, 0);
    font->DrawText(lpSD, 0, 0, "0123456789", 0);
}

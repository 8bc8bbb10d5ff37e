// Drawing text with a font: the character loop, the work surface, symbol
// letters, measuring and text boxes.
#include "foundation/ErrorLog.h"
#include "graphics/Font.h"
#include "graphics/GlyphPen.h"
#include "graphics/GraphicsInternal.h"
#include "graphics/QuadBatch.h"
#include "platform/Cp932.h"
#include "platform/FontFace.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr char kFullWidthSpace[] = "　";

// Lines of a text: the pieces between "\n"s (a final "\n" makes an empty last line).
template <class F> void ForEachLine(const char* text, F f) {
    const char* start = text;
    for (const char* p = text;; ++p) {
        if (*p == '\n' || *p == '\0') {
            f(start, static_cast<int>(p - start));
            if (*p == '\0') return;
            start = p + 1;
        }
    }
}

// Walks a text cell by cell: f(bytes, 1 or 2, u, v) for each character at its
// cell offset; "\n" starts the next line.
template <class F> void ForEachCell(const char* text, int pitch, int linePitch, F f) {
    int u = 0, v = 0;
    for (const char* p = text; *p;) {
        if (*p == '\n') {
            v += linePitch;
            u = 0;
            ++p;
            continue;
        }
        const int n = IsDoubleByteChar(p) ? 2 : 1;
        f(p, n, u, v);
        p += n;
        u += pitch;
    }
}

} // namespace

void cFont::MeasureText(const char* text, int* w, int* h) const {
    int widest = 0, lines = 0;
    ForEachLine(text ? text : "", [&](const char* line, int n) {
        ++lines;
        widest = std::max(widest, GetCharCount(std::string(line, static_cast<std::size_t>(n)).c_str()));
    });
    if (w) *w = widest * nPitch;
    if (h) *h = lines * nLinePitch;
}

// The proportional measure: the widest line at the face's advances.
static void MeasureProportional(cFontFace* face, int linePitch, const char* text, int* w, int* h) {
    int widest = 0, lines = 0;
    ForEachLine(text, [&](const char* line, int n) {
        ++lines;
        if (face) widest = std::max(widest, face->TextWidth(line, n));
    });
    *w = widest;
    *h = lines * linePitch;
}

void cFont::DrawTextLines(cGlyphPen& pen, DDSURFACEDATA* cacheDst, int cacheX, int cacheY, const char* text,
                          int letters) {
    if (nPitch == 0) {
        int k = 0;
        ForEachLine(text, [&](const char* line, int n) {
            if (n > 0) pen.DrawString(0, k * nLinePitch, line, n);
            ++k;
        });
        return;
    }
    const bool caches = CachesOn() && cacheDst;
    const bool symbolLetters = letters && HasSymbolPicture();
    DDBeginQuadBatch(1);
    // Glyphs new to the cache go into their cells before they are blitted
    // from there. A blit the quad batch holds back until its flush lets the
    // new cells be drawn together, in one pass over the cache's pixels.
    const bool deferCells = caches && QuadBatch.bBatching && cacheDst->lpDT && cacheDst->lpDT->bRenderTarget;
    std::unique_ptr<cGlyphPen> cellPen;
    if (caches) {
        cellPen = std::make_unique<cGlyphPen>(*this, &m_lpFastFont_FullAdd->SD);
        cellPen->ClipToCells();
    }
    ForEachCell(text, nPitch, nLinePitch, [&](const char* p, int n, int u, int v) {
        if (n == 2) {
            const char c[3] = {p[0], p[1], 0};
            if (c[0] == kFullWidthSpace[0] && c[1] == kFullWidthSpace[1]) return; // never drawn, never cached
            if (!caches) {
                pen.DrawString(u, v, c, 2);
                return;
            }
            cFastFont* full = m_lpFastFont_FullAdd;
            if (full->DrawChar(cacheDst, cacheX + u, cacheY + v, c, 1)) return;
            if (!full->AddChar(c)) {
                pen.DrawString(u, v, c, 2);
                return;
            }
            const cFastFont::Cell& cell = full->CharList.back();
            cellPen->DrawString(cell.x, cell.y, cell.szChar, 2);
            if (!deferCells) cellPen->Flush();
            full->DrawChar(cacheDst, cacheX + u, cacheY + v, c, 1);
            return;
        }
        const char b = *p;
        if (b == ' ' || (symbolLetters && b >= 'a' && b <= 'z')) return;
        if (caches)
            m_lpFastFont_Half->DrawCell(cacheDst, cacheX + u, cacheY + v, static_cast<unsigned char>(b), 1);
        else
            pen.DrawString(u, v, &b, 1);
    });
    if (cellPen) cellPen->Flush();
    DDFlushQuadBatch();
}

void cFont::DrawText(DDSURFACEDATA* dst, int x, int y, const char* text, int bKeepLetters) {
    if (!dst || !text || !*text) return;
    const int letters = bKeepLetters ? 0 : bSymbol;
    if (lpDTCon) {
        DDResolveSurface(&dst);
        DDRedirectToVirtualBackBuffer(&dst);
    }
    // A Direct3D render target takes the glyphs directly.
    if (lpDTCon && dst->lpDT && dst->lpDT->bRenderTarget && dst->lpDT->nMemType == DTMEMORYTYPE_VIDEO_RT) {
        cGlyphPen pen(*this, dst, x, y);
        DrawTextLines(pen, dst, x, y, text, letters);
        pen.Flush();
        DrawPictureLetters(dst, x, y, text);
        return;
    }
    cGlyphPen pen(*this, &Work);
    DrawTextLines(pen, dst, x, y, text, letters);
    if (!pen.HasPending()) {
        // Every glyph came from the caches: the work surface would stay empty.
        DrawPictureLetters(dst, x, y, text);
        return;
    }
    int w = 0, h = 0;
    if (nPitch)
        MeasureText(text, &w, &h);
    else
        MeasureProportional(face_.get(), nLinePitch, text, &w, &h);
    DDFillRectPal(&Work, 0, 0, w, h, 0);
    pen.Flush();
    if (lpDTCon) DrawPictureLetters(&Work, 0, 0, text);
    DDBltFast(dst, x, y, w, h, &Work, 0, 0, 1);
    if (!lpDTCon) DrawPictureLetters(dst, x, y, text);
}

void cFont::DrawTextF(DDSURFACEDATA* dst, int x, int y, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = FormatWholeV(format, args);
    va_end(args);
    DrawText(dst, x, y, text.c_str(), 0);
}

void cFont::DrawPictureLetters(DDSURFACEDATA* dst, int x, int y, const char* text) {
    if (!bSymbol || !HasSymbolPicture() || nPitch == 0 || !text) return;
    DDBeginQuadBatch(0);
    ForEachCell(text, nPitch, nLinePitch, [&](const char* p, int n, int u, int v) {
        if (n == 1 && *p >= 'a' && *p <= 'z')
            DDBltFast(dst, x + u, y + v, nPitch, nLinePitch, lpSymbol, (*p - 'a') * nPitch, 0, 1);
    });
    DDFlushQuadBatch();
}

void cFont::DrawTextSurface(DDSURFACEDATA* dst, int x, int y, int w, int h) {
    DrawTextBox(dst, x, y, w, h, nullptr, 0);
}

void cFont::DrawTextBox(DDSURFACEDATA* dst, int x, int y, int w, int h, const char* text, int margin) {
    if (w == 0 || h == 0) {
        int mw = 0, mh = 0;
        if (nPitch)
            MeasureText(text ? text : "", &mw, &mh);
        else
            MeasureProportional(face_.get(), nLinePitch, text ? text : "", &mw, &mh);
        if (w == 0) w = mw + margin;
        if (h == 0) h = mh;
    }
    const int frameW = lpFrame ? lpFrame->nWidth : 0, frameH = lpFrame ? lpFrame->nHeight : 0;
    if (x == 10000) x = (frameW >> 1) - (w >> 1);
    if (y == 10000) y = (frameH >> 1) - (h >> 1);
    DDBltFramed(dst, x, y, w, h, lpFrame, nFrameThick, nFrameColor);
    if (text) DrawText(dst, x + margin, y, text, 0);
}

void cFont::DrawTextBoxF(DDSURFACEDATA* dst, int x, int y, int w, int h, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = FormatWholeV(format, args);
    va_end(args);
    DrawTextBox(dst, x, y, w, h, text.c_str(), 0);
}

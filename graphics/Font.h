// Fonts and text drawing. A font (`cFont`) draws code-page-932 text in fixed
// cells: every character, single- or double-byte, advances by the character
// pitch and every line by the line pitch. Glyphs come from the platform's
// FreeType faces: with hard edges on the DirectDraw face (as GDI draws them)
// and antialiased on the Direct3D face (as a sprite font draws them). Text
// drawn by the font goes through the font's work surface, which is then
// blitted with the transparent colour (or straight into a Direct3D render
// target).
//
// To make repeated text cheap a font may keep two glyph caches (`cFastFont`):
// the 256 single-byte codes drawn once, and a table of double-byte characters
// seeded with 256 common ones that takes every further character on its
// first use until it is full; a full table stays full and further characters
// are drawn by the font on every use. Lowercase a-z may be drawn as pictures
// from the font's symbol picture instead.
#pragma once

#include "graphics/SurfaceData.h"
#include "project/SystemBmp.h"

#include <cstdarg>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

class cFontFace;
class cGlyphPen;

// A glyph cache: cells of one size in a surface, filled in order.
class cFastFont {
public:
    struct Cell {
        char szChar[4] = {}; // lead byte, trail byte, zero
        int nIndex = 0;
        int x = 0, y = 0;
    };

    cFastFont() = default;
    ~cFastFont();
    cFastFont(const cFastFont&) = delete;
    cFastFont& operator=(const cFastFont&) = delete;

    // kind 0 single-byte, 1 double-byte. The surface's creation result is
    // not checked: a cache without a surface draws nothing.
    void Create(int kind, int cellWidth, int cellHeight, int columns, int rows);
    void Release();
    // 1 when the character took the next cell, 0 when the cache is full.
    int AddChar(const char* c);
    // 1 when the character is cached (and blitted), 0 when it is not.
    int DrawChar(DDSURFACEDATA* dst, int x, int y, const char* c, DWORD transparent);
    // Blits cell `code` (0-255).
    void DrawCell(DDSURFACEDATA* dst, int x, int y, int code, DWORD transparent);
    // The cell of a cached character; null when it is not cached.
    const Cell* Find(const char* c) const;

    int nKind = 0;
    int nCellWidth = 0, nCellHeight = 0;
    int nColumns = 0, nRows = 0;
    int nCapacity = 0;
    DDSURFACEDATA SD;
    std::list<Cell> CharList;
    int nCount = 0;
    int nNextCell = 0;
    // Lookups of DrawChar that found their character, and all lookups.
    std::uint64_t nHits = 0, nLookups = 0;

private:
    // Double-byte code -> cell, so a lookup does not walk the list.
    std::vector<int> index_;
};

class cFont {
public:
    cFont();
    ~cFont();
    cFont(const cFont&) = delete;
    cFont& operator=(const cFont&) = delete;

    void Create(const char* szFace, int nWidth, int nHeight, int nPitch, int nLinePitch, int nColorIndex,
                DDSURFACEDATA* lpFrame, int nFrameThick, int nFrameColor, DDSURFACEDATA* lpSymbol,
                int nCacheMode);
    void Release();
    // After device loss: caches whose surfaces were lost are drawn again.
    void RestoreCaches();

    // Multi-line text with its top-left at (x, y). bKeepLetters 0 leaves a-z
    // to the symbol picture when the font has one.
    void DrawText(DDSURFACEDATA* dst, int x, int y, const char* text, int bKeepLetters);
    void DrawTextF(DDSURFACEDATA* dst, int x, int y, const char* format, ...)
        __attribute__((format(printf, 5, 6)));
    // A text box without text: the frame picture's top-left w x h with an outline.
    void DrawTextSurface(DDSURFACEDATA* dst, int x, int y, int w, int h);
    // A text box with its text; w or h 0 is measured, x or y 10000 centres.
    void DrawTextBox(DDSURFACEDATA* dst, int x, int y, int w, int h, const char* text, int margin);
    void DrawTextBoxF(DDSURFACEDATA* dst, int x, int y, int w, int h, const char* format, ...)
        __attribute__((format(printf, 7, 8)));
    // Symbol letters of a text.
    void DrawPictureLetters(DDSURFACEDATA* dst, int x, int y, const char* text);
    // Monospace size of a text (pitch per character, line pitch per line).
    void MeasureText(const char* text, int* w, int* h) const;

    // The number of double-byte characters the cache holds (0 without one).
    int CachedFullChars() const { return m_lpFastFont_FullAdd ? m_lpFastFont_FullAdd->nCount : 0; }

    DWORD nID = 0;
    std::string strFace;
    int nWidth = 0, nHeight = 0;
    int nPitch = 0, nLinePitch = 0;
    int nColorIndex = 0;
    DWORD dwColor = 0; // ARGB on the Direct3D face, a display pixel value on the DirectDraw face
    int bCenter = 0;
    DDSURFACEDATA Work;
    DDSURFACEDATA* lpFrame = nullptr;
    int nFrameThick = 0;
    int nFrameColor = 0;
    DDSURFACEDATA* lpSymbol = nullptr;
    int bSymbol = 0;
    int nCacheMode = 0;
    cFastFont* m_lpFastFont_Half = nullptr;
    cFastFont* m_lpFastFont_FullAdd = nullptr;

    // False when Create found no font to draw with.
    bool HasFace() const;

private:
    friend class cGlyphPen;
    void ReleaseCaches();
    void BuildHalfCharList();
    void BuildFullCharList(bool initial);
    // Draws a layout into a cache surface with caches and symbols off.
    void DrawIntoCache(cFastFont* cache, const std::string& layout);
    void DrawTextLines(cGlyphPen& pen, DDSURFACEDATA* cacheDst, int cacheX, int cacheY, const char* text,
                       int letters);
    bool HasSymbolPicture() const;
    bool CachesOn() const { return nCacheMode && m_lpFastFont_Half && m_lpFastFont_FullAdd; }
    bool Antialiased() const;

    std::unique_ptr<cFontFace> face_;
};

constexpr int kSysFontCount = 3;
extern cFont SysFont[kSysFontCount];
extern DDSURFACEDATA DigitSD[kSysFontCount];
// Every font made, in the order of making.
extern std::vector<cFont*> FontList;

// The seed of the double-byte cache: 256 full-width characters.
extern const char kFullCharSeed[];

// Font definitions are SYSTEMFONTDATA records (the system tables' SystemFont):
// face name, then width, height, pitch, line pitch, colour index, frame
// picture, frame thickness, frame colour, symbol picture and cache mode
// (0 off, 1 on; 2 is turned into 0 or 1 by the start-up before this).
bool DDCreateFonts(cFont* fonts, const SYSTEMFONTDATA* defs, int count);
// Digit strips "0123456789", one per font, 10 x pitch by line pitch.
bool DDCreateDigitSurfaces(DDSURFACEDATA* surfaces, const BMPFILEDATA* records, int count, cFont* fonts,
                           const SYSTEMFONTDATA* defs);
void DDDrawDigits(DDSURFACEDATA* lpSD, cFont* font);

// Characters of a text (a double-byte pair is one, "\n" none).
int GetCharCount(const char* text);
// Bytes before the first "\n" or the end.
int GetLineLength(const char* text);

// Draws a font's glyphs into a surface record, as the font's own text
// drawing does (GDI on the DirectDraw face, a sprite font on the Direct3D
// face): glyphs are collected and drawn in one pass over the record's pixels
// when the pen is flushed, so a text costs one lock of its target however
// many glyphs it has. Graphics layer only.
#pragma once

#include "graphics/SurfaceData.h"

#include <vector>

class cFont;

class cGlyphPen {
public:
    // Positions given to DrawString are relative to (originX, originY) of the target.
    cGlyphPen(cFont& font, DDSURFACEDATA* target, int originX = 0, int originY = 0)
        : font_(font), target_(target), originX_(originX), originY_(originY) {}
    ~cGlyphPen() { Flush(); }
    cGlyphPen(const cGlyphPen&) = delete;
    cGlyphPen& operator=(const cGlyphPen&) = delete;

    // One character (1 or 2 bytes) placed in the cell at (x, y) by the
    // font's rule, or a whole line (more bytes) from (x, y).
    void DrawString(int x, int y, const char* bytes, int count);
    // Draws what was collected.
    void Flush();
    // Each glyph stays inside the pitch x line pitch cell it was drawn at
    // (for the glyph caches, whose cells touch each other).
    void ClipToCells() { clipToCells_ = true; }
    bool HasPending() const { return !pending_.empty(); }
    // Characters drawn by the pen (for the caches' hit rate).
    std::size_t Drawn() const { return drawn_; }

private:
    struct Pending {
        int x, y; // where the glyph's cell origin goes
        unsigned code;
        int cellX, cellY; // the cell it was asked for
    };
    cFont& font_;
    DDSURFACEDATA* target_;
    int originX_, originY_;
    std::vector<Pending> pending_;
    std::size_t drawn_ = 0;
    bool clipToCells_ = false;
};

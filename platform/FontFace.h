// Fonts by their Windows face names, rendered with FreeType. A face name the
// game stores ("ＭＳ ゴシック", "Arial", ...) is matched to an installed font:
// the Japanese Windows faces to the IPA Gothic and Mincho fonts (proportional
// ones to their P variants), common Latin faces to fontconfig's sans-serif,
// serif or monospace, and any other name to what fontconfig picks for it.
// A character the chosen font lacks is taken from IPA Gothic, so Japanese
// text shows whatever face a project chose.
//
// Sizes follow GDI's rule for a positive height: the character cell (ascent
// plus descent) is `height` pixels; a width of 0 keeps the face's own
// proportions, another width scales characters horizontally so that a
// half-width character is that wide.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One rendered character: coverage 0-255 per pixel, placed relative to the
// top-left of its character cell.
struct GlyphBitmap {
    int left = 0, top = 0; // offset of the bitmap from the cell's top-left
    int width = 0, height = 0;
    int advance = 0; // horizontal advance in pixels
    std::vector<std::uint8_t> coverage;
};

class cFontFace {
public:
    cFontFace();
    ~cFontFace();
    cFontFace(const cFontFace&) = delete;
    cFontFace& operator=(const cFontFace&) = delete;

    // False when no font at all can be loaded (no fonts installed).
    bool Open(const std::string& faceNameCp932, int height, int width);
    bool IsOpen() const;
    int Height() const { return height_; }
    // The font file in use and its family name (for the report).
    const std::string& File() const { return file_; }
    std::string Family() const;

    // One code-page-932 character: one byte, or a lead and a trail byte.
    // Antialiased coverage, or hard 0/255 edges. The result stays valid until
    // the face is opened again; rendered characters are kept, up to a limit.
    const GlyphBitmap& Glyph(unsigned code, bool antialias);
    // Width of a code-page-932 text drawn on one line.
    int TextWidth(const char* text, int count);
    // Rendered glyphs the face keeps, and the most it keeps.
    std::size_t CachedGlyphs() const;
    static constexpr std::size_t kMaxCachedGlyphs = 8192;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int height_ = 0;
    std::string file_;
};

// The installed font file that stands for a Windows face name (code page
// 932); empty when fontconfig finds none.
std::string FindFontFile(const std::string& faceNameCp932);
// The Unicode code point of a code-page-932 character (one byte, or lead byte
// << 8 | trail byte); 0 when it has none.
char32_t Cp932CodePoint(unsigned code);

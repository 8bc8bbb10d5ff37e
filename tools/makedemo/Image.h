// A picture being drawn by the demo builder: 24-bit colour, or 8-bit indices
// into a 256-colour palette. Drawing is clipped to the picture.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

class Image {
public:
    // A colour picture filled with `fill`.
    Image(int width, int height, Rgb fill);
    // An 8-bit picture over `palette`, filled with index `fill`.
    Image(int width, int height, const std::array<Rgb, 256>& palette, std::uint8_t fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Indexed() const { return indexed_; }
    const std::array<Rgb, 256>& Palette() const { return palette_; }

    // Colour pictures take the colour; 8-bit pictures the palette index in `r`.
    void Set(int x, int y, Rgb c);
    Rgb Get(int x, int y) const;
    void FillRect(int x, int y, int w, int h, Rgb c);
    void FrameRect(int x, int y, int w, int h, Rgb c);
    void FillCircle(int cx, int cy, int radius, Rgb c);
    void Line(int x0, int y0, int x1, int y1, Rgb c);
    // Draws a digit or capital letter of the builder's 5x7 font, `scale` pixels per dot.
    void Glyph(int x, int y, char ch, int scale, Rgb c);
    void Text(int x, int y, const char* text, int scale, Rgb c);

private:
    int width_, height_;
    bool indexed_;
    std::array<Rgb, 256> palette_{};
    std::vector<Rgb> pixels_;
};

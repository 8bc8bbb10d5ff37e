#include "tools/makedemo/Image.h"

#include <cstdlib>

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), indexed_(false),
      pixels_(static_cast<std::size_t>(width) * height, fill) {}

Image::Image(int width, int height, const std::array<Rgb, 256>& palette, std::uint8_t fill)
    : width_(width), height_(height), indexed_(true), palette_(palette),
      pixels_(static_cast<std::size_t>(width) * height, Rgb{fill, 0, 0}) {}

void Image::Set(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

Rgb Image::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Image::FillRect(int x, int y, int w, int h, Rgb c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) Set(i, j, c);
}

void Image::FrameRect(int x, int y, int w, int h, Rgb c) {
    FillRect(x, y, w, 1, c);
    FillRect(x, y + h - 1, w, 1, c);
    FillRect(x, y, 1, h, c);
    FillRect(x + w - 1, y, 1, h, c);
}

void Image::FillCircle(int cx, int cy, int radius, Rgb c) {
    for (int j = -radius; j <= radius; ++j)
        for (int i = -radius; i <= radius; ++i)
            if (i * i + j * j <= radius * radius) Set(cx + i, cy + j, c);
}

void Image::Line(int x0, int y0, int x1, int y1, Rgb c) {
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        Set(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

namespace {

// 5x7 dots per character, one row per byte, bit 4 the leftmost dot.
const std::uint8_t* GlyphRows(char ch) {
    static const std::uint8_t digits[10][7] = {{14, 17, 19, 21, 25, 17, 14}, {4, 12, 4, 4, 4, 4, 14},
                                               {14, 17, 1, 2, 4, 8, 31},     {31, 2, 4, 2, 1, 17, 14},
                                               {2, 6, 10, 18, 31, 2, 2},     {31, 16, 30, 1, 1, 17, 14},
                                               {6, 8, 16, 30, 17, 17, 14},   {31, 1, 2, 4, 8, 8, 8},
                                               {14, 17, 17, 14, 17, 17, 14}, {14, 17, 17, 15, 1, 2, 12}};
    static const std::uint8_t letters[26][7] = {
        {14, 17, 17, 31, 17, 17, 17}, {30, 17, 17, 30, 17, 17, 30}, {14, 17, 16, 16, 16, 17, 14},
        {30, 17, 17, 17, 17, 17, 30}, {31, 16, 16, 30, 16, 16, 31}, {31, 16, 16, 30, 16, 16, 16},
        {14, 17, 16, 23, 17, 17, 15}, {17, 17, 17, 31, 17, 17, 17}, {14, 4, 4, 4, 4, 4, 14},
        {7, 2, 2, 2, 2, 18, 12},      {17, 18, 20, 24, 20, 18, 17}, {16, 16, 16, 16, 16, 16, 31},
        {17, 27, 21, 21, 17, 17, 17}, {17, 17, 25, 21, 19, 17, 17}, {14, 17, 17, 17, 17, 17, 14},
        {30, 17, 17, 30, 16, 16, 16}, {14, 17, 17, 17, 21, 18, 13}, {30, 17, 17, 30, 20, 18, 17},
        {15, 16, 16, 14, 1, 1, 30},   {31, 4, 4, 4, 4, 4, 4},       {17, 17, 17, 17, 17, 17, 14},
        {17, 17, 17, 17, 17, 10, 4},  {17, 17, 17, 21, 21, 21, 10}, {17, 17, 10, 4, 10, 17, 17},
        {17, 17, 10, 4, 4, 4, 4},     {31, 1, 2, 4, 8, 16, 31}};
    if (ch >= '0' && ch <= '9') return digits[ch - '0'];
    if (ch >= 'A' && ch <= 'Z') return letters[ch - 'A'];
    if (ch >= 'a' && ch <= 'z') return letters[ch - 'a'];
    return nullptr;
}

} // namespace

void Image::Glyph(int x, int y, char ch, int scale, Rgb c) {
    const std::uint8_t* rows = GlyphRows(ch);
    if (!rows) return;
    for (int j = 0; j < 7; ++j)
        for (int i = 0; i < 5; ++i)
            if (rows[j] & (16 >> i)) FillRect(x + i * scale, y + j * scale, scale, scale, c);
}

void Image::Text(int x, int y, const char* text, int scale, Rgb c) {
    for (; *text; ++text, x += 6 * scale) Glyph(x, y, *text, scale, c);
}

#include "tools/makedemo/Sprites.h"

#include "tools/makedemo/Pictures.h"

namespace {

Rgb Shade(Rgb c, int step) {
    auto f = [step](std::uint8_t v) {
        int n = v + 51 * step;
        return static_cast<std::uint8_t>(n < 0 ? 0 : n > 255 ? 255 : n);
    };
    return Rgb{f(c.r), f(c.g), f(c.b)};
}

// A colour of the palette's colour cube, picked by number.
Rgb CubeColour(int n) {
    return Rgb{static_cast<std::uint8_t>(51 * (1 + n % 5)), static_cast<std::uint8_t>(51 * (1 + n / 5 % 5)),
               static_cast<std::uint8_t>(51 * (1 + n / 25 % 5))};
}

void DrawItem(Image& img, int x, int y, int item, int frame, int size) {
    int c = size / 2, r = size * 3 / 8;
    switch (item % 5) {
    case 1: // coin, turning
        img.FillRect(x + c - (frame ? r / 2 : r), y + c - r, frame ? r : 2 * r, 2 * r, Rgb{255, 204, 0});
        break;
    case 2: // heart
        img.FillCircle(x + c - r / 2, y + c - r / 3, r / 2, Rgb{255, 51, 102});
        img.FillCircle(x + c + r / 2, y + c - r / 3, r / 2, Rgb{255, 51, 102});
        for (int i = 0; i < r; ++i)
            img.FillRect(x + c - r + i, y + c + i - r / 3, 2 * (r - i), 1, Rgb{255, 51, 102});
        break;
    case 3: // gem
        for (int i = 0; i < r; ++i) {
            img.FillRect(x + c - i, y + c - r + i, 2 * i + 1, 1,
                         frame ? Rgb{102, 255, 255} : Rgb{51, 204, 255});
            img.FillRect(x + c - i, y + c + r - i, 2 * i + 1, 1, Rgb{51, 153, 204});
        }
        break;
    case 4: // key
        img.FillCircle(x + c - r / 2, y + c, r / 2, Rgb{204, 204, 51});
        img.FillRect(x + c - r / 2, y + c - 1, r + r / 2, 3, Rgb{204, 204, 51});
        break;
    default: // item 0 stays empty ("none"); others of this kind: a potion
        if (item) {
            img.FillRect(x + c - r / 2, y + c - r, r, r / 2, Rgb{204, 204, 204});
            img.FillCircle(x + c, y + c + r / 3, r * 2 / 3, frame ? Rgb{51, 255, 51} : Rgb{51, 204, 51});
        }
    }
}

} // namespace

void DrawBlock(Image& img, int x, int y, int block) {
    if (block == 0) return; // block 0 is "none"
    Rgb base = block == 1 ? Rgb{153, 102, 51} : block == 2 ? Rgb{204, 102, 51} : CubeColour(block * 7);
    img.FillRect(x, y, 32, 32, base);
    img.FrameRect(x, y, 32, 32, Shade(base, -2));
    switch (block % 4) {
    case 1: // ground: grass on top
        img.FillRect(x, y, 32, 6, Rgb{51, 204, 51});
        break;
    case 2: // bricks
        for (int row = 0; row < 4; ++row) {
            img.FillRect(x, y + 8 * row, 32, 1, Shade(base, -1));
            img.FillRect(x + (row % 2 ? 8 : 24), y + 8 * row, 1, 8, Shade(base, -1));
        }
        break;
    case 3: // stone: a bevel
        img.FillRect(x + 1, y + 1, 30, 2, Shade(base, 1));
        img.FillRect(x + 1, y + 1, 2, 30, Shade(base, 1));
        break;
    default: // a marked block
        img.FillCircle(x + 16, y + 16, 8, Shade(base, 2));
    }
}

void DrawCharacter(Image& img, int x, int y, int character, int cell, bool mirrored) {
    if (character == 0 && cell >= 10) return;
    Rgb body = character == 0 ? Rgb{51, 102, 255} : CubeColour(character * 11 + 3);
    int step = cell < 4 ? (cell % 2 ? 3 : -3) : 0;
    int lift = (cell == 4 || cell == 5) ? -4 : 0;
    int dir = mirrored ? -1 : 1;
    if (cell == 9) { // defeated: lying down
        img.FillRect(x + 4, y + 22, 24, 8, Shade(body, -1));
        img.FillCircle(x + (mirrored ? 26 : 6), y + 24, 5, Rgb{255, 204, 153});
        return;
    }
    if (cell == 8) body = Rgb{255, 51, 51};
    img.FillRect(x + 10, y + 12 + lift, 12, 12, body);                        // body
    img.FillRect(x + 11 + step, y + 24 + lift, 4, 8 + lift, Shade(body, -1)); // legs
    img.FillRect(x + 17 - step, y + 24 + lift, 4, 8 + lift, Shade(body, -1));
    img.FillCircle(x + 16, y + 8 + lift, 6, Rgb{255, 204, 153}); // head
    img.Set(x + 16 + 3 * dir, y + 7 + lift, Rgb{0, 0, 0});       // eye
    if (cell == 6 || cell == 7)
        img.FillRect(x + 16 + dir * (cell == 6 ? 6 : 10) - 2, y + 16, 8, 3, Rgb{204, 204, 204});
}

Image BlockSheet() {
    Image img(320, 480, kClear);
    for (int n = 0; n < 150; ++n) DrawBlock(img, 32 * (n / 15), 32 * (n % 15), n);
    return img;
}

Image CharacterSheet(int sheet) {
    Image img(32 * kCharacterCells, 480, kClear);
    for (int row = 0; row < 15; ++row)
        for (int cell = 0; cell < kCharacterCells; ++cell)
            DrawCharacter(img, 32 * cell, 32 * row, sheet * 15 + row, cell % 10, false);
    return img;
}

Image ShotSheet() {
    Image img(256, 480, kClear);
    for (int n = 1; n < 240; ++n) {
        int x = 32 * (n / 30), y = 16 * (n % 30);
        Rgb c = CubeColour(n * 3 + 1);
        for (int frame = 0; frame < 2; ++frame) {
            if (n % 3 == 0)
                img.FillRect(x + 16 * frame + 2, y + 6, 12, 4, c); // bar
            else
                img.FillCircle(x + 16 * frame + 8, y + 8, frame ? 5 : 4, c); // ball
        }
    }
    return img;
}

Image ItemSheet() {
    Image img(640, 480, kClear);
    for (int n = 0; n < 150; ++n)
        for (int frame = 0; frame < 2; ++frame)
            DrawItem(img, 64 * (n / 15) + 32 * frame, 32 * (n % 15), n, frame, 32);
    return img;
}

Image SmallItemSheet() {
    Image img(320, 240, kClear);
    for (int n = 0; n < 150; ++n) DrawItem(img, 32 * (n / 15), 16 * (n % 15), n, 0, 16);
    return img;
}

Image MarkSheet() {
    Image img(256, 256, kClear);
    for (int n = 0; n < 64; ++n) {
        int x = 32 * (n % 8), y = 32 * (n / 8);
        Rgb c = CubeColour(n * 5 + 2);
        img.FrameRect(x + 2, y + 2, 28, 28, c);
        img.Glyph(x + 11, y + 9, "!?XO+-<>"[n % 8], 2, c);
    }
    return img;
}

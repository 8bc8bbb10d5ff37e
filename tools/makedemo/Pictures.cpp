#include "tools/makedemo/Pictures.h"

#include "tools/makedemo/Sprites.h"

namespace {

// The 256-colour palette: entry 0 the transparent colour, then the 6x6x6
// colour cube (the colours the sprites are drawn in), then greys.
std::array<Rgb, 256> DemoPalette() {
    std::array<Rgb, 256> p{};
    p[0] = kClear;
    int i = 1;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                p[i++] = Rgb{static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                             static_cast<std::uint8_t>(b * 51)};
    for (; i < 256; ++i) {
        auto v = static_cast<std::uint8_t>((i - 217) * 255 / 38);
        p[i] = Rgb{v, v, v};
    }
    return p;
}

Image PalettePicture() {
    Image img(128, 128, DemoPalette(), 0);
    for (int i = 0; i < 256; ++i)
        img.FillRect((i % 16) * 8, (i / 16) * 8, 8, 8, Rgb{static_cast<std::uint8_t>(i), 0, 0});
    // The true-colour modes take the palette from the pixels of the 16 x 16
    // block at (0, 8), colour i at (i mod 16, 8 + i div 16).
    for (int i = 0; i < 256; ++i) img.Set(i % 16, 8 + i / 16, Rgb{static_cast<std::uint8_t>(i), 0, 0});
    return img;
}

Image TitlePicture() {
    Image img(640, 480, Rgb{0, 51, 102});
    for (int y = 0; y < 480; ++y)
        img.FillRect(0, y, 640, 1, Rgb{0, static_cast<std::uint8_t>(51 + y / 8), 153});
    for (int x = 0; x < 640; x += 32) DrawBlock(img, x, 416, 1), DrawBlock(img, x, 448, 2);
    img.Text(80, 100, "BRINDLE", 12, Rgb{255, 255, 102});
    img.Text(200, 210, "DEMO GAME", 6, Rgb{255, 255, 255});
    DrawCharacter(img, 300, 384, 0, 0, false);
    return img;
}

Image GameModePicture() {
    Image img(256, 224, kClear);
    const char* modes[] = {"NEW GAME", "CONTINUE", "CHALLENGE", "FREE PLAY", "REPLAY", "OPTIONS", "QUIT"};
    for (int n = 0; n < 7; ++n) img.Text(8, 32 * n + 5, modes[n], 3, Rgb{255, 255, 255});
    return img;
}

Image AccessoryPicture() {
    Image img(256, 192, kClear);
    // Menu cursor (32x32 at 0,0) and list cursor (16x16 at 64,0).
    for (int i = 0; i < 14; ++i) img.FillRect(6 + i, 2 + i, 2, 28 - 2 * i, Rgb{255, 204, 0});
    for (int i = 0; i < 7; ++i) img.FillRect(66 + i, 1 + i, 1, 14 - 2 * i, Rgb{255, 255, 255});
    // Status icons 0-4 in row 32, 16 pixels apart.
    const Rgb icons[] = {{255, 51, 51}, {51, 153, 255}, {255, 204, 0}, {51, 204, 51}, {204, 102, 255}};
    for (int i = 0; i < 5; ++i) img.FillCircle(16 * i + 8, 40, 6, icons[i]);
    // Gauge frames (50x16) and fills: normal in row 144, low in row 160.
    for (int x : {0, 64}) {
        img.FillRect(x, 128, 50, 16, Rgb{0, 0, 0});
        img.FrameRect(x, 128, 50, 16, Rgb{255, 255, 255});
        img.FillRect(x, 144, 48, 12, x ? Rgb{51, 153, 255} : Rgb{51, 204, 51});
        img.FillRect(x, 160, 48, 12, Rgb{255, 51, 51});
    }
    return img;
}

// The captions of stage play, each in its row of 32 pixels: the ready caption
// (and the second one at x 160), the replay caption, the clear caption and the
// game-over caption (144 wide); then the digits of the ready caption's number
// and of the countdown.
Image WordPicture() {
    Image img(320, 192, kClear);
    const Rgb yellow{255, 255, 102};
    img.Text(4, 4, "READY", 3, yellow);
    img.Text(164, 4, "GO!", 3, yellow);
    img.Text(4, 36, "REPLAY", 3, yellow);
    img.Text(4, 68, "CLEAR", 3, yellow);
    img.Text(4, 102, "GAME OVER", 2, yellow);
    for (int d = 0; d < 10; ++d) {
        img.Glyph(32 * d + 6, 130, static_cast<char>('0' + d), 4, yellow);
        img.Glyph(32 * d + 6, 162, static_cast<char>('0' + d), 4, Rgb{255, 255, 255});
    }
    return img;
}

Image SymbolPicture() {
    Image img(416, 32, kClear);
    for (int i = 0; i < 26; ++i) {
        Rgb c{static_cast<std::uint8_t>(51 * (i % 6)), static_cast<std::uint8_t>(255 - 51 * (i % 4)), 204};
        img.FillCircle(16 * i + 8, 8, 6, c);
        img.Glyph(16 * i + 6, 5, static_cast<char>('A' + i), 1, Rgb{0, 0, 0});
    }
    return img;
}

Image WindowPicture() {
    Image img(640, 480, Rgb{0, 0, 102});
    for (int y = 0; y < 480; y += 2)
        img.FillRect(0, y, 640, 1, Rgb{0, 0, static_cast<std::uint8_t>(102 + y / 10)});
    return img;
}

Image StatusWindowPicture() {
    Image img(640, 20, Rgb{0, 0, 51});
    img.FillRect(0, 19, 640, 1, Rgb{153, 153, 204});
    return img;
}

Image WorldMapChipPicture() {
    Image img(160, 128, kClear);
    const Rgb ground[] = {{51, 153, 51}, {51, 102, 204}, {204, 153, 102}, {102, 102, 102}, {0, 102, 0}};
    for (int chip = 0; chip < 20; ++chip) {
        int x = 32 * (chip % 5), y = 32 * (chip / 5);
        img.FillRect(x, y, 32, 32, ground[chip % 5]);
        if (chip >= 5) img.FillCircle(x + 16, y + 16, 4 + chip / 5 * 2, ground[(chip + 2) % 5]);
    }
    return img;
}

Image WorldEventPicture() {
    Image img(64, 256, kClear);
    for (int e = 0; e < 8; ++e) {
        Rgb c{static_cast<std::uint8_t>(255 - 25 * e), static_cast<std::uint8_t>(51 * (e % 6)), 51};
        img.FillRect(4, 32 * e + 4, 24, 24, c);                   // column 0: the event
        img.FillRect(36, 32 * e + 4, 24, 24, Rgb{255, 255, 255}); // column 32: cleared
        img.Glyph(13, 32 * e + 9, static_cast<char>('1' + e), 2, Rgb{0, 0, 0});
        img.Glyph(45, 32 * e + 9, 'C', 2, c);
    }
    return img;
}

Image WorldBackPicture() {
    Image img(640, 480, Rgb{51, 102, 204});
    img.FillCircle(200, 240, 170, Rgb{51, 153, 51});
    img.FillCircle(460, 260, 150, Rgb{51, 153, 51});
    img.FillCircle(330, 200, 60, Rgb{102, 102, 102});
    return img;
}

Image BackgroundPicture(int n) {
    Image img(320, 240, Rgb{102, 153, 255});
    for (int i = 0; i < 5; ++i) img.FillCircle(40 + 64 * i, 200 - 20 * ((i + n) % 3), 50, Rgb{51, 153, 102});
    img.FillCircle(250, 50 + 20 * n, 20, Rgb{255, 255, 204});
    return img;
}

Image DebugPicture() {
    Image img(256, 16, kClear);
    for (int d = 0; d < 16; ++d)
        img.Glyph(
            16 * d + 4, 4, "0123456789ABCDEF" [d], 1, Rgb { 255, 255, 255 });
    return img;
}

} // namespace

std::vector<NamedPicture> SystemPictures() {
    std::vector<NamedPicture> out;
    out.push_back({"bmp/plt/Palette.bmp", PalettePicture()});
    out.push_back({"bmp/Debug.bmp", DebugPicture()});
    out.push_back({"bmp/Block.bmp", BlockSheet()});
    for (int sheet = 0; sheet < 2; ++sheet)
        out.push_back({"bmp/Character" + std::to_string(sheet + 1) + ".bmp", CharacterSheet(sheet)});
    out.push_back({"bmp/Shot.bmp", ShotSheet()});
    out.push_back({"bmp/Item.bmp", ItemSheet()});
    out.push_back({"bmp/Item_Mini.bmp", SmallItemSheet()});
    out.push_back({"bmp/Mark.bmp", MarkSheet()});
    out.push_back({"bmp/Window.bmp", WindowPicture()});
    out.push_back({"bmp/StatusWindow.bmp", StatusWindowPicture()});
    out.push_back({"bmp/Title.bmp", TitlePicture()});
    out.push_back({"bmp/GameMode.bmp", GameModePicture()});
    out.push_back({"bmp/Accessory.bmp", AccessoryPicture()});
    out.push_back({"bmp/Symbol.bmp", SymbolPicture()});
    out.push_back({"bmp/Word.bmp", WordPicture()});
    out.push_back({"bmp/WorldMapChip.bmp", WorldMapChipPicture()});
    out.push_back({"bmp/WorldEvent.bmp", WorldEventPicture()});
    out.push_back({"bmp/WorldBack.bmp", WorldBackPicture()});
    // Two of the eight optional background pictures, named as the player names them.
    out.push_back({reinterpret_cast<const char*>(u8"背景その1.bmp"), BackgroundPicture(0)});
    out.push_back({reinterpret_cast<const char*>(u8"背景その2.bmp"), BackgroundPicture(1)});
    return out;
}

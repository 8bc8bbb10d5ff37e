// The effect blits made of ordinary blits, compared pixel for pixel on both
// faces and both true-colour depths.
#include "EffectFixture.h"

#include "graphics/Effects.h"

namespace {

constexpr int kSize = EffectFaces::kSize;
const auto& kCompositePicture = EffectFaces::kPicture;

// An expected target: '.' the background, letters the picture's pixels.
using Grid = std::vector<std::string>;

Grid Blank() {
    return Grid(kSize, std::string(kSize, '.'));
}

// Puts picture pixel (px, py) at (x, y) of the grid, as a keyed blit would.
void Put(Grid& g, int x, int y, int px, int py) {
    const char c = kCompositePicture[py][px];
    if (c == 'K' || x < 0 || y < 0 || x >= kSize || y >= kSize) return;
    g[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = c;
}

// Puts the picture's rectangle (sx, sy, w, h) at (x, y).
void PutRect(Grid& g, int x, int y, int sx, int sy, int w, int h) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) Put(g, x + i, y + j, sx + i, sy + j);
}

class Composite : public EffectFaces {
protected:
    // The stored value of each letter as the picture holds it, '.' the target's grey.
    std::uint32_t StoredLetter(char c) const {
        if (c == '.') return background;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                if (kCompositePicture[y][x] == c) return At(pic, x, y);
        return 0;
    }
    void SetUp() override {
        EffectFaces::SetUp();
        background = At(dst, 0, 0);
    }
    void Check(const Grid& want) {
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                EXPECT_EQ(At(dst, x, y),
                          StoredLetter(want[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]))
                    << "pixel " << x << "," << y;
    }
    std::uint32_t background = 0;
};

TEST_P(Composite, StripsShiftAlternately) {
    DDBltStripShift(&dst, 2, 2, 4, 4, 1, 1, &pic, 0, 0, 1, 1);
    Grid g = Blank();
    for (int c = 0; c < 4; ++c) PutRect(g, 2 + c, 2 + (c % 2 ? -1 : 1), c, 0, 1, 4);
    Check(g);
}

TEST_P(Composite, RowStripsAndWhatIsLeftOver) {
    // Rows of two, the third row would start past the picture; a strip of 3 leaves one row out.
    DDBltStripShift(&dst, 2, 2, 4, 4, 2, 2, &pic, 0, 0, 1, 0);
    DDBltStripShift(&dst, 2, 8, 4, 4, 3, 1, &pic, 0, 0, 1, 0);
    Grid g = Blank();
    PutRect(g, 4, 2, 0, 0, 4, 2);
    PutRect(g, 0, 4, 0, 2, 4, 2);
    PutRect(g, 3, 8, 0, 0, 4, 3);
    Check(g);
}

TEST_P(Composite, StripOfZeroIsAPlainBlit) {
    DDBltStripShift(&dst, 3, 1, 4, 4, 0, 5, &pic, 0, 0, 1, 1);
    Grid g = Blank();
    PutRect(g, 3, 1, 0, 0, 4, 4);
    Check(g);
}

TEST_P(Composite, QuartersPushedApart) {
    DDBltQuarters(&dst, 4, 4, 4, 4, &pic, 0, 0, 2, 1);
    Grid g = Blank();
    PutRect(g, 2, 2, 0, 0, 2, 2);
    PutRect(g, 8, 2, 2, 0, 2, 2);
    PutRect(g, 2, 8, 0, 2, 2, 2);
    PutRect(g, 8, 8, 2, 2, 2, 2);
    Check(g);
}

TEST_P(Composite, TurnShowsTheFirstPictureThenTheSecond) {
    DDSURFACEDATA second;
    ASSERT_EQ(DDCreateSurfaceFromFile(&second, "pic.bmp", 1, bpp, 0, 0, 0, 0, 0, 0, 0), 0);
    // Counter 0: picture A at full width; counter 3 (half 2): picture B, full width again.
    DDBltTurn(&dst, 1, 1, 4, 4, &pic, 0, 0, &second, 0, 0, 4, 4, 1, 0, 0);
    DDBltTurn(&dst, 6, 6, 4, 4, &pic, 0, 0, &second, 2, 2, 2, 2, 1, 3, 0);
    Grid g = Blank();
    PutRect(g, 1, 1, 0, 0, 4, 4);
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) Put(g, 6 + i, 6 + j, 2 + i / 2, 2 + j / 2);
    Check(g);
    DDReleaseSurface(&second);
}

TEST_P(Composite, WaveMovesEachColumnBySine) {
    // A quarter turn per column: sin 90, 180, 270, 360 degrees times 2.5, truncated.
    DDBltWave(&dst, 4, 4, 4, 4, 1, 2.5, 0, 1, &pic, 0, 0, 1, 1);
    Grid g = Blank();
    const int shift[4] = {2, 0, -2, 0};
    for (int c = 0; c < 4; ++c) PutRect(g, 4 + c, 4 + shift[c], c, 0, 1, 4);
    Check(g);
}

TEST_P(Composite, VerticalWaveInStripsOfTwoRows) {
    // Two rows a step: the angle grows by 180 degrees a strip, from a phase of 90.
    DDBltWave(&dst, 4, 4, 4, 4, 1, 3.5, 90, 2, &pic, 0, 0, 1, 0);
    Grid g = Blank();
    PutRect(g, 4 - 3, 4, 0, 0, 4, 2); // sin(270) * 3.5
    PutRect(g, 4 + 3, 6, 0, 2, 4, 2); // sin(450) * 3.5
    Check(g);
}

TEST_P(Composite, CircleWindowRowByRow) {
    DDBltCircle(&dst, 6, 6, 2, 2, 2, 1, &pic, 2, 2, 1);
    Grid g = Blank();
    for (int v = -1; v <= 1; ++v) PutRect(g, 5, 6 + v, 1, 2 + v, 2, 1);
    Check(g);
}

TEST_P(Composite, NothingForAnEmptyWindowOrStrip) {
    DDBltCircle(&dst, 6, 6, 2, 2, 1, 1, &pic, 2, 2, 1); // rows of width 0
    DDBltCircle(&dst, 6, 6, 2, 2, 0, 1, &pic, 2, 2, 1);
    DDBltCircle(&dst, 6, 6, 2, 2, 2, 0, &pic, 2, 2, 1);
    DDBltWave(&dst, 0, 0, 4, 4, 1, 2.0, 0, 0, &pic, 0, 0, 1, 1);
    Check(Blank());
}

TEST_P(Composite, TurnNarrowsToTwoColumnsAndANarrowCardDoesNotDivideByNothing) {
    // Width 4, half 2: counter 1 draws the card two pixels wide in the middle.
    DDBltTurn(&dst, 2, 2, 4, 1, &pic, 0, 0, &pic, 0, 0, 4, 1, 1, 1, 0);
    EXPECT_EQ(At(dst, 2, 2), background);
    EXPECT_NE(At(dst, 3, 2), background);
    EXPECT_NE(At(dst, 4, 2), background);
    EXPECT_EQ(At(dst, 5, 2), background);
    // Width 1 has no half to turn by: the first picture, whatever the counter.
    DDBltTurn(&dst, 8, 8, 1, 1, &pic, 0, 0, &pic, 1, 0, 1, 1, 1, 5, 0);
    EXPECT_EQ(At(dst, 8, 8), StoredLetter('R'));
}

TEST_P(Composite, NumbersFromADigitStrip) {
    // Row 1 of the picture as a strip of one-pixel digits: 0 'Y', 1 'W', 2 'R', 3 'G'.
    DDDrawNumber(&dst, 2, 1, 1, 1, &pic, 0, 1, 1, 3, 3, 0);    // right-aligned: two cells in
    DDDrawNumber(&dst, 2, 3, 1, 1, &pic, 0, 1, 1, 3, 3, 1);    // centred: one cell in
    DDDrawNumber(&dst, 2, 5, 1, 1, &pic, 0, 1, 1, 1203, 2, 0); // wider than the field: from x
    DDDrawNumber(&dst, 2, 7, 1, 1, &pic, 0, 1, 1, 0, 1, 0);    // 0 is one digit
    DDDrawNumber(&dst, 2, 9, 1, 1, &pic, 0, 1, 1, -5, 3, 0);   // negative: nothing
    Grid g = Blank();
    g[1][4] = 'G';
    g[3][3] = 'G';
    g[5].replace(2, 4, "WRYG");
    g[7][2] = 'Y';
    Check(g);
}

INSTANTIATE_EFFECT_FACES(Composite);

} // namespace

// Drawing characters: each of the 17 character-effect kinds drawn into a small
// surface and compared pixel for pixel with what the graphics layer's
// primitive draws with the values the kind asks for; the blink's rhythm, the
// mark, enlarged pictures, hidden characters, defeated ones and the choice
// among queued animations.
#include "engine/CharaEffects.h"
#include "engine/GraphicSource.h"

#include "fixtures/EngineHarness.h"
#include "graphics/Effects.h"
#include "graphics/GraphicsFixture.h"
#include "graphics/SystemSurfaces.h"
#include "records/EffectPlayback.h"

#include <cmath>
#include <functional>

namespace {

constexpr DWORD kBackground = 0x404040;
constexpr DWORD kKeyColour = 0xFF00FF;
constexpr int kTarget = 64;
constexpr int kAt = 16; // the character's picture is pinned at (16, 16)

// A 32 x 32 picture: quadrants of four colours, one corner transparent, a
// diagonal line so that rotations and mirrors show; `tone` tells pictures apart.
DWORD PicturePixel(int x, int y, DWORD tone) {
    if (x < 6 && y < 6) return kKeyColour;
    if (x == y) return 0xFFFFFF;
    const DWORD quadrant[4] = {0xF01010, 0x10E010, 0x1010F0, 0xE0E010};
    return quadrant[(x / 16) + 2 * (y / 16)] ^ tone;
}

class CharaDraw : public GraphicsTest, public cEngineWorld {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartDirectDraw(32));
        lpDDCon->rgbConvert = {0xFF, 0x00, 0xFF};
        WriteFile("key.bmp", MakeBmp(1, 1, 8, {0}, {kKeyColour}));
        ASSERT_TRUE(DDSetTransmit("key.bmp"));
        // Facing left, the character draws from sheet 4 (as loaded: the effect-less
        // drawing) and sheet 22 (the second form: the effects), its mirror from 23.
        Picture(SystemSD[SD_CHARA], 0x000000);
        Picture(SystemSD[SD_CHARA + SD_CHARA_ALT_OFFSET], 0x080808);
        Picture(SystemSD[SD_CHARA + 1 + SD_CHARA_ALT_OFFSET], 0x101010);
        ASSERT_TRUE(DDCreateSurface(&SystemSD[SD_MARK_ALT], 128, 128, 1, 0, 0, 0, 0));
        for (int y = 0; y < 128; y += 32)
            for (int x = 0; x < 128; x += 32)
                DDFillRectColor(&SystemSD[SD_MARK_ALT], x, y, 32, 32,
                                0x202020u * static_cast<DWORD>(x / 32 + 1) + static_cast<DWORD>(y));
        for (int entry : {int{SD_WORK}, int{SD_WORK_SHARED}})
            ASSERT_TRUE(DDCreateSurface(&SystemSD[entry], 256, 256, 1, 0, 0, 0, 0));
        SelectSystemSurfaces();
        // Palette entry 0 is the transparent colour that clears the work surfaces.
        for (int i = 0; i < 256; ++i)
            Palette[i] = {static_cast<BYTE>(i), static_cast<BYTE>(255 - i), 0x40, 0};
        Palette[0] = {0xFF, 0x00, 0xFF, 0};
        ASSERT_TRUE(DDCreateSurface(&target, kTarget, kTarget, 0, 0, 0, 0, 0));
        ASSERT_TRUE(DDCreateSurface(&expected, kTarget, kTarget, 0, 0, 0, 0, 0));
        Clear();

        savedEffects = Database.CharaEffect;
        chara = &AddNpc(Def(), 3, 5);
        chara->DrawState.bPinX = chara->DrawState.bPinY = 1;
        chara->DrawState.nPinX = chara->DrawState.nPinY = kAt;
    }
    void TearDown() override {
        for (DDSURFACEDATA& sd : SystemSD) DDReleaseSurface(&sd);
        DDReleaseSurface(&target);
        DDReleaseSurface(&expected);
        Database.CharaEffect = savedEffects;
        BuildCharaEffectTables(Database.CharaEffect, Database.CharaEffect, CharaEffectTableR,
                               CharaEffectTableL);
        GraphicsTest::TearDown();
    }
    static void Picture(DDSURFACEDATA& sd, DWORD tone) {
        ASSERT_TRUE(DDCreateSurface(&sd, 32, 32, 1, 0, 0, 0, 0));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) DDFillRectColor(&sd, x, y, 1, 1, PicturePixel(x, y, tone));
    }
    void Clear() {
        DDFillRectColor(&target, 0, 0, kTarget, kTarget, kBackground);
        DDFillRectColor(&expected, 0, 0, kTarget, kTarget, kBackground);
    }
    // Record 1 of the CharaEffect database is the effect (kind, p1 .. p5), started on the character.
    void Start(int kind, std::initializer_list<std::int32_t> params, int mode = EFFECT_NORMAL, int loop = 0) {
        Database.CharaEffect.assign(2, cCharaEffect());
        Database.CharaEffect[0].nKind = 0;
        Database.CharaEffect[1].nKind = kind;
        int n = 0;
        for (std::int32_t p : params) Database.CharaEffect[1].nParam[n++] = p;
        BuildCharaEffectTables(Database.CharaEffect, Database.CharaEffect, CharaEffectTableR,
                               CharaEffectTableL);
        StartCharaEffect(*chara, 1, mode, loop);
    }
    void ExpectSame() {
        for (int y = 0; y < kTarget; ++y)
            for (int x = 0; x < kTarget; ++x)
                ASSERT_EQ(At(target, x, y), At(expected, x, y)) << "pixel " << x << "," << y;
    }
    bool Drawn() const {
        for (int y = 0; y < kTarget; ++y)
            for (int x = 0; x < kTarget; ++x)
                if (At(target, x, y) != kBackground) return true;
        return false;
    }
    DDSURFACEDATA* Sheet() { return &SystemSD[SD_CHARA + SD_CHARA_ALT_OFFSET]; }

    cNpcChara* chara = nullptr;
    DDSURFACEDATA target, expected;
    cVector<cCharaEffect> savedEffects;
};

// One kind: its parameters, and what the primitive draws for them with the
// progress at its start value (the drawing is frozen, so it stays there).
struct KindCase {
    const char* name;
    int kind;
    std::initializer_list<std::int32_t> params;
    std::function<void(DDSURFACEDATA* exp, DDSURFACEDATA* sheet, DDSURFACEDATA* mirror, DDSURFACEDATA* plain)>
        draw;
};

const KindCase kKinds[] = {
    {"none", 0, {}, [](auto e, auto, auto, auto plain) { DDBltFast(e, kAt, kAt, 32, 32, plain, 0, 0, 1); }},
    {"burst",
     1,
     {10, 3, 9},
     [](auto e, auto s, auto, auto) { DDBltQuarters(e, kAt, kAt, 32, 32, s, 0, 0, 3, 1); }},
    {"split across",
     2,
     {10, 2, 9, 5},
     [](auto e, auto s, auto, auto) { DDBltStripShift(e, kAt, kAt, 32, 32, 7, 2, s, 0, 0, 1, 1); }},
    {"split down",
     3,
     {10, 2, 9, 4},
     [](auto e, auto s, auto, auto) { DDBltStripShift(e, kAt, kAt, 32, 32, 8, 2, s, 0, 0, 1, 0); }},
    {"wave across",
     4,
     {10, 3, 9, 2, 4},
     [](auto e, auto s, auto, auto) { DDBltWave(e, kAt, kAt, 32, 32, 2, 3.0, 0, 4, s, 0, 0, 1, 1); }},
    {"wave down",
     5,
     {10, 3, 9, 2, 4},
     [](auto e, auto s, auto, auto) { DDBltWave(e, kAt, kAt, 32, 32, 2, 3.0, 0, 4, s, 0, 0, 1, 0); }},
    {"blink, first frame hidden", 6, {100, 10}, [](auto, auto, auto, auto) {}},
    {"rotation A",
     7,
     {10, 30, 90},
     [](auto e, auto s, auto, auto) { DDBltRotate(e, kAt + 16, kAt + 16, 32, 32, 16, 16, 30, s, 0, 0, 1); }},
    {"rotation B",
     8,
     {10, 45, 90},
     [](auto e, auto s, auto, auto) { DDBltRotate(e, kAt + 16, kAt + 16, 32, 32, 16, 16, 45, s, 0, 0, 1); }},
    {"card turn",
     9,
     {10, 20, 40},
     [](auto e, auto s, auto m, auto) {
         DDBltTurn(e, kAt, kAt, 32, 32, s, 0, 0, m, 0, 0, 32, 32, 1, 20, 0);
     }},
    {"circle",
     10,
     {10, 12, 30, 2},
     [](auto e, auto s, auto, auto) { DDBltCircle(e, kAt + 16, kAt + 16, 16, 16, 12, 2, s, 16, 16, 1); }},
    {"zoom",
     11,
     {10, 48, 64},
     [](auto e, auto s, auto, auto) { DDBltStretch(e, kAt - 8, kAt - 8, 48, 48, s, 0, 0, 32, 32, 1); }},
    {"lens",
     12,
     {10, 6, 20, 3, -2},
     [](auto e, auto s, auto, auto) {
         const int r = static_cast<int>(std::ceil(std::sqrt(19.0 * 19.0 + 18.0 * 18.0)));
         DDBltRadial(e, kAt + 16 + 3, kAt + 16 - 2, r, 6, s, 16 + 3, 16 - 2, 1, 0);
     }},
    {"colour change",
     13,
     {10, 2, 4, 9},
     [](auto e, auto s, auto, auto) { DDBltTint(e, kAt, kAt, 32, 32, s, 0, 0, 1, Palette, 9, 2); }},
    {"half transparent",
     14,
     {100, 10},
     [](auto e, auto s, auto, auto) { DDBltHalfAlpha(e, kAt, kAt, 32, 32, s, 0, 0, 1); }},
    {"mosaic",
     15,
     {10, 4, 8},
     [](auto e, auto s, auto, auto) { DDBltMosaic(e, kAt, kAt, 32, 32, 4, s, 0, 0, 1); }},
    {"blur",
     16,
     {10, 2, 8},
     [](auto e, auto s, auto, auto) { DDBltBlur(e, kAt, kAt, 32, 32, 2, 2, s, 0, 0, 1); }},
    {"an unknown kind draws plainly",
     17,
     {10},
     [](auto e, auto s, auto, auto) { DDBltFast(e, kAt, kAt, 32, 32, s, 0, 0, 1); }},
};

std::ostream& operator<<(std::ostream& o, const KindCase& c) {
    return o << c.name;
}

class EffectKinds : public CharaDraw, public ::testing::WithParamInterface<KindCase> {};

TEST_P(EffectKinds, DrawnAsItsPrimitiveDrawsIt) {
    const KindCase& c = GetParam();
    Start(c.kind, c.params);
    chara->Draw(&target, 1);
    c.draw(&expected, Sheet(), &SystemSD[SD_CHARA + 1 + SD_CHARA_ALT_OFFSET], &SystemSD[SD_CHARA]);
    ExpectSame();
}

INSTANTIATE_TEST_SUITE_P(Kinds, EffectKinds, ::testing::ValuesIn(kKinds));

TEST_F(CharaDraw, ABlinkHidesForItsIntervalPlusOneThenShowsAndHidesInTurn) {
    Start(6, {100, 10});
    std::string seen;
    for (int frame = 0; frame < 41; ++frame) {
        Clear();
        chara->Draw(&target, 0);
        seen += Drawn() ? 'x' : '.';
    }
    EXPECT_EQ(seen,
              std::string(11, '.') + std::string(10, 'x') + std::string(10, '.') + std::string(10, 'x'));
}

TEST_F(CharaDraw, AnEffectAdvancesOncePerDrawAndEndsItself) {
    Start(1, {1, 0, 6}); // six ticks from 0 to 6
    for (int frame = 0; frame < 6; ++frame) {
        EXPECT_EQ(chara->Draw(&target, 0), 0);
        EXPECT_EQ(chara->DrawState.sEffect, 1);
    }
    EXPECT_EQ(chara->Draw(&target, 0), 1);
    EXPECT_EQ(chara->DrawState.sEffect, 0);
    // Frozen, it neither advances nor ends.
    Start(1, {1, 0, 6});
    for (int frame = 0; frame < 20; ++frame) EXPECT_EQ(chara->Draw(&target, 1), 0);
    EXPECT_EQ(chara->DrawState.Effect.Data.dValue, 0);
}

TEST_F(CharaDraw, AnEffectPastTheDatabaseStartsNothing) {
    Start(1, {1, 0, 6});
    StartCharaEffect(*chara, 2, EFFECT_NORMAL, 0);
    EXPECT_EQ(chara->DrawState.sEffect, 0);
    StartCharaEffect(*chara, -1, EFFECT_NORMAL, 0);
    EXPECT_EQ(chara->DrawState.sEffect, 0);
    EXPECT_EQ(MainWindowCloseRequests(), closeRequests); // no fault reported
}

TEST_F(CharaDraw, AHiddenCharacterRunsItsEffectWithoutDrawing) {
    chara->DrawState.bHidden = 1;
    Start(1, {1, 0, 6});
    for (int frame = 0; frame < 7; ++frame) chara->Draw(&target, 0);
    EXPECT_EQ(chara->DrawState.sEffect, 0);
    EXPECT_FALSE(Drawn());
    chara->DrawState.bHidden = 0;
    chara->Def.Transparent = 1;
    chara->Draw(&target, 0);
    EXPECT_FALSE(Drawn());
}

TEST_F(CharaDraw, TheMarkIsTakenFromItsCellOfTheMarkSheet) {
    chara->Def.MarkShow = 1;
    chara->Def.MarkNumber = 16;
    chara->Draw(&target, 1);
    DDBltFast(&expected, kAt, kAt, 32, 32, &SystemSD[SD_CHARA], 0, 0, 1);
    DDBltFast(&expected, kAt, kAt, 32, 32, &SystemSD[SD_MARK_ALT], 32, 32, 1);
    ExpectSame();
}

TEST_F(CharaDraw, AnEnlargedCharacterOfALargeCellBitmapIsNotStretched) {
    // Exclusive bitmap 1 of cells of 64: its first surface holds one cell.
    CharaExcSD.assign(4, DDSURFACEDATA());
    ASSERT_TRUE(DDCreateSurface(&CharaExcSD[0], 64, 64, 1, 0, 0, 0, 0));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            DDFillRectColor(&CharaExcSD[0], x, y, 1, 1, PicturePixel(x / 2, y / 2, 0x303030));
    cVector<cBmp_CharaExc> saved = Database.Bmp_CharaExc;
    Database.Bmp_CharaExc.assign(2, cBmp_CharaExc());
    Database.Bmp_CharaExc[1].bLargeCell = 1;
    Database.Bmp_CharaExc[1].nCellMultiple = 2;
    chara->Def.GraphicKind = GRAPHIC_EXCLUSIVE;
    chara->Def.GraphicIndex = 1;
    chara->Def.CharaScale = 2;
    chara->SetUnitScale(2, 1);
    chara->DrawState.nPinX = chara->DrawState.nPinY = 0;
    chara->Draw(&target, 1);
    DDBltFast(&expected, 0, 0, 64, 64, &CharaExcSD[0], 0, 0, 1);
    ExpectSame();
    Database.Bmp_CharaExc = saved;
    DDReleaseSurfaceVec(CharaExcSD);
    CharaExcSD.clear();
}

TEST_F(CharaDraw, ADefeatedComputerCharacterGoesWhenItsDeathEffectEnds) {
    EXPECT_EQ(chara->DrawDefeated(&target, 0), 1); // no effect: at once
    Start(1, {1, 0, 6});
    int frames = 0;
    while (chara->DrawDefeated(&target, 0) == 0 && frames < 100) ++frames;
    EXPECT_EQ(frames, 6);
    EXPECT_EQ(chara->DrawState.sEffect, 0);
}

TEST_F(CharaDraw, ADefeatedHeroWaitsTheGamesDefeatWait) {
    cHeroChara& h = AddHero(Def(), 4, 5);
    harness.defeatWait = 3;
    EXPECT_EQ(h.DrawDefeated(&target, 1), 0); // frozen: no time passes
    EXPECT_EQ(h.DrawDefeated(&target, 0), 0);
    EXPECT_EQ(h.DrawDefeated(&target, 0), 0);
    EXPECT_EQ(h.DrawDefeated(&target, 0), 0);
    EXPECT_EQ(h.DrawDefeated(&target, 0), 1);
}

// Queued animations: (priority, counter, paused) of each, and which one's cell shows.
struct QueueCase {
    const char* name;
    std::vector<std::tuple<int, int, int>> nodes;
    int shown; // index of the node, or -1 for the character's own animation
};

std::ostream& operator<<(std::ostream& o, const QueueCase& c) {
    return o << c.name;
}

const QueueCase kQueues[] = {
    {"no queued animation", {}, -1},
    {"one without priority", {{0, 5, 0}}, 0},
    {"the first without priority", {{0, 5, 0}, {0, 9, 0}}, 0},
    {"a paused one is passed over", {{0, 5, 1}}, -1},
    {"priority with the least time left", {{1, 9, 0}, {1, 4, 0}, {1, 6, 0}}, 1},
    {"priority over no priority", {{0, 1, 0}, {1, 9, 0}}, 1},
    {"once two are up, the later up one with more time", {{1, -1, 0}, {1, -3, 0}, {1, -2, 0}}, 2},
};

class QueuedAnimes : public CharaDraw, public ::testing::WithParamInterface<QueueCase> {};

TEST_P(QueuedAnimes, TheCellOfTheChosenAnimation) {
    const QueueCase& c = GetParam();
    int cell = 1;
    for (auto [priority, counter, paused] : c.nodes) {
        cQueuedAnime node;
        cVector<cVector<ANIMEFRAME>> table(1);
        table[0] = {{cell++, 1000, 0}, {ANIME_LOOP, 0, 0}};
        node.Anime.SetAnimeTable(table);
        node.bPriority = priority;
        node.nCounter = counter;
        node.bPaused = paused;
        chara->AnimeQueue.push_back(node);
    }
    EXPECT_EQ(chara->UpdateEffects(1), c.shown + 1);
}

INSTANTIATE_TEST_SUITE_P(Table, QueuedAnimes, ::testing::ValuesIn(kQueues));

TEST_F(CharaDraw, AQueuedAnimationThatEndsIsTakenOff) {
    cQueuedAnime node;
    cVector<cVector<ANIMEFRAME>> table(1);
    table[0] = {{7, 1, 0}, {ANIME_ENDED, 0, 0}};
    node.Anime.SetAnimeTable(table);
    node.nCounter = 3;
    chara->AnimeQueue.push_back(node);
    EXPECT_EQ(chara->UpdateEffects(0), 0);
    EXPECT_TRUE(chara->AnimeQueue.empty());
}

TEST_F(CharaDraw, CellOffsetsOfTheAnimationSet) {
    cVector<cAnimeSet> saved = Database.AnimeSet;
    Database.AnimeSet.assign(2, cAnimeSet());
    Database.AnimeSet[1].nOffset1 = 100;
    Database.AnimeSet[1].nOffset2 = 20;
    Database.AnimeSet[1].nOffset3 = 3;
    chara->Def.AnimeSet = 1;
    chara->Def.CellBase = 1000;
    chara->Def.Flying = 1;
    chara->Def.BlockChara = 1;
    chara->Def.Invincible = 2;
    GraphicDesc desc;
    std::int32_t cell = 0;
    chara->GetDrawCell(desc, cell);
    EXPECT_EQ(cell, 1123);
    EXPECT_FALSE(desc.Tint);
    Database.AnimeSet = saved;
}

} // namespace

#include "platform/DirectDraw.h"
#include "platform/DirectDrawSurface.h"
#include "platform/Presenter.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Tells frames converted and handed over in full from frames shown again.
class cCountingPresenter : public cMemoryPresenter {
public:
    int full = 0, again = 0;
    void Present(const std::uint32_t* xrgb, int width, int height) override {
        ++full;
        cMemoryPresenter::Present(xrgb, width, height);
    }
    bool PresentAgain() override {
        ++again;
        return cMemoryPresenter::PresentAgain();
    }
};

class DirectDrawFace : public ::testing::Test {
protected:
    void SetUp() override { Start(16); }
    void Start(int bpp) {
        DirectDrawSettings() = {};
        window.Open("t", 640, 480, false);
        ASSERT_EQ(DirectDrawCreateEx(&dd), DD_OK);
        ASSERT_EQ(dd->SetCooperativeLevel(&window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
        ASSERT_EQ(dd->SetDisplayMode(640, 480, bpp, 0, 0), DD_OK);
    }
    void TearDown() override {
        for (auto* s : made) s->Release();
        EXPECT_EQ(dd->Release(), 0u);
        DirectDrawSettings() = {};
    }
    cDirectDrawSurface* Offscreen(int w, int h, bool system = false) {
        DDSURFACEDESC2 d{};
        d.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        d.dwWidth = static_cast<DWORD>(w);
        d.dwHeight = static_cast<DWORD>(h);
        d.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | (system ? DDSCAPS_SYSTEMMEMORY : 0);
        cDirectDrawSurface* s = nullptr;
        if (dd->CreateSurface(&d, &s) == DD_OK) made.push_back(s);
        return s;
    }
    cDirectDrawSurface* Primary() {
        DDSURFACEDESC2 d{};
        d.dwFlags = DDSD_CAPS;
        d.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
        cDirectDrawSurface* s = nullptr;
        if (dd->CreateSurface(&d, &s) == DD_OK) made.push_back(s);
        return s;
    }
    cCountingPresenter window;
    cDirectDraw* dd = nullptr;
    std::vector<cDirectDrawSurface*> made;
};

TEST_F(DirectDrawFace, BlitsRefuseRectanglesOutsideTheirSurfaces) {
    auto* dst = Offscreen(8, 8);
    auto* src = Offscreen(4, 4);
    RECT s{0, 0, 4, 4};
    EXPECT_EQ(dst->BltFast(6, 0, src, &s, DDBLTFAST_WAIT), DDERR_INVALIDRECT);
    RECT outside{0, 0, 5, 4};
    EXPECT_EQ(dst->BltFast(0, 0, src, &outside, DDBLTFAST_WAIT), DDERR_INVALIDRECT);
    RECT d{-1, 0, 3, 4};
    EXPECT_EQ(dst->Blt(&d, src, &s, DDBLT_WAIT, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->BltFast(4, 4, src, &s, DDBLTFAST_WAIT), DD_OK);
}

TEST_F(DirectDrawFace, ColourKeyLeavesKeyPixelsAndStretchTakesNearest) {
    auto* dst = Offscreen(4, 2);
    auto* src = Offscreen(2, 1);
    src->Pixels().Set(0, 0, 0x1234);
    src->Pixels().Set(1, 0, 0x0007); // the key
    DDCOLORKEY key{7, 7};
    ASSERT_EQ(src->SetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    dst->Pixels().FillRect(0, 0, 4, 2, 0x5555);
    RECT d{0, 0, 4, 2};
    ASSERT_EQ(dst->Blt(&d, src, nullptr, DDBLT_WAIT | DDBLT_KEYSRC, nullptr), DD_OK);
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(dst->Pixels().Get(0, y), 0x1234u);
        EXPECT_EQ(dst->Pixels().Get(1, y), 0x1234u);
        EXPECT_EQ(dst->Pixels().Get(2, y), 0x5555u);
        EXPECT_EQ(dst->Pixels().Get(3, y), 0x5555u);
    }
}

TEST_F(DirectDrawFace, VideoMemoryRunsOutButSystemMemoryDoesNot) {
    DirectDrawSettings().videoMemoryBytes = 640 * 480 * 2 + 100;
    EXPECT_NE(Offscreen(640, 480), nullptr);
    EXPECT_EQ(Offscreen(64, 64), nullptr);
    EXPECT_NE(Offscreen(64, 64, true), nullptr);
}

TEST_F(DirectDrawFace, LostVideoSurfacesRefuseWorkUntilRestored) {
    auto* video = Offscreen(4, 4);
    auto* system = Offscreen(4, 4, true);
    system->Pixels().Set(0, 0, 9);
    dd->LoseSurfaces();
    EXPECT_EQ(video->IsLost(), DDERR_SURFACELOST);
    EXPECT_EQ(system->IsLost(), DD_OK);
    EXPECT_EQ(video->BltFast(0, 0, system, nullptr, 0), DDERR_SURFACELOST);
    DDSURFACEDESC2 d{};
    EXPECT_EQ(video->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DDERR_SURFACELOST);
    EXPECT_EQ(video->Restore(), DD_OK);
    EXPECT_EQ(video->BltFast(0, 0, system, nullptr, 0), DD_OK);
    EXPECT_EQ(video->Pixels().Get(0, 0), 9u);
}

TEST_F(DirectDrawFace, FlipShowsTheBackBufferAndReleaseReportsLeaks) {
    DDSURFACEDESC2 d{};
    d.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    d.dwBackBufferCount = 1;
    d.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    cDirectDrawSurface* primary = nullptr;
    ASSERT_EQ(dd->CreateSurface(&d, &primary), DD_OK);
    DDSCAPS2 caps{DDSCAPS_BACKBUFFER};
    cDirectDrawSurface* back = nullptr;
    ASSERT_EQ(primary->GetAttachedSurface(&caps, &back), DD_OK);
    back->Pixels().FillRect(0, 0, 640, 480, 0xF800); // red in 565
    ASSERT_EQ(primary->Flip(nullptr, DDFLIP_WAIT), DD_OK);
    ASSERT_EQ(window.LastFrame().size(), 640u * 480u);
    EXPECT_EQ(window.LastFrame()[1000] & 0xFFFFFFu, 0xFF0000u);
    // The display object outlives its surfaces: releasing it early reports them.
    dd->AddRef();
    EXPECT_GT(dd->Release(), 1u);
    back->Release();
    primary->Release();
}

TEST_F(DirectDrawFace, AFrameEqualToTheShownOneIsShownAgainWithoutConverting) {
    auto* primary = Primary();
    auto* back = Offscreen(640, 480);
    ASSERT_TRUE(primary && back);
    back->Pixels().FillRect(0, 0, 640, 480, 0x001F); // blue in 565
    auto show = [&] { return primary->Blt(nullptr, back, nullptr, DDBLT_WAIT, nullptr); };
    ASSERT_EQ(show(), DD_OK);
    EXPECT_EQ(window.full, 1);
    EXPECT_EQ(window.LastFrame()[0] & 0xFFFFFFu, 0x0000FFu);
    // The same picture again: counted as a frame, nothing converted.
    ASSERT_EQ(show(), DD_OK);
    ASSERT_EQ(show(), DD_OK);
    EXPECT_EQ(window.full, 1);
    EXPECT_EQ(window.FramesPresented(), 3u);
    struct Change {
        const char* what;
        std::function<void()> make;
        std::uint32_t pixel; // at (639, 479) afterwards
    } changes[] = {
        {"one pixel of the picture",
         [&] {
             back->Pixels().Set(639, 479, 0xF800);
             show();
         },
         0xFF0000u},
        {"a fill of the screen itself",
         [&] {
             RECT r{639, 479, 640, 480};
             DDBLTFX fx{sizeof(DDBLTFX), 0x07E0};
             primary->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
         },
         0x00FF00u},
        {"the picture after the fill", [&] { show(); }, 0xFF0000u},
        {"a write through a lock",
         [&] {
             DDSURFACEDESC2 desc{};
             ASSERT_EQ(primary->Lock(nullptr, &desc, 0, nullptr), DD_OK);
             primary->Pixels().Set(639, 479, 0xFFFF);
             primary->Unlock(nullptr);
         },
         0xFFFFFFu},
        {"a keyed copy of the picture",
         [&] {
             DDCOLORKEY key{0x1234, 0x1234};
             back->SetColorKey(DDCKEY_SRCBLT, &key);
             primary->BltFast(0, 0, back, nullptr, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT);
         },
         0xFF0000u},
    };
    int full = window.full;
    for (const Change& c : changes) {
        c.make();
        EXPECT_EQ(window.full, ++full) << c.what;
        EXPECT_EQ(window.LastFrame()[640 * 480 - 1] & 0xFFFFFFu, c.pixel) << c.what;
    }
    ASSERT_EQ(show(), DD_OK);
    EXPECT_EQ(window.full, full);
    // A lost and restored screen has lost its picture: it is converted again.
    dd->LoseSurfaces();
    primary->Restore();
    back->Restore();
    ASSERT_EQ(show(), DD_OK);
    EXPECT_EQ(window.full, full + 1);
    EXPECT_EQ(window.LastFrame()[0] & 0xFFFFFFu, 0u);
}

TEST_F(DirectDrawFace, ANewPaletteIsShownEvenWhenThePixelsStayTheSame) {
    for (auto* s : made) s->Release();
    made.clear();
    ASSERT_EQ(dd->Release(), 0u);
    Start(8);
    auto* primary = Primary();
    auto* back = Offscreen(640, 480);
    ASSERT_TRUE(primary && back);
    PALETTEENTRY entries[256] = {};
    entries[5] = {0x10, 0x20, 0x30, 0};
    cDirectDrawPalette* palette = nullptr;
    ASSERT_EQ(dd->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256, entries, &palette), DD_OK);
    ASSERT_EQ(primary->SetPalette(palette), DD_OK);
    back->Pixels().FillRect(0, 0, 640, 480, 5);
    ASSERT_EQ(primary->Blt(nullptr, back, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    EXPECT_EQ(window.LastFrame()[7] & 0xFFFFFFu, 0x102030u);
    int full = window.full;
    PALETTEENTRY red{0xFF, 0, 0, 0};
    ASSERT_EQ(palette->SetEntries(0, 5, 1, &red), DD_OK);
    ASSERT_EQ(primary->Blt(nullptr, back, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    EXPECT_EQ(window.full, full + 1);
    EXPECT_EQ(window.LastFrame()[7] & 0xFFFFFFu, 0xFF0000u);
    palette->Release();
}

} // namespace

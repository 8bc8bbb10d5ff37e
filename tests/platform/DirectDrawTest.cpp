#include "platform/DirectDraw.h"
#include "platform/DirectDrawSurface.h"
#include "platform/Presenter.h"

#include <gtest/gtest.h>

namespace {

class DirectDrawFace : public ::testing::Test {
protected:
    void SetUp() override {
        DirectDrawSettings() = {};
        window.Open("t", 640, 480, false);
        ASSERT_EQ(DirectDrawCreateEx(&dd), DD_OK);
        ASSERT_EQ(dd->SetCooperativeLevel(&window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
        ASSERT_EQ(dd->SetDisplayMode(640, 480, 16, 0, 0), DD_OK);
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
    cMemoryPresenter window;
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

} // namespace

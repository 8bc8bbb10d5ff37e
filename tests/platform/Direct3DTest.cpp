#include "platform/Direct3D.h"
#include "platform/Direct3DX.h"
#include "platform/Presenter.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace {

class Direct3DFace : public ::testing::Test {
protected:
    void SetUp() override {
        Direct3DSettings() = {};
        window.Open("t", 640, 480, false);
        d3d = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(d3d, nullptr);
        pp.Windowed = TRUE;
        pp.BackBufferFormat = D3DFMT_X8R8G8B8;
        pp.Flags = D3DPRESENTFLAG_LOCKABLE_BACKBUFFER;
        ASSERT_EQ(
            d3d->CreateDevice(0, D3DDEVTYPE_HAL, &window, D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &device),
            D3D_OK);
        device->CreateVertexBuffer(112, D3DUSAGE_WRITEONLY, 0, D3DPOOL_MANAGED, &vb, nullptr);
    }
    void TearDown() override {
        SafeRelease(vb);
        EXPECT_EQ(device->Release(), 0u);
        d3d->Release();
        Direct3DSettings() = {};
    }
    void Quad(float x, float y, float w, float h, float u0, float v0, float u1, float v1, DWORD color) {
        float px[4][2] = {{x, y}, {x, y + h}, {x + w, y}, {x + w, y + h}};
        float uv[4][2] = {{u0, v0}, {u0, v1}, {u1, v0}, {u1, v1}};
        void* p = nullptr;
        vb->Lock(0, 0, &p, 0);
        auto* b = static_cast<std::uint8_t*>(p);
        for (int i = 0; i < 4; ++i) {
            float f[4] = {px[i][0] - 0.5f, px[i][1] - 0.5f, 0, 1};
            std::memcpy(b + i * 28, f, 16);
            std::memcpy(b + i * 28 + 16, &color, 4);
            std::memcpy(b + i * 28 + 20, uv[i], 8);
        }
        device->SetStreamSource(0, vb, 0, 28);
        device->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1);
        ASSERT_EQ(device->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2), D3D_OK);
    }
    // The device again, full screen with a 5-6-5 back buffer.
    void FullScreen565() {
        pp.BackBufferFormat = D3DFMT_R5G6B5;
        pp.Windowed = FALSE;
        pp.BackBufferWidth = 640;
        pp.BackBufferHeight = 480;
        ASSERT_EQ(device->Reset(&pp), D3D_OK);
    }
    cMemoryPresenter window;
    cDirect3D9* d3d = nullptr;
    cDirect3DDevice* device = nullptr;
    cDirect3DVertexBuffer* vb = nullptr;
    D3DPRESENT_PARAMETERS pp{};
};

TEST_F(Direct3DFace, QuadOnHalfPixelEdgesCoversExactlyItsPixels) {
    cDirect3DSurface* back = nullptr;
    ASSERT_EQ(device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &back), D3D_OK);
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000u, 1, 0);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG2);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    Quad(2, 3, 4, 2, 0, 0, 1, 1, 0xFF00FF00u);
    device->EndScene();
    const cSurface& px = back->Pixels();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            bool inside = x >= 2 && x < 6 && y >= 3 && y < 5;
            EXPECT_EQ(px.Get(x, y) & 0xFFFFFFu, inside ? 0x00FF00u : 0u) << x << "," << y;
        }
    back->Release();
}

TEST_F(Direct3DFace, TexturePointSamplingAndAlphaBlending) {
    cDirect3DTexture* tex = nullptr;
    ASSERT_EQ(device->CreateTexture(4, 1, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &tex, nullptr), D3D_OK);
    cSurface& t = tex->Level()->Pixels();
    t.Set(0, 0, 0xFFFF0000u);
    t.Set(1, 0, 0x00FFFFFFu); // transparent
    t.Set(2, 0, 0x800000FFu); // half
    t.Set(3, 0, 0xFF00FF00u);
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000u, 1, 0);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device->SetTexture(0, tex);
    device->BeginScene();
    Quad(0, 0, 4, 1, 0, 0, 1, 1, 0xFFFFFFFFu); // same size
    Quad(0, 1, 8, 1, 0, 0, 1, 1, 0xFFFFFFFFu); // stretched twice
    Quad(0, 2, 4, 1, 1, 0, 0, 1, 0xFFFFFFFFu); // mirrored
    device->EndScene();
    cDirect3DSurface* back = nullptr;
    device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &back);
    const cSurface& px = back->Pixels();
    auto rgb = [&](int x, int y) { return px.Get(x, y) & 0xFFFFFFu; };
    EXPECT_EQ(rgb(0, 0), 0xFF0000u);
    EXPECT_EQ(rgb(1, 0), 0x000000u);
    EXPECT_EQ(rgb(2, 0), 0x000080u);
    EXPECT_EQ(rgb(3, 0), 0x00FF00u);
    std::uint32_t stretched[8] = {0xFF0000, 0xFF0000, 0, 0, 0x80, 0x80, 0xFF00, 0xFF00};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(rgb(x, 1), stretched[x]) << x;
    std::uint32_t mirrored[4] = {0xFF00, 0x80, 0, 0xFF0000};
    for (int x = 0; x < 4; ++x) EXPECT_EQ(rgb(x, 2), mirrored[x]) << x;
    back->Release();
    tex->Release();
}

TEST_F(Direct3DFace, SixteenBitTexturesDrawIntoA565BackBuffer) {
    ASSERT_NO_FATAL_FAILURE(FullScreen565());
    cDirect3DTexture* tex = nullptr;
    ASSERT_EQ(device->CreateTexture(4, 1, 1, 0, D3DFMT_A1R5G5B5, D3DPOOL_MANAGED, &tex, nullptr), D3D_OK);
    const std::uint32_t texels[4] = {0xFC00, 0x03E0, 0x83E0, 0x801F}; // red, clear green, green, blue
    for (int x = 0; x < 4; ++x) tex->Level()->Pixels().Set(x, 0, texels[x]);
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000u, 1, 0);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device->SetTexture(0, tex);
    device->BeginScene();
    Quad(0, 0, 4, 1, 0, 0, 1, 1, 0xFFFFFFFFu);
    device->EndScene();
    cDirect3DSurface* back = nullptr;
    device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &back);
    const std::uint32_t want[4] = {0xF800, 0x0000, 0x07E0, 0x001F};
    for (int x = 0; x < 4; ++x) EXPECT_EQ(back->Pixels().Get(x, 0), want[x]) << x;
    back->Release();
    tex->Release();
}

TEST_F(Direct3DFace, ModulateScalesTheExactProductAndRoundsOnce) {
    cDirect3DTexture* tex = nullptr;
    ASSERT_EQ(device->CreateTexture(1, 1, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &tex, nullptr), D3D_OK);
    device->SetTexture(0, tex);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    const struct {
        DWORD op;
        int texel, vertex, want;
    } cases[] = {
        {D3DTOP_MODULATE, 73, 9, 3},        {D3DTOP_MODULATE2X, 73, 9, 5},
        {D3DTOP_MODULATE4X, 73, 9, 10},     {D3DTOP_MODULATE2X, 1, 128, 1},
        {D3DTOP_MODULATE4X, 100, 200, 255}, {D3DTOP_MODULATE2X, 255, 255, 255},
    };
    cDirect3DSurface* back = nullptr;
    ASSERT_EQ(device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &back), D3D_OK);
    float x = 0;
    for (const auto& c : cases) {
        tex->Level()->Pixels().Set(0, 0, MakeArgb(255, c.texel, 0, 0));
        device->SetTextureStageState(0, D3DTSS_COLOROP, c.op);
        device->BeginScene();
        Quad(x, 0, 1, 1, 0, 0, 1, 1, MakeArgb(255, c.vertex, 0, 0));
        device->EndScene();
        EXPECT_EQ(ArgbR(back->Pixels().Get(static_cast<int>(x), 0)), c.want)
            << "operation " << c.op << ": " << c.texel << " x " << c.vertex;
        ++x;
    }
    back->Release();
    tex->Release();
}

// Every colour of a 1-5-5-5 texture drawn unscaled into a 5-6-5 back buffer,
// with and without blending: red and blue bit for bit, green to six bits.
TEST_F(Direct3DFace, EverySixteenBitColourKeepsItsChannelsInA565BackBuffer) {
    ASSERT_NO_FATAL_FAILURE(FullScreen565());
    cDirect3DTexture* tex = nullptr;
    ASSERT_EQ(device->CreateTexture(256, 128, 1, 0, D3DFMT_A1R5G5B5, D3DPOOL_MANAGED, &tex, nullptr), D3D_OK);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 256; ++x)
            tex->Level()->Pixels().Set(x, y, 0x8000u | static_cast<std::uint32_t>(y * 256 + x));
    device->SetTexture(0, tex);
    device->BeginScene();
    Quad(0, 0, 256, 128, 0, 0, 1, 1, 0xFFFFFFFFu);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    Quad(256, 0, 256, 128, 0, 0, 1, 1, 0xFFFFFFFFu);
    device->EndScene();
    cDirect3DSurface* back = nullptr;
    device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &back);
    int wrong = 0;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 512; ++x) {
            const std::uint32_t c = static_cast<std::uint32_t>(y * 256 + x % 256);
            const auto green = static_cast<std::uint32_t>(NarrowChannel(WidenChannel((c >> 5) & 31, 31), 63));
            if (back->Pixels().Get(x, y) != ((c >> 10) << 11 | green << 5 | (c & 31))) ++wrong;
        }
    EXPECT_EQ(wrong, 0);
    back->Release();
    tex->Release();
}

TEST_F(Direct3DFace, RotatedQuadsAreDrawnAsTwoTrianglesWithoutGapsOrOverlap) {
    // A diamond (a square turned 45 degrees) of half-transparent white: a
    // pixel drawn twice would come out brighter than one drawn once.
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000u, 1, 0);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG2);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    const float corners[4][2] = {{10, 2}, {2, 10}, {18, 10}, {10, 18}}; // top, left, right, bottom
    void* p = nullptr;
    vb->Lock(0, 0, &p, 0);
    const DWORD colour = 0x80FFFFFFu;
    for (int i = 0; i < 4; ++i) {
        float f[4] = {corners[i][0], corners[i][1], 0, 1};
        float uv[2] = {0, 0};
        std::memcpy(static_cast<std::uint8_t*>(p) + i * 28, f, 16);
        std::memcpy(static_cast<std::uint8_t*>(p) + i * 28 + 16, &colour, 4);
        std::memcpy(static_cast<std::uint8_t*>(p) + i * 28 + 20, uv, 8);
    }
    device->SetStreamSource(0, vb, 0, 28);
    device->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1);
    device->BeginScene();
    ASSERT_EQ(device->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2), D3D_OK);
    device->EndScene();
    cDirect3DSurface* back = nullptr;
    device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &back);
    int covered = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            std::uint32_t v = back->Pixels().Get(x, y) & 0xFF;
            EXPECT_TRUE(v == 0 || v == 0x80) << x << "," << y << " = " << v;
            covered += v == 0x80;
        }
    EXPECT_EQ(covered, 128) << "the diamond's area, 16 x 16 / 2";
    EXPECT_EQ(back->Pixels().Get(10, 10) & 0xFF, 0x80u);
    EXPECT_EQ(back->Pixels().Get(3, 3) & 0xFF, 0u);
    back->Release();
}

TEST_F(Direct3DFace, BlendByFactorAlphaMixesTextureAndFactor) {
    cDirect3DTexture* tex = nullptr;
    ASSERT_EQ(device->CreateTexture(1, 1, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &tex, nullptr), D3D_OK);
    tex->Level()->Pixels().Set(0, 0, 0xFFFF0000u);
    device->SetTexture(0, tex);
    device->SetRenderState(D3DRS_TEXTUREFACTOR, 0x800000FFu);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_BLENDFACTORALPHA);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_TFACTOR);
    device->BeginScene();
    Quad(0, 0, 1, 1, 0, 0, 1, 1, 0xFFFFFFFFu);
    device->EndScene();
    cDirect3DSurface* back = nullptr;
    device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &back);
    EXPECT_EQ(back->Pixels().Get(0, 0) & 0xFFFFFF, 0x80007Fu); // red x 128/255 + blue x 127/255
    back->Release();
    tex->Release();
}

TEST_F(Direct3DFace, DefaultPoolRenderTargetsCannotBeLocked) {
    cDirect3DTexture* rt = nullptr;
    ASSERT_EQ(
        device->CreateTexture(8, 8, 1, D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &rt, nullptr),
        D3D_OK);
    D3DLOCKED_RECT lr{};
    EXPECT_EQ(rt->LockRect(0, &lr, nullptr, 0), D3DERR_INVALIDCALL);
    cDirect3DTexture* sys = nullptr;
    ASSERT_EQ(
        device->CreateTexture(8, 8, 1, D3DUSAGE_DYNAMIC, D3DFMT_A8R8G8B8, D3DPOOL_SYSTEMMEM, &sys, nullptr),
        D3D_OK);
    EXPECT_EQ(sys->LockRect(0, &lr, nullptr, 0), D3D_OK);
    sys->UnlockRect(0);
    rt->Release();
    sys->Release();
}

TEST_F(Direct3DFace, CapsRulesRefuseTextures) {
    Direct3DSettings().pow2Only = true;
    Direct3DSettings().maxTextureWidth = 1024;
    device->Release();
    vb->Release();
    vb = nullptr;
    ASSERT_EQ(
        d3d->CreateDevice(0, D3DDEVTYPE_HAL, &window, D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &device),
        D3D_OK);
    cDirect3DTexture* t = nullptr;
    EXPECT_EQ(device->CreateTexture(640, 512, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &t, nullptr),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(device->CreateTexture(2048, 512, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &t, nullptr),
              D3DERR_INVALIDCALL);
    ASSERT_EQ(device->CreateTexture(1024, 512, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &t, nullptr), D3D_OK);
    t->Release();
}

TEST_F(Direct3DFace, LostDeviceResetsOnlyAfterDefaultPoolIsReleased) {
    cDirect3DTexture* rt = nullptr;
    device->CreateTexture(8, 8, 1, D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &rt, nullptr);
    device->Lose();
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
    EXPECT_EQ(device->TestCooperativeLevel(), D3DERR_DEVICELOST);
    EXPECT_EQ(device->Reset(&pp), D3DERR_DEVICELOST);
    device->AllowReset();
    EXPECT_EQ(device->TestCooperativeLevel(), D3DERR_DEVICENOTRESET);
    EXPECT_EQ(device->Reset(&pp), D3DERR_INVALIDCALL); // the render target is still held
    rt->Release();
    EXPECT_EQ(device->Reset(&pp), D3D_OK);
    EXPECT_EQ(device->TestCooperativeLevel(), D3D_OK);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    EXPECT_EQ(window.FramesPresented(), 1u);
}

TEST_F(Direct3DFace, OneColourQuadsGiveWhatTheBlendRuleGivesOverEveryBackground) {
    // A fill as the graphics layer draws it: the factor's colour, a texture
    // bound but not read, over a target of two colours.
    cDirect3DTexture* tex = nullptr;
    ASSERT_EQ(device->CreateTexture(1, 1, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &tex, nullptr), D3D_OK);
    tex->Level()->Pixels().Set(0, 0, 0xFF123456u);
    device->SetTexture(0, tex);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_TFACTOR);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG2);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_TFACTOR);
    cDirect3DSurface* back = nullptr;
    ASSERT_EQ(device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &back), D3D_OK);
    const cSurface& px = back->Pixels();
    const std::uint32_t backgrounds[2] = {0x102030u, 0xF0E0D0u};
    auto mul = [](int a, int b) { return (a * b + 127) / 255; };
    struct Case {
        bool blend;
        DWORD src, dst;
        std::uint32_t colour;
    };
    const Case cases[] = {
        {false, D3DBLEND_ONE, D3DBLEND_ZERO, 0x40A0B0C0u},            // no blending: the colour itself
        {true, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA, 0xFFA0B0C0u}, // opaque
        {true, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA, 0x00A0B0C0u}, // fully transparent: nothing
        {true, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA, 0x80A0B0C0u}, // half: mixed with each
        {true, D3DBLEND_ONE, D3DBLEND_ZERO, 0x80A0B0C0u},             // replaces
        {true, D3DBLEND_ONE, D3DBLEND_ONE, 0x80A0B0C0u},              // adds
        {true, D3DBLEND_SRCALPHA, D3DBLEND_DESTALPHA, 0x80A0B0C0u},   // reads the target's alpha
        {true, D3DBLEND_INVSRCALPHA, D3DBLEND_SRCCOLOR, 0xFF000000u}, // black: takes none of the target
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << std::hex << c.colour << " blend " << c.blend << " " << c.src << "/" << c.dst);
        for (int half = 0; half < 2; ++half) {
            const D3DRECT r{half * 8, 0, half * 8 + 8, 8};
            device->Clear(1, &r, D3DCLEAR_TARGET, 0xFF000000u | backgrounds[half], 1, 0);
        }
        device->SetRenderState(D3DRS_ALPHABLENDENABLE, c.blend);
        device->SetRenderState(D3DRS_SRCBLEND, c.src);
        device->SetRenderState(D3DRS_DESTBLEND, c.dst);
        device->SetRenderState(D3DRS_TEXTUREFACTOR, c.colour);
        device->BeginScene();
        Quad(2, 1, 12, 5, 0, 0, 1, 1, 0xFFFFFFFFu);
        device->EndScene();
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x) {
                const std::uint32_t under = backgrounds[x / 8];
                std::uint32_t want = under;
                if (x >= 2 && x < 14 && y >= 1 && y < 6) {
                    want = c.colour & 0xFFFFFFu;
                    if (c.blend && !(c.src == D3DBLEND_SRCALPHA && c.colour >> 24 == 0)) {
                        // Each channel: source x its factor + target x its factor.
                        const int a = static_cast<int>(c.colour >> 24);
                        want = 0;
                        for (int shift : {16, 8, 0}) {
                            const int s = static_cast<int>(c.colour >> shift & 255),
                                      d = static_cast<int>(under >> shift & 255);
                            auto factor = [&](DWORD f) {
                                switch (f) {
                                case D3DBLEND_ZERO:
                                    return 0;
                                case D3DBLEND_SRCALPHA:
                                    return a;
                                case D3DBLEND_INVSRCALPHA:
                                    return 255 - a;
                                case D3DBLEND_DESTALPHA:
                                    return 255; // the X8R8G8B8 target reads as opaque
                                case D3DBLEND_SRCCOLOR:
                                    return s;
                                default:
                                    return 255;
                                }
                            };
                            want |= static_cast<std::uint32_t>(
                                        std::min(255, mul(s, factor(c.src)) + mul(d, factor(c.dst))))
                                    << shift;
                        }
                    } else if (c.blend) {
                        want = under;
                    }
                }
                EXPECT_EQ(px.Get(x, y) & 0xFFFFFFu, want) << x << "," << y;
            }
    }
    back->Release();
    tex->Release();
}

} // namespace

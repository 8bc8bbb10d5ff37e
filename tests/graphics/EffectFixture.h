// The effect tests' world, on each face and true-colour depth: a keyed 4 x 4
// picture of letters and a 12 x 12 grey target, with the stored pixel values
// the face keeps for a colour.
#pragma once

#include "GraphicsFixture.h"

#include <cstdint>
#include <string>
#include <tuple>

class EffectFaces : public GraphicsTest, public ::testing::WithParamInterface<std::tuple<bool, int>> {
public:
    // Rows of the picture; 'K' is the transparent colour.
    static constexpr const char* kPicture[4] = {"RGBC", "YWRG", "BCYW", "GRKB"};
    static constexpr std::uint32_t kKey = 0xFF00FF;
    static constexpr std::uint32_t kGrey = 0x404040;
    static constexpr int kSize = 12;

    // The colour of a letter ('.' the grey of the target).
    static std::uint32_t Rgb(char c);
    static bool Clear(int x, int y) { return kPicture[y][x] == 'K'; }

    // Test names: the face and the depth.
    static std::string Name(const ::testing::TestParamInfo<std::tuple<bool, int>>& info) {
        return std::string(std::get<0>(info.param) ? "Direct3D" : "DirectDraw") +
               std::to_string(std::get<1>(info.param));
    }

protected:
    void SetUp() override;
    void TearDown() override;
    // The format the face keeps the picture and target in.
    PixelFormat Format() const;
    // The pixel value the face stores for a colour (32-bit DirectDraw keeps the top byte clear).
    std::uint32_t Stored(std::uint32_t rgb) const {
        return !d3d && bpp == 32 ? rgb : PackArgb(Format(), 0xFF000000u | rgb);
    }

    bool d3d = false;
    int bpp = 16;
    DDSURFACEDATA pic, dst;
};

#define INSTANTIATE_EFFECT_FACES(Suite)                                                                      \
    INSTANTIATE_TEST_SUITE_P(DirectDrawAndDirect3D, Suite,                                                   \
                             ::testing::Values(std::make_tuple(false, 16), std::make_tuple(false, 32),       \
                                               std::make_tuple(true, 16), std::make_tuple(true, 32)),        \
                             EffectFaces::Name)

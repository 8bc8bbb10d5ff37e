// The clipping table of DDClipBlt and the coordinate folding of mirrored records.
#include "graphics/GraphicsGlobals.h"

#include <gtest/gtest.h>

namespace {

// Switches the layer's mode for a test: only the context pointer is read.
class Mode {
public:
    explicit Mode(bool d3d) : saved_(lpDTCon) { lpDTCon = d3d ? &context_ : nullptr; }
    ~Mode() { lpDTCon = saved_; }

private:
    DTCONDATA context_;
    DTCONDATA* saved_;
};

struct Rects {
    int x, y, w, h, sx, sy, sw, sh;
    bool operator==(const Rects&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Rects& r) {
    return o << "dst(" << r.x << "," << r.y << "," << r.w << "," << r.h << ") src(" << r.sx << "," << r.sy
             << "," << r.sw << "," << r.sh << ")";
}

struct ClipCase {
    const char* name;
    bool d3d;
    Rects in;
    bool drawn;
    Rects out; // checked only when drawn
};

const ClipCase kCases[] = {
    {"inside", false, {10, 20, 32, 32, 0, 0, 32, 32}, true, {10, 20, 32, 32, 0, 0, 32, 32}},
    {"source starts left of its picture",
     false,
     {10, 20, 32, 32, -8, 0, 32, 32},
     true,
     {10, 20, 24, 32, 0, 0, 24, 32}},
    {"source runs past its picture",
     false,
     {10, 20, 32, 32, 48, 40, 32, 32},
     true,
     {10, 20, 16, 24, 48, 40, 16, 24}},
    {"left of the screen", false, {-10, 0, 32, 32, 0, 0, 32, 32}, true, {0, 0, 22, 32, 10, 0, 22, 32}},
    {"above the screen", false, {0, -5, 32, 32, 0, 0, 32, 32}, true, {0, 0, 32, 27, 0, 5, 32, 27}},
    {"past the right edge", false, {630, 0, 32, 32, 0, 0, 32, 32}, true, {630, 0, 10, 32, 0, 0, 10, 32}},
    {"past the bottom edge", false, {0, 470, 32, 32, 0, 0, 32, 32}, true, {0, 470, 32, 10, 0, 0, 32, 10}},
    {"both sides at once", false, {-8, 0, 64, 8, 0, 0, 64, 8}, true, {0, 0, 56, 8, 8, 0, 56, 8}},
    {"wholly left", false, {-40, 0, 32, 32, 0, 0, 32, 32}, false, {}},
    {"wholly above", false, {0, -32, 32, 32, 0, 0, 32, 32}, false, {}},
    {"wholly right", false, {640, 0, 32, 32, 0, 0, 32, 32}, false, {}},
    {"zero destination width", false, {0, 0, 0, 32, 0, 0, 0, 32}, false, {}},
    {"zero source height", false, {0, 0, 32, 32, 0, 0, 32, 0}, false, {}},
    {"stretch inside", false, {0, 0, 64, 64, 0, 0, 32, 32}, true, {0, 0, 64, 64, 0, 0, 32, 32}},
    {"stretch left of the screen", false, {-16, 0, 64, 64, 0, 0, 32, 32}, true, {0, 0, 48, 64, 8, 0, 24, 32}},
    {"stretch past the right edge",
     false,
     {600, 0, 64, 64, 0, 0, 32, 32},
     true,
     {600, 0, 40, 64, 0, 0, 20, 32}},
    {"stretch wholly outside", false, {700, 0, 64, 64, 0, 0, 32, 32}, false, {}},
    {"stretch source cut", false, {0, 0, 64, 64, 48, 0, 32, 32}, true, {0, 0, 32, 64, 48, 0, 16, 32}},
    {"Direct3D stretch is not cut by the screen",
     true,
     {-16, 0, 64, 64, 0, 0, 32, 32},
     true,
     {-16, 0, 64, 64, 0, 0, 32, 32}},
    {"Direct3D mirrored source", true, {0, 0, 64, 32, 32, 0, -32, 32}, true, {0, 0, 64, 32, 32, 0, -32, 32}},
    {"Direct3D mirrored source cut",
     true,
     {0, 0, 64, 32, 80, 0, -32, 32},
     true,
     {0, 0, 32, 32, 64, 0, -16, 32}},
    {"Direct3D same size still clips",
     true,
     {-10, 0, 32, 32, 0, 0, 32, 32},
     true,
     {0, 0, 22, 32, 10, 0, 22, 32}},
    {"DirectDraw refuses a mirrored source", false, {0, 0, 64, 32, 32, 0, -32, 32}, false, {}},
};

TEST(DDClipBlt, Table) {
    DDSURFACEDATA screen, picture;
    screen.nWidth = 640;
    screen.nHeight = 480;
    picture.nWidth = 64;
    picture.nHeight = 64;
    for (const ClipCase& c : kCases) {
        Mode mode(c.d3d);
        Rects r = c.in;
        bool drawn = DDClipBlt(&screen, &r.x, &r.y, &r.w, &r.h, &picture, &r.sx, &r.sy, &r.sw, &r.sh);
        EXPECT_EQ(drawn, c.drawn) << c.name;
        if (c.drawn && drawn) {
            EXPECT_EQ(r, c.out) << c.name;
        }
    }
}

TEST(DDWrapCoords, FoldsStripsOfAMirroredLinkedRecord) {
    Mode mode(true);
    DDSURFACEDATA owner, linked;
    linked.lpAlias = &owner;
    linked.nMirrorWidth = 32;
    linked.nMirrorHeight = 16;
    struct Case {
        int x, y, w, h, wantX, wantY, wantW, wantH;
    } cases[] = {
        {0, 0, 32, 16, 32, 16, -32, -16}, // a whole strip reads from its far edge
        {35, 0, 8, 16, 61, 16, -8, -16},  // strip 1, offset 3: from 2m - 3 backwards
        {64, 20, 10, 4, 96, 28, -10, -4}, // offset 0 of strip 2 reads from its far edge; y alike
        {0, 0, 64, 32, 0, 0, 64, 32},     // wider than the period: unchanged
    };
    for (const Case& c : cases) {
        int x = c.x, y = c.y, w = c.w, h = c.h;
        DDWrapCoords(&linked, &x, &y, &w, &h);
        EXPECT_EQ(x, c.wantX);
        EXPECT_EQ(y, c.wantY);
        EXPECT_EQ(w, c.wantW);
        EXPECT_EQ(h, c.wantH);
    }
}

TEST(DDWrapCoords, LeavesOtherRecordsAndDirectDrawAlone) {
    DDSURFACEDATA owner, linked, plain;
    linked.lpAlias = &owner;
    linked.nMirrorWidth = plain.nMirrorWidth = 32;
    int x = 0, y = 0, w = 32, h = 32;
    {
        Mode mode(false);
        DDWrapCoords(&linked, &x, &y, &w, &h);
    }
    {
        Mode mode(true);
        DDWrapCoords(&plain, &x, &y, &w, &h);
    }
    EXPECT_EQ(x, 0);
    EXPECT_EQ(w, 32);
}

} // namespace

// Key scripts: what a script holds frame by frame, and the scripts refused.
#include "platform/KeyScript.h"
#include "platform/WindowEvents.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The held keys of each frame, as strings of the probed names' first letters.
std::vector<std::string> Frames(cKeyScript& s, int count) {
    const struct {
        int vk;
        char tag;
    } probes[] = {{VK_LEFT, 'L'}, {VK_RIGHT, 'R'}, {'Z', 'z'}, {VK_F1, '1'}, {VK_SPACE, '_'}, {0x41, 'a'}};
    std::vector<std::string> out;
    for (int f = 0; f < count; ++f) {
        s.BeginFrame();
        std::string held;
        for (const auto& p : probes)
            if (s.KeyHeld(p.vk)) held += p.tag;
        out.push_back(held);
    }
    return out;
}

TEST(KeyScript, StepsHoldTheirKeysForTheirFrames) {
    cKeyScript s;
    std::string error;
    ASSERT_TRUE(s.Parse("# start\n2: left z\n\nRIGHT F1   # one frame\n1:\n  3 : space 0x41\r\n", &error))
        << error;
    EXPECT_EQ(s.FrameCount(), 7);
    EXPECT_FALSE(s.KeyHeld(VK_LEFT)) << "nothing before the first frame";
    EXPECT_EQ(Frames(s, 9), (std::vector<std::string>{"Lz", "Lz", "R1", "", "_a", "_a", "_a", "", ""}));
    JoystickState j;
    EXPECT_FALSE(s.ReadJoystick(0, &j));
    s.Rewind();
    EXPECT_EQ(Frames(s, 1), (std::vector<std::string>{"Lz"}));
}

TEST(KeyScript, BadScriptsAreRefusedWithTheirLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"LEFT\nPUSH\n", "line 2: unknown key \"PUSH\""},
        {": LEFT", "line 1: no frame count before ':'"},
        {"0: LEFT", "line 1: frame count below 1"},
        {"x2: LEFT", "line 1: bad frame count"},
        {"99999999999: LEFT", "line 1: frame count too large"},
        {"2147483647: LEFT\n1: LEFT", "line 2: script too long"},
        {"F13", "line 1: unknown key \"F13\""},
        {"0x100", "line 1: unknown key \"0x100\""},
        {"0x00", "line 1: unknown key \"0x00\""},
    };
    for (const auto& c : cases) {
        cKeyScript s;
        std::string error;
        EXPECT_FALSE(s.Parse(c.text, &error)) << c.text;
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(s.FrameCount(), 0);
    }
}

TEST(KeyScript, KeyNames) {
    EXPECT_EQ(VirtualKeyFromName("a"), 'A');
    EXPECT_EQ(VirtualKeyFromName("7"), '7');
    EXPECT_EQ(VirtualKeyFromName("f12"), VK_F1 + 11);
    EXPECT_EQ(VirtualKeyFromName("Escape"), VK_ESCAPE);
    EXPECT_EQ(VirtualKeyFromName("0xff"), 255);
    EXPECT_EQ(VirtualKeyFromName("F0"), 0);
    EXPECT_EQ(VirtualKeyFromName("-"), 0);
}

} // namespace

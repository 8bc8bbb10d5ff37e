// The input record driven through the platform's input calls: directions and
// buttons of both layouts, joysticks, histories, auto-repeat and the one-shot
// filter. Key scripts drive the per-frame tests, as a headless run does.
#include "foundation/Input.h"
#include "foundation/KeyConfig.h"
#include "platform/KeyScript.h"
#include "platform/WindowEvents.h"

#include "fixtures/FakeInput.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Keeps the global key configuration as the test found it.
struct KeyConfigGuard {
    KEYCONFIGDATA saved = KeyConfig;
    ~KeyConfigGuard() { KeyConfig = saved; }
};

// A configuration on other keys: J L I K for the directions, Q W E R T Y U O
// for the buttons, all on the keyboard, in use.
KEYCONFIGDATA OtherKeys() {
    KEYCONFIGDATA c;
    SetDefaultKeyConfig(&c);
    const WORD codes[12] = {'J', 'L', 'I', 'K', 'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'O'};
    for (int i = 0; i < 12; ++i) c.Keys[i].wCode = codes[i];
    c.dwUse = 1;
    return c;
}

struct DirCase {
    const char* name;
    std::vector<int> fixedKeys;  // arrows
    std::vector<int> configKeys; // J L I K
    WORD fixedBits;
    std::int32_t fixedNumber;
    WORD configBits;
    std::int32_t configNumber;
};

const DirCase kDirCases[] = {
    {"neutral", {}, {}, 0, 5, 0, 5},
    {"left", {VK_LEFT}, {'J'}, 1, 4, 1, 4},
    {"right", {VK_RIGHT}, {'L'}, 2, 6, 2, 6},
    {"up", {VK_UP}, {'I'}, 4, 2, 4, 2},
    {"down", {VK_DOWN}, {'K'}, 8, 8, 8, 8},
    {"up-left", {VK_UP, VK_LEFT}, {'I', 'J'}, 5, 1, 5, 1},
    {"up-right", {VK_UP, VK_RIGHT}, {'I', 'L'}, 6, 3, 6, 3},
    {"down-left", {VK_DOWN, VK_LEFT}, {'K', 'J'}, 9, 7, 9, 7},
    {"down-right", {VK_DOWN, VK_RIGHT}, {'K', 'L'}, 10, 9, 10, 9},
    // Opposite keys: the fixed layout adds both, the configuration lets left and up win.
    {"left+right", {VK_LEFT, VK_RIGHT}, {'J', 'L'}, 3, 5, 1, 4},
    {"up+down", {VK_UP, VK_DOWN}, {'I', 'K'}, 12, 5, 4, 2},
    {"all four", {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}, {'J', 'L', 'I', 'K'}, 15, 5, 5, 1},
};

void HoldKeys(FakeInput& fake, const std::vector<int>& vks) {
    fake.keys.reset();
    for (int vk : vks) fake.keys.set(static_cast<std::size_t>(vk));
}

TEST(Input, DirectionBitsAndNumberOfBothLayouts) {
    KeyConfigGuard guard;
    FakeInput fake;
    for (const DirCase& c : kDirCases) {
        SCOPED_TRACE(c.name);
        SetDefaultKeyConfig(&KeyConfig);
        cInput fixed;
        HoldKeys(fake, c.fixedKeys);
        ASSERT_EQ(fixed.Update(0, 3, 60), 1);
        EXPECT_EQ(fixed.wDir, c.fixedBits);
        EXPECT_EQ(fixed.nDirNum, c.fixedNumber);
        EXPECT_EQ(fixed.UpdateByKeyConfig(1, 60), 0); // not in use: nothing done

        KeyConfig = OtherKeys();
        cInput configured;
        HoldKeys(fake, c.configKeys);
        ASSERT_EQ(configured.UpdateByKeyConfig(1, 60), 1);
        EXPECT_EQ(configured.wDir, c.configBits);
        EXPECT_EQ(configured.nDirNum, c.configNumber);
        if (!c.fixedKeys.empty()) {
            // The arrows mean nothing to the configured layout.
            HoldKeys(fake, c.fixedKeys);
            configured.UpdateByKeyConfig(1, 60);
            EXPECT_EQ(configured.wDir, 0);
        }
        EXPECT_EQ(configured.Update(0, 3, 60), 0);
        EXPECT_EQ(DirBitsToNumber(c.configBits), c.configNumber);
    }
}

TEST(Input, ButtonsOfBothLayouts) {
    KeyConfigGuard guard;
    FakeInput fake;
    SetDefaultKeyConfig(&KeyConfig);
    cInput input;
    fake.Hold({'Z', 'V', 'F', 'Q'});
    input.Update(0, 3, 60);
    EXPECT_EQ(input.wButton, 1 | 8 | 128);

    KeyConfig = OtherKeys();
    fake.Hold({'Q', 'R', 'O', 'Z'});
    input.UpdateByKeyConfig(1, 60);
    EXPECT_EQ(input.wButton, 1 | 8 | 128);
    // Only assignments below the count are buttons.
    KeyConfig.dwCount = 8;
    input.UpdateByKeyConfig(1, 60);
    EXPECT_EQ(input.wButton, 1 | 8);
}

TEST(Input, JoystickOverridesTheKeyboardInTheFixedLayout) {
    KeyConfigGuard guard;
    SetDefaultKeyConfig(&KeyConfig);
    FakeInput fake;
    cInput input;
    input.SetDefaultButtonMasks();
    fake.Plug(0, {0, 65535, 0}); // stick down-left, no button
    fake.Hold({VK_RIGHT, VK_UP, 'X'});
    input.Update(0, 3, 60);
    EXPECT_EQ(input.wDir, kDirLeft | kDirDown);
    EXPECT_EQ(input.nDirNum, 7);
    EXPECT_EQ(input.wButton, 2) << "no joystick button: the keyboard's buttons";

    fake.sticks[0] = {32767, 32767, 4 | 1}; // centred, buttons 1 and 3
    input.Update(0, 3, 60);
    EXPECT_EQ(input.wDir, kDirRight | kDirUp) << "a centred stick leaves the arrows";
    EXPECT_EQ(input.wButton, 1 | 4) << "a joystick button replaces every keyboard button";

    // Stick thresholds: below 10001 and from 55535 on.
    fake.Hold({});
    const struct {
        DWORD x, y;
        WORD bits;
    } edges[] = {{10000, 55535, kDirLeft | kDirDown}, {10001, 55534, 0}, {55535, 0, kDirRight | kDirUp}};
    for (const auto& e : edges) {
        fake.sticks[0] = {e.x, e.y, 0};
        input.Update(0, 3, 60);
        EXPECT_EQ(input.wDir, e.bits) << e.x << "," << e.y;
    }
    // Device flags: without the joystick bit the stick is not read.
    fake.sticks[0] = {0, 0, 1};
    input.Update(0, 2, 60);
    EXPECT_EQ(input.wDir, 0);
    EXPECT_EQ(input.wButton, 0);
}

TEST(Input, AMissingJoystickIsPolledAgainOnlyAfterTwiceTheRetryFrames) {
    KeyConfigGuard guard;
    SetDefaultKeyConfig(&KeyConfig);
    FakeInput fake;
    cInput input;
    fake.Hold({VK_LEFT});
    input.Update(0, 3, 60);
    EXPECT_EQ(fake.joystickReads, 1);
    EXPECT_EQ(input.bJoyOk, 0u);
    EXPECT_EQ(input.wDir, kDirLeft) << "an absent joystick leaves the keyboard";
    for (int i = 0; i < 120; ++i) input.Update(0, 3, 60);
    EXPECT_EQ(fake.joystickReads, 1) << "120 frames of waiting";
    fake.Plug(0, {65535, 32767, 0});
    input.Update(0, 3, 60);
    EXPECT_EQ(fake.joystickReads, 2);
    EXPECT_EQ(input.bJoyOk, 1u);
    EXPECT_EQ(input.wDir, kDirRight);
    // Pulled out while in use: it reads as released at once.
    fake.present[0] = false;
    input.Update(0, 3, 60);
    EXPECT_EQ(input.wDir, kDirLeft);
}

TEST(Input, ConfiguredJoystickAssignments) {
    KeyConfigGuard guard;
    KeyConfig = OtherKeys();
    KeyConfig.dwJoyCount = 2;
    KeyConfig.Keys[0] = {1, kJoyCodeLeft, 0};  // second joystick's stick left
    KeyConfig.Keys[3] = {0, kJoyCodeDown, 0};  // first joystick's stick down
    KeyConfig.Keys[4] = {0, 0x0004, 0};        // button 1 = first joystick's third button
    KeyConfig.Keys[5] = {1, kJoyCodeRight, 0}; // a stick code as a button
    FakeInput fake;
    fake.Plug(0, {32767, 65535, 4});
    fake.Plug(1, {65535, 32767, 0});
    cInput input;
    input.UpdateByKeyConfig(1, 60);
    EXPECT_EQ(input.wDir, kDirDown);
    EXPECT_EQ(input.nDirNum, 8);
    EXPECT_EQ(input.wButton, 1 | 2);
    fake.sticks[1] = {0, 32767, 0};
    input.UpdateByKeyConfig(1, 60);
    EXPECT_EQ(input.wDir, kDirLeft | kDirDown);
    EXPECT_EQ(input.wButton, 1);
    // The stick-left code also matches the joystick's ninth button (bit 256).
    fake.sticks[1] = {32767, 32767, 256};
    input.UpdateByKeyConfig(1, 60);
    EXPECT_EQ(input.wDir & kDirLeft, kDirLeft);
}

// Runs a key script through UpdateInput, as the frame driver does, and
// applies `each` to the player's record after every frame.
template <class F> void RunScript(const std::string& text, int frames, cInput& input, F each) {
    cKeyScript script;
    std::string error;
    ASSERT_TRUE(script.Parse(text, &error)) << error;
    SetInputSource(&script);
    cVector<cInput> list(1);
    list.At(0) = input;
    for (int f = 1; f <= frames; ++f) {
        UpdateInput(list);
        each(list.At(0), f);
    }
    input = list.At(0);
    SetInputSource(nullptr);
}

TEST(Input, HeldDirectionRepeatsAfterTheFirstDelayThenEveryInterval) {
    KeyConfigGuard guard;
    SetDefaultKeyConfig(&KeyConfig);
    cInput input;
    input.SetRepeat(18, 6);
    std::vector<int> passed, passedUp;
    RunScript("40: RIGHT\n10: RIGHT UP\n", 50, input, [&](cInput& in, int f) {
        in.RepeatDirection();
        if (in.wDir & kDirRight) passed.push_back(f);
        if (in.wDir & kDirUp) passedUp.push_back(f);
    });
    EXPECT_EQ(passed, (std::vector<int>{1, 19, 25, 31, 37, 43, 49}));
    // The vertical axis counts on its own: a new press passes at once.
    EXPECT_EQ(passedUp, (std::vector<int>{41}));

    // An interval of 0 is taken as 1: every frame after the first delay.
    cInput fast;
    fast.SetRepeat(3, 0);
    passed.clear();
    RunScript("6: LEFT\n", 6, fast, [&](cInput& in, int f) {
        in.RepeatDirection();
        if (in.wDir) passed.push_back(f);
    });
    EXPECT_EQ(passed, (std::vector<int>{1, 4, 5, 6}));
}

TEST(Input, TriggerButtonsPassesEachPressOnce) {
    KeyConfigGuard guard;
    SetDefaultKeyConfig(&KeyConfig);
    cInput input;
    std::vector<WORD> seen;
    // Z held 4 frames, released, pressed again with X joining it, then C alone
    // while the mask only covers Z and X.
    RunScript("4: Z\n1:\n2: Z\n2: Z X\n1:\n2: C\n", 12, input, [&](cInput& in, int) {
        in.TriggerButtons(1 | 2);
        seen.push_back(in.wButton);
    });
    EXPECT_EQ(seen, (std::vector<WORD>{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 4, 4}));

    // Mask 0 covers all eight buttons.
    cInput all;
    seen.clear();
    RunScript("3: F\n", 3, all, [&](cInput& in, int) {
        in.TriggerButtons(0);
        seen.push_back(in.wButton);
    });
    EXPECT_EQ(seen, (std::vector<WORD>{128, 0, 0}));
}

TEST(Input, HistoryRunsAndPastStates) {
    KeyConfigGuard guard;
    SetDefaultKeyConfig(&KeyConfig);
    cInput input;
    // Z for 3 frames, nothing for 2, Z X for 1.
    RunScript("3: Z\n2:\n1: Z X\n", 6, input, [](cInput& in, int) {
        in.RecordHistory();
        in.UpdateKeys();
    });
    const WORD expected[] = {3, 0, 0, 1, 1, 1};
    for (int ago = 0; ago < 6; ++ago) EXPECT_EQ(input.GetPastState(1, ago), expected[ago]) << ago;
    EXPECT_EQ(input.GetPastState(1, 6), 0) << "before the first frame: the cleared ring";
    EXPECT_EQ(input.GetPastState(0, 0), 0);

    // Press lists: button 1 (list 1) pressed 1 frame, before that released 2,
    // before that pressed 3; "no button" (list 0) the opposite.
    const KeyHistory& z = input.ButtonKeys[1];
    EXPECT_EQ(z[0].bPressed, 1u);
    EXPECT_EQ(z[0].dwFrames, 1u);
    EXPECT_EQ(z[1].bPressed, 0u);
    EXPECT_EQ(z[1].dwFrames, 2u);
    EXPECT_EQ(z[2].bPressed, 1u);
    EXPECT_EQ(z[2].dwFrames, 3u);
    EXPECT_EQ(input.ButtonKeys[2][0].dwFrames, 1u);
    EXPECT_EQ(input.ButtonKeys[2][1].dwFrames, 5u);
    EXPECT_EQ(input.DirKeys[0][0].bPressed, 1u) << "neutral all along";
    EXPECT_EQ(input.DirKeys[0][0].dwFrames, 6u);

    input.Reset();
    EXPECT_EQ(input.GetPastState(1, 0), 0);
    EXPECT_EQ(input.ButtonKeys[1][0].dwFrames, 0u);
    EXPECT_EQ(input.wButton, 0);
}

TEST(Input, PastStateFurtherBackThanTheRingGivesTheOldestRun) {
    cInput input;
    for (int i = 1; i <= 40; ++i) { // 40 one-frame runs of alternating states
        input.wDir = static_cast<WORD>(i & 1 ? 1 : 2);
        input.RecordHistory();
    }
    EXPECT_EQ(input.GetPastState(0, 0), 2);
    EXPECT_EQ(input.GetPastState(0, 31), 1) << "frame 9, the oldest of the 32 runs";
    EXPECT_EQ(input.GetPastState(0, 500), 1);
    // A run stops growing at the largest signed 32-bit value.
    input.History[0][input.dwHistoryIndex[0]].dwRun = kRunLengthMax;
    input.RecordHistory();
    EXPECT_EQ(input.History[0][input.dwHistoryIndex[0]].dwRun, kRunLengthMax);
}

TEST(Input, PressListsMatchTheirPatterns) {
    const struct {
        WORD dir;
        std::vector<int> pressed; // direction lists that hold
    } cases[] = {
        {0, {0}},    {1, {1, 9}}, {2, {2, 9}}, {4, {3, 9}},  {8, {4, 9}},
        {5, {5, 9}}, {9, {6, 9}}, {6, {7, 9}}, {10, {8, 9}}, {3, {9}},
    };
    for (const auto& c : cases) {
        cInput input;
        input.wDir = c.dir;
        input.wButton = 0x81;
        input.UpdateKeys();
        std::vector<int> got;
        for (int i = 0; i < 10; ++i)
            if (input.DirKeys[i][0].bPressed) got.push_back(i);
        EXPECT_EQ(got, c.pressed) << "direction bits " << c.dir;
        EXPECT_EQ(input.ButtonKeys[0][0].bPressed, 0u);
        EXPECT_EQ(input.ButtonKeys[1][0].bPressed, 1u);
        EXPECT_EQ(input.ButtonKeys[8][0].bPressed, 1u);
        EXPECT_EQ(input.ButtonKeys[2][0].bPressed, 0u);
    }
}

TEST(Input, UpdateInputFollowsTheUseFlagAndStartsAFrame) {
    KeyConfigGuard guard;
    FakeInput fake;
    cVector<cInput> list(2);
    KeyConfig = OtherKeys();
    fake.Hold({'J', VK_RIGHT});
    UpdateInput(list);
    EXPECT_EQ(fake.frames, 1);
    EXPECT_EQ(list.At(0).wDir, kDirLeft);
    EXPECT_EQ(list.At(1).wDir, 0) << "only the player's record is read";
    KeyConfig.dwUse = 0;
    UpdateInput(list);
    EXPECT_EQ(fake.frames, 2);
    EXPECT_EQ(list.At(0).wDir, kDirRight);
    cVector<cInput> none;
    UpdateInput(none); // nothing to fill
    EXPECT_EQ(fake.frames, 3);
}

} // namespace

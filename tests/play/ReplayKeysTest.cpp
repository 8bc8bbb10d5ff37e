// F1 and F2 during play: which recorder the main window is asked to save,
// one request per press however long the key is held, and the refusal of an
// empty recorder at most once a second.
#include "play/ReplayKeys.h"

#include "fixtures/GameGlobals.h"
#include "foundation/Fault.h"
#include "platform/KeyScript.h"
#include "play/PlayHost.h"
#include "play/PlayScene.h"
#include "project/Replay.h"
#include "sound/SoundRequests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_requests; // what the window was asked, in order

LRESULT ReplayKeysProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SAVE_REPLAY) g_requests.push_back("save " + std::to_string(wParam));
    if (message == WM_PLAY_SOUND) g_requests.push_back("sound " + std::to_string(wParam));
    return message == WM_SAVE_REPLAY || message == WM_PLAY_SOUND
               ? 0
               : DefWindowProcA(hwnd, message, wParam, lParam);
}

class cModeHost : public cNullPlayHost {
public:
    int PlayMode() override { return mode; }
    int mode = 3;
};

struct KeyCase {
    const char* name;
    const char* script;
    bool replayEmpty;
    bool prevEmpty;
    int playMode;
    std::uint32_t recording;
    std::vector<std::string> requests;
    std::vector<int> actedFrames; // frames on which the caller was told to end its frame
};

cReplay OneFrame() {
    cReplay r;
    r.m_vDirWord = {1};
    r.m_vDirRun = {1};
    r.m_vBtnWord = {0};
    r.m_vBtnRun = {1};
    return r;
}

const KeyCase kCases[] = {
    {"F1 held: one save of the attempt in progress",
     "100: F1",
     false,
     false,
     3,
     1,
     {"sound 1", "save 0"},
     {0}},
    {"F2 held: the previous attempt", "5: F2", false, false, 3, 1, {"sound 1", "save 1"}, {0}},
    {"both held: the attempt in progress", "5: F1 F2", false, false, 3, 1, {"sound 1", "save 0"}, {0}},
    {"pressed again after a release: a second save",
     "3: F1\n2:\n3: F1",
     false,
     false,
     3,
     1,
     {"sound 1", "save 0", "sound 1", "save 0"},
     {0, 5}},
    {"F1 then F2 without a release: the held press is spent",
     "3: F1\n3: F1 F2\n3: F2",
     false,
     false,
     3,
     1,
     {"sound 1", "save 0"},
     {0}},
    {"an empty recorder is refused once a second while held",
     "130: F1",
     true,
     false,
     3,
     1,
     {"sound 3", "sound 3", "sound 3"},
     {}},
    {"an empty previous one likewise, F1 still saves",
     "2: F2\nF1",
     false,
     true,
     3,
     1,
     {"sound 3", "sound 1", "save 0"},
     {2}},
    {"replay viewing saves nothing", "5: F1", false, false, 4, 1, {}, {}},
    {"recording switched off saves nothing", "5: F1", false, false, 3, 0, {}, {}},
};

} // namespace

TEST(ReplayKeys, F1AndF2AskTheMainWindowOncePerPress) {
    cGameGlobalsGuard globals;
    ASSERT_TRUE(RegisterWindowClass("ReplayKeysTest", ReplayKeysProc));
    const HWND window = CreateWindowA("ReplayKeysTest", "");
    ASSERT_NE(window, nullptr);
    const HWND before = hMainWnd.exchange(window);
    for (const KeyCase& c : kCases) {
        cModeHost host;
        host.mode = c.playMode;
        cScopedPlayHost hostGuard(host);
        cKeyScript script;
        ASSERT_TRUE(script.Parse(c.script, nullptr)) << c.name;
        SetInputSource(&script);
        SystemData.bReplay = c.recording;
        Replay = c.replayEmpty ? cReplay() : OneFrame();
        PrevReplay = c.prevEmpty ? cReplay() : OneFrame();
        g_requests.clear();
        std::vector<int> acted;
        {
            cPlayScene scene;
            for (int frame = 0; frame < script.FrameCount() + 2; ++frame) {
                script.BeginFrame();
                if (scene.CheckReplayHotKeys()) acted.push_back(frame);
            }
        }
        SetInputSource(nullptr);
        EXPECT_EQ(g_requests, c.requests) << c.name;
        EXPECT_EQ(acted, c.actedFrames) << c.name;
    }
    hMainWnd = before;
    DestroyWindow(window);
    UnregisterWindowClass("ReplayKeysTest");
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

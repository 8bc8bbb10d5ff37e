// cPlayScene::CheckReplayHotKeys: F1 saves the attempt in progress, F2 the
// one before it, through the main window's save dialog.
#include "play/ReplayKeys.h"

#include "foundation/Fault.h"
#include "platform/InputDevices.h"
#include "platform/WindowEvents.h"
#include "play/PlayHost.h"
#include "play/PlayScene.h"
#include "project/Replay.h"
#include "project/SystemData.h"

namespace {

constexpr int kSeConfirm = 1;
constexpr int kSeRefused = 3;
constexpr std::int32_t kRefusedInterval = 60; // frames between two refusals while held
constexpr int kVkF2 = VK_F1 + 1;

bool Held(int vk) {
    return (GetAsyncKeyState(vk) & 0x8000) != 0;
}

} // namespace

int cPlayScene::CheckReplayHotKeys() {
    if (PlayHost().PlayMode() == 4 || !SystemData.bReplay) return 0;
    if (nReplayKeyCoolDown > 0) --nReplayKeyCoolDown;
    const bool current = Held(VK_F1);
    const bool previous = Held(kVkF2);
    if (!current && !previous) {
        bReplayKeyHeld = 0;
        return 0;
    }
    // One request per press: a key still held after its dialog closed does
    // not open the dialog again.
    if (bReplayKeyHeld) return 0;
    const cReplay& chosen = current ? Replay : PrevReplay;
    if (chosen.IsEmpty()) {
        // Nothing to save: refused, at most once a second while held.
        if (nReplayKeyCoolDown > 0) return 0;
        PlaySe(kSeRefused);
        nReplayKeyCoolDown = kRefusedInterval;
        return 0;
    }
    PlaySe(kSeConfirm);
    bReplayKeyHeld = 1;
    const HWND window = hMainWnd.load();
    if (window) SendMessageA(window, WM_SAVE_REPLAY, current ? 0 : 1, 0);
    return 1;
}

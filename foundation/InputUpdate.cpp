// Filling the input record from the keyboard and the joysticks: the fixed
// layout and the key configuration.
#include "foundation/Input.h"
#include "foundation/KeyConfig.h"
#include "platform/InputDevices.h"
#include "platform/WindowEvents.h"

#include <vector>

namespace {

// Stick thresholds on the 0-65535 axis range.
constexpr DWORD kStickLow = 10001;  // below: left or up
constexpr DWORD kStickHigh = 55535; // at or above: right or down

constexpr int kFixedButtonKeys[8] = {'Z', 'X', 'C', 'V', 'A', 'S', 'D', 'F'};

bool Held(int vk) {
    return (GetAsyncKeyState(vk) & 0x8000) != 0;
}

} // namespace

bool IsJoyAxisCode(const JOYINFOEX& state, DWORD code) {
    switch (code) {
    case kJoyCodeLeft:
        return state.dwXpos < kStickLow;
    case kJoyCodeRight:
        return state.dwXpos >= kStickHigh;
    case kJoyCodeUp:
        return state.dwYpos < kStickLow;
    case kJoyCodeDown:
        return state.dwYpos >= kStickHigh;
    default:
        return false;
    }
}

bool cInput::PollJoystick(unsigned id, int retryFrames, JOYINFOEX* info) {
    if (!bJoyOk && nJoyRetry > 0) {
        --nJoyRetry;
        return false;
    }
    *info = JOYINFOEX{};
    info->dwSize = sizeof(JOYINFOEX);
    info->dwFlags = JOY_RETURNX | JOY_RETURNY | JOY_RETURNBUTTONS;
    if (joyGetPosEx(id, info) != JOYERR_NOERROR) {
        bJoyOk = 0;
        nJoyRetry = retryFrames * 2;
        return false;
    }
    bJoyOk = 1;
    return true;
}

int cInput::Update(int joy, int deviceFlags, int retryFrames) {
    if (KeyConfig.dwUse) return 0;
    bool joyDirection = false, joyButton = false;
    JOYINFOEX js;
    if ((deviceFlags & 1) && joy >= 0 && PollJoystick(static_cast<unsigned>(joy), retryFrames, &js)) {
        nDirNum = kDirNeutral;
        wDir = 0;
        if (js.dwXpos < kStickLow) {
            wDir = kDirLeft;
            nDirNum = 4;
        } else if (js.dwXpos >= kStickHigh) {
            wDir = kDirRight;
            nDirNum = 6;
        }
        if (js.dwYpos < kStickLow) {
            wDir |= kDirUp;
            nDirNum -= 3;
        } else if (js.dwYpos >= kStickHigh) {
            wDir |= kDirDown;
            nDirNum += 3;
        }
        wButton = 0;
        for (int k = 0; k < 8; ++k)
            if (js.dwButtons & wJoyMask[k]) wButton |= static_cast<WORD>(1u << k);
        joyDirection = wDir != 0;
        joyButton = wButton != 0;
    }
    if (deviceFlags & 2) {
        if (!joyDirection) {
            // Opposite arrows are added independently: left and right together
            // give bits 3 and the neutral number.
            nDirNum = kDirNeutral;
            wDir = 0;
            if (Held(VK_LEFT)) wDir |= kDirLeft, nDirNum -= 1;
            if (Held(VK_RIGHT)) wDir |= kDirRight, nDirNum += 1;
            if (Held(VK_UP)) wDir |= kDirUp, nDirNum -= 3;
            if (Held(VK_DOWN)) wDir |= kDirDown, nDirNum += 3;
        }
        if (!joyButton) {
            wButton = 0;
            for (int k = 0; k < 8; ++k)
                if (Held(kFixedButtonKeys[k])) wButton |= static_cast<WORD>(1u << k);
        }
    }
    return 1;
}

int cInput::UpdateByKeyConfig(int players, int retryFrames) {
    (void)players; // one record is one player
    if (!KeyConfig.dwUse) return 0;
    const DWORD joyCount = KeyConfig.dwJoyCount < kMaxJoysticks ? KeyConfig.dwJoyCount : kMaxJoysticks;
    std::vector<JOYINFOEX> sticks(joyCount);
    std::vector<bool> read(joyCount, false);
    for (DWORD j = 0; j < joyCount; ++j) read[j] = PollJoystick(j, retryFrames, &sticks[j]);
    auto held = [&](const KEYASSIGN& a) {
        if (a.dwDevice == kKeyDeviceKeyboard) return Held(a.wCode);
        // A joystick that is not polled, or whose read failed, holds nothing.
        if (a.dwDevice >= joyCount || !read[a.dwDevice]) return false;
        const JOYINFOEX& s = sticks[a.dwDevice];
        return IsJoyAxisCode(s, a.wCode) || (s.dwButtons & a.wCode) != 0;
    };
    nDirNum = kDirNeutral;
    wDir = 0;
    wButton = 0;
    const KEYASSIGN* keys = KeyConfig.Keys;
    if (held(keys[0])) {
        wDir |= kDirLeft;
        nDirNum -= 1;
    } else if (held(keys[1])) {
        wDir |= kDirRight;
        nDirNum += 1;
    }
    if (held(keys[2])) {
        wDir |= kDirUp;
        nDirNum -= 3;
    } else if (held(keys[3])) {
        wDir |= kDirDown;
        nDirNum += 3;
    }
    const DWORD count = KeyConfig.dwCount < kKeyAssignCount ? KeyConfig.dwCount : kKeyAssignCount;
    for (DWORD k = 0; k + 4 < count; ++k)
        if (held(keys[4 + k])) wButton |= static_cast<WORD>(1u << k);
    return 1;
}

void UpdateInput(cVector<cInput>& inputs) {
    BeginInputFrame();
    if (inputs.empty()) return;
    cInput& player = inputs.At(0);
    if (KeyConfig.dwUse == 0)
        player.Update(0, 3, 60);
    else
        player.UpdateByKeyConfig(1, 60);
}

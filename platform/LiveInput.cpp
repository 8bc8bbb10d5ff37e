// The live input source. Keys: the UI thread's event pump sets and clears a
// held flag per virtual-key code. Joysticks: SDL's joystick handles are
// opened, read and closed on the UI thread only; what the game thread reads
// is a snapshot of their axes and buttons taken after every pump, so a
// joystick pulled out mid-frame can never be touched by the game thread.
// Joystick numbers are slots: a joystick keeps its number while it stays
// plugged in, and a new one takes the lowest free number.
#include "platform/InputDevices.h"

#include <SDL.h>
#include <array>
#include <atomic>
#include <mutex>

namespace {

std::array<std::atomic<bool>, 256> keys{};

struct Slot {
    SDL_Joystick* handle = nullptr; // UI thread only
    SDL_JoystickID instance = -1;
};
std::array<Slot, kMaxJoysticks> slots{};
bool joysticksOpen = false;

std::mutex snapshotMutex;
std::array<bool, kMaxJoysticks> present{};
std::array<JoystickState, kMaxJoysticks> snapshot{};

DWORD AxisToPosition(Sint16 v) {
    return static_cast<DWORD>(static_cast<int>(v) + 32768);
}

class cLiveInput : public cInputSource {
public:
    void BeginFrame() override {}
    bool KeyHeld(int vk) override { return vk >= 0 && vk < 256 && keys[vk].load(std::memory_order_relaxed); }
    bool ReadJoystick(UINT id, JoystickState* state) override {
        if (id >= kMaxJoysticks) return false;
        std::lock_guard<std::mutex> lock(snapshotMutex);
        if (!present[id]) return false;
        *state = snapshot[id];
        return true;
    }
};

cLiveInput live;

} // namespace

cInputSource& LiveInputSource() {
    return live;
}

void SetLiveKeyHeld(int vk, bool held) {
    if (vk >= 0 && vk < 256) keys[vk].store(held, std::memory_order_relaxed);
}

void ReleaseLiveKeys() {
    for (auto& k : keys) k.store(false, std::memory_order_relaxed);
}

void OpenLiveJoysticks() {
    if (joysticksOpen) return;
    // The game reads joysticks whether or not the window has the focus.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return; // no joystick support: none present
    joysticksOpen = true;
    // Joysticks already plugged in are announced as added events as well;
    // LiveJoystickAdded ignores one it already holds.
    for (int i = 0; i < SDL_NumJoysticks(); ++i) LiveJoystickAdded(i);
    RefreshLiveJoysticks();
}

void CloseLiveJoysticks() {
    if (!joysticksOpen) return;
    for (Slot& s : slots) {
        if (s.handle) SDL_JoystickClose(s.handle);
        s = Slot{};
    }
    {
        std::lock_guard<std::mutex> lock(snapshotMutex);
        present.fill(false);
    }
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    joysticksOpen = false;
}

void LiveJoystickAdded(int deviceIndex) {
    if (!joysticksOpen) return;
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0) return;
    for (const Slot& s : slots)
        if (s.handle && s.instance == id) return;
    for (Slot& s : slots) {
        if (s.handle) continue;
        SDL_Joystick* j = SDL_JoystickOpen(deviceIndex);
        if (!j) return;
        s.handle = j;
        s.instance = SDL_JoystickInstanceID(j);
        return;
    }
    // More joysticks than numbers: the extra one is not read.
}

void LiveJoystickRemoved(std::int32_t instanceId) {
    for (Slot& s : slots) {
        if (!s.handle || s.instance != instanceId) continue;
        SDL_JoystickClose(s.handle);
        s = Slot{};
    }
    RefreshLiveJoysticks();
}

void RefreshLiveJoysticks() {
    std::array<bool, kMaxJoysticks> nowPresent{};
    std::array<JoystickState, kMaxJoysticks> now{};
    for (std::size_t i = 0; i < slots.size(); ++i) {
        SDL_Joystick* j = slots[i].handle;
        if (!j || !SDL_JoystickGetAttached(j)) continue;
        nowPresent[i] = true;
        if (SDL_JoystickNumAxes(j) > 0) now[i].x = AxisToPosition(SDL_JoystickGetAxis(j, 0));
        if (SDL_JoystickNumAxes(j) > 1) now[i].y = AxisToPosition(SDL_JoystickGetAxis(j, 1));
        const int buttons = std::min(SDL_JoystickNumButtons(j), 32);
        for (int b = 0; b < buttons; ++b)
            if (SDL_JoystickGetButton(j, b)) now[i].buttons |= DWORD{1} << b;
    }
    std::lock_guard<std::mutex> lock(snapshotMutex);
    present = nowPresent;
    snapshot = now;
}

#include "platform/InputDevices.h"

#include <atomic>

namespace {

std::atomic<cInputSource*> installed{nullptr};

} // namespace

void SetInputSource(cInputSource* source) {
    installed = source;
}

cInputSource& InputSource() {
    cInputSource* s = installed.load();
    return s ? *s : LiveInputSource();
}

SHORT GetAsyncKeyState(int vk) {
    if (vk < 0 || vk > 255) return 0;
    return InputSource().KeyHeld(vk) ? static_cast<SHORT>(0x8000) : 0;
}

MMRESULT joyGetPosEx(UINT id, JOYINFOEX* info) {
    if (!info || info->dwSize != sizeof(JOYINFOEX) || id >= kMaxJoysticks) return JOYERR_PARMS;
    JoystickState state;
    const bool present = InputSource().ReadJoystick(id, &state);
    if (!present) state = JoystickState{};
    const DWORD flags = info->dwFlags;
    *info = JOYINFOEX{};
    info->dwSize = sizeof(JOYINFOEX);
    info->dwFlags = flags;
    if (flags & JOY_RETURNX) info->dwXpos = state.x;
    if (flags & JOY_RETURNY) info->dwYpos = state.y;
    if (flags & JOY_RETURNBUTTONS) info->dwButtons = state.buttons;
    return present ? JOYERR_NOERROR : JOYERR_UNPLUGGED;
}

void BeginInputFrame() {
    InputSource().BeginFrame();
}

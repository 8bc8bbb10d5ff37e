// The player's input devices as the game reads them: the held state of a key
// by virtual-key code (GetAsyncKeyState) and the position and buttons of a
// joystick (joyGetPosEx). Behind these calls stands one input source:
// - the live one (the default): keys from the program window's key events and
//   joysticks from SDL, both fed by the UI thread (WindowEvents.cpp) into
//   snapshots that any thread may read;
// - a scripted one (KeyScript.h): a list of held keys per frame, for headless
//   runs and tests, so that they drive exactly the code path a player does.
// BeginInputFrame() is called once per game frame before the devices are
// read; a scripted source moves to its next frame there.
#pragma once

#include "platform/Types.h"

#include <cstdint>

using SHORT = std::int16_t;
using MMRESULT = UINT;

constexpr DWORD JOY_RETURNX = 0x00000001;
constexpr DWORD JOY_RETURNY = 0x00000002;
constexpr DWORD JOY_RETURNBUTTONS = 0x00000080;
constexpr MMRESULT JOYERR_NOERROR = 0;
constexpr MMRESULT JOYERR_PARMS = 165;
constexpr MMRESULT JOYERR_UNPLUGGED = 167;
// Joystick numbers a program may ask for (0-15).
constexpr UINT kMaxJoysticks = 16;
// Axis values run from 0 (left, up) to 65535 (right, down).
constexpr DWORD kJoyAxisCentre = 32767;

struct JOYINFOEX {
    DWORD dwSize = 0;
    DWORD dwFlags = 0;
    DWORD dwXpos = 0, dwYpos = 0, dwZpos = 0, dwRpos = 0, dwUpos = 0, dwVpos = 0;
    DWORD dwButtons = 0;
    DWORD dwButtonNumber = 0;
    DWORD dwPOV = 0;
    DWORD dwReserved1 = 0, dwReserved2 = 0;
};
static_assert(sizeof(JOYINFOEX) == 52);

// One joystick's state as a source reports it.
struct JoystickState {
    DWORD x = kJoyAxisCentre, y = kJoyAxisCentre;
    DWORD buttons = 0; // bit k: button k + 1
};

class cInputSource {
public:
    virtual ~cInputSource() = default;
    // A new game frame begins.
    virtual void BeginFrame() = 0;
    // Virtual-key code 0-255.
    virtual bool KeyHeld(int vk) = 0;
    // False when joystick `id` is not there.
    virtual bool ReadJoystick(UINT id, JoystickState* state) = 0;
};

// The source in use; nullptr restores the live one. Installed before the
// game thread starts, or by a test around its own calls.
void SetInputSource(cInputSource* source);
cInputSource& InputSource();
cInputSource& LiveInputSource();

// Bit 15 set while the key is held; 0 for codes outside 0-255.
SHORT GetAsyncKeyState(int vk);
// JOYERR_UNPLUGGED for a joystick that is not there (it then reads as
// centred with no buttons), JOYERR_PARMS for a bad id or structure.
MMRESULT joyGetPosEx(UINT id, JOYINFOEX* info);
void BeginInputFrame();

// Feeding the live source (the UI thread's event pump).
void SetLiveKeyHeld(int vk, bool held);
// Focus lost: no key stays held.
void ReleaseLiveKeys();
// Joystick hot-plug and state, on the UI thread only: opening fails quietly
// when SDL has no joystick support here.
void OpenLiveJoysticks();
void CloseLiveJoysticks();
void LiveJoystickAdded(int deviceIndex);
void LiveJoystickRemoved(std::int32_t instanceId);
// Copies the open joysticks' axes and buttons into the snapshot.
void RefreshLiveJoysticks();

// The events of the program's window (the SDL window of the UI thread) turned
// into the window messages the program handles: the close box becomes
// WM_CLOSE, gaining and losing the input focus WM_ACTIVATEAPP (1 / 0), keys
// WM_KEYDOWN / WM_KEYUP with virtual-key codes. A termination signal (Ctrl+C,
// SIGTERM) also becomes WM_CLOSE, so the program closes in order. Key events
// and joystick hot-plug also feed the live input source (InputDevices.h).
//
// A UI thread pumps both sources in turn: PumpWindowEvents, then its message
// queue, then WaitWindowEvents, which a message posted to the thread or a
// frame handed over by another thread ends early.
#pragma once

#include "platform/Messages.h"

#include <string>

constexpr UINT WM_ACTIVATEAPP = 0x001C;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;

constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_F1 = 0x70;

class cSdlPresenter;

// Starts the event source on the calling (UI) thread and lets messages posted
// to this thread wake WaitWindowEvents. False when SDL's events can't start.
bool StartWindowEvents();
void StopWindowEvents();
// Takes every waiting window event, posts its message to `target` and draws a
// frame the game thread handed to the presenter. Returns the messages posted.
int PumpWindowEvents(HWND target, cSdlPresenter* presenter);
// Waits at most timeoutMs for a window event, a posted message or a frame.
void WaitWindowEvents(DWORD timeoutMs);
// The virtual-key code of an SDL key code; 0 for keys the program has no code for.
int VirtualKeyFromSdl(int sdlKey);
// The window's caption, given in code page 932.
void SetPresenterTitle(cSdlPresenter* presenter, const std::string& titleCp932);

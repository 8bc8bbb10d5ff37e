// The UI thread's keyboard hook and the input method's composition state.
// Keys that reach a dialog's controls pass the installed hook first (one
// WH_KEYBOARD procedure per thread), as they do on the desktop; the hook
// procedure sees the virtual key and an lParam whose bit 31 marks a release.
// The composition string is what the input method holds open in a window
// (a presenter with an input method keeps it up to date).
#pragma once

#include "platform/Messages.h"

#include <string>

struct HHOOK__;
using HHOOK = HHOOK__*;
using HOOKPROC = LRESULT (*)(int code, WPARAM wParam, LPARAM lParam);

constexpr int WH_KEYBOARD = 2;
constexpr int HC_ACTION = 0;
constexpr int HC_NOREMOVE = 3;

// Installs the procedure for the thread `threadId`; null when one is
// installed there already or the procedure is null.
HHOOK SetWindowsHookExA(int kind, HOOKPROC proc, void* module, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
// Runs the calling thread's keyboard hook for a key (a release when `up`);
// 0 when no hook is installed.
LRESULT RunKeyboardHook(int virtualKey, bool up);

// The window that takes keys: the innermost modal dialog of this thread,
// else the window set active (the program's main window).
HWND GetActiveWindow();
HWND SetActiveWindow(HWND hwnd);

struct HIMC__;
using HIMC = HIMC__*;
constexpr DWORD GCS_COMPSTR = 0x0008;
HIMC ImmGetContext(HWND hwnd);
BOOL ImmReleaseContext(HWND hwnd, HIMC context);
// The byte length of the open composition (GCS_COMPSTR), 0 when none.
LONG ImmGetCompositionStringA(HIMC context, DWORD index, void* buffer, DWORD size);
// Kept by the presenter's input method (empty: no composition open).
void SetCompositionString(HWND hwnd, const std::string& text);

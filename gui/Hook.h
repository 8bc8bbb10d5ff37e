// The keyboard hook of the dialogs. A dialog does not see the keys that go to
// its focused control, so every dialog ties its window to the UI thread's
// keyboard hook, which posts copies of key presses and releases to the active
// dialog: the hooked keys as the message WM_DIALOG_KEY (turned into an
// immediate WM_KEYDOWN by the dialog), the others as WM_KEYDOWN. While the
// input method holds an open composition, Enter and the hooked keys belong to
// the input method and are not copied as dialog keys.
#pragma once

#include "platform/KeyboardHook.h"

constexpr UINT WM_DIALOG_KEY = WM_USER + 1000;

class cHook {
public:
    virtual ~cHook() = default;
    // Ties the window to the hook and installs the hook once per run; false
    // when it could not be installed.
    bool KeyboardHook(HWND hwnd, int flags);
    static LRESULT KeyboardProc(int code, WPARAM virtualKey, LPARAM lParam);

    HWND Window() const { return m_hWnd; }

private:
    HWND m_hWnd = nullptr;
    int m_Flags = 0;
};

// Space, the arrow keys, Delete and F1 to F8.
bool IsHookedKey(int virtualKey);
// Removes the hook (shutdown).
void UnhookKeyboard();
// 1 while Ctrl is held (as the hook saw it).
int HookCtrlState();

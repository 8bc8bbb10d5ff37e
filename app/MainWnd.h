// cMainWnd: the program's one top-level window. Its handler runs on the UI
// thread and serves the game side's program messages, the close of the
// program, the window record and the notices to the companion editor.
#pragma once

#include "gui/Wnd.h"

// The frame driver's request after a failed present: recover the lost device.
constexpr UINT WM_RESTORE_DEVICE = WM_USER + 100;

class cMainWnd : public cWnd {
public:
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
};

extern cMainWnd MainWnd;

// The editor's window, looked up each time; null when no editor runs.
HWND FindEditorWindow();
// Tells an editor that started this run that it ended (1) or failed to start
// (0); with no editor the notice goes nowhere.
void NotifyEditor(std::uint32_t value);
// The first notice of an editor-started run: its window exists.
void NotifyEditorStarted();

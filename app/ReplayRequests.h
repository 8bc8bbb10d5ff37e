// The main window's replay dialogs: WM_USER+3 opens a replay to view (the
// title scene then enters stage play), WM_USER+4 saves the attempt in
// progress or the previous one (F1 and F2 during play). A replay that can't
// be read or written shows its message and the program goes on.
#pragma once

#include "platform/Messages.h"

class cWnd;

// WM_USER+3: the chosen replay is read into `Replay`, `Stage`, `ReplayStage`
// and `PlayData` (its start copy too); bDialogResult 1 when it was. A cancel,
// or a file that can't be read after its message, leaves them as they were.
LRESULT OnReplayOpenRequest(cWnd* mainWindow);
// WM_USER+4: wParam 0 saves `Replay` with `ReplayPlayData`, non-zero
// `PrevReplay` with `PrevReplayPlayData`, under the name the player confirms
// (an existing file only after a yes to saving over it). bDialogResult 1
// when the file was written.
LRESULT OnReplaySaveRequest(cWnd* mainWindow, WPARAM which);

// The request by which stage play asks the main window to save a replay:
// wParam 0 the attempt in progress (F1), 1 the previous attempt (F2). The
// main window shows the save dialog and writes the file before the send
// returns; the play scene's CheckReplayHotKeys sends it.
#pragma once

#include "platform/Messages.h"

constexpr UINT WM_SAVE_REPLAY = WM_USER + 4;

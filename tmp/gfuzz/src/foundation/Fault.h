// Faults the game cannot go on from end the program through its ordinary
// shutdown: the fault is logged and WM_CLOSE is posted to the main window.
#pragma once

#include "platform/Messages.h"

#include <atomic>
#include <cstdint>

// The main window: the target of every WM_CLOSE a fault posts and of the
// program messages. Set by the UI thread, read by every thread.
extern std::atomic<HWND> hMainWnd;

// Posts WM_CLOSE to the main window (when there is one) and counts the request.
void PostMainWindowClose();
// How many close requests were made in this run; tests read it.
std::uint64_t MainWindowCloseRequests();

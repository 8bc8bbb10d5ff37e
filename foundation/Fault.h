// Faults the game cannot go on from end the program through its ordinary
// shutdown: the fault is logged and WM_CLOSE is posted to the main window.
#pragma once

#include <cstdint>

// Posts WM_CLOSE to the main window (when there is one) and counts the request.
void PostMainWindowClose();
// How many close requests were made in this run; tests read it.
std::uint64_t MainWindowCloseRequests();

// Unattended runs (tests, headless checks): the environment variable
// BRINDLE4_CLOSE_AFTER_FRAMES=n makes the game thread ask the main window to
// close after n frames, as the window's close box would. The request and the
// end of the run are written to the report, like every other unattended answer.
#pragma once

#include "platform/Types.h"

// Reads the variable; 0 when it is not set or not a positive number.
DWORD ReadScriptedCloseFrames();
void SetScriptedCloseFrames(DWORD frames);
// Called after every frame; posts WM_CLOSE once when the count is reached.
void CheckScriptedClose(DWORD frameCount);
// Called when the program has shut down, with the frames shown.
void ReportScriptedCloseEnd(unsigned long long framesPresented);

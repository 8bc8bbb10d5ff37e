// user_data\Window.dat: where the window stood when the program closed in a
// window, read again at the next start.
#pragma once

#include "project/WindowData.h"

class cSdlPresenter;

// The record of the window as it stands; false (nothing) while it is minimised.
bool TakeWindowRecord(cSdlPresenter& presenter, int clientWidth, int clientHeight, cWindowData& out);
// Saves the window's record (not while minimised); false when nothing was written.
bool SaveWindowRecord(cSdlPresenter* presenter, const std::string& path);
// Reads the record and puts the window there, clamped onto the work area;
// false (the window stays) when the file is missing or damaged. `maximise`
// tells whether it was maximised.
bool RestoreWindowRecord(cSdlPresenter* presenter, const std::string& path, bool& maximise);

// user_data\Window.dat: where the window stood when the program closed in a
// window, read again at the next start. The record keeps the window's corner
// relative to the work area, both when it is taken and when it is put back,
// so that a window the user did not move stays where it was.
#pragma once

#include "platform/DirectDrawTypes.h"
#include "project/WindowData.h"

class cSdlPresenter;

// The record of a window whose top-left corner stands at (x, y) on the screen.
cWindowData WindowRecordAt(int x, int y, const RECT& workArea, bool maximised);
// Clamps the record onto the work area and gives the screen position it stands for.
void PlaceFromWindowRecord(cWindowData& record, const RECT& workArea, int& x, int& y);

// Saves the window's record (not while minimised); false when nothing was written.
bool SaveWindowRecord(cSdlPresenter* presenter, const std::string& path);
// Reads the record and puts the window there, clamped onto the work area;
// false (the window stays) when the file is missing or damaged. `maximise`
// tells whether it was maximised.
bool RestoreWindowRecord(cSdlPresenter* presenter, const std::string& path, bool& maximise);

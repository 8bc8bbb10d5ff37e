// Menus of the screens and the play menus: menus of `cCmd` items and menus
// made of screen words, laid out in 16-pixel rows and drawn with the second
// system font in a framed box.
#pragma once

#include "foundation/Containers.h"
#include "graphics/SurfaceData.h"
#include "records/Cmd.h"

#include <cstdint>

// The left edge that centres a menu of the enabled items on x: one column per
// character of the longest text and one for the cursor; x itself when no
// enabled item has text.
int GetCenteredMenuX(int x, const cVector<cCmd>& entries);
// The enabled items in a framed box at (x, y), one per row, text from the second column.
void DrawCmdMenu(DDSURFACEDATA* dst, int x, int y, const cVector<cCmd>& entries);
// The screen words first .. first + n - 1 in a framed box at (x, y), one per
// row; with `cursor` each row begins with a blank column for the caller's cursor.
void DrawWordMenu(DDSURFACEDATA* dst, int x, int y, std::int32_t first, std::int32_t n, std::int32_t cursor);

// A message box through SDL's own box window. SDL draws it with the X
// server's core fonts, which have no Japanese: it only stands in where GTK
// cannot open the display (platform/GtkMessageBox.h).
#pragma once

#include "platform/Messages.h"

#include <string>

int ShowSdlMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

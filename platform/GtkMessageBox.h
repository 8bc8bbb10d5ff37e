// Message boxes on the display as GTK message dialogs, which draw their text
// through fontconfig with the installed Japanese faces. Installed as the
// presenter of platform/MessageBox.h; headless runs still answer unattended.
// The texts arrive in code page 932; the buttons, the default button and the
// answers are those of platform/MessageBox.h.
#pragma once

void InstallGtkMessageBoxes();

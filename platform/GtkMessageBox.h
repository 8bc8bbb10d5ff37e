// Message boxes on the display as GTK message dialogs, which draw their text
// through fontconfig with the installed Japanese faces. Installed at start-up
// as the presenter of platform/MessageBox.h; headless runs still answer
// unattended. Where GTK can't open the display, SDL's own box stands in.
// The texts arrive in code page 932; the buttons, the default button and the
// answers are those of platform/MessageBox.h.
#pragma once

#include "platform/MessageBox.h"

cMessageBoxPresenter& GtkMessageBoxPresenter();

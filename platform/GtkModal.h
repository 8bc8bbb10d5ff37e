// What the GTK dialog presenters share: whether a user can be asked at all,
// and the UI thread's part while a GTK dialog is up.
#pragma once

// True when dialogs can be shown on a display (not headless, GTK opened it).
bool GtkCanShowDialogs();

// Serves this thread's messages once: the sent ones, then every posted one.
// False when the dialog has to end unanswered: the program is closing (the
// WM_QUIT taken is put back for the program's own loop) or the display went
// away.
bool ServeMessagesWhileModal();

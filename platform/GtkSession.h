// GTK for the program's message boxes and dialogs. GTK is used from one
// thread only: the session's own, started at the first use, which opens the
// display and runs GTK's main loop. Any thread hands it work with RunInGtk()
// and waits until the work is done, so a box asked for by the game thread and
// one asked for by the UI thread behave alike: the asker waits, as a modal
// box makes it wait. Work that itself asks for a box (a dialog handler
// showing a message) runs at once, as it already is on the GTK thread.
//
// GTK leaves the C locale alone (numbers keep their '.'), and a display that
// goes away while the session is open does not end the process from inside
// GTK: see platform/DisplayLoss.h.
#pragma once

#include <functional>

// Starts the session if it is not running. False when GTK cannot open the
// display (no DISPLAY, a stale one) or the run is headless; then nothing
// else here does anything.
bool StartGtkSession();
bool GtkSessionRunning();
// Runs `work` on the GTK thread and returns when it has run. False (and
// `work` not run) when there is no session.
bool RunInGtk(const std::function<void()>& work);
// True on the GTK thread.
bool OnGtkThread();
// Ends GTK's loop and the thread. Work asked for later is refused.
void StopGtkSession();

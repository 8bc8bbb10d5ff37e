// The X display going away while the program runs (the server ends, the
// connection breaks). Xlib's own answer is to end the process on the spot,
// from inside whatever call noticed, with threads running, files open and
// the instance lock held. Here the loss is only noted: the connection stays
// dead (every later call on it returns at once) and the UI thread's pump
// turns the loss into a close, so the program ends in order.
#pragma once

struct SDL_Window;

// Watches the connection of the program's SDL window (X11 only; others are
// left alone).
void WatchDisplayLoss(SDL_Window* window);
// Watches GTK's connection (an X `Display*`), opened apart from SDL's.
void WatchGtkDisplayLoss(void* xDisplay);
// True once a watched connection was lost.
bool DisplayLost();

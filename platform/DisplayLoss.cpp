#include "platform/DisplayLoss.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<bool> lost{false};
// The connections whose loss the program survives (SDL's window, GTK's).
std::atomic<Display*> watched[2] = {nullptr, nullptr};

// Called first, for any connection; GTK's handler would end the process.
int NoteLoss(Display* display) {
    if (!lost.exchange(true))
        std::fprintf(stderr, "brindle4: lost the connection to the display %s; closing\n",
                     DisplayString(display));
    // Xlib ends the process after this for a connection nobody watches (one
    // SDL keeps for itself), and from inside Xlib its exit deadlocks in the X
    // libraries' own clean-up: the process ends here instead.
    if (display != watched[0] && display != watched[1]) {
        std::fflush(nullptr);
        std::_Exit(1);
    }
    return 0;
}

// Requests that fail because the connection died come back as protocol
// errors too (the GL library reports its own this way), and Xlib's default
// answer to those is exit(): from inside the UI thread's drawing, with the
// game thread waiting on it, the exit handlers would wait for ever. Once the
// display is lost they are ignored; before, they go where they went.
std::atomic<XErrorHandler> previousErrorHandler{nullptr};

int IgnoreAfterLoss(Display* display, XErrorEvent* error) {
    if (lost) return 0;
    XErrorHandler previous = previousErrorHandler;
    return previous ? previous(display, error) : 0;
}

// Called next, for a watched connection: returning keeps the process alive.
void KeepRunning(Display*, void*) {
    lost = true;
}

void Watch(Display* display, int slot) {
    watched[slot] = display;
    XSetIOErrorHandler(NoteLoss);
    // GTK, opening its display, puts its own handler first: it stays next in line.
    XErrorHandler previous = XSetErrorHandler(IgnoreAfterLoss);
    if (previous != IgnoreAfterLoss) previousErrorHandler = previous;
    XSetIOErrorExitHandler(display, KeepRunning, nullptr);
}

} // namespace

void WatchDisplayLoss(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    Watch(info.info.x11.display, 0);
}

void WatchGtkDisplayLoss(void* xDisplay) {
    if (xDisplay) Watch(static_cast<Display*>(xDisplay), 1);
}

bool DisplayLost() {
    return lost;
}

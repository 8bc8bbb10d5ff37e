#include "platform/DisplayLoss.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <atomic>
#include <cstdio>

namespace {

std::atomic<bool> lost{false};

// Called first, for any connection; GTK's handler would end the process.
int NoteLoss(Display* display) {
    if (!lost.exchange(true))
        std::fprintf(stderr, "brindle4: lost the connection to the display %s; closing\n",
                     DisplayString(display));
    return 0;
}

// Called next, for a watched connection: returning keeps the process alive.
void KeepRunning(Display*, void*) {
    lost = true;
}

void Watch(Display* display) {
    XSetIOErrorHandler(NoteLoss);
    XSetIOErrorExitHandler(display, KeepRunning, nullptr);
}

} // namespace

void WatchDisplayLoss(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    Watch(info.info.x11.display);
}

void WatchGtkDisplayLoss(void* xDisplay) {
    if (xDisplay) Watch(static_cast<Display*>(xDisplay));
}

bool DisplayLost() {
    return lost;
}

#include "platform/WindowEvents.h"

#include "platform/Cp932.h"
#include "platform/DisplayLoss.h"
#include "platform/InputDevices.h"
#include "platform/SdlPresenter.h"

#include <SDL.h>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <mutex>

namespace {

std::atomic<Uint32> wakeEvent{0};
bool started = false;
bool closedForLostDisplay = false;

// A message for the UI thread ends its wait on the window's events.
class cSdlWake : public cMessageArrival {
public:
    void MessageArrived() override {
        SDL_Event e{};
        e.type = wakeEvent.load();
        SDL_PushEvent(&e);
    }
};
cSdlWake sdlWake;

// SDL waits for events without polling only where the video driver can (X11);
// under the dummy driver of headless runs SDL_WaitEventTimeout looks every
// millisecond. There the wait is on this signal instead, which every event
// pushed into SDL's queue raises (a posted message's wake-up, a frame handed
// over by the game thread, anything SDL queues itself).
struct EventSignal {
    std::mutex m;
    std::condition_variable cv;
    bool raised = false;
    bool used = false;
};
EventSignal eventSignal;

int RaiseEventSignal(void*, SDL_Event*) {
    {
        std::lock_guard<std::mutex> lock(eventSignal.m);
        eventSignal.raised = true;
    }
    eventSignal.cv.notify_one();
    return 1;
}

bool DriverWaitsByPolling() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return !driver || std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0;
}

LPARAM KeyLParam(const SDL_KeyboardEvent& k, bool down) {
    LPARAM l = 1; // repeat count
    if (k.repeat) l |= LPARAM{1} << 30;
    if (!down) l |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
    return l;
}

} // namespace

bool StartWindowEvents() {
    if (started) return true;
    // The close box gives a window event only; SDL_QUIT then means a signal.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_InitSubSystem(SDL_INIT_EVENTS) != 0) return false;
    Uint32 type = SDL_RegisterEvents(1);
    if (type == static_cast<Uint32>(-1)) {
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
        return false;
    }
    wakeEvent = type;
    OpenLiveJoysticks();
    eventSignal.used = DriverWaitsByPolling();
    if (eventSignal.used) SDL_AddEventWatch(RaiseEventSignal, nullptr);
    SetMessageArrivalHook(&sdlWake);
    started = true;
    return true;
}

void StopWindowEvents() {
    if (!started) return;
    SetMessageArrivalHook(nullptr);
    if (eventSignal.used) SDL_DelEventWatch(RaiseEventSignal, nullptr);
    eventSignal.used = false;
    CloseLiveJoysticks();
    ReleaseLiveKeys();
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
    started = false;
}

int VirtualKeyFromSdl(int key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + (key - SDLK_F1);
    switch (key) {
    case SDLK_BACKSPACE:
        return VK_BACK;
    case SDLK_TAB:
        return VK_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return VK_RETURN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
        return VK_MENU;
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_SPACE:
        return VK_SPACE;
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_UP:
        return VK_UP;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_DOWN:
        return VK_DOWN;
    case SDLK_DELETE:
        return VK_DELETE;
    default:
        return 0;
    }
}

int PumpWindowEvents(HWND target, cSdlPresenter* presenter) {
    int posted = 0;
    auto post = [&](UINT message, WPARAM w, LPARAM l) {
        if (target && PostMessageA(target, message, w, l)) ++posted;
    };
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_QUIT:
            post(WM_CLOSE, 0, 0);
            break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) post(WM_CLOSE, 0, 0);
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED && presenter) presenter->Redraw();
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) post(WM_ACTIVATEAPP, 1, 0);
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                ReleaseLiveKeys(); // their key-up events go to another window
                post(WM_ACTIVATEAPP, 0, 0);
            }
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            int vk = VirtualKeyFromSdl(e.key.keysym.sym);
            bool down = e.type == SDL_KEYDOWN;
            if (vk) {
                SetLiveKeyHeld(vk, down);
                post(down ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(vk), KeyLParam(e.key, down));
            }
            break;
        }
        case SDL_JOYDEVICEADDED:
            LiveJoystickAdded(e.jdevice.which);
            break;
        case SDL_JOYDEVICEREMOVED:
            LiveJoystickRemoved(e.jdevice.which);
            break;
        default:
            break; // wake-ups and frame notices only end the wait
        }
    }
    // A lost display closes the program as its close box would, once.
    if (DisplayLost() && !closedForLostDisplay) {
        closedForLostDisplay = true;
        post(WM_CLOSE, 0, 0);
    }
    RefreshLiveJoysticks();
    if (presenter) presenter->RenderPending();
    return posted;
}

void WaitWindowEvents(DWORD timeoutMs) {
    if (!eventSignal.used) {
        SDL_WaitEventTimeout(nullptr, static_cast<int>(timeoutMs));
        return;
    }
    {
        std::lock_guard<std::mutex> lock(eventSignal.m);
        eventSignal.raised = false;
    }
    // What the driver has (a signal, a joystick) comes into the queue here.
    SDL_PumpEvents();
    if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) return;
    std::unique_lock<std::mutex> lock(eventSignal.m);
    eventSignal.cv.wait_for(lock, std::chrono::milliseconds(timeoutMs), [] { return eventSignal.raised; });
}

void SetPresenterTitle(cSdlPresenter* presenter, const std::string& titleCp932) {
    if (presenter && presenter->Window())
        SDL_SetWindowTitle(presenter->Window(), Cp932ToUtf8(titleCp932).c_str());
}

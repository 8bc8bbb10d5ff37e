#include "platform/SdlPresenter.h"

#include "platform/DisplayLoss.h"

#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A driver that shows no window is only right when it was asked for.
bool IsUsableVideoDriver(const char* driver) {
    if (!driver) return false;
    if (std::strcmp(driver, "dummy") != 0 && std::strcmp(driver, "offscreen") != 0) return true;
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    return asked && std::strcmp(asked, "dummy") == 0 && std::strcmp(driver, "dummy") == 0;
}

// Says on stderr why the window can't be made: the caller's box may have no
// display to show on.
bool Refused(const char* step) {
    std::fprintf(stderr, "brindle4: the window can't be made (%s): %s\n", step, SDL_GetError());
    return false;
}

bool NoDisplay(const char* detail) {
    const char* display = std::getenv("DISPLAY");
    std::string where = display && *display ? "DISPLAY=" + std::string(display) : "DISPLAY is not set";
    std::fprintf(
        stderr,
        "brindle4: the window can't be made: no display (%s: %s); SDL_VIDEODRIVER=dummy runs without a "
        "window\n",
        where.c_str(), detail);
    return false;
}

} // namespace

cSdlPresenter::~cSdlPresenter() {
    Close();
}

bool cSdlPresenter::Open(const std::string& titleUtf8, int width, int height, bool fullScreen) {
    Close();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return NoDisplay(SDL_GetError());
    initedVideo_ = true;
    if (!IsUsableVideoDriver(SDL_GetCurrentVideoDriver())) {
        Close();
        return NoDisplay("no window system could be reached");
    }
    Uint32 flags = fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
    window_ = SDL_CreateWindow(titleUtf8.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                               height, flags);
    if (!window_) {
        Refused("window");
        Close();
        return false;
    }
    WatchDisplayLoss(window_);
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        Refused("renderer");
        Close();
        return false;
    }
    SDL_RenderSetLogicalSize(renderer_, width, height);
    texture_ =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!texture_) {
        Refused("texture");
        Close();
        return false;
    }
    width_ = width;
    height_ = height;
    fullScreen_ = fullScreen;
    owner_ = std::this_thread::get_id();
    if (frameEvent_ == 0) {
        Uint32 type = SDL_RegisterEvents(1);
        frameEvent_ = type == static_cast<Uint32>(-1) ? 0 : type;
    }
    frame_.assign(static_cast<std::size_t>(width) * height, 0);
    hasFrame_ = false;
    return true;
}

void cSdlPresenter::Close() {
    if (DisplayLost()) {
        // Taking the window down talks to a server that is gone; the
        // process ends soon after without it (app/main.cpp).
        texture_ = nullptr;
        renderer_ = nullptr;
        window_ = nullptr;
        shown_ = false;
        hasFrame_ = false;
        initedVideo_ = false;
        return;
    }
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
    shown_ = false;
    hasFrame_ = false;
    if (initedVideo_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    initedVideo_ = false;
}

bool cSdlPresenter::SetFullScreen(bool fullScreen) {
    if (!window_) return false;
    if (SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) return false;
    fullScreen_ = fullScreen;
    return true;
}

void cSdlPresenter::Present(const std::uint32_t* xrgb, int width, int height) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!window_ || width != width_ || height != height_) {
        hasFrame_ = false;
        return;
    }
    const std::uint32_t* end = xrgb + static_cast<std::size_t>(width) * height;
    ++frames_;
    hasFrame_ = true;
    if (shown_ && !pending_ && std::equal(xrgb, end, frame_.begin())) return;
    frame_.assign(xrgb, end);
    pending_ = true;
    shown_ = false;
    if (std::this_thread::get_id() == owner_) {
        RenderLocked();
    } else if (frameEvent_) {
        SDL_Event e{};
        e.type = frameEvent_;
        SDL_PushEvent(&e);
    }
}

bool cSdlPresenter::PresentAgain() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!window_ || !hasFrame_) return false;
    ++frames_;
    return true;
}

void cSdlPresenter::RenderPending() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (pending_) RenderLocked();
}

void cSdlPresenter::Redraw() {
    std::lock_guard<std::mutex> lock(mutex_);
    RenderLocked();
}

void cSdlPresenter::RenderLocked() {
    pending_ = false;
    if (!texture_) return;
    SDL_UpdateTexture(texture_, nullptr, frame_.data(), width_ * 4);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    shown_ = true;
}

std::vector<std::uint32_t> cSdlPresenter::LastFrame() {
    std::lock_guard<std::mutex> lock(mutex_);
    return frame_;
}

bool cSdlPresenter::GetPosition(int& x, int& y) const {
    if (!window_) return false;
    SDL_GetWindowPosition(window_, &x, &y);
    return true;
}

void cSdlPresenter::SetPosition(int x, int y) {
    if (window_) SDL_SetWindowPosition(window_, x, y);
}

bool cSdlPresenter::IsMinimised() const {
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED);
}

bool cSdlPresenter::IsMaximised() const {
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED);
}

void cSdlPresenter::Maximise() {
    if (window_) SDL_MaximizeWindow(window_);
}

void cSdlPresenter::Minimise() {
    if (window_) SDL_MinimizeWindow(window_);
}

void cSdlPresenter::Restore() {
    if (window_) SDL_RestoreWindow(window_);
}

void cSdlPresenter::ApplyCursor(bool visible) {
    if (initedVideo_) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

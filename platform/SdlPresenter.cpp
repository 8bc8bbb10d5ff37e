#include "platform/SdlPresenter.h"

#include "platform/DisplayLoss.h"

#include <SDL.h>
#include <cstdlib>
#include <cstring>

namespace {

// A driver that shows no window is only right when it was asked for.
bool IsUsableVideoDriver(const char* driver) {
    if (!driver) return false;
    if (std::strcmp(driver, "dummy") != 0 && std::strcmp(driver, "offscreen") != 0) return true;
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    return asked && std::strcmp(asked, "dummy") == 0 && std::strcmp(driver, "dummy") == 0;
}

std::string NoDisplayText(const std::string& detail) {
    const char* display = std::getenv("DISPLAY");
    std::string where = display && *display ? "DISPLAY=" + std::string(display) : "DISPLAY is not set";
    return "no display (" + where + ": " + detail + "); SDL_VIDEODRIVER=dummy runs without a window";
}

} // namespace

cSdlPresenter::~cSdlPresenter() {
    Close();
}

bool cSdlPresenter::Open(const std::string& titleUtf8, int width, int height, bool fullScreen) {
    Close();
    openError_.clear();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        openError_ = NoDisplayText(SDL_GetError());
        return false;
    }
    initedVideo_ = true;
    if (!IsUsableVideoDriver(SDL_GetCurrentVideoDriver())) {
        openError_ = NoDisplayText("no window system could be reached");
        Close();
        return false;
    }
    Uint32 flags = fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
    window_ = SDL_CreateWindow(titleUtf8.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                               height, flags);
    if (!window_) {
        openError_ = SDL_GetError();
        Close();
        return false;
    }
    WatchDisplayLoss(window_);
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        openError_ = SDL_GetError();
        Close();
        return false;
    }
    SDL_RenderSetLogicalSize(renderer_, width, height);
    texture_ =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!texture_) {
        openError_ = SDL_GetError();
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
    return true;
}

void cSdlPresenter::Close() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
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
    if (!window_ || width != width_ || height != height_) return;
    std::lock_guard<std::mutex> lock(mutex_);
    frame_.assign(xrgb, xrgb + static_cast<std::size_t>(width) * height);
    pending_ = true;
    ++frames_;
    if (std::this_thread::get_id() == owner_) {
        RenderLocked();
    } else if (frameEvent_) {
        SDL_Event e{};
        e.type = frameEvent_;
        SDL_PushEvent(&e);
    }
}

void cSdlPresenter::RenderPending() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (pending_) RenderLocked();
}

void cSdlPresenter::RenderLocked() {
    pending_ = false;
    if (!texture_) return;
    SDL_UpdateTexture(texture_, nullptr, frame_.data(), width_ * 4);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

std::vector<std::uint32_t> cSdlPresenter::LastFrame() {
    std::lock_guard<std::mutex> lock(mutex_);
    return frame_;
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

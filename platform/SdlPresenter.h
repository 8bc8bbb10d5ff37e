// The presenter on an SDL2 window. SDL's renderer belongs to the thread that
// opened the window (the UI thread): a frame presented there is drawn at once;
// a frame presented from another thread is kept and drawn by the UI thread's
// next RenderPending(). Under SDL's dummy video driver no window is visible
// but every call works, which is how headless runs use it. That driver must
// be asked for (SDL_VIDEODRIVER=dummy): when SDL finds no display and falls
// back to a windowless driver by itself, Open fails instead of running a
// program nobody can see.
#pragma once

#include "platform/Presenter.h"

#include <mutex>
#include <thread>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

class cSdlPresenter : public cPresenter {
public:
    ~cSdlPresenter() override;

    bool Open(const std::string& titleUtf8, int width, int height, bool fullScreen) override;
    void Close() override;
    bool SetFullScreen(bool fullScreen) override;
    void Present(const std::uint32_t* xrgb, int width, int height) override;
    bool PresentAgain() override;
    void Minimise() override;
    void Restore() override;

    // The window's place on the desktop (the top-left of its client area).
    bool GetPosition(int& x, int& y) const;
    void SetPosition(int x, int y);
    bool IsMinimised() const;
    bool IsMaximised() const;
    void Maximise();

    // Draws the newest frame handed over by another thread; UI thread only.
    // Such a frame also pushes an SDL event of FrameEventType(), so a UI
    // thread waiting on SDL events wakes up to draw it.
    // The window keeps what it shows: a frame equal to the one shown is
    // counted but not drawn again, so an idle screen costs a comparison, not
    // a conversion and a copy to the display. Redraw() draws the shown frame
    // again where the window lost it (uncovered); UI thread only.
    void RenderPending();
    void Redraw();
    std::uint32_t FrameEventType() const { return frameEvent_; }
    SDL_Window* Window() const { return window_; }
    // A copy of the newest frame (for tests and screenshots).
    std::vector<std::uint32_t> LastFrame();

protected:
    void ApplyCursor(bool visible) override;

private:
    void RenderLocked();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::thread::id owner_;
    std::mutex mutex_;
    std::vector<std::uint32_t> frame_;
    bool pending_ = false;
    bool shown_ = false;    // frame_ is what the window shows
    bool hasFrame_ = false; // frame_ holds the last frame presented
    bool initedVideo_ = false;
    std::uint32_t frameEvent_ = 0;
};

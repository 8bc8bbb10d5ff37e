// Where finished frames go: a window (or full screen) showing a 32-bit frame.
// The graphics faces hand every frame they show to a presenter; the SDL
// implementation opens a real window, the memory one keeps the frame for tests
// and runs with no display at all.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class cPresenter {
public:
    virtual ~cPresenter() = default;

    virtual bool Open(const std::string& titleUtf8, int width, int height, bool fullScreen) = 0;
    virtual void Close() = 0;
    virtual bool SetFullScreen(bool fullScreen) = 0;
    // `xrgb` holds width x height pixels, row after row, top byte unused.
    virtual void Present(const std::uint32_t* xrgb, int width, int height) = 0;
    // The frame of the last Present once more: counted as presented, nothing
    // converted or copied. False when there is no such frame to repeat; the
    // caller then presents in full.
    virtual bool PresentAgain() { return false; }
    virtual void Minimise() {}
    virtual void Restore() {}

    int ClientWidth() const { return width_; }
    int ClientHeight() const { return height_; }
    bool FullScreen() const { return fullScreen_; }

    // The Windows cursor counter: the cursor shows while the count is not
    // negative. Returns the new count.
    int ShowCursor(bool show);
    std::uint64_t FramesPresented() const { return frames_; }

protected:
    virtual void ApplyCursor(bool visible) { (void)visible; }
    int width_ = 0, height_ = 0;
    bool fullScreen_ = false;
    std::uint64_t frames_ = 0;

private:
    int cursorCount_ = 0;
};

// Keeps the last frame in memory; nothing is shown.
class cMemoryPresenter : public cPresenter {
public:
    bool Open(const std::string& titleUtf8, int width, int height, bool fullScreen) override;
    void Close() override {}
    bool SetFullScreen(bool fullScreen) override {
        fullScreen_ = fullScreen;
        return true;
    }
    void Present(const std::uint32_t* xrgb, int width, int height) override;
    bool PresentAgain() override;
    void Minimise() override { minimised_ = true; }
    void Restore() override { minimised_ = false; }

    const std::vector<std::uint32_t>& LastFrame() const { return frame_; }
    bool Minimised() const { return minimised_; }

private:
    std::vector<std::uint32_t> frame_;
    bool minimised_ = false;
};

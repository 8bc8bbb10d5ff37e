#include "platform/Presenter.h"

int cPresenter::ShowCursor(bool show) {
    bool wasVisible = cursorCount_ >= 0;
    cursorCount_ += show ? 1 : -1;
    bool visible = cursorCount_ >= 0;
    if (visible != wasVisible) ApplyCursor(visible);
    return cursorCount_;
}

bool cMemoryPresenter::Open(const std::string&, int width, int height, bool fullScreen) {
    width_ = width;
    height_ = height;
    fullScreen_ = fullScreen;
    return true;
}

void cMemoryPresenter::Present(const std::uint32_t* xrgb, int width, int height) {
    frame_.assign(xrgb, xrgb + static_cast<std::size_t>(width) * height);
    ++frames_;
}

bool cMemoryPresenter::PresentAgain() {
    if (frame_.empty()) return false;
    ++frames_;
    return true;
}

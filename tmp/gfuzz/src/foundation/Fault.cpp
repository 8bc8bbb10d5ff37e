#include "foundation/Fault.h"

std::atomic<HWND> hMainWnd{nullptr};

namespace {
std::atomic<std::uint64_t> closeRequests{0};
}

void PostMainWindowClose() {
    closeRequests.fetch_add(1, std::memory_order_relaxed);
    // A null window would post to the calling thread itself: only a real main
    // window is asked to close.
    HWND main = hMainWnd.load();
    if (main) PostMessageA(main, WM_CLOSE, 0, 0);
}

std::uint64_t MainWindowCloseRequests() {
    return closeRequests.load(std::memory_order_relaxed);
}

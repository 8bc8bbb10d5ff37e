#include "foundation/Fault.h"

#include <atomic>

namespace {
std::atomic<std::uint64_t> closeRequests{0};
}

void PostMainWindowClose() {
    closeRequests.fetch_add(1, std::memory_order_relaxed);
}

std::uint64_t MainWindowCloseRequests() { return closeRequests.load(std::memory_order_relaxed); }

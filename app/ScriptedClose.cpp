#include "app/ScriptedClose.h"

#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"

#include <atomic>
#include <cstdlib>

namespace {

std::atomic<DWORD> closeAfter{0};
std::atomic<bool> requested{false};

} // namespace

DWORD ReadScriptedCloseFrames() {
    const char* text = std::getenv("BRINDLE4_CLOSE_AFTER_FRAMES");
    if (!text || !*text) return 0;
    char* end = nullptr;
    long long n = std::strtoll(text, &end, 10);
    if (*end != '\0' || n <= 0 || n > 0x7FFFFFFF) return 0;
    return static_cast<DWORD>(n);
}

void SetScriptedCloseFrames(DWORD frames) {
    closeAfter = frames;
    requested = false;
}

void CheckScriptedClose(DWORD frameCount) {
    DWORD n = closeAfter.load();
    if (n == 0 || frameCount < n || requested.exchange(true)) return;
    ReportPrintf("Scripted close after %u frames", static_cast<unsigned>(frameCount));
    PostMainWindowClose();
}

void ReportScriptedCloseEnd(unsigned long long framesPresented) {
    if (closeAfter.load() == 0) return;
    ReportPrintf("Scripted close done: threads ended, %llu frames presented", framesPresented);
}

#include "platform/KeyboardHook.h"

#include "platform/Dialog.h"

#include <map>
#include <mutex>

namespace {

struct HookRecord {
    HOOKPROC proc = nullptr;
    DWORD thread = 0;
};

std::mutex gMutex;
std::map<HHOOK, HookRecord> gHooks;
std::uintptr_t gNextHook = 0x100;
std::map<HWND, std::string> gComposition;
thread_local HWND tActive = nullptr;

} // namespace

HHOOK SetWindowsHookExA(int kind, HOOKPROC proc, void*, DWORD threadId) {
    if (kind != WH_KEYBOARD || !proc) return nullptr;
    std::lock_guard<std::mutex> lock(gMutex);
    for (const auto& [h, rec] : gHooks)
        if (rec.thread == threadId) return nullptr;
    HHOOK hook = reinterpret_cast<HHOOK>(gNextHook);
    gNextHook += 4;
    gHooks[hook] = HookRecord{proc, threadId};
    return hook;
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    std::lock_guard<std::mutex> lock(gMutex);
    return gHooks.erase(hook) ? TRUE : FALSE;
}

LRESULT CallNextHookEx(HHOOK, int, WPARAM, LPARAM) {
    return 0; // one hook per thread: nothing comes after it
}

LRESULT RunKeyboardHook(int virtualKey, bool up) {
    HOOKPROC proc = nullptr;
    {
        std::lock_guard<std::mutex> lock(gMutex);
        const DWORD self = GetCurrentThreadId();
        for (const auto& [h, rec] : gHooks)
            if (rec.thread == self) proc = rec.proc;
    }
    if (!proc) return 0;
    // lParam as the desktop gives it: repeat count 1, bit 31 set on release.
    const LPARAM lParam = up ? static_cast<LPARAM>(0xC0000001u) : 1;
    return proc(HC_ACTION, static_cast<WPARAM>(virtualKey), lParam);
}

HWND GetActiveWindow() {
    if (HWND dialog = GetActiveDialog()) return dialog;
    return tActive;
}

HWND SetActiveWindow(HWND hwnd) {
    HWND previous = tActive;
    tActive = hwnd;
    return previous;
}

HIMC ImmGetContext(HWND hwnd) {
    return IsWindow(hwnd) ? reinterpret_cast<HIMC>(hwnd) : nullptr;
}

BOOL ImmReleaseContext(HWND, HIMC) {
    return TRUE;
}

LONG ImmGetCompositionStringA(HIMC context, DWORD index, void* buffer, DWORD size) {
    if (index != GCS_COMPSTR || !context) return 0;
    std::lock_guard<std::mutex> lock(gMutex);
    auto it = gComposition.find(reinterpret_cast<HWND>(context));
    if (it == gComposition.end()) return 0;
    if (buffer && size) {
        const DWORD n = std::min<DWORD>(size, static_cast<DWORD>(it->second.size()));
        it->second.copy(static_cast<char*>(buffer), n);
    }
    return static_cast<LONG>(it->second.size());
}

void SetCompositionString(HWND hwnd, const std::string& text) {
    std::lock_guard<std::mutex> lock(gMutex);
    if (text.empty())
        gComposition.erase(hwnd);
    else
        gComposition[hwnd] = text;
}

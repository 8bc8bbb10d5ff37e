#include "gui/Hook.h"

#include "foundation/MessageBox.h"
#include "platform/Dialog.h"
#include "platform/WindowEvents.h"

namespace {
constexpr char kHookProp[] = "cHook";
HHOOK gHook = nullptr;
int gCtrl = 0;

bool HasComposition(HWND hwnd) {
    HIMC context = ImmGetContext(hwnd);
    if (!context) {
        DebugErrorBoxPrintf("Err ImmGetContext");
        return false;
    }
    const bool open = ImmGetCompositionStringA(context, GCS_COMPSTR, nullptr, 0) != 0;
    ImmReleaseContext(hwnd, context);
    return open;
}
} // namespace

bool IsHookedKey(int vk) {
    return vk == VK_SPACE || vk == VK_LEFT || vk == VK_UP || vk == VK_RIGHT || vk == VK_DOWN ||
           vk == VK_DELETE || (vk >= VK_F1 && vk <= VK_F8);
}

bool cHook::KeyboardHook(HWND hwnd, int flags) {
    m_hWnd = hwnd;
    m_Flags = flags;
    SetPropA(hwnd, kHookProp, this);
    if (!gHook) gHook = SetWindowsHookExA(WH_KEYBOARD, &cHook::KeyboardProc, nullptr, GetCurrentThreadId());
    return gHook != nullptr;
}

LRESULT cHook::KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    HWND active = GetActiveWindow();
    auto* hook = active ? static_cast<cHook*>(GetPropA(active, kHookProp)) : nullptr;
    if (code < 0 || code == HC_NOREMOVE || !hook || hook->m_hWnd != active)
        return CallNextHookEx(gHook, code, wParam, lParam);
    const int vk = static_cast<int>(wParam);
    if (static_cast<std::uint32_t>(lParam) & 0x80000000u) {
        if (vk == VK_CONTROL) gCtrl = 0;
        PostMessageA(active, WM_KEYUP, wParam, lParam);
        return CallNextHookEx(gHook, code, wParam, lParam);
    }
    if (vk == VK_TAB) return CallNextHookEx(gHook, code, wParam, lParam);
    const bool composing = HasComposition(active);
    if (vk == VK_RETURN) {
        if (composing) return CallNextHookEx(gHook, code, wParam, lParam);
    } else if (!composing && IsHookedKey(vk)) {
        PostMessageA(active, WM_DIALOG_KEY, wParam, lParam);
        return CallNextHookEx(gHook, code, wParam, lParam);
    } else if (vk == VK_CONTROL) {
        gCtrl = 1;
    }
    PostMessageA(active, WM_KEYDOWN, wParam, lParam);
    return CallNextHookEx(gHook, code, wParam, lParam);
}

void UnhookKeyboard() {
    if (gHook) UnhookWindowsHookEx(gHook);
    gHook = nullptr;
}

int HookCtrlState() {
    return gCtrl;
}

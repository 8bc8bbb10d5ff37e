#include "platform/GtkModal.h"

#include "platform/DisplayLoss.h"
#include "platform/GtkSession.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"

bool GtkCanShowDialogs() {
    return !IsHeadlessDisplay() && StartGtkSession();
}

bool ServeMessagesWhileModal() {
    if (DisplayLost()) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        // Thread messages (no window) only wake the loop.
        if (msg.hwnd) DispatchMessageA(&msg);
    }
    return !DisplayLost();
}

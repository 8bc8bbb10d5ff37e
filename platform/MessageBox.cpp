#include "platform/MessageBox.h"

#include "platform/Cp932.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>

namespace {

struct BoxState {
    std::mutex m;
    std::deque<int> scripted;
};

cNullMessageBoxPresenter NullPresenter;
cMessageBoxPresenter* Presenter = &NullPresenter;

BoxState& State() {
    static BoxState s;
    return s;
}

} // namespace

int DefaultMessageBoxAnswer(UINT type) {
    static const int buttons[6][3] = {
        {IDOK, IDOK, IDOK},      {IDOK, IDCANCEL, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE},
        {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO, IDNO},        {IDRETRY, IDCANCEL, IDCANCEL},
    };
    UINT kind = type & MB_TYPEMASK;
    if (kind > 5) kind = 0;
    UINT def = (type & MB_DEFMASK) >> 8;
    if (def > 2) def = 0;
    return buttons[kind][def];
}

std::vector<MessageBoxButton> MessageBoxButtons(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, "Abort"}, {IDRETRY, "Retry"}, {IDIGNORE, "Ignore"}};
    case MB_YESNOCANCEL:
        return {{IDYES, "Yes"}, {IDNO, "No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO:
        return {{IDYES, "Yes"}, {IDNO, "No"}};
    case MB_RETRYCANCEL:
        return {{IDRETRY, "Retry"}, {IDCANCEL, "Cancel"}};
    default:
        return {{IDOK, "OK"}};
    }
}

int ClosedMessageBoxAnswer(UINT type) {
    for (const MessageBoxButton& b : MessageBoxButtons(type))
        if (b.id == IDCANCEL || b.id == IDNO) return b.id;
    return DefaultMessageBoxAnswer(type);
}

bool IsHeadlessDisplay() {
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    if (driver && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0)) return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return !(x11 && *x11) && !(wayland && *wayland);
}

MessageBoxOutcome ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    MessageBoxOutcome outcome;
    {
        std::lock_guard<std::mutex> lock(State().m);
        if (!State().scripted.empty()) {
            outcome.answer = State().scripted.front();
            State().scripted.pop_front();
            outcome.unattended = true;
        }
    }
    if (!outcome.unattended) {
        if (!IsHeadlessDisplay() && Presenter->Show(owner, text, caption, type, outcome.answer))
            return outcome;
        outcome.answer = DefaultMessageBoxAnswer(type);
        outcome.unattended = true;
    }
    std::fprintf(stderr, "[%s] %s -> %d\n", Cp932ToUtf8(caption).c_str(), Cp932ToUtf8(text).c_str(),
                 outcome.answer);
    return outcome;
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
    return ShowMessageBox(owner, text ? text : "", caption ? caption : "", type).answer;
}

cMessageBoxPresenter& MessageBoxPresenter() {
    return *Presenter;
}

void SetMessageBoxPresenter(cMessageBoxPresenter* presenter) {
    Presenter = presenter ? presenter : &NullPresenter;
}

void PushScriptedMessageBoxAnswer(int answer) {
    std::lock_guard<std::mutex> lock(State().m);
    State().scripted.push_back(answer);
}

void ClearScriptedMessageBoxAnswers() {
    std::lock_guard<std::mutex> lock(State().m);
    State().scripted.clear();
}

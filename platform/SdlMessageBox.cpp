#include "platform/SdlMessageBox.h"

#include "platform/Cp932.h"
#include "platform/MessageBox.h"

#include <SDL.h>
#include <vector>

namespace {

struct Button {
    int id;
    const char* text;
};

std::vector<Button> ButtonsOf(UINT type) {
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

int ShowSdlBox(HWND, const std::string& text, const std::string& caption, UINT type) {
    std::vector<Button> buttons = ButtonsOf(type);
    int def = DefaultMessageBoxAnswer(type);
    std::vector<SDL_MessageBoxButtonData> data;
    for (const Button& b : buttons) {
        Uint32 flags = 0;
        if (b.id == def) flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
        if (b.id == IDCANCEL || b.id == IDNO) flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
        data.push_back({flags, b.id, b.text});
    }
    std::string body = Cp932ToUtf8(text);
    std::string title = Cp932ToUtf8(caption);
    Uint32 icon = SDL_MESSAGEBOX_INFORMATION;
    if ((type & 0xF0) == MB_ICONERROR) icon = SDL_MESSAGEBOX_ERROR;
    if ((type & 0xF0) == MB_ICONWARNING) icon = SDL_MESSAGEBOX_WARNING;
    SDL_MessageBoxData box{icon,        nullptr, title.c_str(), body.c_str(), static_cast<int>(data.size()),
                           data.data(), nullptr};
    int pressed = -1;
    // A box that can't be shown (or is closed) takes its default answer.
    if (SDL_ShowMessageBox(&box, &pressed) != 0 || pressed < 0) return def;
    return pressed;
}

} // namespace

void InstallSdlMessageBoxes() {
    SetMessageBoxPresenter(ShowSdlBox);
}

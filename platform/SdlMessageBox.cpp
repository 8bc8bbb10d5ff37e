#include "platform/SdlMessageBox.h"

#include "platform/Cp932.h"
#include "platform/MessageBox.h"

#include <SDL.h>
#include <vector>

int ShowSdlMessageBox(HWND, const std::string& text, const std::string& caption, UINT type) {
    int def = DefaultMessageBoxAnswer(type);
    int closed = ClosedMessageBoxAnswer(type);
    std::vector<SDL_MessageBoxButtonData> data;
    for (const MessageBoxButton& b : MessageBoxButtons(type)) {
        Uint32 flags = 0;
        if (b.id == def) flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
        if (b.id == closed) flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
        data.push_back({flags, b.id, b.label});
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

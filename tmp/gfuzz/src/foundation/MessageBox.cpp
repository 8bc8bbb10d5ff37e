#include "foundation/MessageBox.h"

#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"

#include <cstdarg>

namespace {

constexpr std::size_t kBoxBuffer = 1024;

} // namespace

int MesBox(const char* text, const char* caption, UINT style) {
    std::string body = text ? text : "";
    std::string title = caption ? caption : "";
    MessageBoxOutcome outcome = ShowMessageBox(hMainWnd.load(), body, title, style);
    // Nobody saw the box: keep what it said, and what answered it.
    if (outcome.unattended)
        ReportPrintf("MessageBox [%s] %s -> %d", title.c_str(), body.c_str(), outcome.answer);
    return outcome.answer;
}

int ErrorBox(const char* text) {
    return MesBox(text, "\203\107\203\211\201\133", MB_OK);
}

int ErrorBoxPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string s = FormatStringV(kBoxBuffer, format, args);
    va_end(args);
    return ErrorBox(s.c_str());
}

int DebugErrorBoxPrintf(const char* format, ...) {
    if (!IsErrorLogEnabled()) return 0;
    va_list args;
    va_start(args, format);
    std::string s = FormatStringV(kBoxBuffer, format, args);
    va_end(args);
    return ErrorBox(s.c_str());
}

void OutOfMemoryQuit() {
    ErrorBox("\203\201\203\202\203\212\202\252\225\163\221\253\202\265\202\304\202\242\202\334\202\267\201\111");
    PostMainWindowClose();
}

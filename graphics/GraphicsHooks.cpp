#include "graphics/GraphicsHooks.h"

#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"

// <chrono> can't be compiled to the program's code page; the POSIX call sleeps instead.
#include <unistd.h>

namespace {

int ReportOnlyBox(const std::string& text, const std::string& caption, unsigned) {
    ReportPrintf("[%s] %s", caption.c_str(), text.c_str());
    return IDOK;
}
bool AlwaysDue(int, int, void*) {
    return true;
}
void ThreadSleep(unsigned ms) {
    ::usleep(static_cast<useconds_t>(ms) * 1000);
}

GraphicsMessageBoxFn boxFn = ReportOnlyBox;
FrameDueFn dueFn = AlwaysDue;
SleepFn sleepFn = ThreadSleep;

} // namespace

void SetGraphicsMessageBox(GraphicsMessageBoxFn fn) {
    boxFn = fn ? fn : ReportOnlyBox;
}
void SetFrameDueTest(FrameDueFn fn) {
    dueFn = fn ? fn : AlwaysDue;
}
void SetGraphicsSleep(SleepFn fn) {
    sleepFn = fn ? fn : ThreadSleep;
}

int GraphicsMessageBox(const std::string& text, const std::string& caption, unsigned type) {
    return boxFn(text, caption, type);
}

void GraphicsErrorBox(const std::string& text) {
    GraphicsMessageBox(text, "エラー", MB_OK | MB_ICONERROR);
}

bool GraphicsFrameDue(int fps, int showFps, void* surface) {
    return dueFn(fps, showFps, surface);
}

void GraphicsSleep(unsigned ms) {
    sleepFn(ms);
}

void GraphicsOutOfMemoryQuit() {
    GraphicsErrorBox("メモリが不足しています！");
    PostMainWindowClose();
}

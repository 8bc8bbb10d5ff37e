// What the graphics layer needs from the program around it, as replaceable
// functions: message boxes (the window framework shows them), the frame-pacing
// test of the frame timer, and the driver's interface version. Until the
// program sets them, a box is written to the report and answered with its
// default, and every frame counts as due.
#pragma once

#include <string>

// Message-box answers and styles used here.
constexpr int IDOK = 1;
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_ICONERROR = 0x10;

using GraphicsMessageBoxFn = int (*)(const std::string& text, const std::string& caption, unsigned type);
using FrameDueFn = bool (*)(int fps, int showFps, void* surface);
using SleepFn = void (*)(unsigned ms);

void SetGraphicsMessageBox(GraphicsMessageBoxFn fn);
void SetFrameDueTest(FrameDueFn fn);
void SetGraphicsSleep(SleepFn fn);

int GraphicsMessageBox(const std::string& text, const std::string& caption, unsigned type);
// The error box: caption "エラー".
void GraphicsErrorBox(const std::string& text);
bool GraphicsFrameDue(int fps, int showFps, void* surface);
void GraphicsSleep(unsigned ms);
// "メモリが不足しています！" and a request to close the main window.
void GraphicsOutOfMemoryQuit();

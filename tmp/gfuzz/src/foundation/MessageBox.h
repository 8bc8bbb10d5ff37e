// The program's message boxes. A box is shown over the program's own window
// when one can be (the graphics layer installs the presenter, platform/
// MessageBox.h); in a headless run it takes its default or scripted answer,
// and its text also goes to the report file.
#pragma once

#include "platform/MessageBox.h"

int MesBox(const char* text, const char* caption, UINT style);
// MesBox with the caption "エラー" and an OK button.
int ErrorBox(const char* text);
int ErrorBoxPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Only while the error log is on; otherwise no box and 0.
int DebugErrorBoxPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The answer to a failed allocation: tells the user, then closes the program
// in order through WM_CLOSE to the main window.
void OutOfMemoryQuit();

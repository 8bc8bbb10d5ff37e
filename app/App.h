// The program's entry and its threads: the UI thread runs WinMain (logs,
// single instance, the main window, initialisation, the message pump,
// shutdown); the game thread `thGame` runs GameLoop, one frame of `Game` per
// turn while the program is active.
#pragma once

#include "platform/Messages.h"

#include <atomic>
#include <string>

class cSdlPresenter;

extern int bEditorStarted;
// 1 when the program was started on a stage file (command line or System.ini).
extern int bTestPlay;
extern std::atomic<BYTE> bAppRunning;
extern std::atomic<int> bActive;
// The main window's picture: the SDL window the graphics layer draws into.
extern cSdlPresenter* lpMainPresenter;

// The command line is the optional path of a stage or replay file to play.
int WinMain(const std::string& commandLine, int nCmdShow);
DWORD GameLoop(void* argument);
void SuspendThreads();
void ResumeThreads();

// The main window's message handler.
LRESULT MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The drawing mode from user_data\Boot.dat, or from the start-up dialog
// unless Boot.dat says not to ask. False when the player cancels.
bool ChooseDrawingMode();
bool InitProgram(const std::string& commandLine, int nCmdShow);
void ShutdownProgram();

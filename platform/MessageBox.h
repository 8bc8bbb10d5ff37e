// Message boxes. A box is answered by a presenter: the program's own window
// installs one that draws the box and waits for the user. With no presenter,
// in a headless run (SDL's dummy or offscreen video driver, or no display), or when
// a test has queued scripted answers, the box is answered without a user: a
// scripted answer first, else the box's default button. Every box answered
// without a user is written to stderr.
#pragma once

#include "platform/Messages.h"
#include "platform/Seam.h"

#include <string>
#include <vector>

constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;
constexpr UINT MB_ABORTRETRYIGNORE = 0x0002;
constexpr UINT MB_YESNOCANCEL = 0x0003;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_RETRYCANCEL = 0x0005;
constexpr UINT MB_TYPEMASK = 0x000F;
constexpr UINT MB_ICONERROR = 0x0010;
constexpr UINT MB_ICONQUESTION = 0x0020;
constexpr UINT MB_ICONWARNING = 0x0030;
constexpr UINT MB_ICONINFORMATION = 0x0040;
constexpr UINT MB_DEFBUTTON1 = 0x0000;
constexpr UINT MB_DEFBUTTON2 = 0x0100;
constexpr UINT MB_DEFBUTTON3 = 0x0200;
constexpr UINT MB_DEFMASK = 0x0F00;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows the box (texts in code page 932) and returns the button chosen.
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);

struct MessageBoxOutcome {
    int answer = IDOK;
    bool unattended = false; // answered by script or default, not by a user
};
MessageBoxOutcome ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

struct MessageBoxButton {
    int id;
    const char* label;
};
// The box's buttons in their order on screen.
std::vector<MessageBoxButton> MessageBoxButtons(UINT type);
// The answer when the box is closed without a button (Escape, the close box):
// Cancel where there is one, No for Yes/No, else the default button.
int ClosedMessageBoxAnswer(UINT type);
// The answer of the box's default button.
int DefaultMessageBoxAnswer(UINT type);
// True when no user can answer a box: SDL_VIDEODRIVER is "dummy" or
// "offscreen", or neither DISPLAY nor WAYLAND_DISPLAY is set.
bool IsHeadlessDisplay();

// Shows a box to a user. The program installs one at start-up (the GTK box,
// platform/GtkMessageBox.h); the null one has no user, so every box takes its
// default answer.
class cMessageBoxPresenter {
public:
    virtual ~cMessageBoxPresenter() = default;
    // Shows the box (texts in code page 932) and puts the button chosen in
    // `answer`. False when the box could not be shown to anyone.
    virtual bool Show(HWND owner, const std::string& text, const std::string& caption, UINT type,
                      int& answer) = 0;
};
class cNullMessageBoxPresenter : public cMessageBoxPresenter {
public:
    bool Show(HWND, const std::string&, const std::string&, UINT, int&) override { return false; }
};
cMessageBoxPresenter& MessageBoxPresenter();
void SetMessageBoxPresenter(cMessageBoxPresenter* presenter);
using cScopedMessageBoxPresenter =
    cScopedSeam<cMessageBoxPresenter, MessageBoxPresenter, SetMessageBoxPresenter>;

// Answers for the next boxes, in order (tests and scripted runs).
void PushScriptedMessageBoxAnswer(int answer);
void ClearScriptedMessageBoxAnswers();

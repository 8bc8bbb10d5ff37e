// Modal dialogs built from templates that are our own data. A dialog runs on
// the calling (UI) thread: DialogBoxIndirectParamA makes the dialog window and
// one child window per control, sends WM_INITDIALOG to the dialog procedure,
// hands the dialog to the installed presenter until EndDialog, then removes
// the windows. Controls keep their state here (text, check, enabled, shown,
// selection), so the dialog code reads and writes them the same way whichever
// presenter shows them.
//
// Presenters: the installed presenter (DialogPresenter()) shows every dialog.
// The one in effect from the start is the scripted presenter: it answers each
// dialog from the script (PushScriptedDialog) or with its default, the default
// push button, else the close box. A presenter that builds real widgets is
// installed at start-up and hands a dialog to the scripted one when no user
// can answer (headless). Every presenter keeps serving messages that other
// threads send to this thread while the dialog is open, so a worker blocked in
// SendMessageA never deadlocks.
#pragma once

#include "platform/Messages.h"
#include "platform/Seam.h"

#include <string>
#include <vector>

using INT_PTR = std::intptr_t;
using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_VSCROLL = 0x0115;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_SETREDRAW = 0x000B;

constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT EM_GETSEL = 0x00B0;
constexpr UINT EM_SETSEL = 0x00B1;
constexpr UINT EM_LIMITTEXT = 0x00C5;

constexpr WORD BN_CLICKED = 0;
constexpr WORD EN_UPDATE = 0x0400;
constexpr WORD EN_CHANGE = 0x0300;

constexpr WPARAM BST_UNCHECKED = 0;
constexpr WPARAM BST_CHECKED = 1;

inline WPARAM MakeWParam(WORD low, WORD high) {
    return static_cast<WPARAM>(low) | (static_cast<WPARAM>(high) << 16);
}
inline WORD LoWord(std::uintptr_t v) {
    return static_cast<WORD>(v & 0xFFFF);
}
inline WORD HiWord(std::uintptr_t v) {
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}

enum class DlgItemKind {
    Static,   // a text label
    Picture,  // a static picture
    GroupBox, // a frame with a caption around other controls
    PushButton,
    DefPushButton, // the button Enter presses
    CheckBox,      // an automatic check box
    RadioButton,   // an automatic radio button; consecutive ones form a group
    Edit,          // a one-line text field (the desktop's input method applies)
    ScrollBar,
};

struct DLGITEM {
    DlgItemKind kind = DlgItemKind::Static;
    WORD id = 0;
    // Position and size in dialog units (a presenter scales them to pixels).
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string text; // code page 932
};

struct DLGTEMPLATE {
    WORD id = 0;
    std::string title; // code page 932
    int cx = 0, cy = 0;
    std::vector<DLGITEM> items;
};

// Runs the dialog modally and returns the value given to EndDialog; -1 when
// the dialog could not be made. `answered` (optional) receives a line saying
// how an unattended presenter answered it (empty when a user did).
INT_PTR DialogBoxIndirectParamA(HWND parent, const DLGTEMPLATE& dialog, DLGPROC proc, LPARAM param,
                                std::string* answered = nullptr);
BOOL EndDialog(HWND dialog, INT_PTR result);

HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND control);
BOOL SetDlgItemTextA(HWND dialog, int id, const char* text);
// At most size - 1 bytes and a terminating zero; returns the bytes copied.
UINT GetDlgItemTextA(HWND dialog, int id, char* buffer, int size);
LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;
BOOL ShowWindow(HWND hwnd, int command);
BOOL IsWindowVisible(HWND hwnd);
HWND SetFocus(HWND hwnd);
HWND GetFocus();
// The modal dialog running on this thread (the innermost), else null.
HWND GetActiveDialog();

// A running dialog as a presenter sees it.
class cDialogRun {
public:
    virtual ~cDialogRun() = default;
    virtual HWND Window() const = 0;
    virtual const DLGTEMPLATE& Template() const = 0;
    virtual bool Ended() const = 0;
    // What a user does, each turned into the messages a real control sends:
    // a click toggles a check box or selects a radio button first, then
    // WM_COMMAND (id, BN_CLICKED); typing replaces an edit field's text and
    // sends WM_COMMAND (id, EN_UPDATE); the close box sends WM_CLOSE; a key
    // passes the keyboard hook first.
    virtual void Click(WORD id) = 0;
    virtual void Type(WORD id, const std::string& text) = 0;
    virtual void CloseBox() = 0;
    virtual void Key(int virtualKey) = 0;
};

class cDialogPresenter {
public:
    virtual ~cDialogPresenter() = default;
    // Shows the dialog and returns once it has ended. `answered` as above.
    virtual void Run(cDialogRun& dialog, std::string& answered) = 0;
};

// The scripted presenter, in effect until another is installed; a presenter
// that cannot show a dialog (headless) hands it to one of these.
class cScriptedDialogPresenter final : public cDialogPresenter {
public:
    void Run(cDialogRun& dialog, std::string& answered) override;
};

// The installed presenter; SetDialogPresenter(nullptr) restores the scripted one.
cDialogPresenter& DialogPresenter();
void SetDialogPresenter(cDialogPresenter* presenter);
using cScopedDialogPresenter = cScopedSeam<cDialogPresenter, DialogPresenter, SetDialogPresenter>;

// --- The scripted presenter ------------------------------------------------

struct DialogStep {
    enum Kind { Click, Type, Close, Key, Wait };
    DialogStep(Kind k, WORD control = 0, std::string newText = {}, int virtualKey = 0)
        : kind(k), id(control), text(std::move(newText)), key(virtualKey) {}
    Kind kind;
    WORD id;
    std::string text; // Type: the new text (code page 932)
    int key;          // Key: the virtual-key code
};
// The answer for the next dialog with this template id. `Wait` waits for a
// message posted to this thread (sent ones are served while it waits); the
// script runs on until the dialog ends, and a dialog the script leaves open
// takes its default answer.
void PushScriptedDialog(WORD templateId, std::vector<DialogStep> steps);
void ClearScriptedDialogs();

// Further window messages the window classes handle.
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_GETMINMAXINFO = 0x0024;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;

// Scroll requests (the low word of WM_HSCROLL / WM_VSCROLL).
constexpr WORD SB_LINEUP = 0;
constexpr WORD SB_LINEDOWN = 1;
constexpr WORD SB_PAGEUP = 2;
constexpr WORD SB_PAGEDOWN = 3;
constexpr WORD SB_THUMBPOSITION = 4;
constexpr WORD SB_THUMBTRACK = 5;
constexpr WORD SB_TOP = 6;
constexpr WORD SB_BOTTOM = 7;

constexpr int VK_LBUTTON = 0x01;
constexpr int VK_RBUTTON = 0x02;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_F8 = 0x77;
constexpr int VK_F9 = 0x78;

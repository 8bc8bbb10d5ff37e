// The control objects of a dialog: each binds one program variable to one
// control of the dialog's template, moves the variable into the control
// (ShowValue) and back (ReadValue), and is offered the dialog's commands,
// notifications, scroll requests and keys. Also the owner's lists of windows
// and controls that a modal dialog hides or disables. UI thread only.
#pragma once

#include "platform/Dialog.h"

#include <cstdint>
#include <string>
#include <vector>

class cDlg;
class cWnd;

class cCtrl {
public:
    virtual ~cCtrl() = default;
    virtual void Enable(bool enable);
    virtual void ShowValue() {}
    virtual void ReadValue() {}
    virtual void OnChange() {}
    // A notification the control sent through WM_COMMAND (its code, e.g. EN_UPDATE).
    virtual void OnNotifyCode(WORD /*code*/) {}

    // Keeps the dialog and the id and finds the control's window.
    void Attach(cDlg* dialog, WORD id);
    void SetText(const char* text);

    HWND Handle() const { return m_hWnd; }
    WORD Id() const { return m_Id; }

protected:
    HWND m_hWnd = nullptr;
    cDlg* m_pDlg = nullptr;
    HWND m_hDlg = nullptr;
    WORD m_Id = 0;
};

// An edit field bound to a string, kept within its limits as the user types.
struct EDITPARAM {
    WORD id = 0;
    std::string* value = nullptr;
    int bufferSize = 0;      // bytes; 0 = 4096
    int maxCharsPerLine = 0; // 0 = 1024
    int maxLines = 0;        // 0 = 32
    int doubleByte = 0;      // 1: a Shift-JIS character counts as one
};

class cEditCtrl : public cCtrl {
public:
    void Attach(cDlg* dialog, const EDITPARAM& param);
    void ShowValue() override;
    void ReadValue() override;
    // The automatic line breaker: the text stays within the lines and the
    // characters per line of the parameter block.
    void OnChange() override;
    // Each change of the text (EN_UPDATE) runs the line breaker.
    void OnNotifyCode(WORD code) override;

    const EDITPARAM& Param() const { return m_Param; }

private:
    EDITPARAM m_Param;
    bool m_bInChange = false;
};

// The text within the limits (lines separated by "\r\n" or "\r"); `caret`
// (a byte offset) moves with breaks inserted before it. Exposed for tests.
std::string FitEditText(const std::string& text, int maxCharsPerLine, int maxLines, bool doubleByte,
                        bool breakLines, DWORD* caret);

class cCheckBoxCtrl : public cCtrl {
public:
    void Attach(cDlg* dialog, WORD id, std::int32_t* value);
    void ShowValue() override;
    void ReadValue() override;

private:
    std::int32_t* m_pValue = nullptr;
};

// One radio button; buttons bound to one word with different values make a choice.
class cRadioCtrl : public cCtrl {
public:
    void Attach(cDlg* dialog, WORD id, std::int32_t* value, std::int32_t buttonValue);
    void ShowValue() override;
    void ReadValue() override;

private:
    std::int32_t* m_pValue = nullptr;
    std::int32_t m_ButtonValue = 0;
};

// A static text whose caption the program may set.
class cTextCtrl : public cCtrl {};

// A scroll bar: one of a dialog's own bars (owner given) or a bar control.
class cScrollCtrl : public cCtrl {
public:
    struct Params {
        int min = 0, max = 0, page = 0;
    };
    void Attach(cDlg* dialog, WORD id, const Params& params, cWnd* owner, int bar);
    int Position() const { return m_Pos; }
    void SetPosition(int pos);
    const Params& Range() const { return m_Params; }
    int Bar() const { return m_Bar; }
    // The bar's messages: a right click shows no menu (it is swallowed).
    LRESULT FilterMessage(UINT message);

private:
    Params m_Params;
    cWnd* m_pOwner = nullptr;
    int m_Bar = 0;
    int m_Pos = 0;
};

constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;

// The owner's child windows and controls, hidden or disabled around a modal dialog.
class cWndList {
public:
    std::vector<cWnd*> windows;
    std::vector<cCtrl*> controls;
    void ShowAll(bool show);
    void EnableAll(bool enable);
};

// OR or clear style bits of a listed control's window (only WS_DISABLED has an effect here).
void AddCtrlStyle(cCtrl* control, DWORD bits);
void RemoveCtrlStyle(cCtrl* control, DWORD bits);

// cDlg: a modal dialog built from one of the program's dialog templates, with
// its control objects bound to program variables, two optional own scroll
// bars, the keyboard hook and its placement on the screen. The derived
// dialogs override OnCommand (their buttons) and OnInitDialog (their set-up),
// calling the cDlg versions first. UI thread only.
#pragma once

#include "gui/Ctrl.h"
#include "gui/Hook.h"
#include "gui/Wnd.h"
#include "platform/Desktop.h"

#include <memory>
#include <vector>

// DoModal flags: hide or disable the owner's listed windows around the dialog.
constexpr int DLG_HIDE_OWNER_CHILDREN = 2;
constexpr int DLG_DISABLE_OWNER_CHILDREN = 4;
// The own scroll bars (SetScrollBars).
constexpr int DLG_HSCROLL = 1;
constexpr int DLG_VSCROLL = 2;
constexpr int kNoKeptPosition = -1000;

// The template of a dialog id (gui/DialogTemplates.cpp); null when unknown.
const DLGTEMPLATE* FindDialogTemplate(WORD id);

class cDlg : public cWnd {
public:
    cDlg() = default;
    ~cDlg() override;

    void Init(WORD templateId, cWnd* parent, int data, cWndList* ownerList);
    // The dialog's result; 0 at once when its window already exists.
    INT_PTR DoModal(int flags);
    void End(INT_PTR result);
    void ShowValues();
    void ReadValues();
    bool IsWriting() const { return m_bWriting; }

    // The dialogs' shared message handling (closing ends with 0).
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    int DefMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The attach step; derived dialogs call it first.
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    // Whether a command is taken; every dialog of the program takes them all.
    virtual bool AcceptCommand(WPARAM) { return true; }

    // Placement: a kept position, a reference window, owner-relative and centred.
    void SetKeptPosition(int x, int y) {
        m_KeptX = x;
        m_KeptY = y;
    }
    void SetPlacement(cWnd* reference, bool ownerRelative, bool centre) {
        m_pReference = reference;
        m_bOwnerRelative = ownerRelative;
        m_bCentre = centre;
    }
    void SetScrollBars(int bars) { m_ScrollBars = bars; }
    // A template of the dialog's own instead of the program's one of its id.
    void UseTemplate(const DLGTEMPLATE* dialog) { m_pTemplate = dialog; }
    void SetFocusReturn(cCtrl* control) {
        m_bFocusReturn = 1;
        m_pFocusReturn = control;
    }
    void AddCtrl(cCtrl* control) { m_Ctrls.push_back(control); }
    const std::vector<cCtrl*>& Ctrls() const { return m_Ctrls; }
    cScrollCtrl* OwnScrollBar(int bar) { return bar == SB_HORZ ? m_pHScroll.get() : m_pVScroll.get(); }
    INT_PTR Result() const { return m_Result; }
    int Data() const { return m_Data; }
    // What an unattended presenter answered in the last DoModal (empty when a user did).
    const std::string& Answered() const { return m_Answered; }

    static INT_PTR DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    void Place();
    void RestoreOwnerChildren();

    INT_PTR m_Result = 0;
    int m_Flags = 0;
    int m_Data = 0;
    int m_KeptX = kNoKeptPosition, m_KeptY = kNoKeptPosition;
    cWnd* m_pReference = nullptr;
    bool m_bOwnerRelative = false, m_bCentre = false;
    bool m_bSubclassed = false;
    cHook m_Hook;
    std::vector<cCtrl*> m_Ctrls;
    bool m_bWriting = false;
    int m_ScrollBars = 0;
    std::unique_ptr<cScrollCtrl> m_pHScroll, m_pVScroll;
    int m_bFocusReturn = 0;
    cCtrl* m_pFocusReturn = nullptr;
    std::string m_Answered;
    const DLGTEMPLATE* m_pTemplate = nullptr;
};

// Where a dialog of the given size goes: inside the work area, from the kept
// position, over a reference rectangle, or centred. `place` false: the
// system chooses (no kept position, no reference).
struct DlgPlacement {
    bool place = false;
    int x = 0, y = 0;
};
DlgPlacement PlaceInWorkArea(const RECT& area, int width, int height, int keptX, int keptY,
                             const RECT* reference, bool ownerRelative, bool centre);

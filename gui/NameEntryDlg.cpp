#include "gui/NameEntryDlg.h"

#include "gui/DialogTemplates.h"
#include "platform/WindowEvents.h"

cNameEntryDlg::cNameEntryDlg(cWnd* parent, cWndList* ownerList, std::string* name, bool english)
    : m_pName(name), m_bEnglish(english) {
    Init(IDD_NAME_ENTRY, parent, 0, ownerList);
    int px = 0, py = 0;
    if (parent) parent->GetPos(px, py);
    SetKeptPosition(px + 240, py + 220);
    SetWindowParams(160, 130, px + 240, py + 220, 0, 0, 0, 0, 0);
    m_CursorX = px + 240 + 80;
    m_CursorY = py + 220 + 65;
    m_Param.id = IDC_NAME;
    m_Param.value = &m_Typed;
    m_Param.bufferSize = 4;
    m_Param.maxCharsPerLine = 3;
    m_Param.maxLines = 1;
    m_Param.doubleByte = 1;
    m_Edits.resize(1);
}

int cNameEntryDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cDlg::OnInitDialog(wParam, lParam);
    // The field edits a copy, so that closing or Escape leaves the name as it was.
    m_Typed = m_pName ? *m_pName : std::string();
    for (cEditCtrl& e : m_Edits) {
        e.Attach(this, m_Param);
        AddCtrl(&e);
    }
    ShowValues();
    SetFocus(m_Edits[0].Handle());
    SendMessageA(m_Edits[0].Handle(), EM_SETSEL, 0, 0x7FFFFFFF);
    if (m_bEnglish) SetDlgItemTextA(m_hWnd, IDC_NAME_LABEL, "     Name");
    SetFocusReturn(&m_Edits[0]);
    return 1;
}

int cNameEntryDlg::DefMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Escape is the close box: the dialog ends with 0 and the name stays as it was.
    if (message == WM_KEYDOWN && wParam == static_cast<WPARAM>(VK_ESCAPE)) {
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return 1;
    }
    return cDlg::DefMessage(hwnd, message, wParam, lParam);
}

void cNameEntryDlg::Confirm() {
    if (m_pName) *m_pName = m_Typed;
}

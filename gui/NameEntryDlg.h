// The ranking name entry: up to three characters (a Shift-JIS character
// counts as one) on one line. OK stores the name and gives 1; closing the
// dialog (its close box or Escape) keeps the old name and gives 0.
#pragma once

#include "gui/ConfirmDlg.h"

class cNameEntryDlg : public cConfirmDlg {
public:
    // `name`: the name edited; the parent's position places the dialog.
    cNameEntryDlg(cWnd* parent, cWndList* ownerList, std::string* name, bool english);

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int DefMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

    int CursorX() const { return m_CursorX; }
    int CursorY() const { return m_CursorY; }

private:
    // OK: the name takes the field's text.
    void Confirm() override;

    std::string* m_pName;
    std::string m_Typed; // the field's text; the name takes it only on OK
    bool m_bEnglish;
    std::vector<cEditCtrl> m_Edits;
    EDITPARAM m_Param;
    int m_CursorX = 0, m_CursorY = 0;
};

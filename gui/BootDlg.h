// The start-up dialog: the drawing mode (Direct3D or DirectDraw), start or
// cancel, and "do not show again". Start stores the choice in
// user_data\Boot.dat; Cancel stores nothing.
#pragma once

#include "gui/ConfirmDlg.h"
#include "project/BootData.h"

class cBootDlg : public cConfirmDlg {
public:
    // `caption`: the project's title; `english`: the English captions.
    cBootDlg(cWnd* parent, cWndList* ownerList, cBootData& data, std::string caption, bool english,
             std::string bootPath);

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;

    // Where the mouse cursor is put: on the Start button.
    int CursorX() const { return m_CursorX; }
    int CursorY() const { return m_CursorY; }

private:
    // Start: the choice goes to Boot.dat.
    void Confirm() override;

    cBootData& m_Data;
    std::string m_Caption;
    bool m_bEnglish;
    std::string m_BootPath;
    std::vector<cRadioCtrl> m_Radios;
    std::vector<cCheckBoxCtrl> m_Checks;
    std::vector<cTextCtrl> m_Texts;
    int m_CursorX = 0, m_CursorY = 0;
};

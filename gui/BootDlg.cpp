#include "gui/BootDlg.h"

#include "foundation/ErrorLog.h"
#include "gui/DialogTemplates.h"

cBootDlg::cBootDlg(cWnd* parent, cWndList* ownerList, cBootData& data, std::string caption, bool english,
                   std::string bootPath)
    : m_Data(data), m_Caption(std::move(caption)), m_bEnglish(english), m_BootPath(std::move(bootPath)) {
    Init(IDD_BOOT, parent, 0, ownerList);
    int px = 0, py = 0;
    if (parent) parent->GetPos(px, py);
    const double x = px + 320.0 - 187.0, y = py + 240.0 - 136.0;
    SetKeptPosition(static_cast<int>(x), static_cast<int>(y));
    SetWindowParams(374, 272, static_cast<int>(x), static_cast<int>(y), WS_CAPTION, 0, 0, 0, 0);
    m_CursorX = static_cast<int>(x + 181.9);
    m_CursorY = static_cast<int>(y + 198.9);
    m_Radios.resize(2);
    m_Checks.resize(1);
    m_Texts.resize(2);
}

int cBootDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cDlg::OnInitDialog(wParam, lParam);
    SetWindowTextA(m_hWnd, m_Caption.c_str());
    m_Radios[0].Attach(this, IDC_D3D, &m_Data.nDrawMode, 1);
    m_Radios[1].Attach(this, IDC_DDRAW, &m_Data.nDrawMode, 0);
    m_Checks[0].Attach(this, IDC_DONT_ASK, &m_Data.bDoNotAsk);
    m_Texts[0].Attach(this, IDC_HINT);
    m_Texts[1].Attach(this, 0);
    for (cRadioCtrl& c : m_Radios) AddCtrl(&c);
    for (cCheckBoxCtrl& c : m_Checks) AddCtrl(&c);
    for (cTextCtrl& c : m_Texts) AddCtrl(&c);
    ShowValues();
    if (m_bEnglish) {
        SetDlgItemTextA(m_hWnd, IDC_MODE_GROUP, "Drawing mode");
        SetDlgItemTextA(m_hWnd, IDC_OK, "Start");
        SetDlgItemTextA(m_hWnd, IDC_CANCEL, "Cancel");
        m_Texts[0].SetText("Configure the detail settings at \"System.ini\".");
        SetDlgItemTextA(m_hWnd, IDC_DONT_ASK, "Do not ask this dialog again");
    }
    SetFocusReturn(&m_Radios[0]);
    return 1;
}

void cBootDlg::Confirm() {
    if (!m_Data.SaveToFile(m_BootPath)) ErrorLogPrintf("%s の保存に失敗", m_BootPath.c_str());
}

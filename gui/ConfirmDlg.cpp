#include "gui/ConfirmDlg.h"

#include "gui/DialogTemplates.h"

LRESULT cConfirmDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!AcceptCommand(wParam)) return 0;
    cDlg::OnCommand(wParam, lParam);
    switch (LoWord(wParam)) {
    case IDC_OK:
        ReadValues();
        Confirm();
        End(1);
        break;
    case IDC_CANCEL:
        End(0);
        break;
    default:
        break;
    }
    return 0;
}

// A dialog that ends on its two buttons: OK (IDC_OK) reads the controls'
// values back, lets the dialog take them (Confirm) and ends with 1; Cancel
// (IDC_CANCEL) ends with 0 and takes nothing.
#pragma once

#include "gui/Dlg.h"

class cConfirmDlg : public cDlg {
public:
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    // What OK does with the values read back.
    virtual void Confirm() = 0;
};

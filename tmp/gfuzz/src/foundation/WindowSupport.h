// The window-support object: the lists of child windows and child controls
// that a window owns and that its modal dialogs hide or disable while they run.
// The program keeps one for the main window; the window framework fills it.
#pragma once

#include "foundation/Containers.h"

class cWnd;
class cCtrl;

class cWndList {
public:
    // A listed control with what releases it when the list goes (may be null).
    struct CtrlEntry {
        cCtrl* control = nullptr;
        void (*release)(cCtrl*) = nullptr;
    };

    cWndList() = default;
    // Hands every control entry to Erase, then frees both lists.
    ~cWndList();
    cWndList(const cWndList&) = delete;
    cWndList& operator=(const cWndList&) = delete;

    void AddWindow(cWnd* window) { m_WndList.push_back(window); }
    void AddControl(cCtrl* control, void (*release)(cCtrl*) = nullptr) {
        m_CtrlList.push_back({control, release});
    }
    void RemoveWindow(cWnd* window) { m_WndList.remove(window); }
    void RemoveControl(cCtrl* control);
    // Releases one control entry.
    static void Erase(CtrlEntry& entry);

    cList<cWnd*> m_WndList;
    cList<CtrlEntry> m_CtrlList;
};

// The main window's lists, passed to cMainWnd::Attach and to its dialogs.
extern cWndList WndList;

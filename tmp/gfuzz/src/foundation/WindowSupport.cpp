#include "foundation/WindowSupport.h"

cWndList WndList;

cWndList::~cWndList() {
    for (CtrlEntry& entry : m_CtrlList) Erase(entry);
    m_CtrlList.clear();
    m_WndList.clear();
}

void cWndList::RemoveControl(cCtrl* control) {
    m_CtrlList.remove_if([control](const CtrlEntry& e) { return e.control == control; });
}

void cWndList::Erase(CtrlEntry& entry) {
    if (entry.release && entry.control) entry.release(entry.control);
    entry.control = nullptr;
    entry.release = nullptr;
}

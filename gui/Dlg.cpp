#include "gui/Dlg.h"

#include "foundation/ErrorLog.h"
#include "foundation/MessageBox.h"
#include "platform/Desktop.h"
#include "platform/WindowEvents.h"

#include <algorithm>

namespace {
constexpr char kDlgProp[] = "DLG_CLASS";
// The dialog whose window is being made on this thread: it takes the
// messages that come before its window carries the property.
thread_local cDlg* tStarting = nullptr;

int ClampInto(int v, int size, int low, int high) {
    return std::max(low, std::min(v, high - size));
}
} // namespace

DlgPlacement PlaceInWorkArea(const RECT& area, int width, int height, int keptX, int keptY,
                             const RECT* reference, bool ownerRelative, bool centre) {
    DlgPlacement p;
    int x = 0, y = 0;
    if (ownerRelative) {
        x = keptX;
        y = keptY;
        if (centre) {
            x = area.left + (area.right - area.left - width) / 2;
            y = area.top + (area.bottom - area.top - height) / 2;
        }
    } else if (!reference) {
        if (keptX == kNoKeptPosition || keptY == kNoKeptPosition) return p;
        x = keptX;
        y = keptY;
    } else {
        x = reference->left;
        y = reference->top;
        if (centre) {
            x = reference->left + (reference->right - reference->left - width) / 2;
            y = reference->top + (reference->bottom - reference->top - height) / 2;
        }
    }
    p.place = true;
    p.x = ClampInto(x, width, std::max<int>(area.left, 0), area.right);
    p.y = ClampInto(y, height, std::max<int>(area.top, 0), area.bottom);
    return p;
}

cDlg::~cDlg() {
    if (m_hWnd && IsWindow(m_hWnd) && !DestroyWindow(m_hWnd)) ErrorBox("ウインドウの破棄に失敗！");
}

void cDlg::Init(WORD templateId, cWnd* parent, int data, cWndList* ownerList) {
    m_Result = 0;
    m_Flags = 0;
    m_bFocusReturn = 0;
    m_Data = data;
    SetParentWnd(templateId, parent, ownerList);
}

INT_PTR cDlg::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dlg = static_cast<cDlg*>(GetPropA(hwnd, kDlgProp));
    if (!dlg) dlg = tStarting;
    return dlg ? dlg->OnMessage(hwnd, message, wParam, lParam) : 0;
}

INT_PTR cDlg::DoModal(int flags) {
    if (m_hWnd) return 0;
    End(0);
    m_Ctrls.clear();
    m_Flags = flags;
    if (m_pOwnerList) {
        if (flags & DLG_HIDE_OWNER_CHILDREN) m_pOwnerList->ShowAll(false);
        if (flags & DLG_DISABLE_OWNER_CHILDREN) m_pOwnerList->EnableAll(false);
    }
    const DLGTEMPLATE* dialog = m_pTemplate ? m_pTemplate : FindDialogTemplate(m_TemplateId);
    INT_PTR result = 0;
    m_Answered.clear();
    if (dialog) {
        cDlg* outer = tStarting;
        tStarting = this;
        result = DialogBoxIndirectParamA(m_hParent, *dialog, &cDlg::DialogProc, 0, &m_Answered);
        tStarting = outer;
        if (!m_Answered.empty()) ReportPrintf("%s", m_Answered.c_str());
    } else {
        ErrorLogPrintf("dialog template %u missing", static_cast<unsigned>(m_TemplateId));
    }
    m_hWnd = nullptr;
    // The control objects belong to the ended dialog: none is offered anything more.
    m_Ctrls.clear();
    RestoreOwnerChildren();
    return result == -1 ? 0 : result;
}

void cDlg::RestoreOwnerChildren() {
    if (!m_pOwnerList) return;
    if (m_Flags & DLG_HIDE_OWNER_CHILDREN) m_pOwnerList->ShowAll(true);
    if (m_Flags & DLG_DISABLE_OWNER_CHILDREN) m_pOwnerList->EnableAll(true);
}

void cDlg::End(INT_PTR result) {
    m_Result = result;
    if (m_hWnd) EndDialog(m_hWnd, result);
}

void cDlg::ShowValues() {
    m_bWriting = true;
    for (cCtrl* c : m_Ctrls) c->ShowValue();
    m_bWriting = false;
}

void cDlg::ReadValues() {
    for (cCtrl* c : m_Ctrls) c->ReadValue();
}

LRESULT cDlg::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const int handled = DefMessage(hwnd, message, wParam, lParam);
    if (message == WM_DESTROY) return 1;
    if (message == WM_CLOSE) {
        End(0);
        return 1;
    }
    return handled ? 1 : 0;
}

int cDlg::DefMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const int r = cWnd::DefMessage(hwnd, message, wParam, lParam);
    if (m_bFocusReturn && m_pFocusReturn) {
        HWND focus = GetFocus();
        if (focus &&
            ((m_pHScroll && focus == m_pHScroll->Handle()) || (m_pVScroll && focus == m_pVScroll->Handle())))
            SetFocus(m_pFocusReturn->Handle());
    }
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(wParam, lParam);
        break;
    case WM_DESTROY:
        RestoreOwnerChildren();
        break;
    case WM_HSCROLL:
    case WM_VSCROLL: {
        cScrollCtrl* bar = message == WM_HSCROLL ? m_pHScroll.get() : m_pVScroll.get();
        if (bar && reinterpret_cast<HWND>(lParam) == bar->Handle()) {
            const cScrollCtrl::Params& range = bar->Range();
            const int before = bar->Position();
            int pos = before;
            switch (LoWord(wParam)) {
            case SB_LINEUP:
                pos -= 1;
                break;
            case SB_LINEDOWN:
                pos += 1;
                break;
            case SB_PAGEUP:
                pos -= range.page;
                break;
            case SB_PAGEDOWN:
                pos += range.page;
                break;
            case SB_THUMBTRACK:
                pos = static_cast<std::int16_t>(HiWord(wParam));
                break;
            case SB_TOP:
                pos = range.min;
                break;
            case SB_BOTTOM:
                pos = range.max;
                break;
            default:
                break;
            }
            bar->SetPosition(pos);
            if (bar->Position() != before) OnDraw();
        }
        break;
    }
    case WM_KEYDOWN: {
        auto post = [&](UINT msg, WORD request, cScrollCtrl* bar) {
            PostMessageA(m_hWnd, msg, request, reinterpret_cast<LPARAM>(bar ? bar->Handle() : nullptr));
        };
        switch (static_cast<int>(wParam)) {
        case VK_PRIOR:
            post(WM_VSCROLL, SB_PAGEUP, m_pVScroll.get());
            break;
        case VK_NEXT:
            post(WM_VSCROLL, SB_PAGEDOWN, m_pVScroll.get());
            break;
        case VK_END:
            post(WM_HSCROLL, SB_PAGEDOWN, m_pHScroll.get());
            break;
        case VK_HOME:
            post(WM_HSCROLL, SB_PAGEUP, m_pHScroll.get());
            break;
        case VK_LEFT:
            post(WM_HSCROLL, SB_LINEUP, m_pHScroll.get());
            break;
        case VK_UP:
            post(WM_VSCROLL, SB_LINEUP, m_pVScroll.get());
            break;
        case VK_RIGHT:
            post(WM_HSCROLL, SB_LINEDOWN, m_pHScroll.get());
            break;
        case VK_DOWN:
            post(WM_VSCROLL, SB_LINEDOWN, m_pVScroll.get());
            break;
        default:
            break;
        }
        break;
    }
    case WM_DIALOG_KEY:
        SendMessageA(m_hWnd, WM_KEYDOWN, wParam, lParam);
        break;
    default:
        break;
    }
    return r;
}

LRESULT cDlg::OnCommand(WPARAM wParam, LPARAM) {
    const WORD id = LoWord(wParam);
    // The first control of the id takes the notification. It may end the
    // dialog; the list it is found in stays whole until the dialog has ended.
    for (cCtrl* c : m_Ctrls) {
        if (c->Id() != id) continue;
        c->OnNotifyCode(HiWord(wParam));
        break;
    }
    return 0;
}

int cDlg::OnInitDialog(WPARAM, LPARAM) {
    if (!m_bSubclassed) {
        SetPropA(m_hWnd, kDlgProp, this);
        m_bSubclassed = true;
    }
    UpdateStyle();
    if (m_ScrollBars & DLG_HSCROLL) {
        m_pHScroll = std::make_unique<cScrollCtrl>();
        m_pHScroll->Attach(this, 0, {}, this, SB_HORZ);
        AddCtrl(m_pHScroll.get());
    }
    if (m_ScrollBars & DLG_VSCROLL) {
        m_pVScroll = std::make_unique<cScrollCtrl>();
        m_pVScroll->Attach(this, 0, {}, this, SB_VERT);
        AddCtrl(m_pVScroll.get());
    }
    Place();
    if (!m_Hook.KeyboardHook(m_hWnd, 0)) ErrorBoxPrintf("KeyboardHookに失敗!");
    GetMouse(0, 7);
    return 1;
}

void cDlg::Place() {
    RECT reference{};
    if (m_pReference) {
        int x = 0, y = 0;
        m_pReference->GetPos(x, y);
        reference = RECT{x, y, x + m_pReference->WindowWidth(), y + m_pReference->WindowHeight()};
    }
    const DlgPlacement p = PlaceInWorkArea(GetWorkArea(), m_WindowW, m_WindowH, m_KeptX, m_KeptY,
                                           m_pReference ? &reference : nullptr, m_bOwnerRelative, m_bCentre);
    if (p.place) Move(p.x, p.y);
}

#include "gui/Wnd.h"

#include "foundation/ErrorLog.h"
#include "gui/WmNames.h"
#include "platform/Desktop.h"
#include "platform/InputDevices.h"
#include "platform/WindowEvents.h"

#include <algorithm>

namespace {
constexpr int kCaption = 23;
constexpr int kBorder = 3;
constexpr int kMenu = 20;
} // namespace

LRESULT cWnd::OnCommand(WPARAM, LPARAM) {
    return 0;
}

LRESULT cWnd::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMessage(hwnd, message, wParam, lParam);
}

int cWnd::DefMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    m_hWnd = hwnd;
    // The guard keeps a command that arrives while one is being handled from
    // running nested; every other message goes through.
    if (message == WM_COMMAND) {
        if (m_bInCommand) return 0;
        m_bInCommand = 1;
    }
    if (m_bTrace && message != WM_GETTEXT) {
        const DWORD wp = static_cast<DWORD>(wParam);
        const std::int32_t lp = static_cast<std::int32_t>(lParam);
        ErrorLogPrintf("%s | msg:%s | wp:%u(%u,%u) | lp:%d(%d,%d)", m_Name.c_str(), GetWmName(message), wp,
                       HiWord(wp), LoWord(wp), lp, HiWord(static_cast<DWORD>(lp)),
                       LoWord(static_cast<DWORD>(lp)));
    }
    GetMouse(0, 7);
    switch (message) {
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, lParam);
        return 1;
    case WM_LBUTTONDOWN:
        OnLButtonDown(wParam, lParam);
        return 1;
    case WM_RBUTTONDOWN:
        OnRButtonDown(wParam, lParam);
        return 1;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(wParam, lParam);
        return 1;
    case WM_RBUTTONDBLCLK:
        OnRButtonDblClk(wParam, lParam);
        return 1;
    case WM_LBUTTONUP:
        OnLButtonUp(wParam, lParam);
        return 1;
    case WM_RBUTTONUP:
        OnRButtonUp(wParam, lParam);
        return 1;
    case WM_PAINT:
        OnDraw();
        return 1;
    case WM_DESTROY:
        m_hWnd = nullptr;
        return 1;
    case WM_MOVE:
        m_x = static_cast<std::int16_t>(LoWord(static_cast<DWORD>(lParam)));
        m_y = static_cast<std::int16_t>(HiWord(static_cast<DWORD>(lParam)));
        return 1;
    case WM_SIZE:
        UpdateStyle();
        return 1;
    case WM_GETMINMAXINFO:
        FillMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return 1;
    case WM_ACTIVATEAPP:
        return 1;
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        m_bInCommand = 0;
        return 1;
    default:
        return 0;
    }
}

void cWnd::SetTemplate(WORD templateId, HWND parent, cWndList* ownerList) {
    m_TemplateId = templateId;
    m_hParent = parent;
    m_pOwnerList = ownerList;
}

void cWnd::SetParentWnd(WORD templateId, cWnd* parent, cWndList* ownerList) {
    m_pParent = parent;
    SetTemplate(templateId, parent ? parent->Handle() : nullptr, ownerList);
}

void cWnd::FrameSize(int& width, int& height) const {
    width = height = 0;
    if (m_Style & (WS_BORDER | WS_THICKFRAME)) {
        width += 2 * kBorder;
        height += 2 * kBorder;
    }
    if ((m_Style & WS_CAPTION) == WS_CAPTION) height += kCaption;
    if (m_bMenu) height += kMenu;
    if (m_bVScroll) width += GetSystemMetrics(SM_CXVSCROLL);
    if (m_bHScroll) height += GetSystemMetrics(SM_CYHSCROLL);
}

void cWnd::SetWindowParams(int clientWidth, int clientHeight, int x, int y, DWORD style, DWORD exStyle,
                           int menu, int vScroll, int hScroll) {
    m_ClientW = clientWidth;
    m_ClientH = clientHeight;
    m_x = x;
    m_y = y;
    m_Style = style;
    m_ExStyle = exStyle;
    m_bMenu = menu;
    m_bVScroll = vScroll;
    m_bHScroll = hScroll;
    UpdateStyle();
}

void cWnd::UpdateStyle() {
    int fw = 0, fh = 0;
    FrameSize(fw, fh);
    m_WindowW = m_ClientW + fw;
    m_WindowH = m_ClientH + fh;
}

void cWnd::Move(int x, int y) {
    m_x = x;
    m_y = y;
}

void cWnd::Resize(int clientWidth, int clientHeight) {
    m_ClientW = clientWidth;
    m_ClientH = clientHeight;
    UpdateStyle();
}

void cWnd::SetPosSize(int x, int y, int clientWidth, int clientHeight) {
    Move(x, y);
    Resize(clientWidth, clientHeight);
}

void cWnd::CenterOnDesktop() {
    const RECT area = GetWorkArea();
    Move((area.right - m_WindowW) / 2, (area.bottom - m_WindowH) / 2);
}

void cWnd::AddStyle(DWORD bits) {
    m_Style |= bits;
    if (bits & WS_DISABLED) EnableWindow(m_hWnd, FALSE);
    UpdateStyle();
}

void cWnd::RemoveStyle(DWORD bits) {
    m_Style &= ~bits;
    if (bits & WS_DISABLED) EnableWindow(m_hWnd, TRUE);
    UpdateStyle();
}

void cWnd::FillMinMaxInfo(MINMAXINFO* info) const {
    if (!info) return;
    int fw = 0, fh = 0;
    FrameSize(fw, fh);
    if (m_MinW) info->minTrackX = m_MinW + fw;
    if (m_MinH) info->minTrackY = m_MinH + fh;
    if (m_MaxW) info->maxTrackX = m_MaxW + fw;
    if (m_MaxH) info->maxTrackY = m_MaxH + fh;
}

int cWnd::GetMouse(int force, int mask) {
    m_Mouse.Update(mask, GetAsyncKeyState(VK_LBUTTON) < 0, GetAsyncKeyState(VK_RBUTTON) < 0);
    if (force) return 1;
    return m_Mouse.x >= 0 && m_Mouse.y >= 0 && m_Mouse.x < m_ClientW && m_Mouse.y < m_ClientH ? 1 : 0;
}

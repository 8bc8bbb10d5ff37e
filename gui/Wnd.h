// cWnd: one window's handle and geometry, with its messages turned into calls
// of virtual operations (DefMessage dispatches them). The main window and the
// dialogs derive from it. UI thread only.
#pragma once

#include "gui/MouseState.h"
#include "platform/Dialog.h"

#include <string>

class cWndList;

struct MINMAXINFO {
    LONG reservedX = 0, reservedY = 0;
    LONG maxSizeX = 0, maxSizeY = 0;
    LONG maxPositionX = 0, maxPositionY = 0;
    LONG minTrackX = 0, minTrackY = 0;
    LONG maxTrackX = 0, maxTrackY = 0;
};

class cWnd {
public:
    cWnd() = default;
    cWnd(const cWnd&) = delete;
    cWnd& operator=(const cWnd&) = delete;
    virtual ~cWnd() = default;

    virtual LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    // The mouse handlers: empty in every window of the program.
    virtual void OnMouseMove(WPARAM, LPARAM) {}
    virtual void OnLButtonDown(WPARAM, LPARAM) {}
    virtual void OnRButtonDown(WPARAM, LPARAM) {}
    virtual void OnLButtonDblClk(WPARAM, LPARAM) {}
    virtual void OnRButtonDblClk(WPARAM, LPARAM) {}
    virtual void OnLButtonUp(WPARAM, LPARAM) {}
    virtual void OnRButtonUp(WPARAM, LPARAM) {}
    // Every message of the window: the framework's handling by default.
    virtual LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The framework's own processing; 1 when it handled the message.
    virtual int DefMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    virtual void UpdateKind8Controls() {}
    virtual void OnDraw() {}
    // WM_INITDIALOG for dialogs, WM_CREATE for the main window.
    virtual int OnInitDialog(WPARAM, LPARAM) { return 0; }

    void SetTemplate(WORD templateId, HWND parent, cWndList* ownerList);
    void SetParentWnd(WORD templateId, cWnd* parent, cWndList* ownerList);
    // Before creation: keeps the client size, position, styles and bars.
    void SetWindowParams(int clientWidth, int clientHeight, int x, int y, DWORD style, DWORD exStyle,
                         int menu, int vScroll, int hScroll);

    void GetPos(int& x, int& y) const {
        x = m_x;
        y = m_y;
    }
    void Move(int x, int y);
    void Resize(int clientWidth, int clientHeight);
    void SetPosSize(int x, int y, int clientWidth, int clientHeight);
    // The middle of the work area.
    void CenterOnDesktop();
    void AddStyle(DWORD bits);
    void RemoveStyle(DWORD bits);
    void UpdateStyle();
    void FillMinMaxInfo(MINMAXINFO* info) const;
    // Refreshes the mouse state; 1 when the cursor is inside the client area (or `force`).
    int GetMouse(int force, int mask);

    HWND Handle() const { return m_hWnd; }
    int ClientWidth() const { return m_ClientW; }
    int ClientHeight() const { return m_ClientH; }
    int WindowWidth() const { return m_WindowW; }
    int WindowHeight() const { return m_WindowH; }
    DWORD Style() const { return m_Style; }
    const cMouseState& Mouse() const { return m_Mouse; }

    // The message trace: one error-log line per message while on.
    std::string m_Name;
    int m_bTrace = 0;

protected:
    // The frame around the client area, from the style bits.
    void FrameSize(int& width, int& height) const;

    HWND m_hWnd = nullptr;
    WORD m_TemplateId = 0;
    HWND m_hParent = nullptr;
    cWnd* m_pParent = nullptr;
    cWndList* m_pOwnerList = nullptr;
    int m_x = 0, m_y = 0;
    int m_ClientW = 0, m_ClientH = 0;
    int m_WindowW = 0, m_WindowH = 0;
    int m_MinW = 0, m_MinH = 0, m_MaxW = 0, m_MaxH = 0;
    DWORD m_Style = 0, m_ExStyle = 0;
    int m_bMenu = 0, m_bVScroll = 0, m_bHScroll = 0;
    int m_bInCommand = 0; // re-entry guard of WM_COMMAND
    cMouseState m_Mouse;
};

// Window style bits the framework looks at.
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_THICKFRAME = 0x00040000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_VISIBLE = 0x10000000;

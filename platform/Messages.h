// Window messages between threads, with the meanings the program relies on:
// every thread has its own queue; a window belongs to the thread that made it;
// PostMessageA queues and returns, SendMessageA runs the window procedure on
// the owning thread and blocks the sender until it has been handled.
//
// Departures that keep the program from hanging: a send to a thread that is
// closing (it has taken WM_QUIT off its queue, or it is waiting for another
// thread to end) or that has ended returns 0 at once, and a send still waiting
// when its receiver closes is answered with 0.
//
// A UI thread that also pumps another event source (the SDL window) can ask to
// be woken when a message arrives (SetMessageArrivalHook) and can wait for
// messages with a timeout (WaitForMessage). Its loop then takes both kinds in
// turn: the window's events, then PeekMessageA/DispatchMessageA until the
// queue is empty, then a wait on the window's events that the hook ends (for
// SDL: the hook pushes a user event, the loop waits in SDL_WaitEventTimeout).
#pragma once

#include "platform/Seam.h"
#include "platform/Types.h"

#include <cstdint>

struct HWND__;
using HWND = HWND__*;
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
};

// The data block that WM_COPYDATA carries in its lParam.
struct COPYDATASTRUCT {
    std::uintptr_t dwData = 0;
    DWORD cbData = 0;
    void* lpData = nullptr;
};

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_COPYDATA = 0x004A;
constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_APP = 0x8000;

constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;

// A message filter window of HWND(-1) selects messages posted to the thread
// itself (no window).
inline HWND ThreadMessagesOnly() {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));
}

// --- Window classes and windows -------------------------------------------

// Registers a class name with its window procedure; false when the name is
// taken or the procedure is null.
BOOL RegisterWindowClass(const char* className, WNDPROC proc);
BOOL UnregisterWindowClass(const char* className);
// Makes a window of a registered class owned by the calling thread and sends
// it WM_CREATE; null when the class is unknown or WM_CREATE answers -1.
HWND CreateWindowA(const char* className, const char* title);
// Sends WM_DESTROY to the window and removes it. Only the owning thread can
// destroy a window (false otherwise).
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);
// The first window of this process with the class name (and the title when it
// is not null).
HWND FindWindowA(const char* className, const char* title);
// The id of the window's owning thread (0 when the window does not exist).
DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId);
BOOL SetWindowTextA(HWND hwnd, const char* text);
// Copies at most size - 1 bytes of the title and a terminating zero; returns
// the bytes copied.
int GetWindowTextA(HWND hwnd, char* buffer, int size);
// Named values kept with a window.
BOOL SetPropA(HWND hwnd, const char* name, void* data);
void* GetPropA(HWND hwnd, const char* name);
void* RemovePropA(HWND hwnd, const char* name);
// The default handling: WM_CLOSE destroys the window; everything else gives 0.
LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// --- Queues ----------------------------------------------------------------

DWORD GetCurrentThreadId();
// Queues a message for the window's owning thread. A null window posts to the
// calling thread, as a thread message. False when the window does not exist.
BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// False when the thread does not exist (or has no queue any more).
BOOL PostThreadMessageA(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// Runs the window procedure on the window's owning thread and returns its
// result; see the header comment for the cases that return 0 at once.
LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Handles messages sent to this thread's windows, then looks for a posted
// message in the filter (window, first and last message; 0, 0 takes all).
BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT first, UINT last, UINT removeFlags);
// Waits for a posted message in the filter and takes it; FALSE for WM_QUIT.
BOOL GetMessageA(MSG* msg, HWND hwnd, UINT first, UINT last);
// Waits until a posted message is in the queue (handling sent ones meanwhile).
BOOL WaitMessage();
// As WaitMessage with a limit in milliseconds; true when a posted message is
// waiting.
bool WaitForMessage(DWORD timeoutMs);
LRESULT DispatchMessageA(const MSG* msg);
// Key messages are not translated into characters here; kept for the pump's shape.
BOOL TranslateMessage(const MSG* msg);
// Told, on the posting or sending thread, whenever a message arrives in the
// queue of the thread that installed it; lets a pump that waits on other
// events wake up. A poster may still call it just after it was removed, so it
// must outlive every thread that posts to its thread (a static, or a test's
// local once its threads are joined). The null one does nothing.
class cMessageArrival {
public:
    virtual ~cMessageArrival() = default;
    virtual void MessageArrived() = 0;
};

class cNullMessageArrival : public cMessageArrival {
public:
    void MessageArrived() override {}
};

// The calling thread's hook, and installing one for it (nullptr: none).
cMessageArrival& MessageArrivalHook();
void SetMessageArrivalHook(cMessageArrival* hook);
using cScopedMessageArrivalHook = cScopedSeam<cMessageArrival, MessageArrivalHook, SetMessageArrivalHook>;

// Window classes and window handles. A handle is a number that is never used
// twice in a run, so a stale handle can only fail, never reach another window.
#include "platform/ThreadState.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <unordered_map>

namespace {

struct WindowRecord {
    std::string className;
    std::string title;
    WNDPROC proc = nullptr;
    DWORD owner = 0;
    std::map<std::string, void*> props;
};

struct WindowTable {
    std::mutex m;
    std::unordered_map<std::string, WNDPROC> classes;
    std::map<std::uintptr_t, WindowRecord> windows;
    std::uintptr_t nextHandle = 0x10000;
};

WindowTable& Table() {
    static WindowTable t;
    return t;
}

std::uintptr_t Key(HWND hwnd) {
    return reinterpret_cast<std::uintptr_t>(hwnd);
}

WindowRecord* FindLocked(HWND hwnd) {
    auto it = Table().windows.find(Key(hwnd));
    return it == Table().windows.end() ? nullptr : &it->second;
}

} // namespace

BOOL RegisterWindowClass(const char* className, WNDPROC proc) {
    if (!className || !proc) return FALSE;
    std::lock_guard<std::mutex> lock(Table().m);
    return Table().classes.emplace(className, proc).second ? TRUE : FALSE;
}

BOOL UnregisterWindowClass(const char* className) {
    if (!className) return FALSE;
    std::lock_guard<std::mutex> lock(Table().m);
    return Table().classes.erase(className) ? TRUE : FALSE;
}

HWND CreateWindowA(const char* className, const char* title) {
    if (!className) return nullptr;
    DWORD owner = CurrentThreadState()->id;
    HWND hwnd = nullptr;
    {
        std::lock_guard<std::mutex> lock(Table().m);
        auto cls = Table().classes.find(className);
        if (cls == Table().classes.end()) return nullptr;
        WindowTable& t = Table();
        std::uintptr_t key = t.nextHandle;
        t.nextHandle += 4;
        WindowRecord rec;
        rec.className = className;
        rec.title = title ? title : "";
        rec.proc = cls->second;
        rec.owner = owner;
        t.windows.emplace(key, std::move(rec));
        hwnd = reinterpret_cast<HWND>(key);
    }
    if (CallWindowProcFor(hwnd, WM_CREATE, 0, 0) == -1) {
        std::lock_guard<std::mutex> lock(Table().m);
        Table().windows.erase(Key(hwnd));
        return nullptr;
    }
    return hwnd;
}

BOOL DestroyWindow(HWND hwnd) {
    if (WindowOwnerThread(hwnd) != GetCurrentThreadId()) return FALSE;
    CallWindowProcFor(hwnd, WM_DESTROY, 0, 0);
    std::lock_guard<std::mutex> lock(Table().m);
    return Table().windows.erase(Key(hwnd)) ? TRUE : FALSE;
}

BOOL IsWindow(HWND hwnd) {
    std::lock_guard<std::mutex> lock(Table().m);
    return FindLocked(hwnd) ? TRUE : FALSE;
}

HWND FindWindowA(const char* className, const char* title) {
    std::lock_guard<std::mutex> lock(Table().m);
    for (auto& [key, rec] : Table().windows) {
        if (className && rec.className != className) continue;
        if (title && rec.title != title) continue;
        return reinterpret_cast<HWND>(key);
    }
    return nullptr;
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId) {
    if (processId) *processId = 0;
    return WindowOwnerThread(hwnd);
}

BOOL SetWindowTextA(HWND hwnd, const char* text) {
    std::lock_guard<std::mutex> lock(Table().m);
    WindowRecord* rec = FindLocked(hwnd);
    if (!rec) return FALSE;
    rec->title = text ? text : "";
    return TRUE;
}

int GetWindowTextA(HWND hwnd, char* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    buffer[0] = 0;
    std::lock_guard<std::mutex> lock(Table().m);
    WindowRecord* rec = FindLocked(hwnd);
    if (!rec) return 0;
    std::size_t n = std::min(rec->title.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, rec->title.data(), n);
    buffer[n] = 0;
    return static_cast<int>(n);
}

BOOL SetPropA(HWND hwnd, const char* name, void* data) {
    if (!name) return FALSE;
    std::lock_guard<std::mutex> lock(Table().m);
    WindowRecord* rec = FindLocked(hwnd);
    if (!rec) return FALSE;
    rec->props[name] = data;
    return TRUE;
}

void* GetPropA(HWND hwnd, const char* name) {
    if (!name) return nullptr;
    std::lock_guard<std::mutex> lock(Table().m);
    WindowRecord* rec = FindLocked(hwnd);
    if (!rec) return nullptr;
    auto it = rec->props.find(name);
    return it == rec->props.end() ? nullptr : it->second;
}

void* RemovePropA(HWND hwnd, const char* name) {
    if (!name) return nullptr;
    std::lock_guard<std::mutex> lock(Table().m);
    WindowRecord* rec = FindLocked(hwnd);
    if (!rec) return nullptr;
    auto it = rec->props.find(name);
    if (it == rec->props.end()) return nullptr;
    void* data = it->second;
    rec->props.erase(it);
    return data;
}

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) DestroyWindow(hwnd);
    return 0;
}

LRESULT CallWindowProcFor(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC proc = nullptr;
    {
        std::lock_guard<std::mutex> lock(Table().m);
        WindowRecord* rec = FindLocked(hwnd);
        if (rec) proc = rec->proc;
    }
    return proc ? proc(hwnd, message, wParam, lParam) : 0;
}

DWORD WindowOwnerThread(HWND hwnd) {
    std::lock_guard<std::mutex> lock(Table().m);
    WindowRecord* rec = FindLocked(hwnd);
    return rec ? rec->owner : 0;
}

void ForgetWindowsOfThread(DWORD threadId) {
    std::lock_guard<std::mutex> lock(Table().m);
    auto& w = Table().windows;
    for (auto it = w.begin(); it != w.end();) {
        if (it->second.owner == threadId)
            it = w.erase(it);
        else
            ++it;
    }
}

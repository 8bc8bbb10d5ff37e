// cThread: one worker thread of the program, on the platform's threads. It
// starts a procedure, waits for its end, suspends and resumes it around modal
// dialogs (the worker stops at its next safe point), and ends it in order: it
// posts WM_QUIT until the worker has returned. A worker is never killed; one
// that does not answer is waited for, and the log shows where.
#pragma once

#include "foundation/Containers.h"
#include "platform/Thread.h"

#include <array>
#include <atomic>
#include <memory>
#include <mutex>

class cThread {
public:
    cThread();
    ~cThread();
    cThread(const cThread&) = delete;
    cThread& operator=(const cThread&) = delete;

    // False when a thread could not be made, or this object's thread still runs.
    bool Start(THREADPROC proc, void* argument);
    // Waits until the thread has ended, then closes its handle.
    void Wait();
    // True when there is no thread, or it worked.
    bool Suspend();
    bool Resume();
    // Logs "Exit A" to "Exit E" around the orderly stop; nothing without a thread.
    void Exit();

    // The handle is open: a thread was started and not yet waited for or ended by Exit.
    bool HasThread() const;
    DWORD GetThreadId() const { return m_dwThreadId.load(); }

    // Target of the posted WM_QUIT; 0 before the first start.
    std::atomic<DWORD> m_dwThreadId{0};

private:
    std::shared_ptr<PlatformThread> Handle() const;
    void CloseHandle(const std::shared_ptr<PlatformThread>& handle);

    mutable std::mutex m_Lock; // guards m_hThread: the UI thread and a starter may both touch it
    std::shared_ptr<PlatformThread> m_hThread;
    cList<std::array<BYTE, 12>> m_PendingList; // emptied by Start
};

// The program's four workers: the game thread, the pause thread, the paged
// display thread and the loading thread.
extern cThread thGame;
extern cThread thPause;
extern cThread thPage;
extern cThread thLoad;

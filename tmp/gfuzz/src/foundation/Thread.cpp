#include "foundation/Thread.h"

#include "foundation/ErrorLog.h"
#include "platform/Messages.h"

cThread thGame;
cThread thPause;
cThread thPage;
cThread thLoad;

cThread::cThread() {
    // The destructor of a global object may still log and post: make sure the
    // log and the queues are built first, so they are torn down after it.
    IsErrorLogEnabled();
    PostThreadMessageA(0, WM_NULL, 0, 0);
}

cThread::~cThread() {
    Exit();
    m_PendingList.clear();
}

std::shared_ptr<PlatformThread> cThread::Handle() const {
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_hThread;
}

void cThread::CloseHandle(const std::shared_ptr<PlatformThread>& handle) {
    std::lock_guard<std::mutex> lock(m_Lock);
    if (m_hThread == handle) m_hThread.reset();
}

bool cThread::HasThread() const {
    return Handle() != nullptr;
}

bool cThread::Start(THREADPROC proc, void* argument) {
    std::lock_guard<std::mutex> lock(m_Lock);
    // Starting over a running thread would lose it: that thread must end first.
    if (m_hThread && !m_hThread->HasEnded()) return false;
    std::unique_ptr<PlatformThread> thread = PlatformThread::Start(proc, argument);
    if (!thread) return false;
    m_dwThreadId = thread->Id();
    m_hThread = std::move(thread);
    m_PendingList.clear();
    return true;
}

void cThread::Wait() {
    std::shared_ptr<PlatformThread> handle = Handle();
    if (!handle) return;
    {
        // This thread does not pump while it waits: what the worker sends to
        // it is answered at once instead of blocking both.
        SendRefusalScope refusing;
        while (!handle->WaitEnd(1)) ThreadSafePoint();
    }
    CloseHandle(handle);
}

bool cThread::Suspend() {
    std::shared_ptr<PlatformThread> handle = Handle();
    return !handle || handle->Suspend() >= 0;
}

bool cThread::Resume() {
    std::shared_ptr<PlatformThread> handle = Handle();
    return !handle || handle->Resume() >= 0;
}

void cThread::Exit() {
    std::shared_ptr<PlatformThread> handle = Handle();
    if (!handle) return;
    // A suspended thread cannot answer: undo every suspension.
    while (handle->Resume() > 1) {
    }
    ErrorLogPrintf("Exit A");
    handle->RequestStop();
    ErrorLogPrintf("Exit B");
    ErrorLogPrintf("Exit C");
    if (handle->Id() != GetCurrentThreadId()) {
        SendRefusalScope refusing;
        // Keep asking until the worker returns; one that ignores its queue for
        // a while is waited for, never cut off in the middle of its work.
        while (!handle->WaitEnd(1)) PostThreadMessageA(handle->Id(), WM_QUIT, 0, 0);
    }
    ErrorLogPrintf("Exit D");
    CloseHandle(handle);
    ErrorLogPrintf("Exit E");
}

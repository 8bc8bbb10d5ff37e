// One running copy of a program per lock name and user: a lock file held for
// the life of the process, and a local socket beside it on which the holder
// listens, so that a later copy can ask it to close in order. Nothing here
// ends a process that is not the same program: the holder's process is
// learnt from the socket's peer credentials (the kernel's word, not a file's)
// and its executable is compared with this one's before anything is forced.
//
// The files lie in $XDG_RUNTIME_DIR, or in /tmp/<prefix>-<uid> (mode 0700).
#pragma once

#include "platform/Types.h"

#include <functional>
#include <memory>
#include <string>
#include <sys/types.h>

class cInstanceLock {
public:
    // `nameUtf8` names the lock (the file names are made from it).
    explicit cInstanceLock(std::string nameUtf8);
    ~cInstanceLock();
    cInstanceLock(const cInstanceLock&) = delete;
    cInstanceLock& operator=(const cInstanceLock&) = delete;

    // True when this object now holds the lock (or already held it).
    bool TryAcquire();
    // Tries again every few milliseconds for at most timeoutMs.
    bool AcquireWithin(DWORD timeoutMs);
    bool Held() const;
    // Stops listening and gives the lock up.
    void Release();

    // The holder's side: answers close requests of later copies of the same
    // user by calling `onCloseRequest` on a listening thread. Needs the lock.
    bool Listen(std::function<void()> onCloseRequest);
    void StopListening();

    enum class AskResult {
        NoListener,     // nobody answers on the socket: nothing was asked
        NotThisProgram, // the one listening is another program or user: left alone
        Asked,          // the holder, this same program, was asked to close
        NoAnswer,       // the holder, this same program, took the request but never answered (hung)
    };
    // A later copy's side. `holderPid` gets the listening process when known.
    AskResult AskHolderToClose(pid_t* holderPid);
    // Ends the process by force, only when it is this same program of this user.
    static bool ForceEnd(pid_t pid);
    // True when the process runs the same executable as this one, for this user.
    static bool IsSameProgram(pid_t pid);

    std::string LockPath() const;
    std::string SocketPath() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

#include "platform/InstanceLock.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr char kCloseRequest[] = "close\n";
constexpr char kCloseAnswer[] = "ok\n";

std::string RuntimeFolder() {
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg && *xdg) return xdg;
    std::string folder = "/tmp/brindle-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    return folder;
}

bool MakeAddress(const std::string& path, sockaddr_un& addr) {
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof addr.sun_path) return false;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    return true;
}

std::string Executable(pid_t pid) {
    std::string link = "/proc/" + std::to_string(pid) + "/exe";
    char buf[4096];
    ssize_t n = ::readlink(link.c_str(), buf, sizeof buf - 1);
    if (n <= 0) return {};
    std::string path(buf, static_cast<std::size_t>(n));
    // A program file replaced by a new build still names the same program.
    const std::string deleted = " (deleted)";
    if (path.size() > deleted.size() &&
        path.compare(path.size() - deleted.size(), deleted.size(), deleted) == 0)
        path.resize(path.size() - deleted.size());
    return path;
}

uid_t ProcessUser(pid_t pid) {
    struct stat st {};
    std::string dir = "/proc/" + std::to_string(pid);
    if (::stat(dir.c_str(), &st) != 0) return static_cast<uid_t>(-1);
    return st.st_uid;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Reads at most `limit` bytes within timeoutMs.
std::string ReadSome(int fd, std::size_t limit, int timeoutMs) {
    std::string text;
    while (text.size() < limit) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) <= 0) break;
        char c;
        if (::recv(fd, &c, 1, 0) != 1) break;
        text.push_back(c);
        if (c == '\n') break;
    }
    return text;
}

} // namespace

struct cInstanceLock::Impl {
    std::string name;
    std::string folder;
    int lockFd = -1;
    int listenFd = -1;
    int stopPipe[2] = {-1, -1};
    std::thread listener;
    std::function<void()> onClose;
};

cInstanceLock::cInstanceLock(std::string nameUtf8) : impl_(std::make_unique<Impl>()) {
    impl_->name = std::move(nameUtf8);
    impl_->folder = RuntimeFolder();
}

cInstanceLock::~cInstanceLock() {
    Release();
}

std::string cInstanceLock::LockPath() const {
    return impl_->folder + "/" + impl_->name + ".lock";
}

std::string cInstanceLock::SocketPath() const {
    return impl_->folder + "/" + impl_->name + ".sock";
}

bool cInstanceLock::Held() const {
    return impl_->lockFd >= 0;
}

bool cInstanceLock::TryAcquire() {
    if (impl_->lockFd >= 0) return true;
    int fd = ::open(LockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    // The holder's process id, for people looking; nothing relies on it.
    std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0 && ::pwrite(fd, pid.data(), pid.size(), 0) < 0) {
    }
    impl_->lockFd = fd;
    return true;
}

bool cInstanceLock::AcquireWithin(DWORD timeoutMs) {
    for (DWORD waited = 0;; waited += 10) {
        if (TryAcquire()) return true;
        if (waited >= timeoutMs) return false;
        ::usleep(10000);
    }
}

void cInstanceLock::Release() {
    StopListening();
    if (impl_->lockFd >= 0) {
        ::close(impl_->lockFd); // the lock goes with the descriptor
        impl_->lockFd = -1;
    }
}

bool cInstanceLock::Listen(std::function<void()> onCloseRequest) {
    if (impl_->lockFd < 0 || impl_->listenFd >= 0) return false;
    sockaddr_un addr;
    if (!MakeAddress(SocketPath(), addr)) return false;
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    // The lock is ours, so a socket file left behind by an ended holder is stale.
    ::unlink(SocketPath().c_str());
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd, 4) != 0 ||
        ::pipe2(impl_->stopPipe, O_CLOEXEC) != 0) {
        ::close(fd);
        return false;
    }
    ::chmod(SocketPath().c_str(), 0600);
    impl_->listenFd = fd;
    impl_->onClose = std::move(onCloseRequest);
    Impl* impl = impl_.get();
    impl_->listener = std::thread([impl] {
        for (;;) {
            pollfd p[2] = {{impl->listenFd, POLLIN, 0}, {impl->stopPipe[0], POLLIN, 0}};
            if (::poll(p, 2, -1) < 0) {
                if (errno == EINTR) continue;
                return;
            }
            if (p[1].revents) return;
            if (!(p[0].revents & POLLIN)) continue;
            int c = ::accept4(impl->listenFd, nullptr, nullptr, SOCK_CLOEXEC);
            if (c < 0) continue;
            ucred peer{};
            socklen_t len = sizeof peer;
            bool sameUser =
                ::getsockopt(c, SOL_SOCKET, SO_PEERCRED, &peer, &len) == 0 && peer.uid == ::getuid();
            if (sameUser && ReadSome(c, 16, 1000) == kCloseRequest) {
                // The request is handed on before it is answered, so an asker
                // that hears the answer knows the close is under way.
                if (impl->onClose) impl->onClose();
                WriteAll(c, kCloseAnswer, sizeof kCloseAnswer - 1);
            }
            ::close(c);
        }
    });
    return true;
}

void cInstanceLock::StopListening() {
    if (impl_->listenFd < 0) return;
    if (::write(impl_->stopPipe[1], "x", 1) < 0) {
    }
    if (impl_->listener.joinable()) impl_->listener.join();
    ::close(impl_->listenFd);
    ::close(impl_->stopPipe[0]);
    ::close(impl_->stopPipe[1]);
    impl_->listenFd = -1;
    impl_->stopPipe[0] = impl_->stopPipe[1] = -1;
    ::unlink(SocketPath().c_str());
}

bool cInstanceLock::IsSameProgram(pid_t pid) {
    if (pid <= 0) return false;
    if (ProcessUser(pid) != ::getuid()) return false;
    std::string theirs = Executable(pid);
    return !theirs.empty() && theirs == Executable(::getpid());
}

cInstanceLock::AskResult cInstanceLock::AskHolderToClose(pid_t* holderPid) {
    if (holderPid) *holderPid = 0;
    sockaddr_un addr;
    if (!MakeAddress(SocketPath(), addr)) return AskResult::NoListener;
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return AskResult::NoListener;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return AskResult::NoListener;
    }
    ucred peer{};
    socklen_t len = sizeof peer;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &len) != 0) {
        ::close(fd);
        return AskResult::NotThisProgram;
    }
    if (holderPid) *holderPid = peer.pid;
    if (peer.uid != ::getuid() || !IsSameProgram(peer.pid)) {
        ::close(fd);
        return AskResult::NotThisProgram;
    }
    // A stopped or hung holder still has its connection accepted by the
    // kernel; only the missing answer tells it apart from one that listens.
    bool sent = WriteAll(fd, kCloseRequest, sizeof kCloseRequest - 1);
    bool answered = sent && ReadSome(fd, 8, 2000) == kCloseAnswer;
    ::close(fd);
    return answered ? AskResult::Asked : AskResult::NoAnswer;
}

bool cInstanceLock::ForceEnd(pid_t pid) {
    if (pid == ::getpid() || !IsSameProgram(pid)) return false;
    return ::kill(pid, SIGKILL) == 0;
}

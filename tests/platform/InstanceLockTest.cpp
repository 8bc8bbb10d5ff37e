// The single-instance lock: one holder per name; a later copy asks the holder
// to close through the socket; a process that is not this program is never
// asked, let alone ended.
#include "platform/InstanceLock.h"
#include "fixtures/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class InstanceLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        hadOld = old != nullptr;
        if (old) oldValue = old;
        ::setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
    }
    void TearDown() override {
        if (hadOld)
            ::setenv("XDG_RUNTIME_DIR", oldValue.c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }
    TempDir dir;
    bool hadOld = false;
    std::string oldValue;
};

TEST_F(InstanceLockTest, OneHolderPerNameUntilItLetsGo) {
    cInstanceLock first("game"), second("game"), other("another");
    ASSERT_TRUE(first.TryAcquire());
    EXPECT_TRUE(first.TryAcquire()) << "holding it again is fine";
    EXPECT_FALSE(second.TryAcquire());
    EXPECT_FALSE(second.AcquireWithin(50));
    EXPECT_TRUE(other.TryAcquire()) << "names are independent";
    first.Release();
    EXPECT_TRUE(second.AcquireWithin(50));
    EXPECT_FALSE(first.TryAcquire());
}

TEST_F(InstanceLockTest, ALaterCopyAsksTheHolderToCloseAndGetsTheLockWhenItHasGone) {
    cInstanceLock holder("game"), later("game");
    ASSERT_TRUE(holder.TryAcquire());
    pid_t pid = -1;
    EXPECT_EQ(later.AskHolderToClose(&pid), cInstanceLock::AskResult::NoListener)
        << "no window yet: nobody asked";

    std::atomic<int> asked{0};
    ASSERT_TRUE(holder.Listen([&] { ++asked; }));
    EXPECT_EQ(later.AskHolderToClose(&pid), cInstanceLock::AskResult::Asked);
    EXPECT_EQ(pid, ::getpid());
    EXPECT_EQ(asked.load(), 1);
    EXPECT_FALSE(later.TryAcquire()) << "asking alone takes nothing";
    holder.Release(); // what the holder does when it has closed
    EXPECT_TRUE(later.AcquireWithin(100));
    EXPECT_FALSE(cInstanceLock::ForceEnd(::getpid())) << "never this process itself";
}

TEST_F(InstanceLockTest, AnotherProgramOnTheSocketIsNeitherAskedNorEnded) {
    cInstanceLock later("game");
    std::string socketPath = later.SocketPath();
    // A Python process listens where the holder would; the child is ours to stop.
    pid_t child = ::fork();
    if (child == 0) {
        // Bound and listening under another name first, so the socket only
        // appears once it takes connections.
        std::string script = "import os,socket,time\ns=socket.socket(socket.AF_UNIX)\ns.bind('" + socketPath +
                             ".tmp')\ns.listen(1)\nos.rename('" + socketPath + ".tmp','" + socketPath +
                             "')\ntime.sleep(30)\n";
        ::execlp("python3", "python3", "-c", script.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(child, 0);
    for (int i = 0; i < 3000 && ::access(socketPath.c_str(), F_OK) != 0; ++i) ::usleep(10000);
    ASSERT_EQ(::access(socketPath.c_str(), F_OK), 0) << "python3 did not start";
    pid_t pid = -1;
    EXPECT_EQ(later.AskHolderToClose(&pid), cInstanceLock::AskResult::NotThisProgram);
    EXPECT_EQ(pid, child);
    EXPECT_FALSE(cInstanceLock::IsSameProgram(child));
    EXPECT_FALSE(cInstanceLock::ForceEnd(child));
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, WNOHANG), 0) << "the other program still runs";
    ::kill(child, SIGTERM);
    ::waitpid(child, &status, 0);
}

} // namespace

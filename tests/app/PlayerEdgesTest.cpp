// The real player at the edges of its set-up: no display, a game folder it
// may not write, a copy of default\ that fails, another copy that hangs. A
// failed start ends with status 1, says why on stderr and leaves every file
// of the game folder as it was (the report aside).
#include "app/GameFolder.h"
#include "app/PlayerRun.h"
#include "fixtures/TempDir.h"
#include "platform/Cp932.h"
#include "platform/InstanceLock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// True once a copy listens on the socket: its file appears at bind, a moment
// before the copy listens, and a copy stopped in between could not be asked.
bool AcceptsConnections(const fs::path& socket) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string path = socket.string();
    if (path.size() >= sizeof addr.sun_path) return false;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    return connected;
}

// Gives the tree to the unprivileged user, so that its modes count for the player.
void GiveAway(const fs::path& root) {
    if (::geteuid() != 0) return;
    if (::chown(root.c_str(), kUnprivilegedUid, kUnprivilegedUid) != 0) return;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (::lchown(e.path().c_str(), kUnprivilegedUid, kUnprivilegedUid) != 0) return;
}

class PlayerEdgesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(PlayerPath())) << "build the player first: " << PlayerPath();
        ::chmod(dir.path().c_str(), 0755); // reachable for the unprivileged user
        runtime = MakeFolder(dir.path(), "runtime", 0700);
        GiveAway(runtime);
        game = MakeFolder(dir.path(), "game");
    }
    void TearDown() override {
        // Modes a case took away are given back, so the folder can be removed.
        std::error_code ec;
        for (fs::recursive_directory_iterator it(dir.path(), ec), end; !ec && it != end; it.increment(ec))
            if (it->is_directory()) ::chmod(it->path().c_str(), 0755);
        ::chmod(game.c_str(), 0755);
    }
    TempDir dir;
    fs::path runtime;
    fs::path game;
};

struct FailedStart {
    const char* name;
    std::function<void(const fs::path& game, PlayerRun& run)> prepare;
    const char* message; // a part of stderr, UTF-8
};

TEST_F(PlayerEdgesTest, AFailedStartSaysWhyEndsWithStatusOneAndChangesNothing) {
    const FailedStart cases[] = {
        {"no display at all",
         [](const fs::path& g, PlayerRun& run) {
             ASSERT_TRUE(WriteGameFolder(g));
             run.env = {{"SDL_VIDEODRIVER", std::nullopt},
                        {"DISPLAY", std::nullopt},
                        {"WAYLAND_DISPLAY", std::nullopt}};
         },
         "brindle4: the window can't be made: no display (DISPLAY is not set"},
        {"a display nobody serves",
         [](const fs::path& g, PlayerRun& run) {
             ASSERT_TRUE(WriteGameFolder(g));
             run.env = {
                 {"SDL_VIDEODRIVER", std::nullopt}, {"DISPLAY", ":9999"}, {"WAYLAND_DISPLAY", std::nullopt}};
         },
         "brindle4: the window can't be made: no display (DISPLAY=:9999"},
        {"a read-only game folder",
         [](const fs::path& g, PlayerRun& run) {
             ASSERT_TRUE(WriteGameFolder(g));
             GiveAway(g);
             ::chmod(g.c_str(), 0555);
             run.unprivileged = true;
         },
         "brindle4: can't write the report file"},
        {"a report file that is a folder",
         [](const fs::path& g, PlayerRun&) {
             ASSERT_TRUE(WriteGameFolder(g));
             fs::create_directory(g / "Report_Game.txt");
         },
         "Report_Game.txt (Is a directory); the game folder must be writable"},
        {"a default folder with a folder it can't read",
         [](const fs::path& g, PlayerRun& run) {
             ASSERT_TRUE(WriteGameFolder(g, "default"));
             fs::create_directories(g / "default" / "stg4" / "old_ver");
             GiveAway(g);
             // The copy makes stg4 with this mode, then fails inside it.
             ::chmod((g / "default" / "stg4").c_str(), 0300);
             run.unprivileged = true;
         },
         "「default」フォルダに問題がある可能性があります"},
        {"a disk that fills up during the copy",
         [](const fs::path& g, PlayerRun& run) {
             ASSERT_TRUE(WriteGameFolder(g, "default"));
             std::ofstream(g / "default" / "big.bin", std::ios::binary) << std::string(256 * 1024, 'x');
             run.fileSizeLimit = 64 * 1024;
         },
         "ディスクの空き容量が足りません"},
    };
    for (const FailedStart& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        fs::remove_all(game);
        game = MakeFolder(dir.path(), "game");
        // A lock file left by a case run as root could not be opened by one run unprivileged.
        fs::remove_all(runtime);
        runtime = MakeFolder(dir.path(), "runtime", 0700);
        GiveAway(runtime);
        PlayerRun run;
        run.stderrPath = dir.path() / "stderr.txt";
        c.prepare(game, run);
        std::map<std::string, std::string> before = FolderState(game);
        run.Start(game, runtime, 5);
        ASSERT_TRUE(run.Wait(60)) << "the player did not end";
        EXPECT_TRUE(run.EndedNormallyWith(1)) << run.status;
        std::string err = run.Stderr();
        EXPECT_NE(err.find(Cp932ToUtf8(c.message)), std::string::npos) << err;
        EXPECT_EQ(FolderState(game), before) << err;
    }
}

TEST_F(PlayerEdgesTest, AFailedCopyOfDefaultBlamesDefaultOrTheDisk) {
    // The two copy failures above, told apart in the report the user reads.
    ASSERT_TRUE(WriteGameFolder(game, "default"));
    std::ofstream(game / "default" / "big.bin", std::ios::binary) << std::string(256 * 1024, 'x');
    PlayerRun run;
    run.fileSizeLimit = 64 * 1024;
    run.Start(game, runtime, 5);
    ASSERT_TRUE(run.Wait(60));
    std::string report = ReadAll(game / "Report_Game.txt");
    EXPECT_NE(report.find(Cp932ToUtf8("ディスクの空き容量が足りません")), std::string::npos) << report;
    EXPECT_EQ(report.find(Cp932ToUtf8("「default」フォルダに問題")), std::string::npos) << report;
}

TEST_F(PlayerEdgesTest, AHungFirstCopyIsEndedBeforeTheSecondRuns) {
    fs::path second = MakeFolder(dir.path(), "second");
    ASSERT_TRUE(WriteGameFolder(game));
    ASSERT_TRUE(WriteGameFolder(second));
    PlayerRun first;
    first.Start(game, runtime, 0);
    fs::path socket = runtime / (Cp932ToUtf8("ゲーム") + ".sock");
    for (int i = 0; i < 3000 && !AcceptsConnections(socket); ++i) ::usleep(10000);
    ASSERT_TRUE(AcceptsConnections(socket)) << "the first copy listens";
    ASSERT_EQ(::kill(first.pid, SIGSTOP), 0); // hung: it will never answer

    PlayerRun later;
    later.Start(second, runtime, 5);
    ASSERT_TRUE(first.Wait(60)) << "the hung copy was not ended";
    EXPECT_TRUE(WIFSIGNALED(first.status) && WTERMSIG(first.status) == SIGKILL) << first.status;
    ASSERT_TRUE(later.Wait(60));
    EXPECT_TRUE(later.EndedNormallyWith(0)) << later.status;
    EXPECT_NE(later.Stderr().find("is not responding; ending it"), std::string::npos) << later.Stderr();
}

TEST_F(PlayerEdgesTest, ALockHolderThatNeverAnswersKeepsTheSecondCopyOut) {
    // The lock is held, but nobody listens: a copy still starting, or not this
    // program at all. The later copy waits its time, then gives up.
    ASSERT_TRUE(WriteGameFolder(game));
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    cInstanceLock holder(Cp932ToUtf8("ゲーム"));
    ASSERT_TRUE(holder.TryAcquire());
    std::map<std::string, std::string> before = FolderState(game);
    PlayerRun run;
    run.Start(game, runtime, 5);
    ASSERT_TRUE(run.Wait(60));
    EXPECT_TRUE(run.EndedNormallyWith(1)) << run.status;
    EXPECT_NE(run.Stderr().find("holds the lock and does not answer"), std::string::npos) << run.Stderr();
    EXPECT_EQ(FolderState(game), before);
    EXPECT_TRUE(holder.Held());
}

} // namespace

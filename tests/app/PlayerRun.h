// The real player run as a child process from a test: in a game folder,
// headless (or on a display), with a close after a number of frames and
// optionally a key script, a chosen environment, its stderr kept in a file,
// and optionally as an unprivileged user or with a limit on the size of the
// files it writes; the test waits for it and reads what it left.
#pragma once

#include "fixtures/ReadAll.h"
#include "platform/Clock.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

inline std::filesystem::path PlayerPath() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "brindle4";
}

// The uid the player runs as when a test needs permissions to count (root
// ignores them): "nobody".
constexpr uid_t kUnprivilegedUid = 65534;

struct PlayerRun {
    pid_t pid = -1;
    // A key script for the run (BRINDLE4_KEY_SCRIPT); none when empty.
    std::string keyScript;
    int status = -1;
    DWORD started = 0;
    std::filesystem::path stderrPath;
    // Variables set (a value) or removed (nullopt) for the child, over the
    // headless defaults below.
    std::map<std::string, std::optional<std::string>> env;
    bool unprivileged = false; // run as kUnprivilegedUid when started as root
    rlim_t fileSizeLimit = RLIM_INFINITY;

    // Starts the player in `folder` with the headless drivers, the runtime
    // folder of the single-instance lock, and `closeAfter` frames (0: none).
    // `audio` names SDL's audio driver ("dummy" mixes and drops); with a
    // `display` the player opens its window there through X11.
    void Start(const std::filesystem::path& folder, const std::filesystem::path& runtime, int closeAfter,
               const char* audio = "dummy", const std::string& display = "") {
        std::string player = PlayerPath().string();
        if (stderrPath.empty()) stderrPath = folder.parent_path() / (folder.filename().string() + ".stderr");
        started = timeGetTime();
        pid = ::fork();
        if (pid == 0) {
            if (::chdir(folder.c_str()) != 0) _exit(120);
            if (display.empty()) {
                ::setenv("SDL_VIDEODRIVER", "dummy", 1);
            } else {
                ::setenv("SDL_VIDEODRIVER", "x11", 1);
                ::setenv("DISPLAY", display.c_str(), 1);
                // Xvfb has no GPU: SDL's own software renderer, not Mesa's threads.
                ::setenv("SDL_RENDER_DRIVER", "software", 1);
                ::setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 1);
            }
            ::setenv("SDL_AUDIODRIVER", audio, 1);
            ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
            if (keyScript.empty())
                ::unsetenv("BRINDLE4_KEY_SCRIPT");
            else
                ::setenv("BRINDLE4_KEY_SCRIPT", keyScript.c_str(), 1);
            if (closeAfter > 0)
                ::setenv("BRINDLE4_CLOSE_AFTER_FRAMES", std::to_string(closeAfter).c_str(), 1);
            else
                ::unsetenv("BRINDLE4_CLOSE_AFTER_FRAMES");
            for (const auto& [name, value] : env) {
                if (value)
                    ::setenv(name.c_str(), value->c_str(), 1);
                else
                    ::unsetenv(name.c_str());
            }
            if (!std::freopen(stderrPath.c_str(), "w", stderr)) _exit(122);
            if (fileSizeLimit != RLIM_INFINITY) {
                std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
                rlimit limit{fileSizeLimit, fileSizeLimit};
                if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(123);
            }
            if (unprivileged && ::geteuid() == 0 &&
                (::setgid(kUnprivilegedUid) != 0 || ::setuid(kUnprivilegedUid) != 0))
                _exit(124);
            ::execl(player.c_str(), player.c_str(), static_cast<char*>(nullptr));
            _exit(121);
        }
    }
    // On the X display `display` (with Start's display left empty), not
    // headless. A sanitized player's leak check would count GTK's and
    // fontconfig's caches, kept for the life of the process.
    void OnDisplay(const std::string& display) {
        env["SDL_VIDEODRIVER"] = std::nullopt;
        env["DISPLAY"] = display;
        env["WAYLAND_DISPLAY"] = std::nullopt;
        env["NO_AT_BRIDGE"] = "1";
        // No settings service on a test display: GTK keeps its settings in memory.
        env["GSETTINGS_BACKEND"] = "memory";
        const char* asan = std::getenv("ASAN_OPTIONS");
        env["ASAN_OPTIONS"] = std::string(asan ? asan : "") + ":detect_leaks=0";
    }
    // True when it ended within the time; a run that hangs is ended here.
    bool Wait(int seconds) {
        while (timeGetTime() - started < static_cast<DWORD>(seconds) * 1000) {
            if (::waitpid(pid, &status, WNOHANG) == pid) return true;
            ::usleep(10000);
        }
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        return false;
    }
    double Seconds() const { return (timeGetTime() - started) / 1000.0; }
    bool EndedNormallyWith(int code) const { return WIFEXITED(status) && WEXITSTATUS(status) == code; }
    std::string Stderr() const { return ReadAll(stderrPath); }
};

inline std::filesystem::path MakeFolder(const std::filesystem::path& parent, const std::string& name,
                                        int mode = 0755) {
    std::filesystem::path p = parent / name;
    std::filesystem::create_directories(p);
    ::chmod(p.c_str(), static_cast<mode_t>(mode));
    return p;
}

// Every file and folder below `root` with its contents and mode, except the
// report the player always writes: what a failed start must leave as it was.
inline std::map<std::string, std::string> FolderState(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> out;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        std::string rel = fs::relative(it->path(), root).string();
        if (rel == "Report_Game.txt") continue;
        std::string mode = std::to_string(static_cast<int>(it->symlink_status().permissions()));
        if (it->is_directory())
            out[rel + "/"] = mode;
        else
            out[rel] = mode + ":" + ReadAll(it->path());
    }
    return out;
}

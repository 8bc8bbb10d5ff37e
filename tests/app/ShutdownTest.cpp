// The shutdown after a full start on the demo with music and sound playing,
// and right after the start: every thread the start-up and the sound started
// has ended, the audio device is closed, and no temporary file is left in the
// game's folders.
#include "app/App.h"
#include "app/Seams.h"
#include "app/SoundMessages.h"
#include "fixtures/GameGlobals.h"
#include "fixtures/TempDir.h"
#include "platform/AudioDevice.h"
#include "platform/SdlPresenter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#ifdef BRINDLE_DEMO_DIR

namespace {

namespace fs = std::filesystem;

// The names of the process's threads (for the message when some are left).
std::vector<std::string> Threads() {
    std::vector<std::string> names;
    for (const auto& task : fs::directory_iterator("/proc/self/task")) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        std::getline(comm, name);
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> TemporaryFiles(const fs::path& root) {
    std::vector<std::string> found;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file() && e.path().filename().string().find(".tmp") != std::string::npos)
            found.push_back(e.path().string());
    return found;
}

// A start on the demo and what the title screen asks for: its music, then a sound.
bool StartAndPlay() {
    const bool started = InitProgram("", 1);
    if (started) {
        OnMusicRequest(0, 0);
        OnPlaySoundRequest(1);
        EXPECT_TRUE(IsAudioDeviceOpen());
    }
    return started;
}

TEST(Shutdown, LeavesNoThreadNoAudioDeviceAndNoTemporaryFile) {
    // An audio device on any machine: SDL's dummy driver mixes and drops.
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    cGameGlobalsGuard globals;
    TempDir dir;
    fs::copy(BRINDLE_DEMO_DIR, dir.path(), fs::copy_options::recursive);
    cSdlPresenter presenter;
    ASSERT_TRUE(presenter.Open("", 640, 480, false));
    lpMainPresenter = &presenter;
    InstallSeams();

    // The first start also starts the pools that libraries keep for the
    // process (the MIDI synthesizer's OpenMP workers): they are counted here.
    EXPECT_TRUE(StartAndPlay());
    ShutdownProgram();
    const std::vector<std::string> threads = Threads();

    EXPECT_TRUE(StartAndPlay());
    ShutdownProgram();
    EXPECT_FALSE(IsAudioDeviceOpen());
    EXPECT_EQ(Threads(), threads) << "every thread the start started has ended";
    EXPECT_EQ(TemporaryFiles(dir.path()), std::vector<std::string>{});
    // A second shutdown, as after a start that failed half-way, finds nothing to release.
    ShutdownProgram();
    EXPECT_EQ(Threads(), threads);
    // Closed at once, while the SoundFont begun early may still be loading:
    // with the title's music asked for (held until the load ends) and without.
    for (bool music : {false, true}) {
        EXPECT_TRUE(InitProgram("", 1)) << music;
        if (music) OnMusicRequest(0, 0);
        ShutdownProgram();
        EXPECT_FALSE(IsAudioDeviceOpen()) << music;
        EXPECT_EQ(Threads(), threads) << music;
    }
    lpMainPresenter = nullptr;
    presenter.Close();
}

} // namespace

#endif

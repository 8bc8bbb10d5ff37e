// The shutdown after a full start on the demo with music and sound playing:
// every thread the start-up and the sound started has ended, the audio device
// is closed, and no temporary file is left in the game's folders.
#include "app/App.h"
#include "app/Seams.h"
#include "app/SoundMessages.h"
#include "fixtures/GameGlobals.h"
#include "fixtures/TempDir.h"
#include "platform/AudioDevice.h"
#include "platform/SdlPresenter.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifdef BRINDLE_DEMO_DIR

namespace {

namespace fs = std::filesystem;

int ThreadCount() {
    int n = 0;
    for ([[maybe_unused]] const auto& task : fs::directory_iterator("/proc/self/task")) ++n;
    return n;
}

std::vector<std::string> TemporaryFiles(const fs::path& root) {
    std::vector<std::string> found;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file() && e.path().filename().string().find(".tmp") != std::string::npos)
            found.push_back(e.path().string());
    return found;
}

TEST(Shutdown, LeavesNoThreadNoAudioDeviceAndNoTemporaryFile) {
    cGameGlobalsGuard globals;
    TempDir dir;
    fs::copy(BRINDLE_DEMO_DIR, dir.path(), fs::copy_options::recursive);
    cSdlPresenter presenter;
    ASSERT_TRUE(presenter.Open("", 640, 480, false));
    lpMainPresenter = &presenter;
    InstallSeams();
    const int threads = ThreadCount();

    const bool started = InitProgram("", 1);
    if (started) {
        // What the title screen asks for: its music, then a sound.
        OnMusicRequest(0, 0);
        OnPlaySoundRequest(1);
        EXPECT_TRUE(IsAudioDeviceOpen());
    }
    ShutdownProgram();
    EXPECT_TRUE(started);
    EXPECT_FALSE(IsAudioDeviceOpen());
    EXPECT_EQ(ThreadCount(), threads) << "every thread started since has ended";
    EXPECT_EQ(TemporaryFiles(dir.path()), std::vector<std::string>{});
    // A second shutdown, as after a start that failed half-way, finds nothing to release.
    ShutdownProgram();
    EXPECT_EQ(ThreadCount(), threads);
    lpMainPresenter = nullptr;
    presenter.Close();
}

} // namespace

#endif

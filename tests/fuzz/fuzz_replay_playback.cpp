// Replay files through playback. A file that loads brings a stage with its
// hero, a recorder and play data, saves and reads back to the same file, and
// plays frame by frame, as the main game frame plays it, for exactly as many
// frames as its shorter stream's run lengths add up to (a run of 0 plays as
// one). A file that is refused changes nothing it was to be read into.
//
// When DEMO_DIR names the demo game, its databases, system data, common
// palette and world map are loaded first, so stages resolve their references
// as they do in the demo; else the defaults stand.
#include "FuzzCheck.h"

#include "foundation/Input.h"
#include "project/CommonPalette.h"
#include "project/DataPath.h"
#include "project/Database.h"
#include "project/PlayData.h"
#include "project/Replay.h"
#include "project/Stage.h"
#include "project/SystemData.h"
#include "project/WorldMap.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// Frames played of one replay at most: a run may claim billions of frames.
constexpr std::uint64_t kFrameCap = 20000;

// The project files are read from a scratch folder whose data folder is the
// demo's, so nothing is written beside the demo or the caller's folder.
void LoadDemoProject() {
    const char* demo = std::getenv("DEMO_DIR");
    if (!demo || !fs::is_directory(fs::path(demo) / "default")) return;
    std::error_code ec;
    const fs::path back = fs::current_path(ec);
    char pattern[] = "/tmp/fuzz_replay_XXXXXX";
    if (ec || !mkdtemp(pattern)) return;
    const fs::path scratch = pattern;
    fs::create_directory_symlink(fs::absolute(fs::path(demo) / "default"), scratch / "data", ec);
    if (!ec) fs::current_path(scratch, ec);
    if (!ec) {
        bool ok = Database.LoadAll();
        if (ok) {
            Database.MakeWorkCopies();
            BuildRuntimeTables();
        }
        ok = ok && SystemData.LoadFromFile(DataPath.At(DP_SYSTEM)) &&
             CommonPalette.LoadFromFile(DataPath.At(DP_COMMON_PALETTE)) &&
             WorldMap.LoadFromFile(DataPath.At(DP_WORLD_MAP));
        std::fprintf(stderr, "fuzz_replay_playback: demo project %s\n", ok ? "loaded" : "not loaded");
        fs::current_path(back, ec);
    }
    fs::remove_all(scratch, ec);
}

// The frames a recorder's stream plays: its runs that have a word, 0 as 1.
std::uint64_t StreamFrames(const cVector<std::uint16_t>& words, const cVector<std::uint32_t>& runs) {
    std::uint64_t frames = 0;
    const std::size_t n = std::min(words.size(), runs.size());
    for (std::size_t i = 0; i < n; ++i) frames += std::max<std::uint32_t>(runs[i], 1);
    return frames;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    BindPalettesToDefaultContext();
    LoadDemoProject();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    cReplay replay;
    replay.m_dwSeed = 0x5EED;
    replay.m_vDirWord = {1};
    replay.m_vDirRun = {1};
    cStage stage, start;
    cPlayData playData;
    playData.Init();
    const std::vector<std::uint8_t> before = replay.SaveFileBytes(stage, start, playData);

    std::vector<std::uint8_t> bytes(data, data + size);
    if (!replay.LoadFileBytes(bytes, "fuzz.rpl4_818", stage, start, playData)) {
        FuzzRequire(replay.m_dwSeed == 0x5EED && replay.SaveFileBytes(stage, start, playData) == before,
                    "a refused replay changed what it was to be read into");
        return 0;
    }
    FuzzRequire(stage.HasHero(), "a replay without a hero loaded");
    FuzzRequire(replay.m_vDirRun.size() >= replay.m_vDirWord.size() &&
                    replay.m_vBtnRun.size() >= replay.m_vBtnWord.size(),
                "a loaded word has no run length");

    // What was read saves as a file that reads back to the same.
    const std::vector<std::uint8_t> saved = replay.SaveFileBytes(stage, start, playData);
    {
        cReplay again;
        cStage againStage, againStart;
        cPlayData againData;
        againData.Init();
        FuzzRequire(again.LoadFileBytes(saved, "fuzz.rpl4_818", againStage, againStart, againData) == 1,
                    "a saved replay does not load");
        FuzzRequire(again.m_dwSeed == replay.m_dwSeed && again.m_vDirWord == replay.m_vDirWord &&
                        again.m_vBtnWord == replay.m_vBtnWord && again.m_vDirRun == replay.m_vDirRun &&
                        again.m_vBtnRun == replay.m_vBtnRun,
                    "a saved recorder reads back different");
        FuzzRequire(again.SaveFileBytes(againStage, againStart, againData) == saved,
                    "a saved replay does not round-trip");
    }

    // Playback from the start, each frame as the main game frame takes it.
    const std::uint64_t frames = std::min(StreamFrames(replay.m_vDirWord, replay.m_vDirRun),
                                          StreamFrames(replay.m_vBtnWord, replay.m_vBtnRun));
    replay.RewindPlayback();
    cInput in;
    std::uint64_t played = 0;
    while (played < kFrameCap) {
        in.ClearDirection();
        in.ClearButtons();
        if (replay.PlayFrame(in)) break;
        ++played;
        in.nDirNum = DirBitsToNumber(in.wDir);
        FuzzRequire(in.nDirNum >= 1 && in.nDirNum <= 9, "a direction number off the keypad");
        in.RecordHistory();
        in.UpdateKeys();
    }
    FuzzRequire(played == std::min(frames, kFrameCap), "playback ended at another frame than its runs say");
    if (played < kFrameCap) {
        // At the end nothing more is written, however often it is asked.
        in.wDir = 0x55;
        in.wButton = 0x66;
        FuzzRequire(replay.PlayFrame(in) == 1 && in.wDir == 0x55 && in.wButton == 0x66,
                    "playback went on past its end");
    }
    return 0;
}

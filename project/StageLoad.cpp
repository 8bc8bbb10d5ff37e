#include "project/StageLoad.h"

#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/FileNames.h"
#include "foundation/MessageBox.h"
#include "foundation/NewerVersion.h"
#include "foundation/Paths.h"
#include "foundation/Thread.h"
#include "platform/Messages.h"
#include "project/Stage.h"

#include <atomic>
#include <cctype>
#include <cstring>
#include <memory>

namespace {

// One load on the loading thread. The thread owns a share of it, so the job
// outlives a caller that stops waiting; the playing stage is never touched
// from the thread.
struct cStageLoadJob {
    std::string path;
    cStage stage;
    std::atomic<bool> loaded{false};
    std::atomic<bool> done{false};
};

DWORD LoadStageThreadProc(void* argument) {
    auto* handle = static_cast<std::shared_ptr<cStageLoadJob>*>(argument);
    std::shared_ptr<cStageLoadJob> job = std::move(*handle);
    delete handle;
    job->loaded = LoadStageFile(job->path, job->stage);
    job->done = true;
    return 0;
}

// Handles the caller's messages until the job is done, sleeping while there
// are none. False when WM_QUIT came first; it is put back so that the caller's
// own loop ends as well.
bool PumpUntilDone(const cStageLoadJob& job) {
    MSG msg;
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ErrorLogPuts("msg.message == WM_QUIT");
                PostQuitMessage(static_cast<int>(msg.wParam));
                return false;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            continue;
        }
        if (job.done) return true;
        WaitForMessage(1);
    }
}

} // namespace

void CopyStartOfAttempt(cStage& start, cStage& playing) {
    start.CopySettingsFrom(playing);
    start.Blocks.clear();
    start.Charas.clear();
    start.Items.clear();
    start.PaletteBlocks.clear();
    start.PaletteCharas.clear();
    start.PaletteItems.clear();
}

bool IsReplayPath(const std::string& path) {
    std::string ext;
    if (!GetExtension(ext, path) || ext.size() < 4) return false;
    for (int i = 0; i < 4; ++i)
        ext[static_cast<std::size_t>(i)] =
            static_cast<char>(std::tolower(static_cast<unsigned char>(ext[static_cast<std::size_t>(i)])));
    return ext.compare(0, 4, "rpl4") == 0;
}

bool LoadStageFile(const std::string& path, cStage& out) {
    return out.LoadFromFile(path);
}

int CheckStageEndMarker(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, bytes) || bytes.size() < 4) return 1;
    std::uint32_t version = 0;
    std::memcpy(&version, bytes.data(), 4);
    if (version > dwDataVersion || version < 174) return 1;
    std::uint32_t marker = 0;
    if (bytes.size() >= 8) std::memcpy(&marker, bytes.data() + bytes.size() - 4, 4);
    if (marker == kStageEndMarker) return 1;
    ErrorBoxPrintf("ステージファイル %s が破損しています！", path.c_str());
    PostMainWindowClose();
    return 0;
}

void ShowFileLoadError(const std::string& name) {
    if (NewerVersionRefused()) {
        ReportErrorBox(
            "%s の読み込みに失敗しました！\nソフトより上位のバージョンのファイルは使用できません。",
            name.c_str());
    } else {
        ReportErrorBox("%s の読み込みに失敗しました！", name.c_str());
    }
}

int LoadStageForPlay(const std::string& path, int bSearch, cStage* start) {
    std::string found = path;
    if (bSearch && !FindVersionedFileStr(found, path, "stg4")) return 0;
    MakeRelativePathStr(found);
    // A replay begins with its stage; its last bytes are play data, not the marker.
    if (!IsReplayPath(found) && !CheckStageEndMarker(found)) return 0;

    auto job = std::make_shared<cStageLoadJob>();
    job->path = found;
    auto* handle = new std::shared_ptr<cStageLoadJob>(job);
    if (!thLoad.Start(LoadStageThreadProc, handle)) {
        delete handle;
        ErrorBoxPrintf("ステージファイル %s の読み込みに失敗しました！", found.c_str());
        return 0;
    }
    const bool finished = PumpUntilDone(*job);
    thLoad.Exit();
    if (!finished) return 0;
    if (!job->loaded) {
        ErrorBoxPrintf("ステージファイル %s の読み込みに失敗しました！", found.c_str());
        return 0;
    }
    if (!job->stage.HasHero()) {
        ErrorBoxPrintf("主人公が配置されていないのでプレイできません！");
        PostMainWindowClose();
        return 0;
    }
    Stage = std::move(job->stage);
    Stage.strPath = found;
    Stage.bFoundFile = bSearch;
    Stage.bLoaded = 1;
    if (start) CopyStartOfAttempt(*start, Stage);
    return 1;
}

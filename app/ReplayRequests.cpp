#include "app/ReplayRequests.h"

#include "app/DialogRequests.h"
#include "foundation/ErrorLog.h"
#include "foundation/MessageBox.h"
#include "gui/FileDlg.h"
#include "gui/Wnd.h"
#include "platform/PathResolver.h"
#include "project/IniSetting.h"
#include "project/PlayData.h"
#include "project/Replay.h"
#include "project/ReplayPath.h"
#include "project/Stage.h"
#include "project/StageLoad.h"

namespace {

HWND Owner(cWnd* window) {
    return window ? window->Handle() : nullptr;
}

// True when the player agrees to replace the file at `path`.
bool MaySaveOver(const std::string& path) {
    const std::string text = path + " は既に存在します。\n上書きしますか？";
    return MesBox(text.c_str(), "確認", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

} // namespace

LRESULT OnReplayOpenRequest(cWnd* mainWindow) {
    std::string path;
    bool chosen = false;
    {
        cDialogTime hold;
        chosen = ChooseFile(Owner(mainWindow), FILEDLG_OPEN_REPLAY, IniSetting.English != 0, path);
    }
    int result = 0;
    if (chosen) {
        // A file older than the play data's part starts from a new play-through.
        cPlayData data;
        data.Init();
        if (Replay.LoadFile(path, Stage, ReplayStage, data)) {
            Replay.RewindPlayback();
            PlayData = data;
            ReplayPlayData = data;
            result = 1;
        } else {
            ShowFileLoadError(path);
        }
    }
    bDialogResult = result;
    bDialogDone = 1;
    return 0;
}

LRESULT OnReplaySaveRequest(cWnd* mainWindow, WPARAM which) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    std::string path = MakeReplayPath(PlayData, now).path;
    bool chosen = false;
    {
        cDialogTime hold;
        chosen = ChooseFile(Owner(mainWindow), FILEDLG_SAVE_REPLAY, IniSetting.English != 0, path);
        if (chosen && PathExists(path) && !MaySaveOver(path)) chosen = false;
    }
    int result = 0;
    if (chosen) {
        cReplay& recorder = which == 0 ? Replay : PrevReplay;
        cPlayData& data = which == 0 ? ReplayPlayData : PrevReplayPlayData;
        if (recorder.SaveFile(path, Stage, ReplayStage, data))
            result = 1;
        else
            ReportErrorBox("リプレイファイル %s の保存に失敗しました！", path.c_str());
    }
    bDialogResult = result;
    bDialogDone = 1;
    return 0;
}

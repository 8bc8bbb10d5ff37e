#include "gui/FileDlg.h"

#include "foundation/ErrorLog.h"
#include "foundation/RecordFile.h"
#include "platform/Cp932.h"

std::string ReplayExtension() {
    return "rpl4_" + std::to_string(kProgramDataVersion);
}

FileDialogRequest MakeFileDialogRequest(int mode, bool english, const std::string& suggested) {
    FileDialogRequest r;
    switch (mode) {
    case FILEDLG_OPEN_STAGE:
        r.title = english ? "load stage file" : "ステージファイルの読み込み";
        r.folder = "data\\stg4\\";
        r.filters = {{"StageFile ( *.stg4_*;*.rpl4_* )", "*.stg4_*;*.rpl4_*"}};
        r.defaultExt = "stg4_*;rpl4_*";
        break;
    case FILEDLG_OPEN_REPLAY:
        r.title = english ? "load replay file" : "リプレイファイルの読み込み";
        r.folder = "user_data\\rpl4";
        r.filters = {{"ReplayFile ( *.rpl4_* )", "*.rpl4_*"}};
        r.defaultExt = "rpl4_*";
        break;
    default: {
        const std::string ext = ReplayExtension();
        r.save = true;
        r.title = english ? "save replay file" : "リプレイファイルの保存";
        r.folder = "user_data\\rpl4\\";
        r.filters = {{"ReplayFile ( *." + ext + " )", "*." + ext}};
        r.defaultExt = ext;
        // A longer suggestion is cut to the name buffer, never overruns it.
        r.suggested = suggested;
        TruncateCp932(r.suggested, kFileNameBuffer - 1);
        break;
    }
    }
    return r;
}

bool ChooseFile(HWND owner, int mode, bool english, std::string& path) {
    FileDialogRequest request =
        MakeFileDialogRequest(mode, english, mode == FILEDLG_SAVE_REPLAY ? path : std::string());
    request.owner = owner;
    std::string answered;
    const bool ok = RunFileDialog(request, path, &answered);
    if (!answered.empty()) ReportPrintf("%s", answered.c_str());
    if (path.size() >= kFileNameBuffer) {
        // A path the program's buffers cannot hold is no choice.
        ErrorLogPrintf("file name too long");
        path.clear();
    }
    return ok && !path.empty();
}

#include "gui/FileDlg.h"

#include "foundation/ErrorLog.h"
#include "foundation/RecordFile.h"
#include "gui/DialogTemplates.h"

std::string ReplayExtension() {
    return "rpl4_" + std::to_string(kProgramDataVersion);
}

cFileDlg::cFileDlg(cWnd* parent, cWndList* ownerList, std::string* path, int mode, bool english)
    : m_pPath(path), m_Mode(mode), m_bEnglish(english) {
    Init(IDD_FILE, parent, 0, ownerList);
}

FileDialogRequest cFileDlg::MakeRequest(int mode, bool english, const std::string& suggested) {
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
        // The name buffer holds 259 bytes and its end: a longer suggestion is cut, never overrun.
        r.suggested = suggested.substr(0, std::min(suggested.size(), kFileNameBuffer - 1));
        break;
    }
    }
    return r;
}

int cFileDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cDlg::OnInitDialog(wParam, lParam);
    ShowValues();
    FileDialogRequest request =
        MakeRequest(m_Mode, m_bEnglish, m_pPath && m_Mode == FILEDLG_SAVE_REPLAY ? *m_pPath : std::string());
    request.owner = m_hParent;
    std::string chosen, answered;
    const bool ok = RunFileDialog(request, chosen, &answered);
    if (!answered.empty()) ReportPrintf("%s", answered.c_str());
    if (chosen.size() >= kFileNameBuffer) {
        // A path the program's buffers cannot hold is no choice.
        ErrorLogPrintf("file name too long");
        chosen.clear();
    }
    if (m_pPath) *m_pPath = ok ? chosen : std::string();
    End(ok && !chosen.empty() ? 1 : 0);
    SetFocusReturn(nullptr);
    return 1;
}

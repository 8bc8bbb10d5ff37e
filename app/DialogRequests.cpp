#include "app/DialogRequests.h"

#include "app/App.h"
#include "app/Game.h"
#include "foundation/Fault.h"
#include "foundation/Paths.h"
#include "graphics/Graphics.h"
#include "gui/FileDlg.h"
#include "gui/NameEntryDlg.h"
#include "project/IniSetting.h"
#include "project/NewPlayData.h"
#include "project/OptionData.h"
#include "project/Stage.h"
#include "project/StageLoad.h"

std::atomic<int> bDialogDone{0};
std::atomic<int> bDialogResult{0};
std::atomic<int> bNameEntryDone{0};
std::string strEntryName;

cDialogTime::cDialogTime() {
    DDSetDialogBoxMode(1);
    SuspendThreads();
}

cDialogTime::~cDialogTime() {
    DDSetDialogBoxMode(0);
    ResumeThreads();
}

bool StartStageFromFile(const std::string& path, int bSearch) {
    PlayData.Init();
    if (!LoadStageForPlay(path, bSearch, &ReplayStage)) return false;
    PlayData.nStageNumber = 1;
    PlayData.nAreaNumber = 1;
    SetStartLives(PlayData, GAME_FREE, bEditorStarted != 0);
    std::string relative = path;
    MakeRelativePathStr(relative);
    PlayData.MakeStageName(relative, 0, 0, 0);
    IniSetting.FreeStage = path;
    Game.nNextScene = SCENE_PLAY;
    return true;
}

LRESULT OnNameEntryRequest(cWnd* mainWindow) {
    std::string* name = Game.nPlayMode == 5 ? &OptionData.RankingName : &strEntryName;
    {
        cDialogTime hold;
        cNameEntryDlg dlg(mainWindow, nullptr, name, IniSetting.English != 0);
        dlg.DoModal(0);
    }
    bNameEntryDone = 1;
    return 0;
}

LRESULT OnStageFileRequest(cWnd* mainWindow) {
    std::string path;
    bool chosen = false;
    {
        cDialogTime hold;
        chosen = ChooseFile(mainWindow ? mainWindow->Handle() : nullptr, FILEDLG_OPEN_STAGE,
                            IniSetting.English != 0, path);
    }
    if (chosen) {
        // A file that fails to load has shown its message; the sender is told
        // of the failure and stays where it was.
        bDialogResult = StartStageFromFile(path, 0) ? 1 : 0;
    } else {
        bDialogResult = 0;
    }
    bDialogDone = 1;
    return 0;
}

// The game side's dialog requests to the main window: the ranking name entry
// (WM_USER+1) and the stage file dialog (WM_USER+2). Each runs its modal
// dialog on the UI thread with the workers suspended and the graphics layer
// in dialog mode, then says it is done through the flags below (the senders
// clear them before sending and read them afterwards).
#pragma once

#include "platform/Messages.h"

#include <atomic>
#include <string>

class cWnd;

constexpr UINT WM_NAME_ENTRY = WM_USER + 1;
constexpr UINT WM_OPEN_STAGE_FILE = WM_USER + 2;
constexpr UINT WM_OPEN_REPLAY_FILE = WM_USER + 3;

extern std::atomic<int> bDialogDone;
extern std::atomic<int> bDialogResult; // 1 confirmed and done, 0 cancelled or failed
extern std::atomic<int> bNameEntryDone;
// The name the play scene's ranking entry edits (outside the options scene).
extern std::string strEntryName;

// Dialog mode on and the workers held while a dialog runs.
class cDialogTime {
public:
    cDialogTime();
    ~cDialogTime();
    cDialogTime(const cDialogTime&) = delete;
    cDialogTime& operator=(const cDialogTime&) = delete;
};

// WM_USER+1: in the options scene (play mode 5) the options' fixed name is
// edited, otherwise strEntryName.
LRESULT OnNameEntryRequest(cWnd* mainWindow);
// WM_USER+2: the stage or replay file to play. A chosen file that fails to
// load shows its message and the sender sees bDialogResult 0: the title
// stays, the program goes on.
LRESULT OnStageFileRequest(cWnd* mainWindow);
// Loads the stage in `path` (a stage or a replay file) for free play with
// fresh play data: stage 1, area 1, the free play's lives (unlimited in a test
// play) and the stage name from the path relative to the game folder. False
// after the failure's message, the play data left fresh.
bool StartStageFromFile(const std::string& path, int bSearch);

// Scene 0, the title screen: the title picture with the game-mode menu. From
// it the player starts a new story, continues one from a story slot, enters
// the challenge list, plays a stage or replay file, opens the options, or
// ends the program.
#pragma once

#include "app/ScreenScene.h"

// The game-mode numbers: the index of the title menu's item.
enum eGameMode : int {
    MODE_NEW_STORY = 0,
    MODE_CONTINUE = 1,
    MODE_CHALLENGE = 2,
    MODE_FREE_PLAY = 3,
    MODE_REPLAY = 4,
    MODE_OPTIONS = 5,
    MODE_END = 6,
};

class cTitleScene : public cScreenScene {
public:
    static constexpr int kMaxRows = 7;
    static constexpr int kMaxSlotRows = 10;

    enum { STATE_FADE_IN = 0, STATE_MENU = 1, STATE_LOAD_SLOT = 2, STATE_LEAVE = 3 };

    cTitleScene();
    ~cTitleScene() override;

    void Enter() override;
    void FadeIn() override;
    void Leave() override;

    int RowCount() const { return nItemCount; }
    int RowMode(int row) const { return (row >= 0 && row < nItemCount) ? nItemModes[row] : -1; }
    int MenuX() const { return nMenuX; }

private:
    void RunState(int state) override;
    void DrawFrame() override { DrawScreen(); }
    void StateMenu();
    void StateLoadSlot();
    void Choose(int mode);
    void BuildMenu();
    void RenderMenu();
    void DrawScreen();

    int nItemCount = 1;
    int nItemModes[kMaxRows] = {};
    int nSlotTop = 0;
    int nSlotRows = 0;
    int nMenuX = 192, nMenuY = 240;
    DDSURFACEDATA menu_;
};

// Asks the main window to run a file dialog by its program message and start
// what was chosen; true when something was started. False at once when no
// main window takes the request.
bool RequestDialogStart(UINT message);

// The frame every screen scene shares (title, world map, save screen,
// challenge list, options): the player's input with its direction repeat and
// the press-once filter of the decide and cancel buttons, the entry on the
// first frame, then the handler of the current state. State 0 is always the
// fade-in and the scene's last state the fade-out and hand-over.
#pragma once

#include "app/Game.h"
#include "foundation/Input.h"
#include "graphics/SurfaceData.h"
#include "records/Cmd.h"

#include <cstdint>

// Button bits of the input record as the screens read them.
constexpr WORD kButtonDecide = 1, kButtonCancel = 2, kButtonRankingPanel = 4, kButtonRankingTable = 8;

// System sound numbers the screens ask for.
enum eScreenSound : int {
    SE_CURSOR = 0,
    SE_DECIDE = 1,
    SE_CANCEL = 2,
    SE_REFUSED = 3,
    SE_LEAVE_MAP = 4,
    SE_SAVED = 5,
    SE_PAGE = 6,
};

class cScreenScene : public cScene {
public:
    static constexpr int kNotEntered = -1;

    explicit cScreenScene(int leaveState) : leaveState_(leaveState) {}
    ~cScreenScene() override;

    void Run() final;

    int State() const { return nState; }
    int SubStep() const { return nSubStep; }

protected:
    // The scene's own states, 1 to leaveState - 1.
    virtual void RunState(int state) = 0;
    // Draws the scene's screen for the fades (nothing headless).
    virtual void DrawFrame() {}

    // One frame of the fade-in (true on its last frame) or the fade-out.
    bool StepFadeIn();
    bool StepFadeOut();
    // The common end of a fade-out: an empty screen, one cursor level, and the
    // next scene made current with this one as the previous.
    void HandOver(int thisScene);
    // Loads system pictures; a picture that cannot be loaded closes the
    // program in order (its message shown by the loader). Remembered for the
    // release at the end of the scene.
    bool LoadPictures(const int* pictures, int count);
    // A scene-owned surface (the menu, a page, a panel) of the given size;
    // false (and the program asked to close) when it cannot be made.
    bool MakePage(DDSURFACEDATA& page, int width, int height, int colourKey);

    cInput& Input() { return InputList.At(0); }
    bool Pressed(WORD button) { return (Input().wButton & button) != 0; }
    void GoTo(int state) {
        nState = state;
        nSubStep = 0;
    }
    void LeaveFor(int nextScene) {
        Game.nNextScene = nextScene;
        GoTo(leaveState_);
    }

    int nState = kNotEntered;
    int nSubStep = 0;

private:
    int leaveState_;
    int pictures_[8] = {};
    int pictureCount_ = 0;
    int fadeFrame_ = 0;
};

// Enabled items of a stored menu, in index order, at most `capacity` of them
// (a stored menu may be longer than the screen's table); one row showing item
// 0 when none is enabled. Returns the row count.
int CollectEnabledItems(const cVector<cCmd>& menu, int* rows, int capacity);
// Asks the main window to play screen music `slot` (0 title, 1 world map and
// save screen, 2 challenge, 3 options) with the project's number and loop flag.
void RequestScreenMusic(int slot);

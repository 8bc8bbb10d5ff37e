// Scene 2, the story save screen, reached from the world map: save the story
// to a slot (with the slot list and a confirmation), switch auto-save, go back
// to the map, or end the story and go to the title.
#pragma once

#include "app/ScreenScene.h"

class cSaveScene : public cScreenScene {
public:
    static constexpr int kMaxRows = 4;
    static constexpr int kMaxSlotRows = 10;
    enum {
        STATE_FADE_IN = 0,
        STATE_MENU = 1,
        STATE_SAVE = 2,
        STATE_AUTO_SAVE = 3,
        STATE_BACK = 4,
        STATE_TITLE = 5,
        STATE_LEAVE = 6
    };

    cSaveScene();

    void Enter() override;
    void FadeIn() override;
    void Leave() override;

    int RowCount() const { return nItemCount; }
    int RowItem(int row) const { return (row >= 0 && row < nItemCount) ? nItemModes[row] : -1; }

private:
    void RunState(int state) override;
    void DrawFrame() override { Draw(); }
    void StateMenu();
    void StateSave();
    void StateAutoSave();
    void StateTitle();
    void BackToMenu();
    void Draw();
    void DrawSlots();

    int nItemCount = 1;
    int nItemModes[kMaxRows] = {};
    int nSlotTop = 0;
    int nSlotRows = 0;
};

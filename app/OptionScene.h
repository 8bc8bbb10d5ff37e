// Scene 5, the options page: the enabled items of the project's option menu
// with their values. Up and down change a value (wrapping at its range), the
// ranking name is entered through its dialog, and leaving stores the options
// in user_data\Option.dat and applies the music switch.
#pragma once

#include "app/ScreenScene.h"

#include <cstdint>

// What an option menu item edits, by the item's index in the menu. The
// project's default labels name them in this order: "BGM", "SE",
// "ランキング登録", "ランキング登録名", "もどる", and a sixth without a label.
enum eOptionItem : int {
    OPTION_MUSIC = 0,
    OPTION_VOLUME = 1,
    OPTION_RANKING_MODE = 2,
    OPTION_RANKING_NAME = 3,
    OPTION_BACK = 4,
    OPTION_PALETTE = 5,
};

class cOptionScene : public cScreenScene {
public:
    static constexpr int kMaxRows = 6;
    enum { STATE_FADE_IN = 0, STATE_OPTIONS = 1, STATE_LEAVE = 2 };

    cOptionScene();
    ~cOptionScene() override;

    void Enter() override;
    void FadeIn() override;
    void Leave() override;

    int RowCount() const { return nItemCount; }
    int RowItem(int row) const { return (row >= 0 && row < nItemCount) ? nItemRows[row] : -1; }

private:
    void RunState(int state) override;
    void DrawFrame() override { Draw(); }
    void ChooseItem();
    void EditValue();
    // Applies a changed value where it shows at once: the palette and the volume.
    void ApplyValue();
    void BuildPage();
    void RenderPage();
    void Draw();

    int nItemCount = 1;
    int nItemRows[kMaxRows] = {};
    int nEditItem = 0;
    std::int32_t nSavedValue = 0;
    std::int32_t* lpValue = nullptr;
    std::int32_t nMin = 0, nMax = 0;
    DDSURFACEDATA page_;
};

// The value text of an option item as the page shows it.
std::string OptionValueText(int item);

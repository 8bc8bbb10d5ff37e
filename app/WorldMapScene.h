// Scene 1, the story's world map: the map drawn from its chips and events and
// scrolled so that the marker stands in the middle of the screen. The player
// walks cell by cell; a stage not yet cleared opens the stage-start menu as
// soon as the marker reaches it; button 2 leaves for the save screen. The
// lives counter and, with rankings on, the ranking of the stage under the
// marker are shown.
#pragma once

#include "app/ScreenScene.h"
#include "gui/MenuCursor.h"

#include <cstdint>

class cWorldEntry;
class cWorldEvent;

class cWorldMapScene : public cScreenScene {
public:
    enum { STATE_FADE_IN = 0, STATE_MAP = 1, STATE_STAGE_MENU = 2, STATE_LEAVE = 3 };
    // The marker's pixel position: the middle of the screen.
    static constexpr int kMarkerX = 288, kMarkerY = 224;

    cWorldMapScene();
    ~cWorldMapScene() override;

    void Enter() override;
    void FadeIn() override;
    void Leave() override;

    const CURSORPOS& Marker() const { return marker_; }
    int ScrollX() const { return nScrollX; }
    int ScrollY() const { return nScrollY; }
    int Facing() const { return nFacing; }
    const cWorldEntry* ActiveEntry() const { return lpEntry; }
    std::int32_t StageValue() const { return nStageValue; }

private:
    void RunState(int state) override;
    void DrawFrame() override { Draw(nState != STATE_FADE_IN || !PlayDataBackToSafe()); }
    static bool PlayDataBackToSafe();

    void StateMap();
    void StateStageMenu();
    void MoveMarker();
    void LookUpEvent();
    void PutMarker(std::int32_t x, std::int32_t y);
    void PrepareCaption();
    void SetUpStagePlay();
    // Loads the entry's stage for play; the message when it cannot be read.
    bool LoadEntryStage();
    void RankingKeys();
    void BackFromMenu();

    void RenderMap();
    void BuildRankingPanel();
    void RenderRankingPanel();
    void Draw(bool captions);
    void DrawMarker();
    void DrawLives();
    void DrawCaption();

    CURSORPOS marker_;
    CURSORPOS saved_;
    CURSORPOS captionCell_{-1, -1, 0, 0};
    int nScrollX = 0, nScrollY = 0;
    int nRenderedX = INT32_MIN, nRenderedY = INT32_MIN;
    cWorldEvent* lpEvent = nullptr;
    cWorldEntry* lpEntry = nullptr;
    int nFacing = 0;
    std::int32_t nStageValue = 0;
    bool bStageLoaded = false;
    // The cell whose stage could not be loaded: it opens no menu by itself
    // again until the marker has left it.
    int nFailedX = -1, nFailedY = -1;
    int nAnimation = 0;
    DDSURFACEDATA panel_;
};

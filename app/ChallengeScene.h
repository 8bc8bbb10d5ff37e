// Scene 3, the challenge mode's stage list: the open stages by number with
// their cleared marks and stored values, the sum of cleared values and, with
// rankings on, the ranking of the stage under the cursor. Choosing a stage
// loads "data\stg4\cNN-1.stg4" and starts it; button 2 returns to the title.
#pragma once

#include "app/ScreenScene.h"

#include <cstdint>
#include <string>

// The file of challenge stage n (from 1): "data\stg4\c" + n in two digits + "-1.stg4".
std::string ChallengeStagePath(std::int32_t n);
// The stages the list offers: the project's count when all are open, else the
// opened ones, never more than the play data holds pairs for.
std::int32_t ChallengeStageCount();

class cChallengeScene : public cScreenScene {
public:
    static constexpr int kMaxRows = 10;
    enum { STATE_FADE_IN = 0, STATE_SELECT = 1, STATE_LEAVE = 2 };

    cChallengeScene();
    ~cChallengeScene() override;

    void Enter() override;
    void FadeIn() override;
    void Leave() override;

    int ListTop() const { return nTop; }
    int StageCount() const { return nStages; }
    int VisibleRows() const { return nRows; }

private:
    void RunState(int state) override;
    void DrawFrame() override { Draw(); }
    void UpdateCounts();
    void PrepareStage(std::int32_t n);
    void BuildPage();
    void RenderPage();
    void Draw();

    int nTop = 0;
    int nStages = 0;
    int nRows = 0;
    DDSURFACEDATA page_;
};

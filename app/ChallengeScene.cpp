#include "app/ChallengeScene.h"

#include "engine/FlashColors.h"
#include "foundation/MessageBox.h"
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "gui/MenuCursor.h"
#include "gui/RankingDraw.h"
#include "project/DataPath.h"
#include "project/NewPlayData.h"
#include "project/RankSet.h"
#include "project/Stage.h"
#include "project/StageLoad.h"
#include "project/SystemData.h"
#include "sound/SoundRequests.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kAccessoryPicture = 49, kWindowPicture = 45;
constexpr int kRowWord = 0, kValueHeadingWord = 3, kTotalWord = 4;
constexpr int kRankingX = 292, kRankingY = 108;

// The project's challenge switches: the total line and the stage values shown.
bool ShowTotal() {
    return SystemData.bChallengeSwitchA != 0;
}
bool ShowValues() {
    return SystemData.bChallengeSwitchB != 0;
}
bool ChallengeRankings() {
    return SystemData.RankingFlags.InRange(1) && SystemData.RankingFlags[1].bSwitch != 0;
}

std::string Word(int n) {
    return SystemData.Words.InRange(n) ? SystemData.Words[static_cast<std::size_t>(n)] : std::string();
}

} // namespace

std::string ChallengeStagePath(std::int32_t n) {
    char name[64];
    std::snprintf(name, sizeof name, "%02d-1.", static_cast<int>(n));
    return DataPath.At(DP_STAGE_PREFIX) + name + FileExtension.At(FE_STAGE);
}

std::int32_t ChallengeStageCount() {
    const std::int32_t offered =
        SystemData.bChallengeCount ? SystemData.nChallengeStages : PlayData.nOpenChallenges;
    // A stage without its pair in the play data has nowhere to keep its result.
    return std::clamp<std::int32_t>(offered, 0, static_cast<std::int32_t>(PlayData.Challenges.size()));
}

cChallengeScene::cChallengeScene() : cScreenScene(STATE_LEAVE) {}

cChallengeScene::~cChallengeScene() {
    if (DDIsRunning()) DDReleaseSurface(&page_);
}

void cChallengeScene::UpdateCounts() {
    nStages = ChallengeStageCount();
    nTop = std::clamp(nTop, 0, std::max(nStages - 1, 0));
    nRows = std::min(nStages - nTop, kMaxRows);
}

void cChallengeScene::Enter() {
    RequestScreenMusic(2);
    const int pictures[] = {kAccessoryPicture, kWindowPicture};
    LoadPictures(pictures, 2);
    CURSORPOS& cursor = *WorldPos.Reset();
    cursor.nRow = Game.nChallengeRow;
    nTop = Game.nChallengeTop;
    UpdateCounts();
    cursor.nRow = std::clamp(cursor.nRow, 0, std::max(nStages - 1, 0));
    cursor.nX = 32;
    cursor.nY = 160 + 32 * (cursor.nRow - nTop);
    PrepareStage(cursor.nRow + 1);
    BuildPage();
    nSubStep = 0;
}

void cChallengeScene::PrepareStage(std::int32_t n) {
    PlayData.MakeStageName(ChallengeStagePath(n), 0, 0, 0);
    if (Game.nPlayStartB)
        LoadRanking(RankSet, Game.nPlayStartA, PlayData.strStageName, PlayData.nStageVarFlag,
                    PlayData.nStageVarNumber, PlayData.nStageVarValue);
}

void cChallengeScene::BuildPage() {
    if (MakePage(page_, 640, 480, 0)) RenderPage();
}

void cChallengeScene::RenderPage() {
    if (!DDIsRunning() || !page_.nWidth) return;
    SysFont[1].DrawTextSurface(&page_, 1, 1, 638, 478);
    const char* heading = SystemData.TitleMenu.InRange(2) ? SystemData.TitleMenu[2].Text.c_str() : "";
    SysFont[2].DrawTextF(&page_, 320 - 32 * GetCharCount(heading) / 2, 32, "%s", heading);
    if (ShowTotal() && PlayData.nTotalScore > 0) {
        const std::string word = Word(kTotalWord);
        const int width = 16 * (GetCharCount(word.c_str()) + CountDigits(PlayData.nTotalScore));
        SysFont[1].DrawTextF(&page_, 320 - width / 2, 88, "%s%d", word.c_str(), PlayData.nTotalScore);
    }
    if (!PlayData.bRankingPanel && ShowValues())
        SysFont[2].DrawTextF(&page_, 32, 128, "         %s", Word(kValueHeadingWord).c_str());
    const std::string row = Word(kRowWord);
    const int markX = 32 * (GetCharCount(row.c_str()) + 4);
    for (int i = 0; i < nRows; ++i) {
        const int k = nTop + i;
        const int y = 160 + 32 * i;
        SysFont[2].DrawTextF(&page_, 64, y, "%s%d", row.c_str(), k + 1);
        if (!PlayData.Challenges.InRange(k)) continue;
        const cEdIntPair& pair = PlayData.Challenges[static_cast<std::size_t>(k)];
        if (pair.nFirst) DDBltFast(&page_, markX, y, 32, 32, &SystemSD[kAccessoryPicture], 96, 0, 1);
        if (ShowValues()) SysFont[2].DrawTextF(&page_, markX + 64, y, "%d", pair.nSecond);
    }
    if (ChallengeRankings() && PlayData.bRankingPanel)
        DrawRankTable(&page_, kRankingX, kRankingY, RankSet, PlayData.nRankingTable, -1, Game.nPlayStartA);
}

void cChallengeScene::Draw() {
    if (!DDIsRunning()) return;
    if (page_.bLost) {
        RenderPage();
        page_.bLost = 0;
    }
    DDBltFast(&BackBuffer, 0, 0, page_.nWidth, page_.nHeight, &page_, 0, 0, 0);
    AnimateFlashColors();
}

void cChallengeScene::FadeIn() {
    if (DDIsRunning() && DDScreenBpp() == 8) RenderPage();
    if (StepFadeIn()) nState = STATE_SELECT;
}

void cChallengeScene::RunState(int state) {
    if (state != STATE_SELECT) return;
    CURSORPOS& cursor = *WorldPos.Current();
    UpdateCounts();
    MoveListCursor(cursor, Input(), 1, nTop, 160, 32, 32, nRows, nStages, 1);
    UpdateCounts();
    PlayCursorSe(Input(), 3, SE_CURSOR);
    if (Input().wDir & (kDirLeft | kDirRight | kDirUp | kDirDown)) {
        PrepareStage(cursor.nRow + 1);
        RenderPage();
    }
    if (Pressed(kButtonDecide) && nStages > 0) {
        const std::string path = ChallengeStagePath(cursor.nRow + 1);
        if (LoadStageForPlay(path, 1, &ReplayStage) != 1) {
            PlaySe(SE_REFUSED);
            ErrorBoxPrintf("ステージファイル %s が読み込めません！", path.c_str());
            return;
        }
        PlaySe(SE_DECIDE);
        PlayData.MakeStageName(Stage.strPath.empty() ? path : Stage.strPath, 0, 0, 0);
        PlayData.nAreaNumber = 1;
        PlayData.nStageNumber = cursor.nRow + 1;
        SetStartLives(PlayData, GAME_CHALLENGE, false);
        PlayData.bNextStage = 1;
        Game.nChallengeRow = cursor.nRow;
        Game.nChallengeTop = nTop;
        Game.nPrevScene = SCENE_CHALLENGE;
        LeaveFor(SCENE_PLAY);
        return;
    }
    if (Pressed(kButtonCancel)) {
        PlaySe(SE_CANCEL);
        Game.nPrevScene = SCENE_CHALLENGE;
        LeaveFor(SCENE_TITLE);
        return;
    }
    if (Pressed(kButtonRankingPanel)) {
        if (ChallengeRankings()) {
            PlaySe(SE_PAGE);
            PlayData.bRankingPanel = !PlayData.bRankingPanel;
        } else {
            PlayData.bRankingPanel = 0;
        }
        RenderPage();
    }
    if (Pressed(kButtonRankingTable) && ChallengeRankings() &&
        SystemData.CountSetFlags(Game.nPlayStartA) > 1) {
        PlaySe(SE_PAGE);
        PlayData.StepRankingTable(Game.nPlayStartA, 1);
        RenderPage();
    }
    Draw();
    if (DDIsRunning())
        DDBltFast(&BackBuffer, cursor.nX, cursor.nY, 32, 32, &SystemSD[kAccessoryPicture], 0, 0, 1);
}

void cChallengeScene::Leave() {
    if (StepFadeOut()) HandOver(SCENE_CHALLENGE);
}

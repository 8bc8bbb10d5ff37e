// The play scene's menus and end displays over the frozen world: the pause
// menu (quit, resume, retry, give up), the stage-clear display with its
// caption, result panel and ranking entry, the continue menu after a lost
// life, and the game-over display.
#include "foundation/Fault.h"
#include "foundation/Input.h"
#include "graphics/Effects.h"
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "gui/MenuCursor.h"
#include "gui/MenuLayout.h"
#include "gui/RankingDraw.h"
#include "platform/InputDevices.h"
#include "platform/WindowEvents.h"
#include "play/PlayHost.h"
#include "play/PlayScene.h"
#include "play/StageEnd.h"
#include "project/OptionData.h"
#include "project/ScreenWords.h"

namespace {

constexpr WORD kConfirm = 1, kCancel = 2;
constexpr int kSeCursor = 0, kSeConfirm = 1, kSeCancel = 2, kSePause = 4;
constexpr int kMenuY = 272, kMenuCentre = 320, kRowStep = 16;
constexpr int kAccessoryPicture = 49, kCaptionPicture = 51;
constexpr int kFirstPauseWord = 19, kFirstContinueWord = 23, kRankingHintWord = 28;
constexpr std::int32_t kCaptionDone = 200, kCaptionShown = 100, kCaptionStep = 4;
constexpr int kVkF3 = 0x72;

enum : std::int32_t { PAUSE_QUIT = 0, PAUSE_RESUME = 1, PAUSE_RETRY = 2, PAUSE_GIVE_UP = 3 };

DDSURFACEDATA* Target() {
    return DDIsRunning() ? &BackBuffer : nullptr;
}

// The player's input for a menu frame: directions repeat, each button acts
// once a press, and buttons held since before the menu opened wait for
// their release.
cInput& MenuInput(std::int32_t& heldButtons) {
    cInput& in = InputList.At(0);
    in.RepeatDirection();
    if (in.wButton == 0)
        heldButtons = 0;
    else if (heldButtons)
        in.wButton = 0;
    in.TriggerButtons(0);
    return in;
}

std::string Word(int n) {
    return SystemData.Words.InRange(n) ? SystemData.Words[static_cast<std::size_t>(n)] : std::string();
}

void DrawMenuCursor(const CURSORPOS& cursor) {
    if (DDSURFACEDATA* target = Target())
        DDBltFast(target, cursor.nX, cursor.nY, 16, 16, &SystemSD[kAccessoryPicture], 64, 0, 1);
}

// The ranking mode in which F3 (0, 1) or the confirm of the clear (2, 3)
// enters the rankings.
bool RankingByKey() {
    return OptionData.nRankingMode == 0 || OptionData.nRankingMode == 1;
}

bool StageCleared(std::int32_t number) {
    return PlayData.ClearFlags.InRange(number) && PlayData.ClearFlags[static_cast<std::size_t>(number)] != 0;
}

bool ChallengeCleared(std::int32_t number) {
    const std::int64_t index = static_cast<std::int64_t>(number) - 1;
    return PlayData.Challenges.InRange(index) &&
           PlayData.Challenges[static_cast<std::size_t>(index)].nFirst != 0;
}

// The four items of the pause menu, enabled as the game kind allows.
void BuildPauseMenu(cVector<cCmd>& menu) {
    menu.clear();
    for (int i = 0; i < 4; ++i) menu.push_back(cCmd(1, Word(kFirstPauseWord + i)));
    switch (PlayHost().GameKind()) {
    case GAME_STORY:
        menu[PAUSE_RETRY].bEnabled = stage_end::StoryRetry() && StageCleared(PlayData.nStageNumber) ? 1 : 0;
        menu[PAUSE_GIVE_UP].bEnabled =
            stage_end::StoryGiveUp() && StageCleared(PlayData.nStageNumber) ? 1 : 0;
        break;
    case GAME_CHALLENGE:
        menu[PAUSE_RETRY].bEnabled =
            stage_end::ChallengeRetry() && ChallengeCleared(PlayData.nStageNumber) ? 1 : 0;
        menu[PAUSE_GIVE_UP].bEnabled = 0;
        break;
    default:
        menu[PAUSE_GIVE_UP].bEnabled = 0;
        break;
    }
}

} // namespace

void cPlayScene::HoldPressedButtons() {
    bHeldButtons = !InputList.empty() && InputList[0].wButton != 0 ? 1 : 0;
}

bool cPlayScene::CheckPauseKey() {
    // A new press only: Space still held from the menu does not open it again.
    const bool space = (GetAsyncKeyState(VK_SPACE) & 0x8000) != 0;
    const bool pressed = space && !bPauseKeyHeld;
    bPauseKeyHeld = space ? 1 : 0;
    if (!pressed) return false;
    PlaySe(kSePause);
    HoldPressedButtons();
    nSavedState = nState;
    nSavedSubState = nSubState;
    nSubState = 0;
    nState = PLAY_PAUSE;
    return true;
}

void cPlayScene::StatePause() {
    if (CheckReplayHotKeys()) return;
    bPauseKeyHeld = (GetAsyncKeyState(VK_SPACE) & 0x8000) != 0 ? 1 : 0;
    BuildPauseMenu(PauseMenu);
    CURSORPOS& cursor = *WorldPos.Current();
    if (nSubState == 0) {
        cursor.nRow = PAUSE_RESUME;
        nSubState = 1;
    }
    cInput& in = MenuInput(bHeldButtons);
    const int x = GetCenteredMenuX(kMenuCentre, PauseMenu);
    MoveCursor(cursor, in, x, kMenuY, 0, kRowStep, 1, cCmd::CountEnabled(PauseMenu));
    PlayCursorSe(in, 2, kSeCursor);
    auto back = [this] {
        bHeldButtons = 1;
        nState = nSavedState;
        nSubState = nSavedSubState;
    };
    if (in.wButton & kConfirm) {
        PlaySe(kSeConfirm);
        cPlayHost& host = PlayHost();
        switch (cCmd::GetCmdNum(cursor.nRow, PauseMenu)) {
        case PAUSE_QUIT:
            nSubState = 0;
            nState = PLAY_LEAVE;
            if (host.TestPlay()) {
                PostMainWindowClose();
            } else {
                nNextScene = 0;
                bQuitChosen = 1;
            }
            break;
        case PAUSE_RESUME:
            back();
            break;
        case PAUSE_RETRY:
            bHeldButtons = 1;
            PlayData.RestoreStageStart(0, host.GameKind(), host.TestPlay() != 0);
            SetStage(1, 0);
            nSubState = 0;
            nState = PLAY_READY;
            break;
        case PAUSE_GIVE_UP:
            bHeldButtons = 1;
            PlayData.RestoreStageStart(0, host.GameKind(), host.TestPlay() != 0);
            PlayData.bBackToSafe = 1;
            nNextScene = 1;
            nSubState = 0;
            nState = PLAY_LEAVE;
            break;
        default:
            break;
        }
        return;
    }
    if (in.wButton & kCancel) {
        PlaySe(kSeCancel);
        back();
        return;
    }
    DrawWorld(0, 1, 0, 1);
    if (DDSURFACEDATA* target = Target()) DrawCmdMenu(target, x, kMenuY, PauseMenu);
    DrawMenuCursor(cursor);
}

void cPlayScene::StateClear() {
    const bool skip = stage_end::SkipClearDisplay();
    if (!skip) {
        if (CheckPauseKey()) return;
        if (CheckReplayHotKeys()) return;
        if (RankingByKey() && (GetAsyncKeyState(kVkF3) & 0x8000) != 0) EnterRankingAndShowPages();
    }
    if (nSubState == 0) {
        nCaption1 = 0;
        nSubState = 1;
    } else if (nSubState != 1) {
        return;
    }
    const cInput& in = MenuInput(bHeldButtons);
    const bool shown = nCaption1 >= kCaptionDone;
    if (shown && (skip || (in.wButton & kConfirm))) {
        if (bNewRank && !RankingByKey())
            EnterRankingAndShowPages();
        else if (!skip)
            PlaySe(kSeConfirm);
        nNextScene = NextSceneAfterClear();
        nCaption1 = 0;
        nSubState = 0;
        nState = PLAY_LEAVE;
        return;
    }

    bool placed = false;
    for (int p : nRankPlaces)
        if (p != -1) placed = true;
    DDSURFACEDATA* target = Target();
    if (!skip && !bRankingsDone && placed && RankingByKey()) {
        DrawWorld(0, 1, 0, 0);
        const std::string hint = Word(kRankingHintWord);
        if (target)
            SysFont[1].DrawText(target, kMenuCentre - CountTextChars(hint) * 16 / 2, 456, hint.c_str(), 1);
    } else {
        DrawWorld(0, 1, 0, 1);
    }
    if (stage_end::ClearCaption()) {
        nCaption1 = std::min(nCaption1 + kCaptionStep, kCaptionDone);
        if (target) {
            if (nCaption1 < kCaptionShown)
                DDBltStripShift(target, 256, 192, 128, 32, 4, kCaptionShown - nCaption1,
                                &SystemSD[kCaptionPicture], 0, 64, 1, 1);
            else
                DDBltFast(target, 256, 192, 128, 32, &SystemSD[kCaptionPicture], 0, 64, 1);
        }
    } else {
        nCaption1 = kCaptionDone;
    }
    if (nCaption1 >= kCaptionDone && PlayHost().RankingsOn() && !skip && target) {
        cResultValues result;
        const int kind = PlayHost().GameKind();
        for (int k = 0; k < cRankSet::kTables; ++k) {
            result.values[k] = nRankValues[k];
            result.shown[k] =
                stage_end::StageRanks(k) && (PlayHost().TestPlay() || stage_end::ProjectRanks(kind, k));
        }
        DrawResultPanel(target, 336, 224, result, nRankPlaces);
    }
}

void cPlayScene::StateContinue() {
    if (CheckReplayHotKeys()) return;
    CURSORPOS& cursor = *WorldPos.Current();
    if (nSubState == 0) {
        cursor.nRow = 0;
        nSubState = 1;
    }
    cInput& in = MenuInput(bHeldButtons);
    const int x = GetWordMenuX(kMenuCentre, kFirstContinueWord, 2, 1);
    MoveCursor(cursor, in, x, kMenuY, 0, kRowStep, 1, 2);
    PlayCursorSe(in, 2, kSeCursor);
    if (in.wButton & kConfirm) {
        PlaySe(kSeConfirm);
        if (cursor.nRow == 0) {
            SetStage(1, 0);
            nSubState = 0;
            nState = PLAY_READY;
        } else {
            PlayData.bBackToSafe = 1;
            nNextScene = 1;
            nSubState = 0;
            nState = PLAY_LEAVE;
        }
        return;
    }
    DrawWorld(0, 1, 0, 1);
    if (DDSURFACEDATA* target = Target()) DrawWordMenu(target, x, kMenuY, kFirstContinueWord, 2, 1);
    DrawMenuCursor(cursor);
}

void cPlayScene::StateGameOver() {
    if (CheckPauseKey()) return;
    if (CheckReplayHotKeys()) return;
    const cInput& in = MenuInput(bHeldButtons);
    if (in.wButton & kConfirm) {
        PlaySe(kSeConfirm);
        nNextScene = 0;
        nSubState = 0;
        nState = PLAY_LEAVE;
        return;
    }
    DrawWorld(0, 1, 0, 1);
    DDSURFACEDATA* target = Target();
    if (target && stage_end::GameOverCaption())
        DDBltFast(target, 248, 224, 144, 32, &SystemSD[kCaptionPicture], 0, 96, 1);
}

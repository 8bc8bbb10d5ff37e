#include "app/TitleScene.h"

#include "app/DialogRequests.h"
#include "engine/FlashColors.h"
#include "foundation/Fault.h"
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "gui/MenuCursor.h"
#include "gui/SlotListDraw.h"
#include "project/NewPlayData.h"
#include "project/SaveSlots.h"
#include "project/SystemData.h"
#include "sound/SoundRequests.h"

#include <algorithm>

namespace {

constexpr int kTitlePicture = 47, kGameModePicture = 48, kAccessoryPicture = 49, kWindowPicture = 45;
constexpr int kSlotListX = 160, kSlotListY = 160;

// The ranking switch of a game kind as the project sets it.
int RankingSwitch(int kind) {
    return SystemData.RankingFlags.InRange(kind) ? SystemData.RankingFlags[kind].bSwitch : 0;
}

const char* ItemText(int mode) {
    return SystemData.TitleMenu.InRange(mode) ? SystemData.TitleMenu[mode].Text.c_str() : "";
}

} // namespace

bool RequestDialogStart(UINT message) {
    const HWND window = hMainWnd.load();
    if (!window || !IsWindow(window)) return false;
    bDialogDone = 0;
    bDialogResult = 0;
    SendMessageA(window, message, 0, 0);
    // The send returns after the main window has handled the request; a window
    // that does not know the message never says it is done.
    return bDialogDone.load() != 0 && bDialogResult.load() != 0;
}

cTitleScene::cTitleScene() : cScreenScene(STATE_LEAVE) {}

cTitleScene::~cTitleScene() {
    if (DDIsRunning()) DDReleaseSurface(&menu_);
}

void cTitleScene::Enter() {
    RequestScreenMusic(0);
    const int pictures[] = {kTitlePicture, kGameModePicture, kAccessoryPicture, kWindowPicture};
    LoadPictures(pictures, 4);
    CURSORPOS* cursor = WorldPos.Reset();
    nItemCount = CollectEnabledItems(SystemData.TitleMenu, nItemModes, kMaxRows);
    // The cursor starts on the mode chosen last; a mode no row shows leaves the
    // row number at the mode, which the first move brings back into the menu.
    cursor->nRow = Game.nPlayMode;
    for (int r = 0; r < nItemCount; ++r)
        if (nItemModes[r] == Game.nPlayMode) cursor->nRow = r;
    nMenuX = 192;
    if (SystemData.bTitleSwitch && DDIsRunning()) nMenuX = 288 - SystemSD[kGameModePicture].nWidth / 2;
    BuildMenu();
    nSubStep = 0;
}

void cTitleScene::BuildMenu() {
    if (!DDIsRunning()) return;
    int width = 0;
    if (SystemData.bTitleSwitch) {
        width = SystemSD[kGameModePicture].nWidth + 32;
    } else {
        int longest = 0;
        for (int r = 0; r < nItemCount; ++r)
            longest = std::max(longest, GetCharCount(ItemText(nItemModes[r])));
        width = 32 * longest + 34;
    }
    if (!MakePage(menu_, width, 32 * nItemCount + 2, 1)) return;
    RenderMenu();
}

void cTitleScene::RenderMenu() {
    if (!DDIsRunning() || !menu_.nWidth) return;
    if (SystemData.bTitleSwitch) {
        DDFillSurfacePal(&menu_, 0);
        DDSURFACEDATA* modes = &SystemSD[kGameModePicture];
        for (int r = 0; r < nItemCount; ++r)
            DDBltFast(&menu_, 32, 32 * r, modes->nWidth, 32, modes, 0, 32 * nItemModes[r], 0);
        return;
    }
    DDBltFramed(&menu_, 1, 1, menu_.nWidth - 2, menu_.nHeight - 2, &SystemSD[kWindowPicture], 1, 240);
    for (int r = 0; r < nItemCount; ++r) SysFont[2].DrawText(&menu_, 32, 32 * r, ItemText(nItemModes[r]), 1);
}

void cTitleScene::DrawScreen() {
    if (!DDIsRunning()) return;
    DDBltFast(&BackBuffer, 0, 0, 640, 480, &SystemSD[kTitlePicture], 0, 0, 0);
    if (menu_.bLost) {
        RenderMenu();
        menu_.bLost = 0;
    }
    DDBltFast(&BackBuffer, nMenuX, nMenuY, menu_.nWidth, menu_.nHeight, &menu_, 0, 0, 1);
    AnimateFlashColors();
}

void cTitleScene::FadeIn() {
    if (DDIsRunning() && DDScreenBpp() == 8) RenderMenu();
    if (StepFadeIn()) nState = STATE_MENU;
}

void cTitleScene::RunState(int state) {
    if (state == STATE_MENU)
        StateMenu();
    else if (state == STATE_LOAD_SLOT)
        StateLoadSlot();
}

void cTitleScene::StateMenu() {
    CURSORPOS& cursor = *WorldPos.Current();
    MoveCursor(cursor, Input(), nMenuX, nMenuY, 0, 32, 1, nItemCount);
    PlayCursorSe(Input(), 2, SE_CURSOR);
    if (!Pressed(kButtonDecide)) {
        DrawScreen();
        if (DDIsRunning())
            DDBltFast(&BackBuffer, cursor.nX, cursor.nY, 32, 32, &SystemSD[kAccessoryPicture], 0, 0, 1);
        return;
    }
    PlaySe(SE_DECIDE);
    const int row = std::clamp(cursor.nRow, 0, nItemCount - 1);
    Game.nPlayMode = nItemModes[row];
    Choose(Game.nPlayMode);
}

void cTitleScene::Choose(int mode) {
    switch (mode) {
    case MODE_NEW_STORY:
        Game.nPlayStartA = GAME_STORY;
        Game.nPlayStartB = RankingSwitch(GAME_STORY);
        NewStoryPlayData(PlayData);
        LeaveFor(SCENE_WORLD_MAP);
        break;
    case MODE_CONTINUE:
        Game.nPlayStartA = GAME_STORY;
        Game.nPlayStartB = RankingSwitch(GAME_STORY);
        WorldPos.Push(0);
        GoTo(STATE_LOAD_SLOT);
        break;
    case MODE_CHALLENGE:
        Game.nPlayStartA = GAME_CHALLENGE;
        Game.nPlayStartB = RankingSwitch(GAME_CHALLENGE);
        if (!LoadChallengeData(PlayData)) {
            // No challenge saved yet: a new one with a pair for every stage.
            PlayData.Init();
            PlayData.Normalise();
        }
        LeaveFor(SCENE_CHALLENGE);
        break;
    case MODE_FREE_PLAY:
        Game.nPlayStartA = GAME_FREE;
        Game.nPlayStartB = RankingSwitch(GAME_FREE);
        if (RequestDialogStart(WM_OPEN_STAGE_FILE)) LeaveFor(SCENE_PLAY);
        break;
    case MODE_REPLAY:
        Game.nPlayStartA = 3;
        Game.nPlayStartB = RankingSwitch(3);
        if (RequestDialogStart(WM_OPEN_REPLAY_FILE)) LeaveFor(SCENE_PLAY);
        break;
    case MODE_OPTIONS:
        LeaveFor(SCENE_OPTION);
        break;
    case MODE_END:
        PostMainWindowClose();
        break;
    default:
        break;
    }
}

void cTitleScene::StateLoadSlot() {
    CURSORPOS& cursor = *WorldPos.Current();
    if (nSubStep == 0) {
        cursor = CURSORPOS{};
        nSlotTop = 0;
        nSubStep = 1;
        ScanStorySlots();
    }
    const int slots = static_cast<int>(SlotList.size());
    nSlotRows = std::min(slots, kMaxSlotRows);
    MoveListCursor(cursor, Input(), 1, nSlotTop, kSlotListY, 16, kSlotListX, nSlotRows, slots, 1);
    PlayCursorSe(Input(), 3, SE_CURSOR);
    if (Pressed(kButtonDecide)) {
        const bool saved = SlotList.InRange(cursor.nRow) && SlotList[cursor.nRow].bSaved;
        if (!saved) {
            PlaySe(SE_REFUSED);
            return;
        }
        PlaySe(SE_DECIDE);
        LoadStorySlot(PlayData, cursor.nRow);
        LeaveFor(SCENE_WORLD_MAP);
        return;
    }
    if (Pressed(kButtonCancel)) {
        PlaySe(SE_CANCEL);
        WorldPos.Pop(1);
        GoTo(STATE_MENU);
        return;
    }
    if (!DDIsRunning()) return;
    DDBltFast(&BackBuffer, 0, 0, 640, 480, &SystemSD[kTitlePicture], 0, 0, 0);
    AnimateFlashColors();
    DrawSlotList(&BackBuffer, kSlotListX, kSlotListY, SlotList, nSlotTop, nSlotRows);
    DDBltFast(&BackBuffer, cursor.nX, cursor.nY, 16, 16, &SystemSD[kAccessoryPicture], 64, 0, 1);
}

void cTitleScene::Leave() {
    if (StepFadeOut()) HandOver(SCENE_TITLE);
}

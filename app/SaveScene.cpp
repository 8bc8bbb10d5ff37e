#include "app/SaveScene.h"

#include "engine/FlashColors.h"
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "gui/MenuCursor.h"
#include "gui/MenuLayout.h"
#include "gui/SlotListDraw.h"
#include "project/RankSet.h"
#include "project/SaveSlots.h"
#include "project/ScreenWords.h"
#include "project/SystemData.h"
#include "sound/SoundRequests.h"

#include <algorithm>

namespace {

constexpr int kWindowPicture = 45, kSymbolPicture = 50, kAccessoryPicture = 49;
constexpr int kMenuX = 264, kMenuY = 192;
constexpr int kSlotListX = 152, kSlotListY = 160;
constexpr int kTotalWord = 4, kSaveWord = 12, kAutoSaveWord = 14, kNoSlotWord = 16, kTitleWord = 17;

void DrawCursor(const CURSORPOS& cursor) {
    if (DDIsRunning())
        DDBltFast(&BackBuffer, cursor.nX, cursor.nY, 16, 16, &SystemSD[kAccessoryPicture], 64, 0, 1);
}

void ClearScreen() {
    if (DDIsRunning()) DDFillRectPal(&BackBuffer, 0, 0, 640, 480, 16);
}

} // namespace

cSaveScene::cSaveScene() : cScreenScene(STATE_LEAVE) {}

void cSaveScene::Enter() {
    RequestScreenMusic(1);
    const int pictures[] = {kWindowPicture, kSymbolPicture, kAccessoryPicture};
    LoadPictures(pictures, 3);
    nItemCount = CollectEnabledItems(SystemData.SaveMenu, nItemModes, kMaxRows);
    WorldPos.Reset();
}

void cSaveScene::Draw() {
    if (!DDIsRunning()) return;
    ClearScreen();
    int longest = 0;
    for (int r = 0; r < nItemCount; ++r)
        if (SystemData.SaveMenu.InRange(nItemModes[r]))
            longest = std::max(longest, GetCharCount(SystemData.SaveMenu[nItemModes[r]].Text.c_str()));
    DDBltFramed(&BackBuffer, kMenuX, kMenuY, 16 * (longest + 1), 16 * nItemCount, &SystemSD[kWindowPicture],
                1, 240);
    for (int r = 0; r < nItemCount; ++r)
        if (SystemData.SaveMenu.InRange(nItemModes[r]))
            SysFont[1].DrawText(&BackBuffer, kMenuX + 16, kMenuY + 16 * r,
                                SystemData.SaveMenu[nItemModes[r]].Text.c_str(), 1);
    // The sum of the cleared stages' values, when the project shows it.
    if (SystemData.bSaveScreenSwitch && PlayData.nTotalScore > 0) {
        const std::string word = SystemData.Words.InRange(kTotalWord) ? SystemData.Words[kTotalWord] : "";
        const int width = 16 * (GetCharCount(word.c_str()) + CountDigits(PlayData.nTotalScore));
        SysFont[1].DrawTextBoxF(&BackBuffer, 320 - width / 2, 260, width, 16, "%s%d", word.c_str(),
                                PlayData.nTotalScore);
    }
    AnimateFlashColors();
}

void cSaveScene::FadeIn() {
    Draw();
    if (DDIsRunning()) DDBltFast(&BackBuffer, kMenuX, kMenuY, 16, 16, &SystemSD[kAccessoryPicture], 64, 0, 1);
    if (StepFadeIn()) nState = STATE_MENU;
}

void cSaveScene::RunState(int state) {
    switch (state) {
    case STATE_MENU:
        StateMenu();
        break;
    case STATE_SAVE:
        StateSave();
        break;
    case STATE_AUTO_SAVE:
        StateAutoSave();
        break;
    case STATE_BACK:
        LeaveFor(SCENE_WORLD_MAP);
        break;
    case STATE_TITLE:
        StateTitle();
        break;
    default:
        break;
    }
}

void cSaveScene::StateMenu() {
    CURSORPOS& cursor = *WorldPos.Current();
    MoveCursor(cursor, Input(), kMenuX, kMenuY, 0, 16, 1, nItemCount);
    PlayCursorSe(Input(), 2, SE_CURSOR);
    if (Pressed(kButtonDecide)) {
        PlaySe(SE_DECIDE);
        GoTo(nItemModes[std::clamp(cursor.nRow, 0, nItemCount - 1)] + STATE_SAVE);
        WorldPos.Push(0);
        return;
    }
    if (Pressed(kButtonCancel)) {
        PlaySe(SE_CANCEL);
        WorldPos.Push(0);
        GoTo(STATE_BACK);
        return;
    }
    Draw();
    DrawCursor(cursor);
}

void cSaveScene::BackToMenu() {
    WorldPos.Pop(1);
    GoTo(STATE_MENU);
}

void cSaveScene::DrawSlots() {
    ClearScreen();
    if (DDIsRunning()) DrawSlotList(&BackBuffer, kSlotListX, kSlotListY, SlotList, nSlotTop, nSlotRows);
}

void cSaveScene::StateSave() {
    if (nSubStep == 0) {
        CURSORPOS& cursor = *WorldPos.Current();
        cursor = CURSORPOS{};
        ScanStorySlots();
        const int slots = static_cast<int>(SlotList.size());
        // The list opens on the slot in use, or on the first.
        cursor.nRow = std::clamp(PlayData.nStorySlot, 0, std::max(slots - 1, 0));
        nSlotRows = std::min(slots, kMaxSlotRows);
        nSlotTop = std::clamp(cursor.nRow, 0, std::max(slots - nSlotRows, 0));
        cursor.nX = kSlotListX;
        cursor.nY = kSlotListY + 16 * (cursor.nRow - nSlotTop);
        nSubStep = 1;
    }
    if (nSubStep == 1) {
        CURSORPOS& cursor = *WorldPos.Current();
        const int slots = static_cast<int>(SlotList.size());
        MoveListCursor(cursor, Input(), 1, nSlotTop, kSlotListY, 16, kSlotListX, nSlotRows, slots, 1);
        PlayCursorSe(Input(), 3, SE_CURSOR);
        if (Pressed(kButtonDecide)) {
            PlaySe(SE_DECIDE);
            WorldPos.Push(1);
            WorldPos.Current()->nRow = 1;
            nSubStep = 2;
            return;
        }
        if (Pressed(kButtonCancel)) {
            PlaySe(SE_CANCEL);
            BackToMenu();
            return;
        }
        DrawSlots();
        DrawCursor(cursor);
        return;
    }
    // The confirmation.
    CURSORPOS& cursor = *WorldPos.Current();
    const CURSORPOS& chosen = *WorldPos.Parent();
    const int x = GetWordMenuX(320, kSaveWord, 2, 1);
    MoveCursor(cursor, Input(), x, 400, 0, 16, 1, 2);
    PlayCursorSe(Input(), 2, SE_CURSOR);
    if (Pressed(kButtonDecide)) {
        if (cursor.nRow == 0) {
            PlaySe(SE_SAVED);
            PlayData.nStorySlot = chosen.nRow;
            SaveStorySlot(PlayData, chosen.nRow);
        } else {
            PlaySe(SE_DECIDE);
        }
        WorldPos.Pop(1);
        nSubStep = 1;
        return;
    }
    if (Pressed(kButtonCancel)) {
        PlaySe(SE_CANCEL);
        WorldPos.Pop(1);
        nSubStep = 1;
        return;
    }
    DrawSlots();
    if (!DDIsRunning()) return;
    DrawWordMenu(&BackBuffer, x, 400, kSaveWord, 2, 1);
    DDBltFast(&BackBuffer, chosen.nX, chosen.nY, 16, 16, &SystemSD[kAccessoryPicture], 80, 0, 1);
    DrawCursor(cursor);
}

void cSaveScene::StateAutoSave() {
    CURSORPOS& cursor = *WorldPos.Current();
    if (nSubStep == 0) {
        cursor = CURSORPOS{};
        cursor.nRow = PlayData.bAutoSave ? 0 : 1;
        nSubStep = PlayData.nStorySlot >= 0 ? 1 : 2;
    }
    if (nSubStep == 1) {
        const int x = GetWordMenuX(320, kAutoSaveWord, 2, 1);
        MoveCursor(cursor, Input(), x, 224, 0, 16, 1, 2);
        PlayCursorSe(Input(), 2, SE_CURSOR);
        if (Pressed(kButtonDecide)) {
            PlaySe(SE_DECIDE);
            if (cursor.nRow == 0) {
                // Auto-save on saves at once to the slot in use.
                PlayData.bAutoSave = 1;
                SaveStorySlot(PlayData, PlayData.nStorySlot);
            } else {
                PlayData.bAutoSave = 0;
            }
            BackToMenu();
            return;
        }
        if (Pressed(kButtonCancel)) {
            PlaySe(SE_CANCEL);
            BackToMenu();
            return;
        }
        ClearScreen();
        if (DDIsRunning()) DrawWordMenu(&BackBuffer, x, 224, kAutoSaveWord, 2, 1);
        DrawCursor(cursor);
        return;
    }
    // Never saved yet: the message, and nothing changes.
    if (Pressed(kButtonDecide) || Pressed(kButtonCancel)) {
        PlaySe(Pressed(kButtonDecide) ? SE_DECIDE : SE_CANCEL);
        BackToMenu();
        return;
    }
    ClearScreen();
    if (DDIsRunning())
        DrawWordMenu(&BackBuffer, GetWordMenuX(320, kNoSlotWord, 1, 0), 232, kNoSlotWord, 1, 0);
}

void cSaveScene::StateTitle() {
    CURSORPOS& cursor = *WorldPos.Current();
    if (nSubStep == 0) {
        cursor = CURSORPOS{};
        cursor.nRow = 1;
        nSubStep = 1;
    }
    const int x = GetWordMenuX(320, kTitleWord, 2, 1);
    MoveCursor(cursor, Input(), x, 224, 0, 16, 1, 2);
    PlayCursorSe(Input(), 2, SE_CURSOR);
    if (Pressed(kButtonDecide)) {
        PlaySe(SE_DECIDE);
        if (cursor.nRow == 0)
            LeaveFor(SCENE_TITLE);
        else
            BackToMenu();
        return;
    }
    if (Pressed(kButtonCancel)) {
        PlaySe(SE_CANCEL);
        BackToMenu();
        return;
    }
    ClearScreen();
    if (DDIsRunning()) DrawWordMenu(&BackBuffer, x, 224, kTitleWord, 2, 1);
    DrawCursor(cursor);
}

void cSaveScene::Leave() {
    if (!StepFadeOut()) return;
    HandOver(SCENE_SAVE);
    nState = kNotEntered;
}

#include "app/OptionScene.h"

#include "app/DialogRequests.h"
#include "app/SoundMessages.h"
#include "engine/FlashColors.h"
#include "foundation/Fault.h"
#include "graphics/Effects.h"
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "gui/MenuCursor.h"
#include "project/DataPath.h"
#include "project/OptionData.h"
#include "project/SystemData.h"
#include "sound/SoundRequests.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kAccessoryPicture = 49, kWindowPicture = 45;
constexpr int kRowsX = 48, kRowsY = 96, kValueX = 208;

struct cOptionField {
    std::int32_t* value;
    std::int32_t max;
};

// The field an item edits with its range (from 0); null for the others.
cOptionField FieldOf(int item) {
    switch (item) {
    case OPTION_MUSIC:
        return {&OptionData.bMusic, 1};
    case OPTION_VOLUME:
        return {&OptionData.nVolume, kMaxVolumeLevel};
    case OPTION_RANKING_MODE:
        return {&OptionData.nRankingMode, kMaxRankingMode};
    case OPTION_PALETTE:
        return {&OptionData.nPalette, kMaxPaletteNumber};
    default:
        return {nullptr, 0};
    }
}

// The 8-bit colour table of the palette number, used by 8-bit DirectDraw only.
void LoadPaletteTable(std::int32_t number) {
    if (!DDIsRunning() || DDIsDirect3D() || DDScreenBpp() != 8) return;
    char path[64];
    std::snprintf(path, sizeof path, "bmp\\hbt\\hbt%02d.dat", static_cast<int>(number));
    DDLoadColorTable(ColorTable, path);
}

} // namespace

std::string OptionValueText(int item) {
    switch (item) {
    case OPTION_PALETTE:
        return std::to_string(OptionData.nPalette);
    case OPTION_MUSIC:
        return OptionData.bMusic ? "ON" : "OFF";
    case OPTION_VOLUME:
        return std::to_string(OptionData.nVolume);
    case OPTION_RANKING_MODE:
        return SystemData.RankingModeNames.InRange(OptionData.nRankingMode)
                   ? SystemData.RankingModeNames[static_cast<std::size_t>(OptionData.nRankingMode)]
                   : std::string();
    case OPTION_RANKING_NAME:
        return OptionData.RankingName;
    default:
        return std::string();
    }
}

cOptionScene::cOptionScene() : cScreenScene(STATE_LEAVE) {}

cOptionScene::~cOptionScene() {
    if (DDIsRunning()) DDReleaseSurface(&page_);
}

void cOptionScene::Enter() {
    RequestScreenMusic(3);
    const int pictures[] = {kAccessoryPicture, kWindowPicture};
    LoadPictures(pictures, 2);
    WorldPos.Reset();
    nItemCount = CollectEnabledItems(SystemData.OptionMenu, nItemRows, kMaxRows);
    BuildPage();
    nSubStep = 0;
}

void cOptionScene::BuildPage() {
    if (MakePage(page_, 640, 480, 0)) RenderPage();
}

void cOptionScene::RenderPage() {
    if (!DDIsRunning() || !page_.nWidth) return;
    SysFont[1].DrawTextSurface(&page_, 1, 1, 638, 478);
    const char* heading = SystemData.TitleMenu.InRange(5) ? SystemData.TitleMenu[5].Text.c_str() : "";
    SysFont[2].DrawTextF(&page_, 320 - 32 * GetCharCount(heading) / 2, 32, "%s", heading);
    for (int r = 0; r < nItemCount; ++r) {
        const int item = nItemRows[r];
        const int y = kRowsY + 16 * r;
        if (SystemData.OptionMenu.InRange(item))
            SysFont[1].DrawText(&page_, 64, y,
                                SystemData.OptionMenu[static_cast<std::size_t>(item)].Text.c_str(), 1);
        SysFont[1].DrawText(&page_, kValueX, y, OptionValueText(item).c_str(), 1);
    }
}

void cOptionScene::Draw() {
    if (!DDIsRunning()) return;
    if (page_.bLost) {
        RenderPage();
        page_.bLost = 0;
    }
    DDBltFast(&BackBuffer, 0, 0, 640, 480, &page_, 0, 0, 0);
    AnimateFlashColors();
}

void cOptionScene::FadeIn() {
    if (DDIsRunning() && DDScreenBpp() == 8) RenderPage();
    if (StepFadeIn()) nState = STATE_OPTIONS;
}

void cOptionScene::RunState(int state) {
    if (state != STATE_OPTIONS) return;
    if (nSubStep == 0) {
        *WorldPos.Current() = CURSORPOS{};
        nSubStep = 1;
    }
    if (nSubStep == 1)
        ChooseItem();
    else
        EditValue();
}

void cOptionScene::ChooseItem() {
    CURSORPOS& cursor = *WorldPos.Current();
    MoveCursor(cursor, Input(), kRowsX, kRowsY, 0, 16, 1, nItemCount);
    PlayCursorSe(Input(), 2, SE_CURSOR);
    if (Pressed(kButtonDecide)) {
        PlaySe(SE_DECIDE);
        nEditItem = nItemRows[std::clamp(cursor.nRow, 0, nItemCount - 1)];
        const cOptionField field = FieldOf(nEditItem);
        if (field.value) {
            lpValue = field.value;
            nMin = 0;
            nMax = field.max;
            nSavedValue = *lpValue;
            WorldPos.Push(1);
            nSubStep = 2;
        } else if (nEditItem == OPTION_RANKING_NAME) {
            // The dialog edits the options' fixed name (the title chose mode 5).
            bNameEntryDone = 0;
            const HWND window = hMainWnd.load();
            if (window && IsWindow(window)) SendMessageA(window, WM_NAME_ENTRY, 0, 0);
            RenderPage();
        } else {
            LeaveFor(SCENE_TITLE);
        }
        return;
    }
    if (Pressed(kButtonCancel)) {
        PlaySe(SE_CANCEL);
        LeaveFor(SCENE_TITLE);
        return;
    }
    Draw();
    if (DDIsRunning())
        DDBltFast(&BackBuffer, cursor.nX, cursor.nY, 16, 16, &SystemSD[kAccessoryPicture], 64, 0, 1);
}

void cOptionScene::ApplyValue() {
    if (nEditItem == OPTION_PALETTE) LoadPaletteTable(*lpValue);
    if (nEditItem == OPTION_VOLUME) ApplySoundVolume(*lpValue);
    RenderPage();
}

void cOptionScene::EditValue() {
    CURSORPOS& cursor = *WorldPos.Current();
    const WORD dir = Input().wDir;
    if (dir & kDirUp) {
        *lpValue = *lpValue >= nMax ? nMin : *lpValue + 1;
        ApplyValue();
    }
    if (dir & kDirDown) {
        *lpValue = *lpValue <= nMin ? nMax : *lpValue - 1;
        ApplyValue();
    }
    PlayCursorSe(Input(), 2, SE_CURSOR);
    if (Pressed(kButtonDecide)) {
        PlaySe(SE_DECIDE);
        WorldPos.Pop(1);
        nSubStep = 1;
        return;
    }
    if (Pressed(kButtonCancel)) {
        PlaySe(SE_CANCEL);
        *lpValue = nSavedValue;
        ApplyValue();
        WorldPos.Pop(1);
        nSubStep = 1;
        return;
    }
    Draw();
    if (!DDIsRunning()) return;
    DDBltFast(&BackBuffer, cursor.nX, cursor.nY, 16, 16, &SystemSD[kAccessoryPicture], 80, 0, 1);
    DDBltFast(&BackBuffer, kValueX - 16, cursor.nY, 16, 16, &SystemSD[kAccessoryPicture], 64, 0, 1);
}

void cOptionScene::Leave() {
    if (!StepFadeOut()) return;
    ApplyMusicSwitch();
    OptionData.SaveToFile(DataPath.At(DP_OPTION));
    HandOver(SCENE_OPTION);
}

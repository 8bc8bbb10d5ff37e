#include "app/WorldMapScene.h"

#include "foundation/MessageBox.h"
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "gui/MenuLayout.h"
#include "gui/RankingDraw.h"
#include "project/RankSet.h"
#include "project/SaveSlots.h"
#include "project/ScreenWords.h"
#include "project/Stage.h"
#include "project/StageLoad.h"
#include "project/SystemBmp.h"
#include "project/SystemData.h"
#include "project/WorldMapRules.h"
#include "sound/SoundRequests.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kBackPicture = 54, kChipPicture = 52, kEventPicture = 53, kAccessoryPicture = 49,
              kWindowPicture = 45, kMapPicture = 67;
constexpr int kMenuY = 260;
constexpr int kPanelX = 367, kPanelY = 64, kPanelWidth = 272, kPanelHeight = 352;
constexpr int kFirstMenuWord = 10;
constexpr int kStageValueWord = 2;

// Story switches of the project: lives kept from stage to stage, the lives
// counter shown, and the stage's stored value shown under its caption.
bool KeepLives() {
    return SystemData.bWorldMapSwitchA != 0;
}
bool ShowLives() {
    return SystemData.bWorldMapSwitchB != 0;
}
bool ShowStageValue() {
    return SystemData.bWorldMapSwitchC != 0;
}
bool StoryRankings() {
    return SystemData.RankingFlags.InRange(0) && SystemData.RankingFlags[0].bSwitch != 0;
}

bool IsStage(const cWorldEntry* e) {
    return e && e->nKind == kEntryStage;
}

} // namespace

cWorldMapScene::cWorldMapScene() : cScreenScene(STATE_LEAVE) {}

cWorldMapScene::~cWorldMapScene() {
    if (DDIsRunning()) DDReleaseSurface(&panel_);
}

bool cWorldMapScene::PlayDataBackToSafe() {
    return PlayData.bBackToSafe != 0;
}

void cWorldMapScene::Enter() {
    RequestScreenMusic(1);
    if (!WorldMap.strText2.empty())
        std::snprintf(SystemBmp[kBackPicture].szFile, sizeof SystemBmp[kBackPicture].szFile, "%s",
                      WorldMap.strText2.c_str());
    const int pictures[] = {kBackPicture,      kChipPicture,   kEventPicture,
                            kAccessoryPicture, kWindowPicture, kMapPicture};
    LoadPictures(pictures, 6);
    WorldPos.Reset();
    PlayData.SumClearedValues();
    nFacing = PlayData.nMapFacing;
    PutMarker(PlayData.nMapX, PlayData.nMapY);
    saved_ = marker_;
    BuildRankingPanel();
    if (IsStage(lpEntry)) {
        PrepareCaption();
        captionCell_ = marker_;
    }
    // Back from stage play with auto-save on: the story slot in use is saved first.
    if (PlayData.bAutoSave && Game.nPrevScene == SCENE_PLAY) SaveStorySlot(PlayData, PlayData.nStorySlot);
    RenderMap();
    nSubStep = 0;
}

void cWorldMapScene::PutMarker(std::int32_t x, std::int32_t y) {
    marker_.nColumn = std::clamp(x, 0, std::max(WorldMap.nWidth - 1, 0));
    marker_.nRow = std::clamp(y, 0, std::max(WorldMap.nHeight - 1, 0));
    marker_.nX = kMarkerX;
    marker_.nY = kMarkerY;
    nScrollX = marker_.nColumn - 9;
    nScrollY = marker_.nRow - 7;
    LookUpEvent();
}

void cWorldMapScene::LookUpEvent() {
    lpEvent = WorldMap.FindEventAtXY(marker_.nColumn, marker_.nRow);
    lpEntry = FindActiveEntry(lpEvent, PlayData);
}

void cWorldMapScene::FadeIn() {
    if (DDIsRunning() && DDScreenBpp() == 8) RenderRankingPanel();
    if (!StepFadeIn()) return;
    if (IsStage(lpEntry)) {
        if (PlayData.bBackToSafe) {
            // Back from a stage that was not cleared: on the cell it was entered from.
            PlayData.bBackToSafe = 0;
            if (!IsEntryCleared(*lpEntry, PlayData)) {
                PutMarker(PlayData.nSafeX, PlayData.nSafeY);
                saved_ = marker_;
                if (IsStage(lpEntry)) PrepareCaption();
                captionCell_ = marker_;
                RenderMap();
            }
        } else if (Game.nPrevScene != SCENE_SAVE && !IsEntryPassable(*lpEntry, PlayData)) {
            // Standing on a stage that must be played: it starts at once.
            if (LoadEntryStage()) {
                SetUpStagePlay();
                PlayData.nSafeX = marker_.nColumn;
                PlayData.nSafeY = marker_.nRow;
                LeaveFor(SCENE_PLAY);
                return;
            }
            // It cannot be read: the map stays, idle, instead of closing the program.
            nFailedX = marker_.nColumn;
            nFailedY = marker_.nRow;
        }
    }
    nState = STATE_MAP;
}

void cWorldMapScene::RunState(int state) {
    if (state == STATE_MAP)
        StateMap();
    else if (state == STATE_STAGE_MENU)
        StateStageMenu();
}

void cWorldMapScene::MoveMarker() {
    const WORD dir = Input().wDir;
    if (dir & (kDirLeft | kDirRight | kDirUp | kDirDown)) {
        PlayData.nSafeX = marker_.nColumn;
        PlayData.nSafeY = marker_.nRow;
        saved_ = marker_;
    }
    std::int32_t x = marker_.nColumn, y = marker_.nRow;
    // One direction a frame: left, right, up, down in that order.
    if (dir & kDirLeft) {
        x = std::max(x - 1, 0);
        nFacing = 2;
    } else if (dir & kDirRight) {
        x = std::min(x + 1, WorldMap.nWidth - 1);
        nFacing = 3;
    } else if (dir & kDirUp) {
        y = std::max(y - 1, 0);
        nFacing = 1;
    } else if (dir & kDirDown) {
        y = std::min(y + 1, WorldMap.nHeight - 1);
        nFacing = 0;
    }
    cWorldEvent* event = WorldMap.FindEventAtXY(x, y);
    cWorldEntry* entry = FindActiveEntry(event, PlayData);
    if (IsCellBlocked(WorldMap, x, y, entry)) {
        marker_ = saved_;
        marker_.nX = kMarkerX;
        marker_.nY = kMarkerY;
        LookUpEvent();
        return;
    }
    PutMarker(x, y);
    PlayData.nMapFacing = nFacing;
    if (nScrollX != nRenderedX || nScrollY != nRenderedY) RenderMap();
}

void cWorldMapScene::StateMap() {
    MoveMarker();
    PlayCursorSe(Input(), 3, SE_CURSOR);
    if (marker_.nColumn != nFailedX || marker_.nRow != nFailedY) nFailedX = nFailedY = -1;
    if (IsStage(lpEntry)) {
        if (marker_.nColumn != captionCell_.nColumn || marker_.nRow != captionCell_.nRow) {
            PrepareCaption();
            captionCell_ = marker_;
        }
        const bool opensByItself = !IsEntryPassable(*lpEntry, PlayData) && nFailedX < 0;
        if (opensByItself || Pressed(kButtonDecide)) {
            if (!opensByItself && IsEntryCleared(*lpEntry, PlayData) && !EntryReplayable(*lpEntry)) return;
            PlayData.nMapX = marker_.nColumn;
            PlayData.nMapY = marker_.nRow;
            WorldPos.Push(0);
            GoTo(STATE_STAGE_MENU);
            return;
        }
        RankingKeys();
    }
    if (Pressed(kButtonCancel)) {
        PlaySe(SE_LEAVE_MAP);
        PlayData.nMapX = marker_.nColumn;
        PlayData.nMapY = marker_.nRow;
        LeaveFor(SCENE_SAVE);
        return;
    }
    Draw(true);
}

void cWorldMapScene::RankingKeys() {
    const std::int32_t kind = Game.nPlayStartA;
    if (Pressed(kButtonRankingPanel)) {
        if (StoryRankings()) {
            PlaySe(SE_PAGE);
            PlayData.bRankingPanel = !PlayData.bRankingPanel;
        } else {
            PlayData.bRankingPanel = 0;
        }
        RenderRankingPanel();
    }
    if (Pressed(kButtonRankingTable) && StoryRankings() && SystemData.CountSetFlags(kind) > 1) {
        PlaySe(SE_PAGE);
        PlayData.StepRankingTable(kind, 1);
        RenderRankingPanel();
    }
}

bool cWorldMapScene::LoadEntryStage() {
    if (LoadStageForPlay(lpEntry->strFile, 1, &ReplayStage) == 1) return true;
    ErrorBoxPrintf("ステージファイル %s が読み込めません！", lpEntry->strFile.c_str());
    return false;
}

void cWorldMapScene::StateStageMenu() {
    CURSORPOS& cursor = *WorldPos.Current();
    if (!IsStage(lpEntry)) {
        BackFromMenu();
        return;
    }
    if (nSubStep == 0) {
        PlaySe(SE_DECIDE);
        bStageLoaded = LoadEntryStage();
        if (!bStageLoaded) {
            nFailedX = marker_.nColumn;
            nFailedY = marker_.nRow;
        }
        cursor.nRow = 1;
        nSubStep = 1;
    }
    const int x = GetWordMenuX(304, kFirstMenuWord, 2, 1);
    MoveCursor(cursor, Input(), x, kMenuY, 0, 16, 1, 2);
    PlayCursorSe(Input(), 2, SE_CURSOR);
    if (Pressed(kButtonDecide)) {
        PlaySe(SE_DECIDE);
        if (cursor.nRow == 0 && bStageLoaded) {
            PlayData.nMapFacing = nFacing;
            SetUpStagePlay();
            LeaveFor(SCENE_PLAY);
        } else {
            BackFromMenu();
        }
        return;
    }
    if (Pressed(kButtonCancel)) {
        PlaySe(SE_CANCEL);
        BackFromMenu();
        return;
    }
    RankingKeys();
    Draw(true);
    if (!DDIsRunning()) return;
    DrawWordMenu(&BackBuffer, x, kMenuY, kFirstMenuWord, 2, 1);
    DDBltFast(&BackBuffer, cursor.nX, cursor.nY, 16, 16, &SystemSD[kAccessoryPicture], 64, 0, 1);
}

void cWorldMapScene::BackFromMenu() {
    WorldPos.Pop(0);
    // A stage that may not be left sends the marker back where it came from.
    if (lpEntry && !IsEntryPassable(*lpEntry, PlayData)) {
        PutMarker(saved_.nColumn, saved_.nRow);
        if (nScrollX != nRenderedX || nScrollY != nRenderedY) RenderMap();
    }
    GoTo(STATE_MAP);
}

void cWorldMapScene::PrepareCaption() {
    const cWorldEntry& e = *lpEntry;
    PlayData.MakeStageName(e.strFile, e.bLinked, e.nLinkA, e.nLinkB);
    nStageValue = PlayData.FindStageValue(PlayData.strKeyName);
    if (!Game.nPlayStartB) return;
    LoadRanking(RankSet, Game.nPlayStartA, PlayData.strStageName, PlayData.nStageVarFlag,
                PlayData.nStageVarNumber, PlayData.nStageVarValue);
    PlayData.StepRankingTable(Game.nPlayStartA, 0);
    RenderRankingPanel();
}

void cWorldMapScene::SetUpStagePlay() {
    const cWorldEntry& e = *lpEntry;
    PlayData.nMapEntry = 0;
    if (lpEvent)
        for (std::size_t i = 0; i < lpEvent->Entries.size(); ++i)
            if (&lpEvent->Entries[i] == lpEntry) PlayData.nMapEntry = static_cast<std::int32_t>(i);
    PlayData.MakeStageName(Stage.strPath.empty() ? e.strFile : Stage.strPath, e.bLinked, e.nLinkA, e.nLinkB);
    PlayData.nStageNumber = EntryClearFlag(e);
    PlayData.nAreaNumber = 1;
    const bool unlimited = SystemData.UnlimitedLives.InRange(0) && SystemData.UnlimitedLives[0] != 0;
    if (!KeepLives())
        PlayData.nStartLives = SystemData.StartLives.InRange(0) ? SystemData.StartLives[0] : 0;
    else if (!unlimited)
        PlayData.nStartLives = PlayData.nLives < INT32_MAX ? PlayData.nLives + 1 : INT32_MAX;
    else
        PlayData.nStartLives = kUnlimitedLives;
}

void cWorldMapScene::Leave() {
    Draw(true);
    if (StepFadeOut()) HandOver(SCENE_WORLD_MAP);
}

// Drawing.

void cWorldMapScene::RenderMap() {
    nRenderedX = nScrollX;
    nRenderedY = nScrollY;
    if (!DDIsRunning()) return;
    DDSURFACEDATA* map = &SystemSD[kMapPicture];
    DDFillSurfacePal(map, WorldMap.nBackColour);
    if (WorldMap.bBackPicture) {
        const int sx = nScrollX >= 0 ? 32 * nScrollX : 0, dx = nScrollX >= 0 ? 0 : -32 * nScrollX;
        const int sy = nScrollY >= 0 ? 32 * nScrollY : 0, dy = nScrollY >= 0 ? 0 : -32 * nScrollY;
        DDBltFast(map, dx, dy, 640, 480, &SystemSD[kBackPicture], sx, sy, 0);
    }
    DDSURFACEDATA* chips = &SystemSD[kChipPicture];
    for (int row = 0; row < 15; ++row)
        for (int column = 0; column < 20; ++column) {
            const int x = nScrollX + column, y = nScrollY + row;
            if (x < 0 || y < 0 || x >= WorldMap.nWidth || y >= WorldMap.nHeight) continue;
            const std::int32_t chip = WorldMap.GetCell(x, y);
            const std::int32_t n =
                WorldMap.Chips.InRange(chip) ? WorldMap.Chips[static_cast<std::size_t>(chip)].nChipValue : 0;
            DDBltFast(map, 32 * column, 32 * row, 32, 32, chips, (n % 5) * 32, (n / 5) * 32, 1);
        }
    for (cWorldEvent& event : WorldMap.Events) {
        const int column = event.nX - nScrollX, row = event.nY - nScrollY;
        if (column < 0 || row < 0 || column >= 20 || row >= 15) continue;
        const cWorldEntry* entry = FindActiveEntry(&event, PlayData);
        if (!entry) continue;
        DDBltFast(map, 32 * column, 32 * row, 32, 32, &SystemSD[kEventPicture],
                  IsEntryCleared(*entry, PlayData) ? 32 : 0, 32 * EntryPictureRow(*entry), 1);
    }
}

void cWorldMapScene::BuildRankingPanel() {
    if (MakePage(panel_, kPanelWidth, kPanelHeight, 1)) RenderRankingPanel();
}

void cWorldMapScene::RenderRankingPanel() {
    if (!DDIsRunning() || !panel_.nWidth) return;
    DDFillSurfacePal(&panel_, 0);
    DrawRankTable(&panel_, 0, 0, RankSet, PlayData.nRankingTable, -1, Game.nPlayStartA);
}

void cWorldMapScene::DrawMarker() {
    static const int kSource[4][2] = {{0, 64}, {64, 64}, {64, 96}, {0, 96}};
    const int f = (nFacing >= 0 && nFacing < 4) ? nFacing : 0;
    if (++nAnimation >= 80) nAnimation = 0;
    const int step = nAnimation > 40 ? 32 : 0;
    DDBltFast(&BackBuffer, kMarkerX, kMarkerY, 32, 32, &SystemSD[kAccessoryPicture], kSource[f][0] + step,
              kSource[f][1], 1);
}

void cWorldMapScene::DrawLives() {
    const std::int32_t lives = PlayData.nLives;
    const bool unlimited = lives == kUnlimitedLives;
    const int digits = unlimited ? 1 : std::min(CountDigits(lives), 11);
    const int width = (digits + 1) * 16;
    const int x = 621 - width;
    SysFont[1].DrawTextSurface(&BackBuffer, x, 17, width, 20);
    DDBltFast(&BackBuffer, x, 19, 16, 16, &SystemSD[kAccessoryPicture], 0, 48, 1);
    if (unlimited)
        SysFont[1].DrawText(&BackBuffer, x + 16, 19, "∞", 1);
    else
        SysFont[1].DrawTextF(&BackBuffer, x + 16, 19, "%d", lives);
}

void cWorldMapScene::DrawCaption() {
    if (StoryRankings() && PlayData.bRankingPanel) {
        if (panel_.bLost) {
            RenderRankingPanel();
            panel_.bLost = 0;
        }
        DDBltFast(&BackBuffer, kPanelX, kPanelY, panel_.nWidth, panel_.nHeight, &panel_, 0, 0, 1);
    }
    const bool value = ShowStageValue() && nStageValue >= 1;
    const int y = value ? 184 : 204;
    const std::string& caption = lpEntry->strCaption;
    const int chars = GetCharCount(caption.c_str());
    if (chars >= 1)
        SysFont[1].DrawTextBox(&BackBuffer, 304 - 16 * chars / 2, y, 16 * chars, 0, caption.c_str(), 0);
    if (value) {
        const std::string& word =
            SystemData.Words.InRange(kStageValueWord) ? SystemData.Words[kStageValueWord] : std::string();
        const int width = 16 * (GetCharCount(word.c_str()) + CountDigits(nStageValue) + 1);
        SysFont[1].DrawTextBoxF(&BackBuffer, 304 - width / 2, y + 20, width, 0, "%s%d", word.c_str(),
                                nStageValue);
    }
}

void cWorldMapScene::Draw(bool captions) {
    if (!DDIsRunning()) return;
    DDSURFACEDATA* map = &SystemSD[kMapPicture];
    if (map->bLost) {
        map->bLost = 0;
        RenderMap();
    }
    DDBltFast(&BackBuffer, 0, 0, 640, 480, map, 0, 0, 0);
    DrawMarker();
    if (ShowLives()) DrawLives();
    if (captions && IsStage(lpEntry)) DrawCaption();
}

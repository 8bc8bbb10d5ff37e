// cPlayScene: the screen scene that plays one stage. Each frame runs the
// handler of its play state: fade-in, ready captions, the main game frame,
// the menus and end displays, and the fade-out that hands over to the next
// scene. It owns the play scene's data that the character engine reads and
// writes (cSceneState) and answers the engine's requests (cEngineScene).
//
// The scene's work is spread over files by topic: PlayScene.cpp (states and
// the engine's requests), StageSetup.cpp (SetStage), MainFrame.cpp (the main
// game frame and its sub-steps), PlayDraw.cpp (the world drawing's order),
// Workers.cpp (the pause and page threads), Camera.cpp (scrolling),
// PlayObjects.cpp (shots, swords and summons), StageEnd.cpp (lives, the
// clear's bonus and rankings, the scene after a clear), PlayMenus.cpp (the
// pause and continue menus, the clear and game-over displays), PlaySight.cpp
// (the darkness of the hero's limited sight).
#pragma once

#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "engine/NpcChara.h"
#include "engine/StageObjects.h"
#include "foundation/Containers.h"
#include "graphics/SurfaceData.h"
#include "play/CharaContacts.h"
#include "play/EffectObj.h"
#include "play/MessageWindow.h"
#include "play/ScreenEffects.h"
#include "play/WorldDraw.h"
#include "project/RankSet.h"
#include "records/Cmd.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct DDSURFACEDATA;

enum PlayState : int {
    PLAY_NOT_ENTERED = -1,
    PLAY_FADE_IN = 0,
    PLAY_READY = 1,
    PLAY_MAIN = 2,
    PLAY_PAUSE = 3,
    PLAY_CLEAR = 4,
    PLAY_CONTINUE = 5,
    PLAY_GAME_OVER = 6,
    PLAY_LEAVE = 7,
};

// What the contact and death checks report to the main frame.
enum PlayResult : int {
    PLAY_GO_ON = 0,
    PLAY_STAGE_CLEAR = 1,
    PLAY_HERO_DIES = 2,
};

constexpr int kPlayScene = 4; // the play scene's number among the screen scenes
constexpr std::int32_t kUnlimitedLife = 0x7fffffff;

// The work pictures: the shot cells of system pictures 20 and 21, each in
// the middle of a 32 x 32 slot (RebuildCellSheets).
constexpr int kShotSheet = 63, kShotMirrorSheet = 64;

class cPlayScene : public cEngineScene, public cStageEnd {
public:
    cPlayScene();
    ~cPlayScene() override;
    cPlayScene(const cPlayScene&) = delete;
    cPlayScene& operator=(const cPlayScene&) = delete;

    // One frame: enters the scene the first time, then the state's handler.
    void Run();
    // Loads the play pictures and sets the stage up; a failed load leaves the
    // scene at once (the stage is not set up).
    void Enter();
    // Makes the stage ready for its first frame (see StageSetup.cpp).
    void SetStage(int bLoadStage, int bFirst);

    // The state handlers.
    void StateFadeIn();
    void StateReady();
    void StateMain();
    void StateLeave();
    // One frame of the fade-in (`in`) or the fade-out: true on its last frame.
    bool StepFade(bool in);
    // One frame of the ready captions, drawn onto `target` (none: counted
    // only): true while a caption shows, false when play may start.
    bool StepReadyCaptions(DDSURFACEDATA* target);

    // The menus and end displays over the frozen world (PlayMenus.cpp).
    void StatePause();
    void StateClear();
    void StateContinue();
    void StateGameOver();
    // Space opens the pause menu over the current state: true when it did.
    bool CheckPauseKey();
    // Buttons held as a menu or display opens wait for their release there.
    void HoldPressedButtons();

    // Around a stage's end (StageEnd.cpp).
    // The results of the play-through start again: entered from another scene.
    void ResetStageResults();
    // The stage's score, times, HP and SP added to the totals, extra lives.
    void TallyStageBonus();
    // The file of stage `number` of the series in `name`: 1 when it exists.
    int MakeNextStageName(std::string& name, std::int32_t number);
    int IsLastStage(std::int32_t number);
    // The name entry, the ranking file and the ranking pages of a clear that
    // reached a place.
    void EnterRankingAndShowPages();
    // The scene after a clear: 0 title, 1 world map, 3 challenge list, 4 play
    // on (the next stage of a series, or the same stage again).
    int NextSceneAfterClear();
    // The hero's defeat display has ended: a life is paid for the retry, the
    // continue menu opens, or the game is over.
    void AfterHeroDefeat();

    // Draws one frame of the world into the back buffer.
    void DrawWorld(int running, int frozen, int time, int captions);
    // Lays the 16 x 16 shot cells of system pictures 20 and 21 out in the
    // middle of 32 x 32 slots of work pictures 63 and 64 (WorkPictures.cpp).
    void RebuildCellSheets();

    // cEngineScene.
    cSceneState& State() override { return scene; }
    int IsBlockSolid(std::int32_t cell, std::int32_t mode) override;
    int IsPlaceBlocked(cChara& chara) override;
    int ApplyItem(cItemObj* item, cChara& chara) override;
    void StartHitEffect(std::int32_t effect, const cRectD& a, const cRectD& b, std::int32_t count) override;
    void SetAutoScroll(int axis, std::int32_t on, std::int32_t speedValue) override;
    void CreateSightMask() override;
    void ShowItemMessage(const cEdItem& item, std::int32_t messageNumber) override;
    void EraseMessageAt(std::int64_t n) override;
    void SpawnShots(cChara& chara, cFlowCommand& entry, cEdShot& shot) override;
    void SpawnBlocks(cChara& chara, cFlowCommand& entry, cEdShot& shot) override;
    void SpawnCharas(cChara& chara, cFlowCommand& entry, cEdShot& shot) override;
    void SpawnItems(cChara& chara, cFlowCommand& entry, cEdShot& shot) override;
    void PlaySe(std::int32_t n) override;
    void PlayDbSe(std::int32_t n) override;
    void PlayBgm(std::int32_t bgm, std::int32_t mode) override;
    std::int32_t DefeatWait() override;
    void SetupShot(cShotObj& shot, cChara& user, std::int32_t kind, const cEdShot& part,
                   const std::array<std::int32_t, 26>& record) override;
    std::int64_t FindMessage(std::int32_t id) override;
    int MessageFits(std::int64_t k, const std::string& text, std::int32_t controlCodes) override;
    std::int64_t PutMessage(const cMessageArgs& args, std::int64_t k, int reuse) override;
    void AddEffect(const cEffectPlacement& effect) override;
    void ClearEffects() override;
    void StartScreenEffect(std::int32_t effect, std::int32_t mode, std::int32_t loop) override;
    void SetScreenColour(const cEdCommand& command) override;
    void HoldGame() override;
    int AddPictureSurface(std::int64_t k, const std::string& file, std::int32_t systemMemory,
                          std::int32_t& width, std::int32_t& height) override;
    void RemovePictureSurface(std::int64_t k) override;
    void ClearPictureSurfaces() override;

    // Shown pictures (PlayPictures.cpp): the pictures of one layer drawn, and
    // those whose time is up taken out; every shown picture released.
    void DrawPictures(DDSURFACEDATA* target, int layer, int frozen);
    void ReleaseStagePictures();
    // The screen-colour change applied to the finished picture; with `hold`
    // set it draws without counting time.
    void DrawScreenColor(DDSURFACEDATA* target, int hold);

    // The running screen effect once (PlayScreenEffect.cpp); when it ends the
    // effect number becomes 0 and drawing leaves the virtual back buffer.
    void RunScreenEffect(DDSURFACEDATA* target, int hold);
    // Stops the screen effect (every stage set-up).
    void StopScreenEffect();

    // Drawing of the objects (ObjectDraw.cpp): the items and shots of one
    // layer (the shots DrawWorld gathered for it), then over the world the
    // effects and the message windows, each erased when it reports its end.
    void DrawLayerObjects(DDSURFACEDATA* target, int layer, int frozen);
    void DrawEffectsAndMessages(DDSURFACEDATA* target, int frozen);

    // Shots and swords of one sub-step (PlayObjects.cpp): moved, fallen,
    // stepped, and erased when they end or meet a block.
    void StepShots();

    // The hero (element 0 of the hero list), or none before the first set-up.
    cHeroChara* Hero();

    // Parts of the main frame (MainFrame.cpp).
    int CountDownTime(std::int32_t delta);
    void CountElapsedTime();
    void UpdateActiveObjects();
    // One sub-step: 0 goes on, 1 stage clear, 2 the hero dies, 3 the frame
    // ends for another reason (a character's defeat ended it).
    int SubStep();
    // The replay being viewed starts over from its beginning.
    void RestartReplay();
    // F1 asks the main window to save the attempt in progress, F2 the one
    // before it (ReplayKeys.cpp). 1 when a save request ran this frame: the
    // caller ends its frame there.
    int CheckReplayHotKeys();
    // The hero's death: sound, defeat; 1 when the defeat clears the stage.
    int KillHero(const char* reason);
    // Marks a character for removal after the walk that found it.
    void RemoveChara(cNpcChara& chara);
    void OnStageClear();
    // cStageEnd: a contact or death check cleared the stage.
    void StageClear() override;

    // Drawing of the hero and the characters (PlayDraw.cpp).
    // True once the hero's defeat display has ended.
    bool DrawHero(DDSURFACEDATA* target, int frozen);
    int DrawChara(cNpcChara& chara, DDSURFACEDATA* target, int frozen);

    // The darkness of the hero's limited sight (PlaySight.cpp): drawn over the
    // world in front of the objects; built again first when a lost device
    // took its pixels. Released when the scene leaves or goes.
    void DrawSightMask(DDSURFACEDATA* target);
    void ReleaseSightMask();

    // Play state.
    int nState = PLAY_NOT_ENTERED;
    int nSubState = 0;
    int nSavedState = 0, nSavedSubState = 0;
    int nNextScene = 0; // where the fade-out hands over to

    cSceneState scene;
    cList<cHeroChara> Heroes; // the heroes HeroList points at
    cList<cItemObj> ItemList; // items lying on the stage
    cList<cEffectObj> Effects;
    cList<cMessageWindow> Messages;
    cScreenEffectRun ScreenEffect;
    cScreenColor ScreenColor;
    std::int32_t nSubStepTotal = 0;
    cVector<std::int32_t> SubStepFlags;
    std::int32_t bTimeStop = 0;
    std::int32_t nPlayFrames = 0;
    std::int32_t nElapsedTime = 0; // hundredths of a second, 0..599999
    std::int32_t nCaption1 = 0, nCaption2 = 0;
    std::uint32_t nSeed = 1; // seed of the random generator for this attempt
    std::int32_t bHeldButtons = 0;
    std::int32_t bPauseKeyHeld = 0;      // the pause key acts on a new press only
    std::int32_t bReplayKeyHeld = 0;     // F1 or F2 held since its save request
    std::int32_t nReplayKeyCoolDown = 0; // frames until an empty recorder is refused again
    std::int32_t bEraseOnCond[3] = {};
    std::int32_t nFrameCounter = 0;
    std::int32_t nPlaced[3] = {}; // characters, items, a third kind placed so far
    std::int32_t nPrevMusic = -1;
    std::int32_t bSetUp = 0; // a stage is set up: the main frame may run
    // A worker draws the frames while the game thread waits for it, perhaps in
    // the middle of walking the objects (a clear's bonus can start inside a
    // contact check): its drawings change no list.
    std::int32_t bGameHeld = 0;

    // The rankings of the last clear: the place reached in each table (-1
    // none), the values ranked, the name entered, whether any place was
    // reached and whether the entry has been made.
    int nRankPlaces[cRankSet::kTables] = {-1, -1, -1, -1, -1};
    std::int32_t nRankValues[cRankSet::kTables] = {};
    std::string strRankName;
    std::int32_t bNewRank = 0;
    std::int32_t bRankingsDone = 0;
    cVector<cCmd> PauseMenu;      // quit, resume, retry, give up
    std::int32_t bQuitChosen = 0; // the pause menu's quit: the fade-out goes where it was sent

    // The characters and the shots of each object layer, gathered by each
    // drawing of the world (kept between drawings so that none allocates).
    std::array<std::vector<cNpcChara*>, 8> LayerCharas;
    std::array<std::vector<cShotObj*>, 8> LayerShots;

    // The darkness of limited sight and the circle that cuts its hole.
    DDSURFACEDATA SightDark, SightCircle;
};

// The play scene while one exists (the game object keeps it), else null.
extern cPlayScene* lpPlayScene;

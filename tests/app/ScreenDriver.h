// Drives the screen scenes headless, frame by frame through the game object,
// with keys held and let go as a player would: the scenes the player makes,
// the fixed key layout (arrows, Z decides, X cancels, C and V switch the
// ranking panel), fades of two frames, and the globals the scenes change put
// back afterwards.
#pragma once

#include "app/Game.h"
#include "app/ScreenScene.h"
#include "app/ScreenSceneMaker.h"
#include "fixtures/FakeInput.h"
#include "fixtures/GameGlobals.h"
#include "foundation/KeyConfig.h"
#include "gui/MenuCursor.h"
#include "platform/WindowEvents.h"
#include "project/OptionData.h"
#include "project/RankSet.h"
#include "project/WorldMap.h"

#include <initializer_list>

class cScreenSceneMakerForTests : public cSceneMaker {
public:
    bool Makes(int scene) const override { return MakesScreenScene(scene); }
    cScene* Make(int scene) override { return MakeScreenScene(scene); }
};

class ScreenDriver {
public:
    ScreenDriver() : worldMap_(WorldMap), options_(OptionData), ranks_(RankSet), game_(Snapshot()) {
        KeyConfig.dwUse = 0;
        InputList.assign(1, cInput());
        Game.DeleteScenes();
        Game.nCurrentScene = SCENE_TITLE;
        Game.nNextScene = SCENE_TITLE;
        Game.nPrevScene = SCENE_TITLE;
        Game.nPlayMode = 0;
        Game.nFadeLength = 2;
        Game.nChallengeRow = 0;
        Game.nChallengeTop = 0;
        WorldPos.Reset();
    }
    ~ScreenDriver() {
        Game.DeleteScenes();
        Restore(game_);
        WorldMap = worldMap_;
        OptionData = options_;
        RankSet = ranks_;
        WorldPos.Reset();
    }
    ScreenDriver(const ScreenDriver&) = delete;
    ScreenDriver& operator=(const ScreenDriver&) = delete;

    // Frames with the keys held.
    void Hold(std::initializer_list<int> keys, int frames = 1) {
        input.Hold(keys);
        for (int i = 0; i < frames; ++i) Game.RunFrame();
    }
    // The keys pressed for one frame, then let go for one.
    void Tap(std::initializer_list<int> keys) {
        Hold(keys);
        Hold({});
    }
    void Tap(int key, int times) {
        for (int i = 0; i < times; ++i) Tap({key});
    }
    void Frames(int n) { Hold({}, n); }
    // Frames until scene `scene` runs in the given state, at most `limit`.
    bool RunUntil(int scene, int state, int limit = 60) {
        for (int i = 0; i < limit; ++i) {
            if (Game.nCurrentScene == scene) {
                auto* s = dynamic_cast<cScreenScene*>(Game.Scene(scene));
                if (s && s->State() == state) return true;
            }
            Game.RunFrame();
        }
        return false;
    }
    template <class T> T* Scene(int n) { return dynamic_cast<T*>(Game.Scene(n)); }

    FakeInput input;

private:
    struct GameState {
        int current, next, prev, mode, kindA, kindB, fade, row, top;
    };
    static GameState Snapshot() {
        return {Game.nCurrentScene, Game.nNextScene,  Game.nPrevScene,    Game.nPlayMode,    Game.nPlayStartA,
                Game.nPlayStartB,   Game.nFadeLength, Game.nChallengeRow, Game.nChallengeTop};
    }
    static void Restore(const GameState& g) {
        Game.nCurrentScene = g.current;
        Game.nNextScene = g.next;
        Game.nPrevScene = g.prev;
        Game.nPlayMode = g.mode;
        Game.nPlayStartA = g.kindA;
        Game.nPlayStartB = g.kindB;
        Game.nFadeLength = g.fade;
        Game.nChallengeRow = g.row;
        Game.nChallengeTop = g.top;
    }

    cGameGlobalsGuard globals_;
    cWorldMap worldMap_;
    cOptionData options_;
    cRankSet ranks_;
    GameState game_;
    cScreenSceneMakerForTests maker_;
    cScopedSceneMaker makerGuard_{maker_};
};

// The headless stage runner: the real play scene run frame by frame without
// a window or sound, on a stage loaded from a project or built in code, with
// a key script standing in for the keyboard, and the play-state hash of every
// frame. Tests and the stagerun tool use it; the player does not.
#pragma once

#include "platform/KeyScript.h"
#include "play/PlayHost.h"
#include "play/PlayScene.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

class cStage;

class cStageRunner {
public:
    // Installs its play scene as the engine's scene and itself as the play
    // host, and the key script as the input; all put back afterwards.
    cStageRunner();
    ~cStageRunner();
    cStageRunner(const cStageRunner&) = delete;
    cStageRunner& operator=(const cStageRunner&) = delete;

    // The project in the current folder: databases, system data, common
    // palette. False with the reason when one of them can't be read.
    static bool LoadProject(std::string* error);
    // Loads a stage file for play, as a free-play start does.
    static bool LoadStage(const std::string& path);
    // Plays a stage built in code (its start copy is taken from it).
    static void UseStage(const cStage& stage);

    // The keys of each following frame; false with the reason when the text
    // is not a key script.
    bool SetScript(std::string_view text, std::string* error);

    // One frame of the game loop for the play scene: the input, then the
    // scene's Run. The play-state hash after it.
    std::uint64_t Frame();
    // Runs frames until the play scene is in `state`: false when it is not
    // after `limit` frames.
    bool RunUntil(int state, int limit);
    // The same frame without the hash, as the player runs it (benchmarks).
    void Step();

    cPlayScene& Play() { return play_; }
    // Where the play scene handed over to (-1 while it plays).
    int SwitchedTo() const { return host_.switchedTo; }
    int FrameRate() const { return host_.frameRate; }
    // What the game object would be for a free-play run of one stage.
    class cRunnerHost : public cPlayHost {
    public:
        int PlayMode() override { return playMode; }
        int PreviousScene() override { return previous; }
        int FadeLength() override { return 10; }
        void SetFrameRate(int fps) override { frameRate = fps; }
        void SwitchTo(int scene) override {
            switchedTo = scene;
            previous = kPlayScene;
        }
        void WaitNextFrame() override {}
        void Present() override { ++presented; }
        int IsActive() override { return active.load(); }
        int GameKind() override { return gameKind; }
        int RankingsOn() override { return rankings; }
        int TestPlay() override { return testPlay; }
        int EditorStarted() override { return editorStarted; }
        void EnterRankingName(std::string& name) override {
            ++nameEntries;
            if (!enteredName.empty()) name = enteredName;
        }

        int playMode = 3;
        int gameKind = 2;
        int rankings = 0;
        int testPlay = 0;
        int editorStarted = 0;
        int nameEntries = 0;
        std::string enteredName; // the answer of the name entry; empty keeps the offered name
        int previous = 0;
        int switchedTo = -1;
        int frameRate = 60;
        int presented = 0;
        std::atomic<int> active{1}; // the program is the active one (other threads read it)
    };

    // The game object the runner stands in for: play mode, game kind,
    // rankings, test play and the name entry's answer may be set before play.
    cRunnerHost& Host() { return host_; }

private:
    static void NoRecording();

    cRunnerHost host_;
    cScopedPlayHost hostGuard_{host_};
    cPlayScene play_;
    cScopedEngineScene sceneGuard_{play_};
    cKeyScript script_;
    cPlayScene* previousPlay_ = nullptr;
};

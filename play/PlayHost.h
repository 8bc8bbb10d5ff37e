// What stage play needs of the game object that runs the screen scenes: the
// play mode, where the scene was entered from, the fade length, the frame
// rate, the hand-over to the next scene and the presentation of a frame that
// a worker thread draws. The game object lives above stage play, so it is
// reached through this interface; until one is installed a null host stands
// in (free play, entered from the title, nothing presented, no rankings).
#pragma once

#include "platform/Seam.h"

#include <string>

class cPlayHost {
public:
    virtual ~cPlayHost() = default;

    // 0 story new, 1 story continued, 2 challenge, 3 free play, 4 replay playback.
    virtual int PlayMode() = 0;
    // The scene the play scene was entered from (4 when from itself).
    virtual int PreviousScene() = 0;
    // Frames of a fade.
    virtual int FadeLength() = 0;
    virtual void SetFrameRate(int fps) = 0;
    // The scene to run next; the previous scene becomes the play scene.
    virtual void SwitchTo(int scene) = 0;
    // Waits for the next frame and shows the back buffer (worker threads).
    virtual void WaitNextFrame() = 0;
    virtual void Present() = 0;
    // The program is the active application (workers idle while it is not).
    virtual int IsActive() = 0;
    // 0 story, 1 challenge, 2 free play, 3 replay: the rules of the play-through.
    virtual int GameKind() = 0;
    // Non-zero when the rankings run for this game kind.
    virtual int RankingsOn() = 0;
    // The program was started on one stage file to try it out (test play), and
    // by the editor.
    virtual int TestPlay() = 0;
    virtual int EditorStarted() = 0;
    // Asks the player for the name to enter into the rankings, starting from
    // `name`; blocks until the entry is done and leaves the entered name there.
    virtual void EnterRankingName(std::string& name) = 0;
};

cPlayHost& PlayHost();
// Installs a host; nullptr restores the null host. Installed at start-up, or
// by a test's guard.
void SetPlayHost(cPlayHost* host);

class cNullPlayHost : public cPlayHost {
public:
    int PlayMode() override { return 3; }
    int PreviousScene() override { return 0; }
    int FadeLength() override { return 10; }
    void SetFrameRate(int) override {}
    void SwitchTo(int) override {}
    void WaitNextFrame() override {}
    void Present() override {}
    int IsActive() override { return 1; }
    int GameKind() override { return 2; }
    int RankingsOn() override { return 0; }
    int TestPlay() override { return 0; }
    int EditorStarted() override { return 0; }
    void EnterRankingName(std::string&) override {}
};

using cScopedPlayHost = cScopedSeam<cPlayHost, PlayHost, SetPlayHost>;

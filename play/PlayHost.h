// What stage play needs of the game object that runs the screen scenes: the
// play mode, where the scene was entered from, the fade length, the frame
// rate, the hand-over to the next scene and the presentation of a frame that
// a worker thread draws. The game object lives above stage play, so it is
// reached through this interface; until one is installed a null host stands
// in (free play, entered from the title, nothing presented).
#pragma once

#include "platform/Seam.h"

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
};

using cScopedPlayHost = cScopedSeam<cPlayHost, PlayHost, SetPlayHost>;

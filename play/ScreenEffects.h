// Screen effects: a whole-screen distortion of the finished world picture
// (move, shake, split, wave, blink, rotation, spotlight circle, zoom, lens,
// mosaic) played from a ScrEffect record. The play scene keeps one running
// effect; the world drawing runs it once a frame after the message windows.
// A drawing made with the hold flag shows the effect without advancing it.
#pragma once

#include "records/EffectPlayback.h"

#include <cstdint>
#include <functional>

struct DDSURFACEDATA;

// The play scene's running screen effect.
struct cScreenEffectRun {
    std::int16_t nNumber = 0; // the ScrEffect record; 0 = none
    cScrEffectState State;
    double dShake = 0; // the shake's offset in pixels
    int nShakeDir = 1; // +1 toward +amplitude, -1 toward -amplitude

    // Starts record `number` in direction mode `mode`, looping when `loop`.
    // Number 0 stops the running effect; a number outside the table is
    // ignored. False when nothing was started.
    bool Start(std::int32_t number, std::int32_t mode, std::int32_t loop);
    void Stop();
    bool Running() const { return nNumber != 0; }
    std::int32_t Kind() const { return State.Data.nKind; }
};

// What an effect draws with: the screen picture (drawn into in place), its
// size, two work surfaces of at least that size, and the hero's centre on
// the screen. Kind 8 hides the map and objects by drawing the backgrounds
// again. A null screen advances the effect without drawing.
struct cScreenEffectView {
    DDSURFACEDATA* screen = nullptr;
    int width = 640;
    int height = 480;
    DDSURFACEDATA* work = nullptr;
    DDSURFACEDATA* work2 = nullptr;
    int heroX = 320;
    int heroY = 240;
    std::function<void()> redrawBackgrounds;
};

// The palette entry that fills what the distorted picture leaves uncovered.
constexpr int kScreenEffectFill = 16;

// Runs the effect once by its kind: 1 when it has ended, else 0. With
// `hold` set the picture is drawn as it stands and nothing advances, so an
// effect never ends on a held drawing. Kind 0 never ends by itself; a kind
// outside 0 to 13 ends at once without drawing.
int RunScreenEffectKind(cScreenEffectRun& run, const cScreenEffectView& view, int hold);

// Kinds 10 and 12: the distance from a point to the screen's far edge on one axis.
inline int FarEdge(int centre, int size) {
    return centre < size / 2 ? size - centre : centre;
}

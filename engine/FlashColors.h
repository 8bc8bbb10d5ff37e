// The flashing special colours: nine colours that pulse between dark and
// bright, which character drawing takes as tints by number (1 to 9), and in
// 8-bit DirectDraw the turning of the palette's flashing entries. Every
// screen's drawing steps them once a frame.
#pragma once

#include "platform/Types.h"

#include <array>

// One flashing colour: an ARGB colour and the colour operation it is drawn
// with (7 adds it to the picture, 10 takes it away).
struct cFlashColor {
    DWORD dwColor = 0;
    DWORD dwMode = 0;
};

constexpr int kFlashColors = 9;
constexpr DWORD kFlashAdd = 7, kFlashSubtract = 10;

// Entries 1 to 9; entry 0 is never set (0 means no tint).
extern std::array<cFlashColor, kFlashColors + 1> FlashColorTable;

// A value going back and forth between 0 and 255.
struct cPingPong {
    int nValue = 0;
    int bDown = 0;
};

// The state AnimateFlashColors keeps between frames.
struct cFlashState {
    std::array<cPingPong, kFlashColors> Ramps{};
    int nRainbow = 0;       // the colour of entry 9: red, green, blue, yellow
    int nPaletteFrames = 0; // frames since the palette last turned
};
extern cFlashState FlashState;

// One step of `step` up or down, turning at 255 and at 0 (the value kept
// inside them); true when it turns at 0, having been up and down once.
bool StepPingPong(cPingPong& ramp, int step);

// One frame of the flashing colours: in Direct3D the nine ramps step by the
// system data's flash period and the table takes their colours; in 8-bit
// DirectDraw with the system data's drawing switch on, every sixth frame each
// group of four of the palette's entries 208 to 239 turns by one and is shown.
void AnimateFlashColors();

// Table and state as at start-up.
void ResetFlashColors();

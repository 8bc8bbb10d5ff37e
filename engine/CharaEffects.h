// Character effects: the 17 ways a character's picture is put on the screen
// while a CharaEffect record runs on it (plain, burst, split, wave, blink,
// rotation, card turn, circle, zoom, lens, colour change, translucency, mosaic,
// blur), and starting and ending an effect.
#pragma once

class cChara;
struct DDSURFACEDATA;
struct GraphicDesc;

constexpr int kCharaEffectKinds = 17;

// Runs the character's active effect once: draws it onto `target` when
// `draw` is set and advances it unless `frozen`. 1 when the effect has run
// out (the caller ends it), else 0; a frozen effect never ends. The record of
// an unknown kind draws the character plainly and ends at once.
int RenderCharaEffect(cChara& chara, DDSURFACEDATA* target, GraphicDesc& desc, int frozen, int draw);
// Starts CharaEffect record `index` on the character (0 or one past the
// database: none), in direction
// mode `mode` (normal, reversed, there and back), looping when `loop` is set.
void StartCharaEffect(cChara& chara, int index, int mode, int loop);
// Ends the character's effect: it is drawn plainly again.
void ClearCharaEffect(cChara& chara);

// Effect blits: pictures drawn waved, cut in shifted strips, turned like a
// card, split into four or seen through a round window, all made of ordinary
// blits gathered in one quad batch; and the effects computed pixel by pixel
// (rotation, lens, pull toward a colour, half transparency, mosaic, blur).
// The character effects and the screen effects draw with them.
//
// `transparent` is the blit flag: 1 skips the transparent colour.
#pragma once

#include "graphics/SurfaceData.h"

// The picture (sx, sy, w, h) in columns (horizontal 1) or rows of `strip`
// pixels, each moved across by sin((phase + a) * frequency degrees) * amplitude,
// a growing by 360 / size per pixel of the picture. Nothing when strip < 1.
void DDBltWave(DDSURFACEDATA* dst, int x, int y, int w, int h, int frequency, double amplitude, int phase,
               int strip, DDSURFACEDATA* src, int sx, int sy, DWORD transparent, int horizontal);
// Columns (horizontal 1) or rows of `strip` pixels, the even ones moved by
// +offset and the odd ones by -offset; a plain blit for a strip of 0.
HRESULT DDBltStripShift(DDSURFACEDATA* dst, int x, int y, int w, int h, int strip, int offset,
                        DDSURFACEDATA* src, int sx, int sy, DWORD transparent, int horizontal);
// A card turning: picture A squeezed toward its centre line and widening again
// as picture B, `counter` giving the point of the turn.
HRESULT DDBltTurn(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* srcA, int sxA, int syA,
                  DDSURFACEDATA* srcB, int sxB, int syB, int sw, int sh, DWORD transparent, int counter,
                  int vertical);
// The four quarters of the picture, each pushed `gap` pixels away from the centre.
void DDBltQuarters(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                   int gap, DWORD transparent);
// The part of the picture inside a circle of radius r about (sx, sy), drawn
// about (x, y) in bands of `strip` rows, within halfW and halfH of the centre.
void DDBltCircle(DDSURFACEDATA* dst, int x, int y, int halfW, int halfH, int r, int strip, DDSURFACEDATA* src,
                 int sx, int sy, DWORD transparent);

// The source rectangle (sx, sy, w, h) turned by `angle` degrees about its point
// (cx, cy), which lands on (x, y); pixels are copied, not blended.
int DDBltRotate(DDSURFACEDATA* dst, int x, int y, int w, int h, int cx, int cy, double angle,
                DDSURFACEDATA* src, int sx, int sy, DWORD transparent);
// A lens of radius r and strength k (the larger, the weaker) about (cx, cy),
// reading the source about (sx, sy). In Direct3D `clear` empties what the lens
// leaves out of its square.
int DDBltRadial(DDSURFACEDATA* dst, int cx, int cy, int r, int k, DDSURFACEDATA* src, int sx, int sy,
                DWORD transparent, int clear);
// The picture pulled toward palette entry `colour`: halfway once for each step.
int DDBltTint(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
              DWORD transparent, const PALETTEENTRY* palette, int colour, int steps);
// The picture at half transparency over what the target holds; at 8 bits
// through the colour table. The device draws it with `alpha` as its strength
// when it can (a texture into a render target); the CPU mixes half and half.
int DDBltAlpha(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
               DWORD transparent, const BYTE* colorTable, int alpha);
// DDBltAlpha with ColorTable and alpha 128.
int DDBltHalfAlpha(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                   DWORD transparent);
// The target multiplied by a colour (red, green, blue, strength 255 - nAlpha)
// in place, as one quad; Direct3D render targets only. The rectangle is not used.
void DDChangeColorInPlace(DDSURFACEDATA* dst, int x, int y, int w, int h, int nAlpha, BYTE red, BYTE green,
                          BYTE blue);

// The 8-bit mode's mixes: the byte at i x 256 + j is the palette index of the
// half-and-half mix of colours i and j.
extern BYTE ColorTable[65536];
// Reads the 65536-byte table (DirectDraw; Direct3D needs none and answers
// true). False when the file can't be opened or is short (the table is then
// left as it was).
bool DDLoadColorTable(BYTE* table, const char* szFile);
// The picture in blocks of n x n pixels of one colour each.
int DDBltMosaic(DDSURFACEDATA* dst, int x, int y, int w, int h, int n, DDSURFACEDATA* src, int sx, int sy,
                DWORD transparent);
// Each pixel the average of the window from (-rx, -ry) to (rx - 1, ry - 1) about it.
int DDBltBlur(DDSURFACEDATA* dst, int x, int y, int w, int h, int rx, int ry, DDSURFACEDATA* src, int sx,
              int sy, DWORD transparent);

// The value's decimal digits from a strip of ten cells (0 to 9 from strip x),
// right-aligned in a field of `field` cells or, with `centre`, centred.
// Nothing for a negative value.
void DDDrawNumber(DDSURFACEDATA* dst, int x, int y, int cellW, int cellH, DDSURFACEDATA* strip, int stripX,
                  int stripY, DWORD transparent, int value, int field, int centre);

// Palette entries first to last of `base` mixed toward a colour:
// (base x level + colour x (256 - level)) >> 8, flags 1.
void DDFadePalette(PALETTEENTRY* out, int first, int last, int level, BYTE red, BYTE green, BYTE blue,
                   const PALETTEENTRY* base);
// The whole base palette copied to out with entries first to last turned by
// `step` places: direction 0 toward the end (the last ones to the front),
// direction 1 toward the front.
void DDCyclePalette(PALETTEENTRY* out, int first, int last, int step, int direction,
                    const PALETTEENTRY* base);
// Entries first to first + count - 1 of `palette` shown on the display's
// palette (8-bit DirectDraw; nothing on other faces or for a range outside it).
void DDShowPaletteEntries(const PALETTEENTRY* palette, int first, int count);
// One frame of a fade of the screen to a colour (out) or back from it (in),
// along a sine over 90 degrees moved by `step` a frame; true on the last frame,
// after which the next call starts a new fade. `finish` jumps to the end. The
// palette fades in 8-bit DirectDraw, the picture in the other depths, and a
// dark quad covers the screen in Direct3D (the colour is not used there).
bool DDFadeOut(PALETTEENTRY* palette, int first, int last, BYTE red, BYTE green, BYTE blue, double step,
               PALETTEENTRY* base, int finish);
bool DDFadeIn(PALETTEENTRY* palette, int first, int last, BYTE red, BYTE green, BYTE blue, double step,
              PALETTEENTRY* base, int finish);

// Every pixel of dst from the same place of src mixed toward an 8-bit colour:
// (source x level + colour x (256 - level)) >> 8 per channel. DirectDraw 16-
// and 32-bit pictures only.
int DDFade_UnPal(DDSURFACEDATA* dst, int level, BYTE red, BYTE green, BYTE blue, DDSURFACEDATA* src);
// Palette entries from the picture's 16 x 16 block at (0, 8), row by row.
// False when the picture can't be read.
bool DDSetPalette_UnPal(PALETTEENTRY* palette, DDSURFACEDATA* sd);

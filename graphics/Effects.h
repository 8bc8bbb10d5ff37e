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
// The picture at half transparency over what the target holds.
int DDBltHalfAlpha(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                   DWORD transparent);
// The picture in blocks of n x n pixels of one colour each.
int DDBltMosaic(DDSURFACEDATA* dst, int x, int y, int w, int h, int n, DDSURFACEDATA* src, int sx, int sy,
                DWORD transparent);
// Each pixel the average of the window from (-rx, -ry) to (rx - 1, ry - 1) about it.
int DDBltBlur(DDSURFACEDATA* dst, int x, int y, int w, int h, int rx, int ry, DDSURFACEDATA* src, int sx,
              int sy, DWORD transparent);

// The pictures a stage needs beyond the system pictures: the dedicated
// character bitmaps, the sword pictures and the effect pictures that the
// databases name; the release of the pictures and message surfaces a stage
// has shown; and the darkness of limited sight.
#pragma once

#include "foundation/Containers.h"

#include <cstdint>

struct DDSURFACEDATA;
struct BMPFILEDATA;

extern cVector<BMPFILEDATA> CharaExcBmp; // load records beside CharaExcSD (engine)
extern cVector<DDSURFACEDATA> SwordSD;
extern cVector<BMPFILEDATA> SwordBmp;
extern cVector<DDSURFACEDATA> EffectSD;
extern cVector<BMPFILEDATA> EffectBmp;
// The surfaces and load records of the shown pictures, element by element in
// step with the play scene's picture list.
extern cList<DDSURFACEDATA> PictureSD;
extern cList<BMPFILEDATA> PictureBmp;

// Each loads its database's pictures afresh; a picture that fails to load is
// reported in the error log and leaves its surface empty.
void LoadCharaExcBitmaps();
void LoadSwordPictures();
void LoadEffectPictures();
// Releases what the three loaders made and empties their vectors.
void ReleaseDatabasePictures();

// Releases the surfaces of a list and empties it with its load records.
void ReleasePictureList(cList<DDSURFACEDATA>& surfaces, cList<BMPFILEDATA>& records);

// The largest sight radius a darkness is built for, in pixels (the status
// sight is at most 40 half-blocks).
constexpr std::int32_t kMaxSightRadius = 640;
// Builds the darkness of limited sight: a dark surface of (1280 + 2r) x
// (960 + 2r) with a transparent hole of radius r (a circle for shapes 1 and
// 2, else a square); r is bounded to [0, kMaxSightRadius]. False when a
// surface could not be made (the program then closes).
bool CreateSightMask(DDSURFACEDATA& dark, DDSURFACEDATA& circle, std::int32_t radius, std::int32_t shape);

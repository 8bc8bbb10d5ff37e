// Where a definition's graphic comes from: a kind (block, character, item,
// shot or exclusive bitmap) and an index, with an animation cell, become the
// source surfaces and the top-left pixel of one cell, for both facings and both
// drawing faces. Characters, items, shots and message icons draw from it.
//
// The sheets are entries of the system surface table; each sheet is held as
// loaded and as its second form (the alternate set, 18 entries further on for
// the character sheets). A graphic that names no picture (an exclusive bitmap
// of index 0 or past the loaded ones, a negative index, an unknown kind) leaves
// the surfaces unset: nothing is drawn.
#pragma once

#include "foundation/Containers.h"
#include "graphics/SurfaceData.h"

#include <cstdint>

// Graphic kinds.
enum : int {
    GRAPHIC_BLOCK = 0,
    GRAPHIC_CHARA = 1,
    GRAPHIC_ITEM = 2,
    GRAPHIC_SHOT = 3,
    GRAPHIC_EXCLUSIVE = 4
};

// Modes of SelectGraphicSource: a character (facing and animation cell), an
// item's two frames, or any other number for the unmirrored preview, in which
// character cells from 20 on lie in the mirrored sheet.
enum : int { GRAPHIC_MODE_PREVIEW = 0, GRAPHIC_MODE_CHARA = 1, GRAPHIC_MODE_ITEM = 2 };

// System surface entries the engine draws from.
enum : int {
    SD_BLOCK = 2,
    SD_BLOCK_ALT = 3,
    SD_CHARA = 4, // 4 + 2g and 5 + 2g for sheet group g (0 to 7)
    SD_CHARA_ALT_OFFSET = 18,
    SD_CHARA_SMALL = 22,
    SD_ITEM = 40,
    SD_ITEM_ALT = 41,
    SD_ITEM_SMALL = 42,
    SD_MARK = 43,
    SD_MARK_ALT = 44,
    SD_SHOT_PICTURE = 20, // the shot picture as loaded, 21 its mirrored twin
    SD_SHOT = 63,         // 63 + facing; the mirrored sheet 64 - facing
    SD_WORK = 67,
    SD_WORK_SHARED = 68,
    SD_WORK_EFFECT = 70,
};

struct GraphicDesc {
    DDSURFACEDATA* SrcRight = nullptr;     // the sheet for the current facing
    DDSURFACEDATA* SrcRightAlt = nullptr;  // the same in the alternate set
    DDSURFACEDATA* SrcMirror = nullptr;    // the mirrored twin
    DDSURFACEDATA* SrcMirrorAlt = nullptr; // and its alternate
    DDSURFACEDATA* Src = nullptr;          // the pair this drawing face uses
    DDSURFACEDATA* SrcMirrorUsed = nullptr;
    bool Tint = false; // filled by the character drawing
    DWORD TintColour = 0;
    DWORD TintOp = 0;
    bool Scaled = false; // the cells are Scale * 32 pixels
    int Scale = 1;
    int SrcX = 0, SrcY = 0;
};

// The surfaces of the exclusive bitmaps, four for each record of the
// exclusive-bitmap database from record 1 on: facing left, facing right, and
// the two of the alternate set. Stage play fills the list when a stage begins.
extern cVector<DDSURFACEDATA> CharaExcSD;

// Fills the descriptor for graphic (kind, index) at animation cell `cell`.
// Mode 1 uses `facing` (0 left, 1 right) and adds `subCell` to the cell; mode 2
// adds 32 * subCell to an item's x.
void SelectGraphicSource(GraphicDesc& desc, int mode, int kind, int index, int cell, int facing, int subCell);

// The shared surfaces of character drawing: the mark sheet, the work surface
// scaled pictures are drawn into, and the work surface of the effects.
struct CharaWorkSurfaces {
    DDSURFACEDATA* lpMark = nullptr;
    DDSURFACEDATA* lpScaled = nullptr;
    DDSURFACEDATA* lpEffect = nullptr;
};
extern CharaWorkSurfaces WorkSurfaces;
// Chooses them for the drawing face in use.
void SelectSystemSurfaces();

// Draws one graphic shrunk to 16 x 16 pixels at (x, y): the icons of messages
// and the hint of a carried item.
void DrawGraphicSmall(DDSURFACEDATA* target, int x, int y, int kind, int index, int subCell);

// The shot picture a moving shot draws its 16 x 16 cells from: as loaded for
// facing 0, mirrored for facing 1, in the set this drawing face uses. (The
// sheets from SD_SHOT on hold the same cells in 32 x 32 slots, for graphics
// chosen by SelectGraphicSource.)
DDSURFACEDATA* ShotPicture(int facing);

// The system surface of entry `index`, or none for an index outside the table.
DDSURFACEDATA* SystemSurface(int index);

#include "engine/GraphicSource.h"

#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "project/Database.h"
#include "project/IniSetting.h"

cVector<DDSURFACEDATA> CharaExcSD;
CharaWorkSurfaces WorkSurfaces;

namespace {

constexpr int kCell = 32;
constexpr int kCharaSheetGroups = 8;

// In DirectDraw mode with the stretch switch the sheets as loaded are drawn,
// otherwise their second forms.
bool UsesMainSheets() {
    return !DDIsDirect3D() && IniSetting.DD_VideoStretch != 0;
}

DDSURFACEDATA* ExclusiveSurface(int i) {
    return CharaExcSD.InRange(i) ? &CharaExcSD[static_cast<std::size_t>(i)] : nullptr;
}

// How big the cells of exclusive bitmap `index` are: 1 for plain 32-pixel cells.
// A multiple beyond 16 would leave no cell in a row of the picture.
int ExclusiveScale(int index) {
    const cVector<cBmp_CharaExc>& records = Database.Bmp_CharaExc;
    if (!records.InRange(index)) return 1;
    const cBmp_CharaExc& r = records[static_cast<std::size_t>(index)];
    if (!r.bLargeCell) return 1;
    return r.nCellMultiple < 1 ? 1 : r.nCellMultiple > 16 ? 16 : r.nCellMultiple;
}

// The cell of an exclusive bitmap: 16 plain cells to a row, or 16 / scale larger ones.
void ExclusiveCell(int cell, int scale, int& x, int& y) {
    const int perRow = 16 / scale;
    const int size = kCell * scale;
    if (cell < 0) cell = 0;
    x = cell % perRow * size;
    y = cell / perRow * size;
}

// The width and height of a sheet, looking through to the picture it shares.
void SheetSize(const DDSURFACEDATA* sd, int& w, int& h) {
    if (sd && sd->nWidth == 0 && sd->lpAlias) sd = sd->lpAlias;
    w = sd ? sd->nWidth : 0;
    h = sd ? sd->nHeight : 0;
}

void SetSheets(GraphicDesc& d, int right, int mirror, int rightAlt, int mirrorAlt) {
    d.SrcRight = SystemSurface(right);
    d.SrcMirror = SystemSurface(mirror);
    d.SrcRightAlt = SystemSurface(rightAlt);
    d.SrcMirrorAlt = SystemSurface(mirrorAlt);
}

void SelectChara(GraphicDesc& d, int mode, int index, int cell, int facing, int subCell) {
    const int group = index / 15;
    int sheet, mirror, x;
    if (mode == GRAPHIC_MODE_CHARA) {
        sheet = SD_CHARA + facing + 2 * group;
        mirror = facing == 0 ? sheet + 1 : sheet - 1;
        x = kCell * (subCell + cell);
    } else {
        sheet = SD_CHARA + 2 * group + (cell >= 20 ? 1 : 0);
        mirror = sheet;
        x = kCell * (cell >= 20 ? cell - 20 : cell);
    }
    const int y = kCell * (index % 15);
    SetSheets(d, sheet, mirror, sheet + SD_CHARA_ALT_OFFSET, mirror + SD_CHARA_ALT_OFFSET);
    int w, h;
    SheetSize(d.SrcRight, w, h);
    if (group >= kCharaSheetGroups || x < 0 || x >= w || y >= h) {
        // The missing-graphic cell: the first cell of the first sheet.
        SetSheets(d, SD_CHARA, SD_CHARA, SD_CHARA + SD_CHARA_ALT_OFFSET, SD_CHARA + SD_CHARA_ALT_OFFSET);
        d.SrcX = 0;
        d.SrcY = 0;
        return;
    }
    d.SrcX = x;
    d.SrcY = y;
}

} // namespace

DDSURFACEDATA* SystemSurface(int index) {
    return index >= 0 && index < kSystemBmpCount ? &SystemSD[index] : nullptr;
}

void SelectGraphicSource(GraphicDesc& d, int mode, int kind, int index, int cell, int facing, int subCell) {
    d.Scaled = false;
    d.Scale = 1;
    d.SrcRight = d.SrcRightAlt = d.SrcMirror = d.SrcMirrorAlt = d.Src = d.SrcMirrorUsed = nullptr;
    d.SrcX = d.SrcY = 0;
    facing = facing ? 1 : 0;
    if (index < 0) return;
    switch (kind) {
    case GRAPHIC_BLOCK:
        SetSheets(d, SD_BLOCK, SD_BLOCK, SD_BLOCK_ALT, SD_BLOCK_ALT);
        d.SrcX = kCell * (index / 15);
        d.SrcY = kCell * (index % 15);
        break;
    case GRAPHIC_CHARA:
        SelectChara(d, mode, index, cell, facing, subCell);
        break;
    case GRAPHIC_ITEM:
        SetSheets(d, SD_ITEM, SD_ITEM, SD_ITEM_ALT, SD_ITEM_ALT);
        d.SrcX = 2 * kCell * (index / 15) + (mode == GRAPHIC_MODE_ITEM ? kCell * subCell : 0);
        d.SrcY = kCell * (index % 15);
        break;
    case GRAPHIC_SHOT: {
        // The shot sheets are built once for each facing; they have no second form.
        const int sheet = mode == GRAPHIC_MODE_CHARA ? SD_SHOT + facing : SD_SHOT;
        const int mirror = mode == GRAPHIC_MODE_CHARA ? SD_SHOT + 1 - facing : SD_SHOT;
        SetSheets(d, sheet, mirror, sheet, mirror);
        d.SrcX = 2 * kCell * (index / 30);
        d.SrcY = kCell * (index % 30);
        break;
    }
    case GRAPHIC_EXCLUSIVE: {
        // Record 0 is "none": its surfaces would lie before the list.
        if (index < 1) return;
        const int base = 4 * index - 4 + (mode == GRAPHIC_MODE_CHARA ? facing : 0);
        const int mirror = base % 2 == 0 ? base + 1 : base - 1;
        d.SrcRight = ExclusiveSurface(base);
        d.SrcMirror = ExclusiveSurface(mirror);
        d.SrcRightAlt = ExclusiveSurface(base + 2);
        d.SrcMirrorAlt = ExclusiveSurface(mirror + 2);
        if (!d.SrcRight) {
            d.SrcMirror = d.SrcRightAlt = d.SrcMirrorAlt = nullptr;
            return;
        }
        if (mode == GRAPHIC_MODE_CHARA) cell += subCell;
        d.Scale = ExclusiveScale(index);
        d.Scaled = d.Scale > 1;
        ExclusiveCell(cell, d.Scale, d.SrcX, d.SrcY);
        break;
    }
    default:
        return;
    }
    if (UsesMainSheets()) {
        d.Src = d.SrcRight;
        d.SrcMirrorUsed = d.SrcMirror;
    } else {
        d.Src = d.SrcRightAlt;
        d.SrcMirrorUsed = d.SrcMirrorAlt;
    }
}

DDSURFACEDATA* ShotPicture(int facing) {
    const int sheet = SD_SHOT_PICTURE + (facing ? 1 : 0);
    return SystemSurface(UsesMainSheets() ? sheet : sheet + SD_CHARA_ALT_OFFSET);
}

void SelectSystemSurfaces() {
    if (UsesMainSheets()) {
        WorkSurfaces.lpMark = SystemSurface(SD_MARK);
        WorkSurfaces.lpScaled = SystemSurface(SD_WORK);
        WorkSurfaces.lpEffect = SystemSurface(SD_WORK_SHARED);
    } else {
        WorkSurfaces.lpMark = SystemSurface(SD_MARK_ALT);
        WorkSurfaces.lpScaled = SystemSurface(SD_WORK_SHARED);
        WorkSurfaces.lpEffect = SystemSurface(DDIsDirect3D() ? SD_WORK_EFFECT : SD_WORK_SHARED);
    }
}

void DrawGraphicSmall(DDSURFACEDATA* target, int x, int y, int kind, int index, int subCell) {
    constexpr int kSmall = 16;
    if (index < 0) return;
    switch (kind) {
    case GRAPHIC_BLOCK:
        // The block's cell of the second-form sheet, shrunk like the others.
        DDBltStretch(target, x, y, kSmall, kSmall, SystemSurface(SD_BLOCK_ALT), kCell * (index / 15),
                     kCell * (index % 15), kCell, kCell, 1);
        break;
    case GRAPHIC_CHARA:
        if (index / 15 >= kCharaSheetGroups) return;
        DDBltStretch(target, x, y, kSmall, kSmall, SystemSurface(SD_CHARA_SMALL + 2 * (index / 15)),
                     kCell * subCell, kCell * (index % 15), kCell, kCell, 1);
        break;
    case GRAPHIC_ITEM:
        DDBltFast(target, x, y, kSmall, kSmall, SystemSurface(SD_ITEM_SMALL), kCell * (index / 15),
                  kSmall * (index % 15), 1);
        break;
    case GRAPHIC_SHOT:
        DDBltStretch(target, x, y, kSmall, kSmall, SystemSurface(SD_SHOT), 2 * kCell * (index / 30),
                     kCell * (index % 30), kCell, kCell, 1);
        break;
    case GRAPHIC_EXCLUSIVE: {
        if (index < 1) return;
        DDSURFACEDATA* source = ExclusiveSurface(4 * index - 2);
        if (!source) return;
        const int scale = ExclusiveScale(index);
        int sx, sy;
        ExclusiveCell(subCell, scale, sx, sy);
        DDBltStretch(target, x, y, kSmall, kSmall, source, sx, sy, kCell * scale, kCell * scale, 1);
        break;
    }
    default:
        break;
    }
}

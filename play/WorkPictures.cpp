// The work pictures of the shot cells: each 16 x 16 cell of the shot picture
// and of its mirrored copy sits in the middle of a 32 x 32 slot, so that a
// shot turned about its centre keeps all of its pixels inside its slot.
#include "play/PlayScene.h"

#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"

namespace {

constexpr int kShotPicture = 20, kShotMirrorPicture = 21;
constexpr int kCellColumns = 8, kCellRows = 30;
constexpr int kCell = 16, kSlot = 32;

void LayOutCells(DDSURFACEDATA* sheet, DDSURFACEDATA* cells) {
    DDFillSurfaceColor(sheet, 0);
    for (int r = 0; r < kCellRows; ++r)
        for (int c = 0; c < kCellColumns; ++c)
            DDBltFast(sheet, (kSlot - kCell) / 2 + kSlot * c, (kSlot - kCell) / 2 + kSlot * r, kCell, kCell,
                      cells, kCell * c, kCell * r, 0);
}

} // namespace

void cPlayScene::RebuildCellSheets() {
    if (!DDIsRunning()) return;
    LayOutCells(&SystemSD[kShotSheet], &SystemSD[kShotPicture]);
    LayOutCells(&SystemSD[kShotMirrorSheet], &SystemSD[kShotMirrorPicture]);
}

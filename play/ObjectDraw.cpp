// Drawing of the objects of stage play besides the characters: items with
// their overlay, shots and swords, effect objects and message windows. The
// timers of effects and message windows run here too, so they run (and end)
// also when no drawing face is running.
#include "play/ObjectDraw.h"
#include "engine/GraphicSource.h"
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsGlobals.h"
#include "play/PlayScene.h"
#include "play/ShotRecord.h"
#include "play/StageResources.h"
#include "project/Database.h"
#include "project/SystemData.h"

#include <algorithm>

void OverlaySource(std::int32_t frame, std::int32_t& x, std::int32_t& y) {
    x = frame / 15 * 32;
    y = frame % 15 * 32;
}

namespace {

constexpr int kSystemPictureAccessory = 49; // the small picture of kind 3 windows

void DrawItem(cItemObj& item, DDSURFACEDATA* target, int alternate, int frozen) {
    GraphicDesc d;
    SelectGraphicSource(d, GRAPHIC_MODE_ITEM, item.Def.GraphicKind, item.Def.GraphicIndex, alternate, 0,
                        item.Def.CellBase);
    const std::int32_t scale = std::max<std::int32_t>(item.byScale, 1);
    const int x = item.nScrLeft, y = item.nScrTop;
    if (d.Src) {
        const int unit = d.Scaled ? 32 * d.Scale : 32;
        if ((!d.Scaled && scale <= 1) || (d.Scaled && d.Scale == scale))
            DDBltFast(target, x, y, unit, unit, d.Src, d.SrcX, d.SrcY, 1);
        else
            DDBltStretch(target, x, y, 32 * scale, 32 * scale, d.Src, d.SrcX, d.SrcY, unit, unit, 1);
    }
    if (!item.bOverlay) return;
    std::int32_t sx = 0, sy = 0;
    OverlaySource(item.nOverlayFrame, sx, sy);
    if (DDSURFACEDATA* mark = SystemSurface(SD_MARK)) {
        if (scale < 2)
            DDBltFast(target, x, y, 32, 32, mark, sx, sy, 1);
        else
            DDBltStretch(target, x, y, 32 * scale, 32 * scale, mark, sx, sy, 32, 32, 1);
    }
    // The overlay runs through the 15 frames of its column.
    if (!frozen) item.nOverlayFrame = item.nOverlayFrame / 15 * 15 + (item.nOverlayFrame % 15 + 1) % 15;
}

void DrawSword(cShotObj& sword, DDSURFACEDATA* target) {
    const cSwordType& type = Database.SwordType.At(shot_record::SwordType(sword.Shot));
    const std::int32_t frame = sword.Motion.nSwordFrame;
    if (frame < 0 || static_cast<std::size_t>(frame) >= type.Entries.size()) return;
    const cSwordTypeEntry& e = type.Entries[static_cast<std::size_t>(frame)];
    const std::int32_t scale = shot_record::Scale(sword.Shot);
    // The pictures are loaded from sword type 1 on (type 0 is "none"), four a
    // type: a type's pictures are those of the record its frames come from.
    const std::int64_t picture = sword.nFacing +
                                 4 * (static_cast<std::int64_t>(shot_record::SwordType(sword.Shot)) - 1) +
                                 (scale >= 2 ? 2 : 0);
    if (!SwordSD.InRange(picture)) return;
    DDSURFACEDATA* src = &SwordSD[static_cast<std::size_t>(picture)];
    if (scale < 2)
        DDBltFast(target, sword.nScrLeft, sword.nScrTop, e.nWidth, e.nHeight, src, e.nSrcX, e.nSrcY, 1);
    else
        DDBltStretch(target, sword.nScrLeft, sword.nScrTop, sword.nWidth, sword.nHeight, src, e.nSrcX,
                     e.nSrcY, e.nWidth, e.nHeight, 1);
}

// A boxed text window while it opens: the box with its outer frame is drawn
// whole into a picture of its own, which is stretched over the scaled
// rectangle with the transparent colour. The picture lives for this frame
// only, so nothing of it outlasts the opening or a lost device.
void DrawOpeningBox(const cMessageWindow& w, DDSURFACEDATA* target, cFont& font) {
    const int t = std::max(font.nFrameThick, 0);
    const cMessageRect whole{w.nX - t, w.nY - t, w.nWidth + 2 * t, w.nHeight + 2 * t};
    const cMessageRect r = OpeningRect(whole, w.dOpening);
    if (r.w <= 0 || r.h <= 0) return;
    DDSURFACEDATA box;
    if (!DDCreateSurface(&box, whole.w, whole.h, 1, 0, 0, 0, 0)) return;
    if (SystemData.bColourMode)
        DDFillSurfaceColor(&box, dwTransmit);
    else
        DDFillSurfacePal(&box, 0);
    font.DrawTextBox(&box, t, t, w.nWidth, w.nHeight, w.strText.c_str(), 1);
    DDBltStretch(target, r.x, r.y, r.w, r.h, &box, 0, 0, whole.w, whole.h, 1);
    DDReleaseSurface(&box);
}

void DrawMessage(cMessageWindow& w, DDSURFACEDATA* target) {
    switch (w.nKind) {
    case MSG_TEXT: {
        cFont& font = SysFont[1];
        if (StepOpening(w)) {
            if (w.nStyle) DrawOpeningBox(w, target, font);
            return;
        }
        if (w.nStyle)
            font.DrawTextBox(target, w.nX, w.nY, w.nWidth, w.nHeight, w.strText.c_str(), 1);
        else
            font.DrawText(target, w.nX + 1, w.nY + 1, w.strText.c_str(), 1);
        break;
    }
    case MSG_GRAPHIC:
        DrawGraphicSmall(target, w.nX, w.nY - ((30 - w.nTime) >> 2), w.nGraphicKind, w.nGraphicIndex,
                         w.nGraphicSub);
        break;
    case MSG_PICTURE:
        if (DDSURFACEDATA* src = SystemSurface(kSystemPictureAccessory))
            DDBltFast(target, w.nX, w.nY - ((30 - w.nTime) >> 2), 16, 16, src, 0, 48, 1);
        break;
    default:
        break;
    }
}

} // namespace

void DrawShot(cShotObj& shot, DDSURFACEDATA* target, int frozen) {
    if (!shot.bMoving) {
        DrawSword(shot, target);
        return;
    }
    const int cell = frozen ? shot.GetAnimeCell() : shot.StepAnime();
    const std::int32_t g = shot.nGraphic;
    DDSURFACEDATA* sheet = ShotPicture(shot.nFacing);
    if (!sheet) return;
    const int sx = (cell + g / 30 * 2) * 16, sy = g % 30 * 16;
    if (shot.Shot.cSize < 2)
        DDBltFast(target, shot.nScrLeft, shot.nScrTop, 16, 16, sheet, sx, sy, 1);
    else
        DDBltStretch(target, shot.nScrLeft, shot.nScrTop, shot.nScrWidth, shot.nScrHeight, sheet, sx, sy, 16,
                     16, 1);
}

void cPlayScene::DrawLayerObjects(DDSURFACEDATA* target, int layer, int frozen) {
    if (!target) return;
    const int alternate = (nFrameCounter >> 4) & 1;
    // Items have no layer of their own: they lie in the first.
    if (layer == 0) {
        for (cItemObj& item : ItemList) {
            item.UpdateScreenRect();
            if (!item.bHidden && item.IsOnScreen()) DrawItem(item, target, alternate, frozen);
        }
    }
    for (cShotObj* shot : LayerShots[static_cast<std::size_t>(layer)]) {
        shot->UpdateScreenRect();
        if (shot->IsOnScreen()) DrawShot(*shot, target, frozen);
    }
}

void cPlayScene::DrawEffectsAndMessages(DDSURFACEDATA* target, int frozen) {
    const bool held = frozen != 0;
    const double sx = scene.ScrollX.dPos, sy = scene.ScrollY.dPos;
    for (auto it = Effects.begin(); it != Effects.end();) {
        if (DrawEffect(*it, target, held, sx, sy))
            it = Effects.erase(it);
        else
            ++it;
    }
    for (auto it = Messages.begin(); it != Messages.end();) {
        cMessageWindow& w = *it;
        RefreshMessage(w, nFrameCounter, MessageFont());
        bool ends = PlaceMessage(w, scene) != 0;
        if (!ends && TickMessage(w, held)) ends = true;
        if (ends) {
            it = Messages.erase(it);
            continue;
        }
        if (target) DrawMessage(w, target);
        ++it;
    }
}

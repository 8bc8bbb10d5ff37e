#include "engine/CharaEffects.h"

#include "engine/Chara.h"
#include "engine/GraphicSource.h"
#include "graphics/Effects.h"
#include "graphics/Graphics.h"
#include "records/EffectPlayback.h"

#include <cmath>

namespace {

// Where and how big the character is drawn.
struct Placement {
    int x, y, w, h;   // the screen rectangle
    int unitW, unitH; // its size at scale 1
    int scale;        // the character's enlargement
};

Placement PlacementOf(const cChara& c) {
    const int scale = c.Def.CharaScale < 1 ? 1 : c.Def.CharaScale;
    return {c.nScrLeft, c.nScrTop, c.nScrWidth, c.nScrHeight, c.nBaseScrWidth, c.nBaseScrHeight, scale};
}

// The picture is drawn at the size it has in its sheet.
bool DrawnUnscaled(const GraphicDesc& d, const Placement& p) {
    return (!d.Scaled && p.scale <= 1) || (d.Scaled && d.Scale == p.scale);
}

HRESULT Blt(DDSURFACEDATA* target, int x, int y, const GraphicDesc& d, const Placement& p,
            DDSURFACEDATA* plain) {
    const DWORD tint[2] = {d.TintColour, d.TintOp};
    if (DrawnUnscaled(d, p)) {
        if (d.Tint) return DDBltColor(target, x, y, p.w, p.h, plain, d.SrcX, d.SrcY, 1, tint);
        return DDBltFast(target, x, y, p.w, p.h, plain, d.SrcX, d.SrcY, 1);
    }
    const int sw = p.unitW * d.Scale;
    const int sh = p.unitH * d.Scale;
    if (d.Tint) return DDBltColorStretch(target, x, y, p.w, p.h, d.Src, d.SrcX, d.SrcY, sw, sh, 1, tint);
    return DDBltStretch(target, x, y, p.w, p.h, d.Src, d.SrcX, d.SrcY, sw, sh, 1);
}

// The plain picture on the screen. The effect-less drawing takes the sheet as
// loaded; the effects that fall back on plain drawing the sheet of this face.
HRESULT DrawPlain(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, bool noEffect) {
    return Blt(target, p.x, p.y, d, p, noEffect ? d.SrcRight : d.Src);
}

// The picture at its drawn size at (x, y) of a work surface, cleared there first.
void DrawIntoWork(DDSURFACEDATA* work, int x, int y, const GraphicDesc& d, const Placement& p) {
    DDFillRectPal(work, x, y, p.w, p.h, 0);
    Blt(work, x, y, d, p, d.SrcRightAlt);
}

// Where an effect reads the picture at its drawn size: the sheet itself when
// it is drawn unscaled, else the scaled work surface it has been drawn into.
struct Source {
    DDSURFACEDATA* sd;
    int sx, sy;
};
Source ScaledPicture(const GraphicDesc& d, const Placement& p) {
    if (DrawnUnscaled(d, p)) return {d.Src, d.SrcX, d.SrcY};
    DrawIntoWork(WorkSurfaces.lpScaled, 0, 0, d, p);
    return {WorkSurfaces.lpScaled, 0, 0};
}

// The state every renderer reads: the progress value, the record's A and B,
// the phase counter k and the toggle t.
struct Run {
    cCharaEffectState& state;
    int p() const { return static_cast<int>(state.Data.dValue); }
    int A() const { return state.Data.nParam[3]; }
    int B() const { return state.Data.nParam[4]; }
    int Interval() const { return state.Data.nParam[1]; }
    std::int32_t& k() { return state.Data.nWork[0]; }
    std::int32_t& t() { return state.Data.nWork[1]; }
};

int Ceil(int a, int b) {
    return (a + b - 1) / b;
}

using Renderer = void (*)(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r,
                          bool frozen);

void NoEffect(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run&, bool) {
    DrawPlain(target, d, p, true);
}

void Burst(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r, bool) {
    const Source s = ScaledPicture(d, p);
    DDBltQuarters(target, p.x, p.y, p.w, p.h, s.sd, s.sx, s.sy, r.p() * p.scale, 1);
}

// Kinds 2 and 3: strips of height / A pixels, every other one shifted by p.
void Split(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r, bool horizontal) {
    const Source s = ScaledPicture(d, p);
    const int strip = r.A() >= 1 ? Ceil(p.h, r.A()) : 0;
    DDBltStripShift(target, p.x, p.y, p.w, p.h, strip, r.p() * p.scale, s.sd, s.sx, s.sy, 1,
                    horizontal ? 1 : 0);
}
void SplitH(DDSURFACEDATA* t, const GraphicDesc& d, const Placement& p, Run& r, bool) {
    Split(t, d, p, r, true);
}
void SplitV(DDSURFACEDATA* t, const GraphicDesc& d, const Placement& p, Run& r, bool) {
    Split(t, d, p, r, false);
}

// Kinds 4 and 5: A waves of amplitude p across the picture, their phase k
// turning a degree a frame.
void Wave(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r, bool frozen,
          bool horizontal) {
    const Source s = ScaledPicture(d, p);
    DDBltWave(target, p.x, p.y, p.w, p.h, r.A(), static_cast<double>(r.p() * p.scale), r.k(), r.B(), s.sd,
              s.sx, s.sy, 1, horizontal ? 1 : 0);
    if (!frozen && ++r.k() >= 360) r.k() = 0;
}
void WaveH(DDSURFACEDATA* t, const GraphicDesc& d, const Placement& p, Run& r, bool frozen) {
    Wave(t, d, p, r, frozen, true);
}
void WaveV(DDSURFACEDATA* t, const GraphicDesc& d, const Placement& p, Run& r, bool frozen) {
    Wave(t, d, p, r, frozen, false);
}

// The phase of kinds 6 and 14: the counter is tested before it is counted,
// so the toggle first flips after interval + 1 frames.
void StepBlink(Run& r, bool frozen) {
    if (frozen) return;
    if (r.k() >= r.Interval()) {
        r.k() = 0;
        r.t() ^= 1;
    }
    ++r.k();
}

void Blink(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r, bool frozen) {
    if (r.t()) DrawPlain(target, d, p, false);
    StepBlink(r, frozen);
}

void RotateAboutCentre(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r) {
    const Source s = ScaledPicture(d, p);
    DDBltRotate(target, p.x + p.w / 2, p.y + p.h / 2, p.w, p.h, p.w / 2, p.h / 2, r.p(), s.sd, s.sx, s.sy, 1);
}

void RotateB(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r, bool) {
    RotateAboutCentre(target, d, p, r);
}

// Kind 7: in DirectDraw an enlarged character is rotated at its unit size in
// the work surface and the rotated square stretched back to its size.
void RotateA(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r, bool) {
    if (DDIsDirect3D() || p.scale <= 1) {
        RotateAboutCentre(target, d, p, r);
        return;
    }
    DDSURFACEDATA* work = WorkSurfaces.lpScaled;
    const int side =
        static_cast<int>(std::ceil(std::sqrt(double(p.unitW) * p.unitW + double(p.unitH) * p.unitH))) + 2;
    const int ox = p.unitW + 2; // the rotated square stands beside the picture
    DDFillRectPal(work, 0, 0, p.unitW, p.unitH, 0);
    DDBltStretch(work, 0, 0, p.unitW, p.unitH, d.Src, d.SrcX, d.SrcY, p.unitW * d.Scale, p.unitH * d.Scale,
                 1);
    DDFillRectPal(work, ox, 0, side, side, 0);
    DDBltRotate(work, ox + side / 2, side / 2, p.unitW, p.unitH, p.unitW / 2, p.unitH / 2, r.p(), work, 0, 0,
                1);
    const int size = side * p.scale;
    DDBltStretch(target, p.x + p.w / 2 - size / 2, p.y + p.h / 2 - size / 2, size, size, work, ox, 0, side,
                 side, 1);
}

// Kind 9: the picture squeezed about its centre, turning to its mirror image.
void Turn(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r, bool) {
    DDBltTurn(target, p.x, p.y, p.w, p.h, d.Src, d.SrcX, d.SrcY, d.SrcMirrorUsed, d.SrcX, d.SrcY,
              p.unitW * d.Scale, p.unitH * d.Scale, 1, r.p(), 0);
}

// Kind 10: only a circle of radius p about the centre stays, in bands of A rows.
void Circle(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r, bool) {
    const Source s = ScaledPicture(d, p);
    DDBltCircle(target, p.x + p.w / 2, p.y + p.h / 2, p.w / 2, p.h / 2, r.p() * p.scale, r.A(), s.sd,
                s.sx + p.w / 2, s.sy + p.h / 2, 1);
}

// Kind 11: the picture grown by p - 32 pixels about its centre.
void Zoom(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r, bool) {
    const int grow = r.p() - 32;
    const int w = p.w + grow;
    const int h = p.h + grow;
    if (w < 1 || h < 1) return;
    DDBltStretch(target, p.x - grow / 2, p.y - grow / 2, w, h, d.Src, d.SrcX, d.SrcY, p.unitW * d.Scale,
                 p.unitH * d.Scale, 1);
}

// Kind 12: a lens of strength p centred (A, B) from the picture's centre, wide
// enough to take in the whole picture, drawn from the effect work surface.
void Lens(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r, bool) {
    DDSURFACEDATA* work = WorkSurfaces.lpEffect;
    if (!work) return;
    const int ax = r.A() * p.scale, by = r.B() * p.scale;
    const double reachX = p.w / 2 + std::abs(ax), reachY = p.h / 2 + std::abs(by);
    int radius = static_cast<int>(std::ceil(std::sqrt(reachX * reachX + reachY * reachY)));
    const int room = (std::min(work->nWidth, work->nHeight) - 1) / 2;
    if (radius > room) radius = room;
    // The lens centre stands at (radius, radius) of the work surface. Near its
    // rim a lens reads far beyond its radius: all around the picture is cleared.
    DDFillSurfacePal(work, 0);
    DrawIntoWork(work, radius - p.w / 2 - ax, radius - p.h / 2 - by, d, p);
    DDBltRadial(target, p.x + p.w / 2 + ax, p.y + p.h / 2 + by, radius, r.p() * p.scale, work, radius, radius,
                1, 0);
}

// Kind 13: the picture pulled p halving steps toward palette colour A.
void ColourChange(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r, bool) {
    const Source s = ScaledPicture(d, p);
    DDBltTint(target, p.x, p.y, p.w, p.h, s.sd, s.sx, s.sy, 1, Palette, r.A() & 0xFF, r.p());
}

// Kind 14: half transparent while the toggle is clear.
void Translucent(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r, bool frozen) {
    if (!r.t()) {
        const Source s = ScaledPicture(d, p);
        DDBltHalfAlpha(target, p.x, p.y, p.w, p.h, s.sd, s.sx, s.sy, 1);
    }
    StepBlink(r, frozen);
}

// Kinds 15 and 16 read the picture from the effect work surface. A block or
// strength below 1 leaves the picture as it is.
void Mosaic(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r, bool) {
    const int n = r.p() * p.scale;
    if (n <= 1 || !WorkSurfaces.lpEffect) {
        DrawPlain(target, d, p, false);
        return;
    }
    DrawIntoWork(WorkSurfaces.lpEffect, 0, 0, d, p);
    DDBltMosaic(target, p.x, p.y, p.w, p.h, n, WorkSurfaces.lpEffect, 0, 0, 1);
}

void Blur(DDSURFACEDATA* target, const GraphicDesc& d, const Placement& p, Run& r, bool) {
    const int n = r.p() * p.scale;
    if (n < 1 || !WorkSurfaces.lpEffect) {
        DrawPlain(target, d, p, false);
        return;
    }
    DrawIntoWork(WorkSurfaces.lpEffect, 0, 0, d, p);
    DDBltBlur(target, p.x, p.y, p.w, p.h, n, n, WorkSurfaces.lpEffect, 0, 0, 1);
}

constexpr Renderer kRenderers[kCharaEffectKinds] = {
    NoEffect, Burst,  SplitH, SplitV, WaveH,        WaveV,       Blink,  RotateA, RotateB,
    Turn,     Circle, Zoom,   Lens,   ColourChange, Translucent, Mosaic, Blur,
};

} // namespace

int RenderCharaEffect(cChara& chara, DDSURFACEDATA* target, GraphicDesc& desc, int frozen, int draw) {
    cCharaEffectState& state = chara.DrawState.Effect;
    const int kind = chara.DrawState.sEffect == 0 ? 0 : state.Data.nKind;
    const Placement p = PlacementOf(chara);
    Run run{state};
    if (kind < 0 || kind >= kCharaEffectKinds) {
        if (draw) DrawPlain(target, desc, p, false);
        return 1;
    }
    if (draw) {
        const bool tinted = desc.Tint && kind != 0;
        if (tinted) {
            DDSetDrawColor(desc.TintColour);
            DDSetColorOp(desc.TintOp);
        }
        kRenderers[kind](target, desc, p, run, frozen != 0);
        if (tinted) {
            DDResetDrawColor();
            DDResetColorOp();
        }
    } else if (!frozen && (kind == 6 || kind == 14)) {
        StepBlink(run, false);
    } else if (!frozen && (kind == 4 || kind == 5) && ++run.k() >= 360) {
        run.k() = 0;
    }
    if (kind == 0 || frozen) return 0;
    return state.Step();
}

void StartCharaEffect(cChara& chara, int index, int mode, int loop) {
    cCharaDrawState& s = chara.DrawState;
    // An index past the database (a command's parameter) starts nothing.
    if (index <= 0 || !CharaEffectTableR.InRange(index) || !CharaEffectTableL.InRange(index)) {
        s.sEffect = 0;
        return;
    }
    s.sEffect = static_cast<std::int16_t>(index);
    s.Effect.Start(index, mode, loop);
}

void ClearCharaEffect(cChara& chara) {
    chara.DrawState.sEffect = 0;
}

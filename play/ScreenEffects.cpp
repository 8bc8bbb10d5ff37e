#include "play/ScreenEffects.h"

#include "foundation/Truncate.h"
#include "graphics/Effects.h"
#include "graphics/Graphics.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kKindCount = 14; // kind 0 (none) and the thirteen effects
constexpr DWORD kOpaque = 0;

// The value the state runs: the progress of kinds 1 to 3 and 8 (0 to the
// time), the effect's own quantity for the others.
double Value(const cScreenEffectRun& run) {
    return run.State.Data.dValue;
}
int Param(const cScreenEffectRun& run, int slot) {
    return run.State.Data.nParam[slot];
}
int Time(const cScreenEffectRun& run) {
    return Param(run, 0);
}
int Frames(const cScreenEffectRun& run) {
    return std::max(1, Time(run) * 6);
}

// The common frame: the finished picture copied into a work surface, the
// screen filled, and the picture drawn back with the kind's distortion.
template <class Draw> void Distort(const cScreenEffectView& view, bool second, Draw draw) {
    if (!view.screen) return;
    DDSURFACEDATA* src = second ? view.work2 : view.work;
    DDBltFast(src, 0, 0, view.width, view.height, view.screen, 0, 0, kOpaque);
    DDFillRectPal(view.screen, 0, 0, view.width, view.height, kScreenEffectFill);
    DDSetAlphaOp(1);
    draw(src);
    DDResetAlphaOp();
}

// Advances the state unless the drawing holds: 1 when the effect has ended.
int Advance(cScreenEffectRun& run, int hold, int from, int to) {
    if (hold) return 0;
    return run.State.Step(from, to, run.State.Data.dStep);
}
// Kinds 1 to 3 and 8 run from 0 to their time; the others from P1 to P2.
int AdvanceOverTime(cScreenEffectRun& run, int hold) {
    return Advance(run, hold, 0, Time(run));
}
int AdvanceOverRange(cScreenEffectRun& run, int hold) {
    return Advance(run, hold, Param(run, 1), Param(run, 2));
}

using Handler = int (*)(cScreenEffectRun&, const cScreenEffectView&, int);

int None(cScreenEffectRun&, const cScreenEffectView& view, int) {
    if (view.screen && DDIsDirect3D()) DDSetVirtualBackBuffer(0);
    return 0;
}

// Kind 1: the picture drawn at a point moving from (P1, P2) to (P3, P4).
int Move(cScreenEffectRun& run, const cScreenEffectView& view, int hold) {
    const cScrEffectData& d = run.State.Data;
    const double t = Time(run) > 0 ? Value(run) / Time(run) : 1.0;
    // In doubles: the record's points may lie anywhere in the range.
    const int x = Trunc32(d.nMove[0] + (static_cast<double>(Param(run, 3)) - d.nMove[0]) * t);
    const int y = Trunc32(d.nMove[1] + (static_cast<double>(Param(run, 4)) - d.nMove[1]) * t);
    Distort(view, false, [&](DDSURFACEDATA* src) {
        DDBltFast(view.screen, x, y, view.width, view.height, src, 0, 0, kOpaque);
    });
    return AdvanceOverTime(run, hold);
}

// Kinds 2 and 3: the offset swings between -P1 and +P1, P2 times over the time.
void StepShake(cScreenEffectRun& run) {
    const double amplitude = Param(run, 1);
    run.dShake += run.nShakeDir * amplitude * Param(run, 2) * 4.0 / Frames(run);
    if (run.dShake >= amplitude) {
        run.dShake = amplitude;
        run.nShakeDir = -1;
    } else if (run.dShake <= -amplitude) {
        run.dShake = -amplitude;
        run.nShakeDir = 1;
    }
}
int Shake(cScreenEffectRun& run, const cScreenEffectView& view, int hold, bool horizontal) {
    const int offset = static_cast<int>(run.dShake);
    Distort(view, false, [&](DDSURFACEDATA* src) {
        DDBltFast(view.screen, horizontal ? offset : 0, horizontal ? 0 : offset, view.width, view.height, src,
                  0, 0, kOpaque);
    });
    if (!hold) StepShake(run);
    return AdvanceOverTime(run, hold);
}
int ShakeX(cScreenEffectRun& run, const cScreenEffectView& view, int hold) {
    return Shake(run, view, hold, true);
}
int ShakeY(cScreenEffectRun& run, const cScreenEffectView& view, int hold) {
    return Shake(run, view, hold, false);
}

// Kinds 4 and 5: strips of P3 pixels, every other one moved by +v and the
// rest by -v: rows moved across (4) or columns moved up and down (5). A
// strip size below 1 draws the picture whole.
int Split(cScreenEffectRun& run, const cScreenEffectView& view, int hold, bool rows) {
    const int strip = std::max(0, Param(run, 3));
    const int offset = static_cast<int>(Value(run));
    Distort(view, false, [&](DDSURFACEDATA* src) {
        DDBltStripShift(view.screen, 0, 0, view.width, view.height, strip, offset, src, 0, 0, kOpaque,
                        rows ? 0 : 1);
    });
    return AdvanceOverRange(run, hold);
}
int SplitRows(cScreenEffectRun& run, const cScreenEffectView& view, int hold) {
    return Split(run, view, hold, true);
}
int SplitColumns(cScreenEffectRun& run, const cScreenEffectView& view, int hold) {
    return Split(run, view, hold, false);
}

// Kinds 6 and 7: P3 waves of amplitude v in strips of P4 pixels, rows moved
// across (6) or columns moved up and down (7); the phase turns a degree a frame.
int Wave(cScreenEffectRun& run, const cScreenEffectView& view, int hold, bool rows) {
    std::int32_t& phase = run.State.Data.nMove[0];
    Distort(view, false, [&](DDSURFACEDATA* src) {
        DDBltWave(view.screen, 0, 0, view.width, view.height, Param(run, 3), Value(run), phase, Param(run, 4),
                  src, 0, 0, kOpaque, rows ? 0 : 1);
    });
    if (!hold && ++phase >= 360) phase = 0;
    return AdvanceOverRange(run, hold);
}
int WaveRows(cScreenEffectRun& run, const cScreenEffectView& view, int hold) {
    return Wave(run, view, hold, true);
}
int WaveColumns(cScreenEffectRun& run, const cScreenEffectView& view, int hold) {
    return Wave(run, view, hold, false);
}

// Kind 8: while hidden the backgrounds cover the map and the objects; every
// P1 frames the picture shows or hides in turn, hidden first.
int Blink(cScreenEffectRun& run, const cScreenEffectView& view, int hold) {
    std::int32_t& phase = run.State.Data.nMove[0];
    std::int32_t& visible = run.State.Data.nMove[1];
    if (view.screen && !visible && view.redrawBackgrounds) view.redrawBackgrounds();
    if (!hold && ++phase >= std::max(1, Param(run, 1))) {
        phase = 0;
        visible ^= 1;
    }
    return AdvanceOverTime(run, hold);
}

// Kind 9: the picture turned by v degrees about the screen's centre, into
// the second work surface (filled first, for the corners the turn uncovers)
// and copied from there.
int Rotate(cScreenEffectRun& run, const cScreenEffectView& view, int hold) {
    Distort(view, false, [&](DDSURFACEDATA* src) {
        const int cx = view.width / 2, cy = view.height / 2;
        DDFillRectPal(view.work2, 0, 0, view.width, view.height, kScreenEffectFill);
        DDBltRotate(view.work2, cx, cy, view.width, view.height, cx, cy, Value(run), src, 0, 0, kOpaque);
        DDBltFast(view.screen, 0, 0, view.width, view.height, view.work2, 0, 0, kOpaque);
    });
    return AdvanceOverRange(run, hold);
}

// Kind 10: only a circle of radius v about the hero stays, in bands of P3 rows.
int Circle(cScreenEffectRun& run, const cScreenEffectView& view, int hold) {
    Distort(view, false, [&](DDSURFACEDATA* src) {
        const int cx = view.heroX, cy = view.heroY;
        DDBltCircle(view.screen, cx, cy, FarEdge(cx, view.width), FarEdge(cy, view.height),
                    static_cast<int>(Value(run)), std::max(1, Param(run, 3)), src, cx, cy, kOpaque);
    });
    return AdvanceOverRange(run, hold);
}

// Kind 11: zoom by v / width: below 1 the whole picture shrunk about the
// screen's centre; from 1 on a window about the hero (kept on the screen)
// enlarged to the whole screen.
int Zoom(cScreenEffectRun& run, const cScreenEffectView& view, int hold) {
    const double f = Value(run) / view.width;
    Distort(view, false, [&](DDSURFACEDATA* src) {
        const int w = view.width, h = view.height;
        if (f <= 0) return;
        if (f < 1) {
            const int dw = static_cast<int>(w * f), dh = static_cast<int>(h * f);
            DDBltStretch(view.screen, (w - dw) / 2, (h - dh) / 2, dw, dh, src, 0, 0, w, h, kOpaque);
            return;
        }
        const int sw = std::max(1, static_cast<int>(w / f)), sh = std::max(1, static_cast<int>(h / f));
        const int sx = std::clamp(view.heroX - sw / 2, 0, w - sw);
        const int sy = std::clamp(view.heroY - sh / 2, 0, h - sh);
        DDBltStretch(view.screen, 0, 0, w, h, src, sx, sy, sw, sh, kOpaque);
    });
    return AdvanceOverRange(run, hold);
}

constexpr std::int64_t kLensFarthest = 1 << 24;

// Kind 12: a lens of strength v about the hero moved by (P3, P4), wide
// enough to reach every corner of the screen.
int Lens(cScreenEffectRun& run, const cScreenEffectView& view, int hold) {
    // The record's offsets may be anything: the centre is kept within a
    // distance far off any screen, where the radius below still fits an int.
    const auto centre = [](int hero, std::int32_t offset) {
        const std::int64_t c = std::int64_t{hero} + offset;
        return static_cast<int>(std::clamp<std::int64_t>(c, -kLensFarthest, kLensFarthest));
    };
    const int cx = centre(view.heroX, Param(run, 3)), cy = centre(view.heroY, Param(run, 4));
    const int far = std::max(FarEdge(cx, view.width), FarEdge(cy, view.height));
    const int r = static_cast<int>(far * std::sqrt(2.0));
    Distort(view, true, [&](DDSURFACEDATA* src) {
        DDBltRadial(view.screen, cx, cy, r, static_cast<int>(Value(run)), src, cx, cy, kOpaque, 0);
    });
    return AdvanceOverRange(run, hold);
}

// Kind 13: the picture in blocks of v pixels.
int Mosaic(cScreenEffectRun& run, const cScreenEffectView& view, int hold) {
    const int n = std::max(1, static_cast<int>(Value(run)));
    Distort(view, true, [&](DDSURFACEDATA* src) {
        DDBltMosaic(view.screen, 0, 0, view.width, view.height, n, src, 0, 0, kOpaque);
    });
    return AdvanceOverRange(run, hold);
}

constexpr Handler kHandlers[kKindCount] = {None,         Move,     ShakeX,      ShakeY, SplitRows,
                                           SplitColumns, WaveRows, WaveColumns, Blink,  Rotate,
                                           Circle,       Zoom,     Lens,        Mosaic};

} // namespace

bool cScreenEffectRun::Start(std::int32_t number, std::int32_t mode, std::int32_t loop) {
    if (number == 0) {
        Stop();
        return false;
    }
    if (number < 0 || static_cast<std::size_t>(number) >= ScrEffectTableR.size() ||
        static_cast<std::size_t>(number) >= ScrEffectTableL.size())
        return false;
    const std::int32_t kind = ScrEffectTableR.At(number).nKind;
    if (kind < 0 || kind >= kKindCount) return false;
    State.Start(number, mode, loop);
    nNumber = static_cast<std::int16_t>(number);
    dShake = 0;
    nShakeDir = 1;
    return true;
}

void cScreenEffectRun::Stop() {
    nNumber = 0;
    State.Clear();
    dShake = 0;
    nShakeDir = 1;
}

int RunScreenEffectKind(cScreenEffectRun& run, const cScreenEffectView& view, int hold) {
    const std::int32_t kind = run.Kind();
    if (kind < 0 || kind >= kKindCount) return hold ? 0 : 1;
    return kHandlers[kind](run, view, hold);
}

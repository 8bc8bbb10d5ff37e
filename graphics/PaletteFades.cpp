// Palette fades and cycling, and the screen fades that step once a frame:
// the palette in 8-bit DirectDraw, the picture itself in the other depths,
// a dark quad in Direct3D.
#include "graphics/Effects.h"

#include "graphics/EffectQuad.h"
#include "graphics/GraphicsInternal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Where each fade stands, in degrees; one per fade and face.
struct cFadePhases {
    double outDirect3D = 90, outDirectDraw = 90;
    double inDirect3D = 0, inDirectDraw = 0;
};
cFadePhases Phases;

bool ValidRange(int first, int last) {
    return first >= 0 && last <= 255 && first <= last;
}

// The back buffer darkened toward black by a quad of alpha 255 - level.
void VeilScreen(int level) {
    DDSURFACEDATA* target = &BackBuffer;
    DDRedirectToVirtualBackBuffer(&target);
    cQuadCorner corners[4];
    RectCorners(corners, nullptr, 0, 0, target->nWidth, target->nHeight, 0, 0, 0, 0);
    const cQuadStage stage{D3DTOP_SELECTARG2, D3DTA_TEXTURE, D3DTA_DIFFUSE,
                           D3DTOP_SELECTARG2, D3DTA_TEXTURE, D3DTA_DIFFUSE};
    DrawEffectQuad(target, nullptr, corners, MakeArgb(255 - level, 0, 0, 0), stage);
}

// One frame of a fade whose phase runs from `start` to `end` degrees.
bool StepFade(double& phase, double start, double end, PALETTEENTRY* palette, int first, int last, BYTE red,
              BYTE green, BYTE blue, double step, PALETTEENTRY* base, int finish) {
    const bool direct3D = lpDTCon != nullptr;
    if (!direct3D && nBpp != 8 && phase == start)
        DDBltFast(&ScreenCopySD, 0, 0, ScreenCopySD.nWidth, ScreenCopySD.nHeight, &BackBuffer, 0, 0, 0);
    // A step that can't move the phase would leave the fade running for ever.
    if (finish || !(step > 0)) phase = end;
    const double s = std::sin(phase * std::numbers::pi / 180.0);
    const int level = static_cast<int>(s * (direct3D ? 255 : 256));
    if (direct3D) {
        VeilScreen(level);
    } else if (nBpp == 8) {
        if (palette && base && ValidRange(first, last)) {
            DDFadePalette(palette, first, last, level, red, green, blue, base);
            if (lpDDPalette)
                lpDDPalette->SetEntries(0, static_cast<DWORD>(first), static_cast<DWORD>(last - first + 1),
                                        palette + first);
        }
    } else {
        DDFade_UnPal(&BackBuffer, level, red, green, blue, &ScreenCopySD);
    }
    if (phase != end) {
        phase = start < end ? std::min(phase + step, end) : std::max(phase - step, end);
        return false;
    }
    phase = start;
    return true;
}

} // namespace

void DDFadePalette(PALETTEENTRY* out, int first, int last, int level, BYTE red, BYTE green, BYTE blue,
                   const PALETTEENTRY* base) {
    if (!out || !base || !ValidRange(first, last)) return;
    const int keep = 256 - level;
    for (int i = first; i <= last; ++i) {
        const PALETTEENTRY& b = base[i];
        out[i] = {static_cast<BYTE>((b.peRed * level + red * keep) >> 8),
                  static_cast<BYTE>((b.peGreen * level + green * keep) >> 8),
                  static_cast<BYTE>((b.peBlue * level + blue * keep) >> 8), 1};
    }
}

void DDCyclePalette(PALETTEENTRY* out, int first, int last, int step, int direction,
                    const PALETTEENTRY* base) {
    if (!out || !base || (nBpp != 8 && nBpp != 16 && nBpp != 32)) return;
    std::copy(base, base + 256, out);
    if (!ValidRange(first, last)) return;
    const int count = last - first + 1;
    // A step of a whole turn or more turns as far as what is left of it.
    const int k = ((step % count) + count) % count;
    if (direction == 0)
        std::rotate(out + first, out + last + 1 - k, out + last + 1);
    else if (direction == 1)
        std::rotate(out + first, out + first + k, out + last + 1);
}

void DDShowPaletteEntries(const PALETTEENTRY* palette, int first, int count) {
    if (!palette || !lpDDPalette || count < 1 || !ValidRange(first, first + count - 1)) return;
    lpDDPalette->SetEntries(0, static_cast<DWORD>(first), static_cast<DWORD>(count), palette + first);
}

bool DDFadeOut(PALETTEENTRY* palette, int first, int last, BYTE red, BYTE green, BYTE blue, double step,
               PALETTEENTRY* base, int finish) {
    double& phase = lpDTCon ? Phases.outDirect3D : Phases.outDirectDraw;
    return StepFade(phase, 90, 0, palette, first, last, red, green, blue, step, base, finish);
}

bool DDFadeIn(PALETTEENTRY* palette, int first, int last, BYTE red, BYTE green, BYTE blue, double step,
              PALETTEENTRY* base, int finish) {
    double& phase = lpDTCon ? Phases.inDirect3D : Phases.inDirectDraw;
    return StepFade(phase, 0, 90, palette, first, last, red, green, blue, step, base, finish);
}

// Folding source rectangles of mirrored records and clipping blit rectangles.
#include "graphics/GraphicsInternal.h"

#include <cstdlib>
#include <utility>

namespace {

void Wrap(int m, int* p, int* size) {
    if (m <= 0) return;
    if (*size == m) {
        *p += *size;
        *size = -*size;
    } else if (*size < m) {
        *p = *p - 2 * (*p % m) + m;
        *size = -*size;
    }
}

// Clips [pos, pos + size) to [0, limit); size may be negative (a mirrored
// source), in which case the span runs from pos + size to pos.
void ClipSpan(int* pos, int* size, int limit, bool allowMirror) {
    if (allowMirror && *size < 0) {
        int left = *pos + *size, right = *pos;
        if (left < 0) left = 0;
        if (right > limit) right = limit;
        *pos = right;
        *size = right > left ? -(right - left) : 0;
        return;
    }
    int left = *pos, right = *pos + *size;
    if (left < 0) left = 0;
    if (right > limit) right = limit;
    *pos = left;
    *size = right > left ? right - left : 0;
}

bool SameSign(int now, int before) {
    return now != 0 && ((now > 0) == (before > 0));
}

} // namespace

void DDWrapCoords(DDSURFACEDATA* lpSD, int* pnX, int* pnY, int* pnW, int* pnH) {
    if (!lpDTCon || !lpSD || !lpSD->lpAlias) return;
    Wrap(lpSD->nMirrorWidth, pnX, pnW);
    Wrap(lpSD->nMirrorHeight, pnY, pnH);
}

bool DDClipBlt(DDSURFACEDATA* lpDstSD, int* pnDstX, int* pnDstY, int* pnDstW, int* pnDstH,
               DDSURFACEDATA* lpSrcSD, int* pnSrcX, int* pnSrcY, int* pnSrcW, int* pnSrcH) {
    if (!lpDstSD || !lpSrcSD) return false;
    const int entrySW = *pnSrcW, entrySH = *pnSrcH;
    if (*pnDstW < 1 || *pnDstH < 1 || *pnSrcW == 0 || *pnSrcH == 0) return false;
    const bool d3d = lpDTCon != nullptr;

    if (*pnSrcW == *pnDstW && *pnSrcH == *pnDstH) {
        // Same size. A source starting outside its picture is shortened; the
        // destination keeps its position.
        ClipSpan(pnSrcX, pnSrcW, lpSrcSD->nWidth, false);
        ClipSpan(pnSrcY, pnSrcH, lpSrcSD->nHeight, false);
        // Then against the destination, on both sides.
        if (*pnDstX < 0) {
            *pnSrcX -= *pnDstX;
            *pnSrcW += *pnDstX;
            *pnDstX = 0;
        }
        if (*pnDstX + *pnSrcW > lpDstSD->nWidth) *pnSrcW = lpDstSD->nWidth - *pnDstX;
        if (*pnDstY < 0) {
            *pnSrcY -= *pnDstY;
            *pnSrcH += *pnDstY;
            *pnDstY = 0;
        }
        if (*pnDstY + *pnSrcH > lpDstSD->nHeight) *pnSrcH = lpDstSD->nHeight - *pnDstY;
        *pnDstW = *pnSrcW;
        *pnDstH = *pnSrcH;
    } else {
        const double scaleX = static_cast<double>(*pnDstW) / *pnSrcW;
        const double scaleY = static_cast<double>(*pnDstH) / *pnSrcH;
        if (scaleX == 0 || scaleY == 0) return false;
        const int oldSW = *pnSrcW, oldSH = *pnSrcH;
        ClipSpan(pnSrcX, pnSrcW, lpSrcSD->nWidth, d3d);
        ClipSpan(pnSrcY, pnSrcH, lpSrcSD->nHeight, d3d);
        if (*pnSrcW == 0 || *pnSrcH == 0) return false;
        *pnDstW = static_cast<int>(*pnDstW * (static_cast<double>(std::abs(*pnSrcW)) / std::abs(oldSW)));
        *pnDstH = static_cast<int>(*pnDstH * (static_cast<double>(std::abs(*pnSrcH)) / std::abs(oldSH)));
        if (!d3d) {
            // DirectDraw can't clip a stretch: cut both rectangles to the destination.
            if (*pnDstX >= lpDstSD->nWidth || *pnDstY >= lpDstSD->nHeight || *pnDstX + *pnDstW <= 0 ||
                *pnDstY + *pnDstH <= 0)
                return false;
            if (*pnDstX < 0) {
                int cut = static_cast<int>(static_cast<double>(-*pnDstX) / *pnDstW * *pnSrcW);
                *pnSrcX += cut;
                *pnSrcW -= cut;
                *pnDstW += *pnDstX;
                *pnDstX = 0;
            }
            if (*pnDstX + *pnDstW > lpDstSD->nWidth) {
                int room = lpDstSD->nWidth - *pnDstX;
                *pnSrcW = static_cast<int>(static_cast<double>(*pnSrcW) * room / *pnDstW);
                *pnDstW = room;
            }
            if (*pnDstY < 0) {
                int cut = static_cast<int>(static_cast<double>(-*pnDstY) / *pnDstH * *pnSrcH);
                *pnSrcY += cut;
                *pnSrcH -= cut;
                *pnDstH += *pnDstY;
                *pnDstY = 0;
            }
            if (*pnDstY + *pnDstH > lpDstSD->nHeight) {
                int room = lpDstSD->nHeight - *pnDstY;
                *pnSrcH = static_cast<int>(static_cast<double>(*pnSrcH) * room / *pnDstH);
                *pnDstH = room;
            }
        }
    }
    return SameSign(*pnSrcW, entrySW) && SameSign(*pnSrcH, entrySH) && *pnDstW >= 1 && *pnDstH >= 1;
}

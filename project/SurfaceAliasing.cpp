#include "project/SurfaceAliasing.h"

namespace {
cNullSurfaceAliasing nullAliasing;
cSurfaceAliasing* installed = &nullAliasing;
} // namespace

cSurfaceAliasing& SurfaceAliasing() {
    return *installed;
}

void SetSurfaceAliasing(cSurfaceAliasing* aliasing) {
    installed = aliasing ? aliasing : &nullAliasing;
}

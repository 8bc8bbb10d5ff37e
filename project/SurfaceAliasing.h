// Points a system surface at the surface of another entry (the graphics layer
// builds the surfaces, so it does the pointing). The null version does nothing.
#pragma once

#include "platform/Seam.h"

class cSurfaceAliasing {
public:
    virtual ~cSurfaceAliasing() = default;
    virtual void SetAlias(int index, int target) = 0;
};

class cNullSurfaceAliasing : public cSurfaceAliasing {
public:
    void SetAlias(int, int) override {}
};

cSurfaceAliasing& SurfaceAliasing();
void SetSurfaceAliasing(cSurfaceAliasing* aliasing);
using cScopedSurfaceAliasing = cScopedSeam<cSurfaceAliasing, SurfaceAliasing, SetSurfaceAliasing>;

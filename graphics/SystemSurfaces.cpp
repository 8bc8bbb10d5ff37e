#include "graphics/SystemSurfaces.h"

DDSURFACEDATA SystemSD[kSystemBmpCount];

#include "app/SystemSurfaces.h"

DDSURFACEDATA SystemSD[kSystemBmpCount];

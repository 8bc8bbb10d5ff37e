// What the graphics layer lends the rest of the program: the links between
// system surfaces, the drawing of shown pictures (the play scene's answers
// stay those of the null version until stage play provides them), and the
// frame pacing and timing text of the presentation. Installed at start-up;
// each does nothing (answers as the null version) while the layer is not
// started.
#pragma once

#include "foundation/PresentationTiming.h"
#include "project/SurfaceAliasing.h"
#include "records/PictureDraw.h"

cSurfaceAliasing& GraphicsSurfaceAliasing();
cPictureDraw& GraphicsPictureDraw();
cPresentationTiming& GraphicsPresentationTiming();

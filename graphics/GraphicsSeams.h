// What the graphics layer lends the rest of the program: the links between
// system surfaces, the drawing of shown pictures (the surface half: stage play
// places them, see play/PlayPictureDraw.h), and the
// frame pacing and timing text of the presentation, and the facts the report
// writes about the display. Installed at start-up;
// each does nothing (answers as the null version) while the layer is not
// started.
#pragma once

#include "foundation/DisplayFactsSource.h"
#include "foundation/PresentationTiming.h"
#include "project/SurfaceAliasing.h"
#include "records/PictureDraw.h"

cSurfaceAliasing& GraphicsSurfaceAliasing();
cPictureDraw& GraphicsPictureDraw();
cPresentationTiming& GraphicsPresentationTiming();
cDisplayFactsSource& GraphicsDisplayFacts();

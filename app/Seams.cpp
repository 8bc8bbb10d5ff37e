#include "app/Seams.h"

#include "app/GameRecordContext.h"
#include "graphics/GraphicsSeams.h"

void InstallSeams() {
    // The records check their references against the loaded databases and
    // palettes, and read the settings of the running player.
    SetRecordContext(&GameRecordContext());
    SetSurfaceAliasing(&GraphicsSurfaceAliasing());
    SetPictureDraw(&GraphicsPictureDraw());
    SetPresentationTiming(&GraphicsPresentationTiming());
    // No screen scene is built yet: the null scene maker leaves every slot empty.
}

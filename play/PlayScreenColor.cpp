// The play scene's screen-colour change: the command hands over its eight
// values, and the world drawing lays the colour over each finished frame.
#include "play/PlayScene.h"

#include "graphics/Graphics.h"
#include "records/EdCommand.h"

void cPlayScene::SetScreenColour(const cEdCommand& command) {
    // Red, green, blue, strength, fade flag, time, mode, repeat count.
    std::int32_t params[8];
    for (int i = 0; i < 8; ++i) params[i] = command.Param(i);
    ::SetScreenColor(ScreenColor, params, DDIsDirect3D());
}

void cPlayScene::DrawScreenColor(DDSURFACEDATA* target, int hold) {
    ::DrawScreenColor(ScreenColor, target, hold);
}

// The cursor sound: asked of the UI thread like every sound the game plays.
#include "gui/MenuCursor.h"

#include "sound/SoundRequests.h"

void PlayCursorSe(const cInput& input, int axes, int sound) {
    if ((axes & 1) && (input.wDir & (kDirLeft | kDirRight))) PlaySe(sound);
    if ((axes & 2) && (input.wDir & (kDirUp | kDirDown))) PlaySe(sound);
}

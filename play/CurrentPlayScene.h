// The engine's scene for the running program: installed once at start-up, it
// hands each request to the play scene that exists (lpPlayScene), else to a
// null scene. Scenes come and go on the game thread while the other threads
// run, so the seam itself is never swapped; only what it forwards to changes.
#pragma once

#include "engine/EngineScene.h"

cEngineScene& CurrentPlayScene();

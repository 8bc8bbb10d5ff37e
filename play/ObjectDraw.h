// What the object drawing of stage play works out on its own.
#pragma once

#include <cstdint>

class cShotObj;
struct DDSURFACEDATA;

// The source cell of overlay frame `frame` on the mark sheet: columns of 15
// frames, 32 pixels each way.
void OverlaySource(std::int32_t frame, std::int32_t& x, std::int32_t& y);

// A shot or sword of the live list, drawn into `target` (the frozen flag holds
// a shot's animation).
void DrawShot(cShotObj& shot, DDSURFACEDATA* target, int frozen);

// The story slot list of the title and save screens: a framed box 320 pixels
// wide, one 16-pixel row per slot with its number and the date of its save.
#pragma once

#include "graphics/SurfaceData.h"
#include "project/SaveSlots.h"

#include <cstdint>

// Rows `rows` of the list from slot `first` at (x, y), with separator lines
// between the rows, in the second system font.
void DrawSlotList(DDSURFACEDATA* dst, int x, int y, const cVector<cSlotInfo>& list, std::int32_t first,
                  std::int32_t rows);
// "yyyy/mm/dd hh:mm" of a slot that holds a save; nothing for an empty one.
void FormatSlotDate(const cSlotInfo& slot, DDSURFACEDATA* dst, int x, int y);

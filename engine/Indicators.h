// The indicators of characters' distance conditions, drawn over the world
// while a stage plays (see Indicators.cpp).
#pragma once

struct DDSURFACEDATA;

// Advances with every call of DrawCharaIndicators (0 to 31); its eighths
// choose one of four shades of an indicator's colour.
extern int IndicatorFlashCounter;

// Draws the reach of every shown distance condition of every character on
// screen: first the characters' own conditions, then their flows' start conditions.
void DrawCharaIndicators(DDSURFACEDATA* target);

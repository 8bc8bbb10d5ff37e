// The 8-bit DirectDraw mode's palette choice: the colour table of mixes
// "bmp\hbt\hbtNN.dat" and the work palette turned or repainted for palette
// number NN.
#pragma once

// 1 when the palette is in place or the mode has none (Direct3D, 16 or 32
// bits); 0 with a message when the number is outside 0 to 23 or a file
// can't be read.
int LoadHbtPalette(int number);

// Fixed lists of texts kept for the whole run: the font face names that a
// project's font number selects, and the words of the program's enumerations.
// Each list ends in an empty string.
#pragma once

#include <string>

extern const std::string FontFaceNames[123];
extern const std::string PaletteModeLabels[3];
extern const std::string BppLabels[4];
extern const std::string BppLabelsNo8[3];
extern const std::string CharaVarLabels[9];
extern const std::string CalcOpLabels[8];
extern const std::string CompareLabels[9];
extern const std::string IfLabels[3];

// The face name of a font number; the empty name for a number outside the list
// (a damaged setting never reads past it).
const std::string& FontFaceName(int number);

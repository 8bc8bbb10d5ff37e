// Standard MIDI files: format 1, a tempo track and one track per voice.
#pragma once

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> EncodeTitleMidi();

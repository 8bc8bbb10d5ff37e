// Ogg Vorbis encoding of a synthesised track (libvorbisenc).
#pragma once

#include "tools/makedemo/Sound.h"

#include <cstdint>
#include <vector>

// An empty result means the encoder failed.
std::vector<std::uint8_t> EncodeOgg(const Sound& sound);

// A hash of the play state: the play state and counters, the scroll, every
// character (position, speeds, statuses, flows and targets), the items, the
// shots, the stage variables and the random generator's state. Two runs that
// agree frame by frame on it played the same.
#pragma once

#include <cstdint>

class cPlayScene;

std::uint64_t PlayStateHash(const cPlayScene& play);

// Hashes of the engine's objects for comparing runs: two runs that agree on
// them step for step played the same. FNV-1a over each value's bytes.
#pragma once

#include <cstdint>

class cStageObj;
class cChara;

struct cStateHasher {
    std::uint64_t h = 1469598103934665603ull;
    void Int(std::int64_t v);
    void Double(double v);
};

// Id, position, speeds, facing, presence and life timer.
void HashObject(cStateHasher& h, const cStageObj& o);
// The object part, then the character's own speeds, statuses, contacts,
// variables, targets, parent and flows.
void HashChara(cStateHasher& h, const cChara& c);

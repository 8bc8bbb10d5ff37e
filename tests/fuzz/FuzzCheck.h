// Shared checks of the fuzz targets. A reader that accepts bytes must give a
// record that saves and reads back to the same bytes; a reader that refuses
// them must leave its record exactly as it was. Any breach aborts, which
// libFuzzer reports as a crash with the input that caused it.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

inline void FuzzRequire(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// Loads T from `data`; an accepted load must round-trip, a refused one must
// leave the record's saved form unchanged. Returns whether it was accepted.
template <class T> bool FuzzRecordRoundTrip(const std::uint8_t* data, std::size_t size) {
    T record;
    std::vector<std::uint8_t> before = record.SaveToBytes();
    bool accepted = record.LoadFromBytes(std::vector<std::uint8_t>(data, data + size));
    std::vector<std::uint8_t> saved = record.SaveToBytes();
    if (!accepted) {
        FuzzRequire(saved == before, "a refused file changed the record");
        return false;
    }
    T again;
    FuzzRequire(again.LoadFromBytes(saved), "a saved record does not load");
    FuzzRequire(again.SaveToBytes() == saved, "a saved record does not round-trip");
    return true;
}

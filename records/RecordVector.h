// Loading vectors of sub-records whose elements need at least `minBytes` each,
// and the guard against records nested deeper than any real file nests them
// (commands hold flows that hold commands): a hostile file could otherwise
// exhaust the stack.
#pragma once

#include "foundation/SaveData.h"

#include <algorithm>
#include <cstddef>

// Nesting of flows inside commands deeper than this marks the file damaged.
constexpr int kMaxRecordNesting = 64;

class cNestingGuard {
public:
    explicit cNestingGuard(cRecordFile& file);
    ~cNestingGuard();
    cNestingGuard(const cNestingGuard&) = delete;
    cNestingGuard& operator=(const cNestingGuard&) = delete;
    // False when the file was marked damaged for nesting too deep.
    bool Ok() const { return ok_; }

private:
    bool ok_;
};

// A 32-bit count, then each element's Load. The vector is replaced only when
// the file stays good; a count the rest of the file cannot hold is damage.
template <class T> void LoadRecords(cRecordFile& file, cVector<T>& out, std::size_t minBytes) {
    std::uint32_t n = file.ReadCount(minBytes);
    cVector<T> items;
    // Room grows with the elements really read, so a count that only claims
    // many elements costs nothing before the file runs out.
    items.reserve(std::min<std::uint32_t>(n, 256));
    for (std::uint32_t i = 0; i < n && !file.Damaged(); ++i) {
        items.emplace_back();
        items.back().Load(file);
    }
    if (!file.Damaged()) out = std::move(items);
}

// A 32-bit count, then that many bytes.
void LoadByteVector(cRecordFile& file, cVector<std::uint8_t>& out);
void SaveByteVector(cRecordFile& file, const cVector<std::uint8_t>& bytes);

// Key-condition matching: any key conditions against any press histories.
// Besides never faulting, a list whose conditions all mirror must match a
// history for a character facing left exactly when it matches the mirrored
// history for one facing right.
#include "FuzzCheck.h"

#include "engine/KeyMatchCore.h"

#include <array>
#include <cstring>

namespace {

struct Reader {
    const std::uint8_t* p;
    std::size_t n;
    std::uint8_t Byte() {
        if (n == 0) return 0;
        --n;
        return *p++;
    }
    std::int16_t Short() { return static_cast<std::int16_t>(Byte() | (Byte() << 8)); }
};

struct History {
    std::array<std::array<std::uint8_t, kKeyRuns>, kKeyEntries> pressed{};
    std::array<std::array<std::int64_t, kKeyRuns>, kKeyEntries> length{};
    bool Pressed(int e, int r) const { return pressed[e][r] != 0; }
    std::int64_t Length(int e, int r) const { return length[e][r]; }
};

History Mirrored(const History& h) {
    History m = h;
    for (int e = 0; e < kKeyDirEntries; ++e) {
        m.pressed[MirrorKeyEntry(e)] = h.pressed[e];
        m.length[MirrorKeyEntry(e)] = h.length[e];
    }
    return m;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in{data, size};
    History h;
    // Short histories: the first bytes say how many runs each entry has.
    for (int e = 0; e < kKeyEntries; ++e) {
        const int runs = in.Byte() % (kKeyRuns + 1);
        for (int r = 0; r < runs; ++r) {
            const std::uint8_t b = in.Byte();
            h.pressed[e][r] = b & 1;
            // Lengths mostly small, now and then huge.
            h.length[e][r] = (b & 0x80) ? 0x7FFFFFFF - in.Byte() : (b >> 1);
        }
    }
    const std::int32_t gap = in.Byte() % 8;
    const int count = in.Byte() % 6;
    std::vector<cEdKeyCond> conds(static_cast<std::size_t>(count));
    for (cEdKeyCond& k : conds) {
        k.cCombine = static_cast<std::int8_t>(in.Byte() % 4);
        k.sValue1 = in.Short();
        k.sValue2 = in.Short();
        k.byOpt1 = 1; // every condition mirrors
        k.byOpt2 = in.Byte() & 1;
        k.KeyStates.resize(in.Byte() % (kKeyEntries + 3));
        for (std::uint8_t& s : k.KeyStates) s = in.Byte() % 4;
    }
    std::vector<const cEdKeyCond*> list;
    for (const cEdKeyCond& k : conds) list.push_back(&k);

    const bool left = KeyCondsMatch(h, list.data(), list.size(), gap, true);
    const bool mirroredRight = KeyCondsMatch(Mirrored(h), list.data(), list.size(), gap, false);
    FuzzRequire(left == mirroredRight, "a mirrored sequence matches differently");
    for (const cEdKeyCond& k : conds) {
        FuzzRequire(KeyCondHoldsNow(h, k, true) == KeyCondHoldsNow(Mirrored(h), k, false),
                    "a mirrored key condition holds differently now");
    }
    if (list.empty()) FuzzRequire(left, "an empty list does not match");
    return 0;
}

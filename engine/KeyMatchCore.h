// Matching key conditions against press histories. A history holds, for each
// of 10 direction entries and 9 button entries, its runs newest first (at
// most 32), each pressed or released for a length. The matcher only reads it.
//
// Positions in a history are times: 0 is now, t is t units ago; run 0 covers
// [0, its length), run 1 the length after that, and so on. A key condition is
// tested at one time for every entry alike.
#pragma once

#include "records/EdKeyCond.h"

#include <cstddef>
#include <cstdint>

constexpr int kKeyDirEntries = 10;
constexpr int kKeyButtonEntries = 9;
constexpr int kKeyEntries = kKeyDirEntries + kKeyButtonEntries;
constexpr int kKeyRuns = 32;

// Requirement bytes of a key condition.
enum : std::uint8_t { KEY_ANY = 0, KEY_PRESSED = 1, KEY_RELEASED = 2 };
// Combination modes.
enum : std::int8_t { KEYS_ALL = 0, KEYS_ONE_OR_MORE = 1, KEYS_EXACTLY_ONE = 2 };

// The settings of a key condition as the matcher reads them.
inline std::int32_t KeyMinLength(const cEdKeyCond& k) {
    return k.sValue1;
}
inline std::int32_t KeyMaxLength(const cEdKeyCond& k) {
    return k.sValue2;
}
inline bool KeyMirrors(const cEdKeyCond& k) {
    return k.byOpt1 != 0;
}
inline bool KeyAnyLength(const cEdKeyCond& k) {
    return k.byOpt2 != 0;
}

// Direction entries exchanged for a character facing left: left and right,
// up-left and up-right, down-left and down-right.
constexpr int MirrorKeyEntry(int e) {
    switch (e) {
    case 1:
        return 2;
    case 2:
        return 1;
    case 5:
        return 7;
    case 7:
        return 5;
    case 6:
        return 8;
    case 8:
        return 6;
    default:
        return e;
    }
}

// The run of one entry at time t: pressed or not, its whole length, and how
// far back from t it reaches (t to the run's older end). Past the last run:
// released, length 0.
struct cKeyRunAt {
    bool pressed = false;
    std::int64_t length = 0;
    std::int64_t back = 0;
};

// H provides: bool Pressed(int entry, int run) const; std::int64_t Length(int entry, int run) const.
template <class H> cKeyRunAt KeyRunAt(const H& h, int entry, std::int64_t t) {
    std::int64_t start = 0;
    for (int r = 0; r < kKeyRuns; ++r) {
        const std::int64_t len = h.Length(entry, r);
        if (len <= 0) break;
        if (t < start + len) return {h.Pressed(entry, r), len, start + len - t};
        start += len;
    }
    return {};
}

// Calls f(entry, requirement) for each entry the key condition requires
// something of, the direction entries mirrored for a character facing left
// when the condition mirrors; then combines the results f gave by the
// condition's mode.
template <class F> bool CombineKeyRequirements(const cEdKeyCond& k, bool facingLeft, F f) {
    int holds = 0, fails = 0;
    const std::size_t n = k.KeyStates.size() < kKeyEntries ? k.KeyStates.size() : kKeyEntries;
    for (std::size_t e = 0; e < n; ++e) {
        const std::uint8_t req = k.KeyStates[e];
        if (req == KEY_ANY) continue;
        int entry = static_cast<int>(e);
        if (entry < kKeyDirEntries && facingLeft && KeyMirrors(k)) entry = MirrorKeyEntry(entry);
        f(entry, req) ? ++holds : ++fails;
    }
    switch (k.cCombine) {
    case KEYS_ALL:
        return fails == 0;
    case KEYS_ONE_OR_MORE:
        return holds >= 1;
    case KEYS_EXACTLY_ONE:
        return holds == 1;
    default:
        return false;
    }
}

// One key condition at time t. `held` gets the length the condition was held
// (mode 0 the shortest of the entries that hold, 1 the longest, 2 the last).
template <class H>
bool KeyCondHoldsAt(const H& h, const cEdKeyCond& k, bool facingLeft, std::int64_t t, std::int64_t& held) {
    bool any = false;
    held = 0;
    return CombineKeyRequirements(k, facingLeft, [&](int entry, std::uint8_t req) {
        const cKeyRunAt run = KeyRunAt(h, entry, t);
        bool ok = false;
        if (req == KEY_PRESSED)
            ok = run.pressed &&
                 (KeyAnyLength(k) ? run.length >= 1
                                  : run.length >= KeyMinLength(k) && run.length <= KeyMaxLength(k));
        else if (req == KEY_RELEASED)
            ok = !run.pressed && run.length >= 1;
        if (!ok) return false;
        if (!any || (k.cCombine == KEYS_ALL && run.back < held) ||
            (k.cCombine == KEYS_ONE_OR_MORE && run.back > held) || k.cCombine == KEYS_EXACTLY_ONE)
            held = run.back;
        any = true;
        return true;
    });
}

// A sequence of key conditions, the last one now and each earlier one further
// back in time: right before the later one began, or up to `gap` units before
// that; failing that, once more one unit before where the later one was found.
template <class H>
bool KeyCondsMatch(const H& h, const cEdKeyCond* const* conds, std::size_t count, std::int32_t gap,
                   bool facingLeft) {
    if (count == 0) return true;
    std::int64_t t = 0, held = 0;
    if (!KeyCondHoldsAt(h, *conds[count - 1], facingLeft, t, held)) return false;
    for (std::size_t i = count - 1; i-- > 0;) {
        const std::int64_t began = t;
        const std::int64_t from = t + (held > 0 ? held : 1);
        std::int64_t h2 = 0;
        bool found = false;
        for (std::int32_t g = 0; g <= gap && !found; ++g) {
            if (KeyCondHoldsAt(h, *conds[i], facingLeft, from + g, h2)) {
                t = from + g;
                found = true;
            }
        }
        if (!found && gap > 0 && KeyCondHoldsAt(h, *conds[i], facingLeft, began + 1, h2)) {
            t = began + 1;
            found = true;
        }
        if (!found) return false;
        held = h2;
    }
    return true;
}

// One key condition against the input as it is now (the newest runs only).
template <class H> bool KeyCondHoldsNow(const H& h, const cEdKeyCond& k, bool facingLeft) {
    return CombineKeyRequirements(k, facingLeft, [&](int entry, std::uint8_t req) {
        const bool pressed = h.Pressed(entry, 0);
        return (req == KEY_PRESSED && pressed) || (req == KEY_RELEASED && !pressed);
    });
}

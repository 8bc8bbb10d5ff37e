// Row kernels of the same-size copies both faces make: one row of pixels from
// a source to a target on typed pointers, several pixels at a time through the
// compiler's vector types (GCC and Clang lower them to plain code where the
// machine has no vectors). Each gives exactly what its one-pixel loop gives.
#pragma once

#include <cstdint>
#include <cstring>

namespace pixelrows {

using u16x8 = std::uint16_t __attribute__((vector_size(16)));
using u32x4 = std::uint32_t __attribute__((vector_size(16)));

template <class V, class T> inline V Load(const T* p) {
    V v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
template <class V, class T> inline void Store(T* p, V v) {
    std::memcpy(p, &v, sizeof v);
}

// 1-5-5-5 to 5-6-5 with rounded channel scaling: red and blue keep their
// bits, green's five bits become six by repeating its top bit.
inline std::uint16_t To565(std::uint16_t v) {
    return static_cast<std::uint16_t>(((v & 0x7C00u) << 1) | ((v & 0x03E0u) << 1) | ((v >> 4) & 0x0020u) |
                                      (v & 0x001Fu));
}
inline u16x8 To565(u16x8 v) {
    return ((v & 0x7C00) << 1) | ((v & 0x03E0) << 1) | ((v >> 4) & 0x0020) | (v & 0x001F);
}
inline std::uint16_t Same(std::uint16_t v) {
    return v;
}
inline u16x8 Same(u16x8 v) {
    return v;
}

// Texels whose alpha bit (bit 15) is set are stored through `convert`
// (Same or To565); the others leave the target as it is.
template <bool kTo565> void AlphaBitRow(std::uint16_t* to, const std::uint16_t* from, int n) {
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const u16x8 v = Load<u16x8>(from + i);
        const u16x8 keep = reinterpret_cast<u16x8>((v & 0x8000) != 0);
        const u16x8 c = kTo565 ? To565(v) : v;
        Store(to + i, (c & keep) | (Load<u16x8>(to + i) & ~keep));
    }
    for (; i < n; ++i)
        if (from[i] & 0x8000u) to[i] = kTo565 ? To565(from[i]) : from[i];
}

// Every texel stored in 5-6-5.
inline void To565Row(std::uint16_t* to, const std::uint16_t* from, int n) {
    int i = 0;
    for (; i + 8 <= n; i += 8) Store(to + i, To565(Load<u16x8>(from + i)));
    for (; i < n; ++i) to[i] = To565(from[i]);
}

// Colour-keyed copy: pixels in [low, high] are left undrawn.
template <class T> void KeyRangeRow(T* to, const T* from, int n, std::uint32_t low, std::uint32_t high) {
    int i = 0;
    if constexpr (sizeof(T) == 2) {
        if (high <= 0xFFFFu) {
            const auto lo = static_cast<std::uint16_t>(low), hi = static_cast<std::uint16_t>(high);
            for (; i + 8 <= n; i += 8) {
                const u16x8 v = Load<u16x8>(from + i);
                const u16x8 keep = reinterpret_cast<u16x8>((v < lo) | (v > hi));
                Store(to + i, (v & keep) | (Load<u16x8>(to + i) & ~keep));
            }
        }
    } else if constexpr (sizeof(T) == 4) {
        for (; i + 4 <= n; i += 4) {
            const u32x4 v = Load<u32x4>(from + i);
            const u32x4 keep = reinterpret_cast<u32x4>((v < low) | (v > high));
            Store(to + i, (v & keep) | (Load<u32x4>(to + i) & ~keep));
        }
    }
    for (; i < n; ++i) {
        const T v = from[i];
        if (v < low || v > high) to[i] = v;
    }
}

// 32-bit texels: alpha 255 stored (with the bits in `set` added), alpha 0
// skipped, anything between handed to `blend`(texel, old) for its value.
template <class Blend>
void AlphaRow32(std::uint32_t* to, const std::uint32_t* from, int n, std::uint32_t set, Blend blend) {
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        const u32x4 v = Load<u32x4>(from + i);
        const u32x4 a = v >> 24;
        const u32x4 opaque = reinterpret_cast<u32x4>(a == 255);
        const u32x4 partial = ~(opaque | reinterpret_cast<u32x4>(a == 0));
        std::uint64_t halves[2];
        std::memcpy(halves, &partial, sizeof halves);
        if ((halves[0] | halves[1]) == 0) {
            Store(to + i, ((v | set) & opaque) | (Load<u32x4>(to + i) & ~opaque));
            continue;
        }
        for (int k = i; k < i + 4; ++k) {
            const std::uint32_t t = from[k], ta = t >> 24;
            if (ta == 255)
                to[k] = t | set;
            else if (ta != 0)
                to[k] = blend(t, to[k]);
        }
    }
    for (; i < n; ++i) {
        const std::uint32_t t = from[i], ta = t >> 24;
        if (ta == 255)
            to[i] = t | set;
        else if (ta != 0)
            to[i] = blend(t, to[i]);
    }
}

} // namespace pixelrows

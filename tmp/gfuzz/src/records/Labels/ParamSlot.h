// Parameter tables: for each kind a fixed number of parameter slots, each with
// its label, range and default. A kind uses its first slots; the rest are
// empty (no label, 0..0, default 0). The tables are flat: slot s of kind k is
// entry k * slots + s.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

template <class T> struct cParamSlot {
    const char* label = "";
    T min = 0;
    T max = 0;
    T def = 0;

    constexpr bool IsEmpty() const { return label[0] == '\0'; }
    constexpr T Clamp(std::int64_t v) const { return static_cast<T>(v < min ? min : v > max ? max : v); }
};

// Lays out rows of up to Slots slots per kind, kind by kind, in one array.
// A row with more than Slots slots does not compile.
template <class P, std::size_t Slots, std::size_t Kinds>
consteval std::array<P, Kinds * Slots> FlattenParams(const P (&rows)[Kinds][Slots]) {
    std::array<P, Kinds * Slots> table{};
    for (std::size_t k = 0; k < Kinds; ++k)
        for (std::size_t s = 0; s < Slots; ++s) table[k * Slots + s] = rows[k][s];
    return table;
}

// Slot s of kind k of a flat table; a kind or slot outside the table gets an
// empty slot, so a value from a damaged file never reads outside it.
template <class P, std::size_t N>
constexpr const P& ParamAt(const std::array<P, N>& table, std::size_t slots, std::int64_t kind,
                           std::int64_t slot, const P& empty) {
    if (kind < 0 || slot < 0 || static_cast<std::uint64_t>(slot) >= slots ||
        static_cast<std::uint64_t>(kind) >= N / slots)
        return empty;
    return table[static_cast<std::size_t>(kind) * slots + static_cast<std::size_t>(slot)];
}

// Name tables: the stored value of a setting is the position of its text.
// Most tables end with one empty text after the last value, a terminator the
// kit's lists stop at; that terminator is not a value. A few tables have none.
// Stored values come from files, so lookups by value never read outside the
// table: a value with no text gets the empty text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// A table seen without its length in the type, for holders of any table.
struct cNameView {
    const char* const* texts = nullptr;
    int count = 0;           // values, not counting the terminator
    bool terminated = false; // texts[count] is the empty terminator

    constexpr const char* Name(std::int64_t value) const {
        return value >= 0 && value < count ? texts[value] : "";
    }
};

template <std::size_t N, bool Terminated> struct cNameTable {
    static constexpr int Count = static_cast<int>(N);
    static constexpr bool HasTerminator = Terminated;

    std::array<const char*, N + (Terminated ? 1 : 0)> texts{};

    constexpr const char* Name(std::int64_t value) const {
        return value >= 0 && value < Count ? texts[static_cast<std::size_t>(value)] : "";
    }
    constexpr cNameView View() const { return {texts.data(), Count, Terminated}; }
};

// Names({"OFF", "ON"}) builds a table of two values and its terminator.
template <std::size_t N> consteval cNameTable<N, true> Names(const char* const (&values)[N]) {
    cNameTable<N, true> table;
    for (std::size_t i = 0; i < N; ++i) table.texts[i] = values[i];
    table.texts[N] = "";
    return table;
}

// A table whose last text is a real value, with nothing after it.
template <std::size_t N>
consteval cNameTable<N, false> NamesWithoutTerminator(const char* const (&values)[N]) {
    cNameTable<N, false> table;
    for (std::size_t i = 0; i < N; ++i) table.texts[i] = values[i];
    return table;
}

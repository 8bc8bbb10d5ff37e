// The words of the player's menus and screens, kept in the project's system
// data so that a project can reword or translate them: three menus, the word
// table and the names of the ranking-registration modes, with their defaults.
#pragma once

#include "foundation/Containers.h"
#include "records/Cmd.h"

#include <cstdint>
#include <string>

constexpr std::size_t kTitleMenuCount = 7;
constexpr std::size_t kSaveMenuCount = 4;
constexpr std::size_t kOptionMenuCount = 6;
constexpr std::size_t kRankingModeCount = 4;
constexpr std::size_t kScreenWordCount = 29;

extern const char* const kDefaultTitleMenu[kTitleMenuCount];
extern const char* const kDefaultSaveMenu[kSaveMenuCount];
extern const char* const kDefaultOptionMenu[kOptionMenuCount];
extern const char* const kDefaultRankingModeNames[kRankingModeCount];
extern const char* const kDefaultScreenWords[kScreenWordCount];

// Sets a menu to `n` enabled items with the given texts.
void SetDefaultMenu(cVector<cCmd>& menu, const char* const* texts, std::size_t n);
// Sets a string table to `n` entries with the given texts.
void SetDefaultWords(cVector<std::string>& words, const char* const* texts, std::size_t n);

// Brings a loaded menu or table to `n` entries; missing ones take their default.
void PadMenu(cVector<cCmd>& menu, const char* const* texts, std::size_t n);
void PadWords(cVector<std::string>& words, const char* const* texts, std::size_t n);

// Characters of a code-page-932 text: a lead and trail byte pair counts once, newlines not at all.
std::int32_t CountTextChars(const std::string& text);

// Columns of a vertical menu of the words first .. first + n - 1: the longest
// word's characters, and one more when a cursor is drawn.
std::int32_t WordMenuColumns(const cVector<std::string>& words, std::int32_t first, std::int32_t n,
                             std::int32_t cursor);

// The left edge of a vertical menu of the words first .. first + n - 1 centred
// on x, 16 pixels per character, with one more column when a cursor is drawn.
std::int32_t GetWordMenuX(const cVector<std::string>& words, std::int32_t x, std::int32_t first,
                          std::int32_t n, std::int32_t cursor);
// The same over the system data's word table.
std::int32_t GetWordMenuX(std::int32_t x, std::int32_t first, std::int32_t n, std::int32_t cursor);

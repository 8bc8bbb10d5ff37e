// The name a stage file goes by in the play data, in the world map's entries
// and in replay names: its path without the extension, ending in ".". The
// first file of a numbered series ("name-1.stg4_818") goes by the series'
// name ("name."). Only the file name counts: a "-1" in a folder name does
// not make a series.
#pragma once

#include <cstdint>
#include <string>

std::string SeriesStageName(const std::string& path, bool* firstOfSeries = nullptr);

// "_c", the variable number in three digits, "_" and the value, put before a
// trailing "." when the flag is non-zero; the text stays as it is otherwise.
void AppendStageSuffix(std::string& text, std::int32_t flag, std::int32_t number, std::int32_t value);

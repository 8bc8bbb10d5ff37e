// Small text helpers shared by the path and file-name functions.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// True for '\' and '/' when they stand alone (not as the second byte of a double-byte character).
bool EndsWithSeparator(const std::string& path);
// Folder and file names compare without regard to the case of single-byte
// letters; the bytes of double-byte characters compare as they are.
bool SameNameIgnoringCase(const std::string& a, const std::string& b);
// Joins parts with '\'.
std::string JoinParts(const std::vector<std::string>& parts, std::size_t from = 0);
// Reads a zero-terminated buffer of kMaxPath bytes; false when it holds no terminator.
bool ReadPathBuffer(const char* buffer, std::string& out);
// Copies a result into a buffer of kMaxPath bytes; false (buffer untouched) when it does not fit.
bool WritePathBuffer(char* buffer, const std::string& text);

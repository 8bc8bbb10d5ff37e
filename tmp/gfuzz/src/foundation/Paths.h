// Absolute and relative forms of the program's paths. Paths are Windows-style
// code page 932 text with '\' separators ('/' is accepted too); on this system
// an absolute path starts with a separator, and the current folder is given
// in that form ("\home\me\game\data\a.stg4"). The path resolver turns either
// form into a real path.
#pragma once

#include <cstddef>
#include <string>

// Paths hold at most 259 bytes; buffers hold 260 with the terminating zero.
constexpr std::size_t kMaxPath = 260;

// True when the path starts with a separator.
bool IsAbsolutePath(const std::string& path);

// The current folder in the program's form, without a trailing separator;
// false when it cannot be read or has no code page 932 spelling.
bool GetCurrentFolder(std::string& out);

// A relative path becomes absolute against the current folder, with "." and
// ".." parts resolved and a trailing separator kept; an absolute path stays
// (true). False, the path unchanged, when the current folder cannot be read
// or the result would be longer than 259 bytes.
bool MakeFullPath(std::string& path);
bool MakeFullPath(char* path); // a buffer of kMaxPath bytes

// An absolute path becomes relative to the current folder: ".\" then the rest
// when it lies inside, else as many "..\" as needed (folder names compare
// without regard to letter case). A relative path stays (true). False, the
// path unchanged, when the current folder cannot be read or the result would
// be longer than 259 bytes.
bool MakeRelativePathStr(std::string& path);
bool MakeRelativePath(char* path); // a buffer of kMaxPath bytes

// File-name parts of the program's paths (code page 932, '\' or '/'
// separators). Separators are found scanning forwards, so a backslash byte
// that is the second byte of a double-byte character (ソ is 83 5C) is never
// taken for one, whatever the byte before it. An extension is the text behind
// the last '.' of the last part: a '.' in a folder name is no extension.
//
// The buffer forms take buffers of kMaxPath (260) bytes and never write past
// them: a result that would not fit makes them return false.
#pragma once

#include "foundation/Paths.h"

#include <string>

// The position behind the last separator (0 when there is none).
std::size_t FileNamePos(const std::string& path);
// The position of the extension's '.', or std::string::npos.
std::size_t ExtensionDotPos(const std::string& path);

// Keeps only the part behind the last separator; unchanged when there is none.
void PathToFileName(std::string& path);
void PathToFileName(char* path);

// `out` becomes the path with the text behind its last '.' replaced by
// `extension`, or, with no extension (nullptr), the '.' and that text cut off.
// False, `out` an unchanged copy, when the path has no extension '.'.
bool ReplaceExtension(std::string& out, const std::string& path, const char* extension);
bool ReplaceExtension(char* out, const char* path, const char* extension);

// Removes the last '.' and what follows; false (unchanged) when there is none.
bool RemoveExtensionStr(std::string& path);
bool RemoveExtension(char* path);

// `out` becomes the text behind the last '.'; false (`out` empty) when there is none.
bool GetExtension(std::string& out, const std::string& path);
bool GetExtension(char* out, const char* path);

// "%s (%d).%s": the path without its extension, the number, the extension;
// false when the path has no extension '.'.
bool MakeNumberedFileName(std::string& out, const std::string& path, int number);
bool MakeNumberedFileName(char* out, const char* path, int number);

// The newest versioned copy of a file: the path with its extension replaced
// by `extension` (a path without '.' is used as it is), followed by "_" and
// three digits, tried from _999 down to _000. The first name for which a file
// or folder exists goes to `out`; false (`out` empty) when none exists.
bool FindVersionedFileStr(std::string& out, const std::string& path, const char* extension);
bool FindVersionedFile(char* out, const char* path, const char* extension);

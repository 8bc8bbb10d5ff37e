// Turns the program's Windows-style paths (code page 932, '\' separators, any
// letter case) into real paths on this machine.
//
// A path is split scanning forwards, so a 0x5C byte that is the second byte
// of a double-byte character (ソ is 83 5C) stays inside its part. Each part is
// converted to UTF-8 and matched against its folder without regard to letter
// case; an exact spelling wins over others. '/' separates as well, and a
// leading separator makes the path absolute. Folder listings are cached and
// read again when a match fails and the folder has changed since.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The real path of an existing file or folder; when a part is not found, the
// rest is kept as given (converted), so opening it fails as it should.
std::string ResolvePath(const std::string& windowsPath);
// The real path to create a file at: existing folders are matched; the last
// part keeps the spelling given unless a file of that name in another letter
// case already exists, which is then the one written (as Windows would).
std::string ResolvePathForWriting(const std::string& windowsPath);

// The parts of a Windows-style path, split on '\' and '/' outside double-byte
// characters; empty parts are dropped. `absolute` tells a leading separator.
std::vector<std::string> SplitWindowsPath(std::string_view windowsPath, bool* absolute = nullptr);

// True when the path names an existing file or folder.
bool PathExists(const std::string& windowsPath);

// Forgets every cached folder listing.
void ClearPathCache();

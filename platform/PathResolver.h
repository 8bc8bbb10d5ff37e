// Turns the program's Windows-style paths (code page 932, '\' separators, any
// letter case) into real paths on this machine.
#pragma once

#include <string>

// The real path of an existing file or folder; when a part is not found, the
// rest is kept as given (converted), so opening it fails as it should.
std::string ResolvePath(const std::string& windowsPath);
// The real path to create a file at: existing folders are matched, the last
// part keeps the spelling given.
std::string ResolvePathForWriting(const std::string& windowsPath);

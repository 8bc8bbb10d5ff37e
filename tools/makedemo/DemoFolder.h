// Writes the demo game folder: System.ini, the project's records under
// default\, the system pictures, the sound effects and the music.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Puts `bytes` at `relative` (a '/'-separated path under `root`), making folders; false on failure.
bool WriteDemoFile(const std::filesystem::path& root, const std::string& relative,
                   const std::vector<std::uint8_t>& bytes);

// The start-up settings: DirectDraw in a window, so no start-up dialog is asked.
std::string DemoSystemIni();

// The file names (under wave\) of the demo's sound effects, in sound-list order.
const std::vector<std::string>& DemoSoundNames();

// Each writer returns false, after saying why on stderr, when a file could not be made.
bool WriteDemoPictures(const std::filesystem::path& root);
bool WriteDemoSounds(const std::filesystem::path& root);
bool WriteDemoMusic(const std::filesystem::path& root);
bool WriteDemoRecords(const std::filesystem::path& root);

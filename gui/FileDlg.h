// The stage and replay file dialog: the desktop's file chooser with the
// title, folder, filter and suggested name of its mode. Mode 0 opens a stage
// or replay file, mode 1 a replay file, mode 2 saves a replay under a name.
#pragma once

#include "platform/FileDialog.h"

constexpr int FILEDLG_OPEN_STAGE = 0;
constexpr int FILEDLG_OPEN_REPLAY = 1;
constexpr int FILEDLG_SAVE_REPLAY = 2;
// The name buffer's size in bytes, its terminating zero included.
constexpr std::size_t kFileNameBuffer = 260;

// The request the mode makes; the suggested name (mode 2) is cut to the name
// buffer without splitting a double-byte character.
FileDialogRequest MakeFileDialogRequest(int mode, bool english, const std::string& suggested);
// Shows the chooser of the mode and gives the chosen path; false (and `path`
// empty) on a cancel, or for a path the program's buffers cannot hold. In
// mode 2 `path` is the suggested name on entry.
bool ChooseFile(HWND owner, int mode, bool english, std::string& path);

// "rpl4_818": the extension of the replay files this program writes.
std::string ReplayExtension();

// Finding, checking and loading a stage for play. The file is read on the
// loading thread while the calling thread keeps handling its messages; the
// playing stage changes only when the whole load succeeded and the stage has
// a hero.
#pragma once

#include <string>

class cStage;

// Loads the stage at `path` (with `bSearch`, the newest "<name>.stg4_NNN"
// instead; a replay file gives the stage it holds) into `Stage`, and copies its settings into `start` when
// given. 1 when the stage is loaded and has a hero, else 0 after the message of the failure (none when the
// search finds no file).
int LoadStageForPlay(const std::string& path, int bSearch, cStage* start);

// The whole load of one stage file into `out`; false (out untouched) when the
// file can't be opened, is newer than the program or is damaged.
bool LoadStageFile(const std::string& path, cStage& out);

// 1 when the file may be loaded: it can't be opened (the load reports that),
// it is older than version 174, or it ends in the end marker. Otherwise the
// damage is reported, the main window asked to close, and 0.
int CheckStageEndMarker(const std::string& path);

// The start-of-attempt stage: every setting of the playing stage, without its
// palette and placement tables (play never changes those).
void CopyStartOfAttempt(cStage& start, cStage& playing);

// True for a replay file ("*.rpl4_*"), whose stage comes first in the file.
bool IsReplayPath(const std::string& path);

// The message for a file that could not be read, with the note for a file
// newer than the program when that was the cause.
void ShowFileLoadError(const std::string& name);

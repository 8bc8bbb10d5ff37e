// The one place where the player installs the real implementations of the
// seams the lower layers declare (ARCHITECTURE.md). Called at the top of
// start-up, before any worker thread starts.
#pragma once

void InstallSeams();
// The input the game reads: the key script the environment names, else the
// live devices. Called once the report is open (the script is reported
// there); false when a script was asked for and could not be read.
bool InstallInputSource();
void RemoveInputSource();

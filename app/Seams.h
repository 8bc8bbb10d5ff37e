// The one place where the player installs the real implementations of the
// seams the lower layers declare (ARCHITECTURE.md). Called at the top of
// start-up, before any worker thread starts.
#pragma once

void InstallSeams();

// Making sure the project folder "data\" exists before anything is read from
// it: when it is missing, the user is offered a fresh copy of "default\".
#pragma once

#include "platform/Messages.h"

// 1 when "data\" is ready, 0 when the program can't go on. The question is a
// Yes/No box over `window`. A copy that fails leaves no "data\" behind: it is
// made under a temporary name and renamed.
int CreateDefaultData(HWND window);

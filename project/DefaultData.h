// Making sure the project folder "data\" exists before anything is read from
// it: when it is missing, the user is offered a fresh copy of "default\".
#pragma once

#include "platform/Messages.h"

enum class DefaultDataResult {
    Ready,   // "data\" is there (it was, or the copy made it)
    Failed,  // no "default\", the answer was No, or the copy failed
    NoSpace, // the copy ran out of room on the disk
};

// The question is a Yes/No box over `window`. The copy is made under a
// temporary name beside "data\" and renamed when whole, with the folder modes
// of "default\"; a copy that fails leaves nothing behind.
DefaultDataResult MakeDefaultData(HWND window);
// 1 when "data\" is ready, 0 when the program can't go on.
int CreateDefaultData(HWND window);

// The names of the window messages, for the message trace.
#pragma once

#include "platform/Types.h"

// The message's standard name; a number not in the table is written in
// decimal into a buffer of the calling thread (valid until its next call).
const char* GetWmName(UINT message);

// The calling thread's refused-as-newer flag (bNewerVersion), read through a
// function of the file that defines it. Code in other files reads it here:
// gcc's UndefinedBehaviorSanitizer takes some reads of a thread-local variable
// defined in another file for null-pointer reads.
#pragma once

#include <cstdint>

std::int32_t NewerVersionRefused();

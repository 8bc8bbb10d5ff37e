// The local date and time in the Windows SYSTEMTIME layout: eight 16-bit
// words, the form in which save files store the time they were made.
#pragma once

#include "platform/Types.h"

struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;     // 1..12
    WORD wDayOfWeek = 0; // 0 Sunday .. 6 Saturday
    WORD wDay = 0;       // 1..31
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};
static_assert(sizeof(SYSTEMTIME) == 16, "SYSTEMTIME is stored as 16 bytes");

void GetLocalTime(SYSTEMTIME* out);

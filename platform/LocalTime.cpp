#include "platform/LocalTime.h"

#include <ctime>

void GetLocalTime(SYSTEMTIME* out) {
    if (!out) return;
    *out = SYSTEMTIME{};
    struct timespec now {};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0) return;
    const std::time_t seconds = now.tv_sec;
    std::tm local{};
    if (!::localtime_r(&seconds, &local)) return;
    out->wYear = static_cast<WORD>(local.tm_year + 1900);
    out->wMonth = static_cast<WORD>(local.tm_mon + 1);
    out->wDayOfWeek = static_cast<WORD>(local.tm_wday);
    out->wDay = static_cast<WORD>(local.tm_mday);
    out->wHour = static_cast<WORD>(local.tm_hour);
    out->wMinute = static_cast<WORD>(local.tm_min);
    out->wSecond = static_cast<WORD>(local.tm_sec);
    out->wMilliseconds = static_cast<WORD>(now.tv_nsec / 1000000);
}

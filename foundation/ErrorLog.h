// The error log and the report file. Every line is one open-append-close, so
// both files are complete even when the program ends abruptly; a mutex keeps
// lines from different threads whole.
#pragma once

#include <cstdarg>
#include <string>

void SetErrorLog(bool enabled, const std::string& fileName);
bool IsErrorLogEnabled();
void ErrorLogPuts(const std::string& text);
void LogError(const std::string& text);
void ErrorLogPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

bool SetReportFile(const std::string& fileName);
const std::string& ReportFileName();
bool ReportPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Formats into the 1,024-byte line buffer, appends to the report and passes the
// same text to the error log.
bool ReportError(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Appends already formatted text and "\n" to the report.
bool ReportPuts(const std::string& text);

// printf-style formatting into a std::string, cut at `limit` - 1 bytes as a
// fixed buffer of `limit` bytes would cut it.
std::string FormatString(std::size_t limit, const char* format, ...) __attribute__((format(printf, 2, 3)));
std::string FormatStringV(std::size_t limit, const char* format, va_list args);

// The error log and the report file. Every line is one open-append-close, so
// both files are complete even when the program ends abruptly; a mutex keeps
// lines (and the blocks of the system report) from different threads whole.
// Lines are held in code page 932 and written as UTF-8.
#pragma once

#include "platform/Messages.h"

#include <cstdarg>
#include <string>
#include <vector>

void SetErrorLog(bool enabled, const std::string& fileName);
bool IsErrorLogEnabled();
void ErrorLogPuts(const std::string& text);
void LogError(const std::string& text);
void ErrorLogPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Logs the line (when the log is on), then posts WM_CLOSE to the window in any case.
void ErrorLogPrintfAndClose(HWND window, const char* format, ...) __attribute__((format(printf, 2, 3)));

bool SetReportFile(const std::string& fileName);
std::string ReportFileName();
bool ReportPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Formats into the 1,024-byte line buffer, appends to the report and passes the
// same text to the error log.
bool ReportError(const char* format, ...) __attribute__((format(printf, 1, 2)));
// As ReportError, then shows the same text in an error box.
bool ReportErrorBox(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Appends already formatted text and "\n" to the report.
bool ReportPuts(const std::string& text);
// Appends several lines at once; no other line comes between them.
bool ReportPutsLines(const std::vector<std::string>& lines);

// printf-style formatting into a std::string, cut at `limit` - 1 bytes as a
// fixed buffer of `limit` bytes would cut it.
std::string FormatString(std::size_t limit, const char* format, ...) __attribute__((format(printf, 2, 3)));
std::string FormatStringV(std::size_t limit, const char* format, va_list args);
// printf-style formatting into a std::string as long as the text needs.
std::string FormatWholeV(const char* format, va_list args);

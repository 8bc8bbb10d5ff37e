#include "foundation/ErrorLog.h"

#include "foundation/Fault.h"
#include "foundation/MessageBox.h"
#include "platform/Cp932.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <vector>

namespace {

std::mutex& LogMutex() {
    static std::mutex m;
    return m;
}

struct LogState {
    bool enabled = false;
    std::string logName;
    bool firstLineWritten = false;
    std::string reportName;
};

LogState& State() {
    static LogState s;
    return s;
}

constexpr std::size_t kLineBuffer = 1024;
constexpr std::size_t kLogBuffer = 5120;

bool AppendLines(const std::string& file, const std::vector<std::string>& lines, const char* mode) {
    std::FILE* fp = std::fopen(file.c_str(), mode);
    if (!fp) return false;
    std::fseek(fp, 0, SEEK_END);
    for (const std::string& text : lines) {
        std::string utf8 = Cp932ToUtf8(text);
        std::fwrite(utf8.data(), 1, utf8.size(), fp);
        std::fputc('\n', fp);
    }
    std::fclose(fp);
    return true;
}

} // namespace

std::string FormatStringV(std::size_t limit, const char* format, va_list args) {
    std::vector<char> buf(limit ? limit : 1);
    int n = std::vsnprintf(buf.data(), buf.size(), format, args);
    if (n < 0) return {};
    return std::string(buf.data());
}

std::string FormatWholeV(const char* format, va_list args) {
    char small[256];
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(small, sizeof small, format, args);
    if (n < 0) {
        va_end(again);
        return {};
    }
    if (static_cast<std::size_t>(n) < sizeof small) {
        va_end(again);
        return std::string(small, static_cast<std::size_t>(n));
    }
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, again);
    va_end(again);
    text.resize(static_cast<std::size_t>(n));
    return text;
}

std::string FormatString(std::size_t limit, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string s = FormatStringV(limit, format, args);
    va_end(args);
    return s;
}

void SetErrorLog(bool enabled, const std::string& fileName) {
    std::lock_guard<std::mutex> lock(LogMutex());
    State().enabled = enabled;
    State().logName = fileName;
    State().firstLineWritten = false;
}

bool IsErrorLogEnabled() {
    std::lock_guard<std::mutex> lock(LogMutex());
    return State().enabled;
}

void ErrorLogPuts(const std::string& text) {
    std::lock_guard<std::mutex> lock(LogMutex());
    LogState& s = State();
    if (!s.enabled) return;
    // The first line of a run empties the log left by the previous run.
    const char* mode = s.firstLineWritten ? "a" : "w";
    s.firstLineWritten = true;
    AppendLines(s.logName, {text}, mode);
}

void LogError(const std::string& text) {
    ErrorLogPuts(text);
}

void ErrorLogPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string s = FormatStringV(kLogBuffer, format, args);
    va_end(args);
    ErrorLogPuts(s);
}

void ErrorLogPrintfAndClose(HWND window, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string s = FormatStringV(kLogBuffer, format, args);
    va_end(args);
    ErrorLogPuts(s);
    if (window && window == hMainWnd.load())
        PostMainWindowClose();
    else if (window)
        PostMessageA(window, WM_CLOSE, 0, 0);
}

bool SetReportFile(const std::string& fileName) {
    std::lock_guard<std::mutex> lock(LogMutex());
    State().reportName = fileName;
    std::FILE* fp = std::fopen(fileName.c_str(), "w");
    if (!fp) return false;
    std::fclose(fp);
    return true;
}

std::string ReportFileName() {
    std::lock_guard<std::mutex> lock(LogMutex());
    return State().reportName;
}

bool ReportPutsLines(const std::vector<std::string>& lines) {
    std::lock_guard<std::mutex> lock(LogMutex());
    const std::string& name = State().reportName;
    if (name.empty()) return false;
    // The report must already exist: lines are lost when it could not be created.
    std::FILE* probe = std::fopen(name.c_str(), "r");
    if (!probe) return false;
    std::fclose(probe);
    return AppendLines(name, lines, "a");
}

bool ReportPuts(const std::string& text) {
    return ReportPutsLines({text});
}

bool ReportPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string s = FormatStringV(kLogBuffer, format, args);
    va_end(args);
    return ReportPuts(s);
}

bool ReportError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string s = FormatStringV(kLineBuffer, format, args);
    va_end(args);
    bool ok = ReportPuts(s);
    ErrorLogPuts(s);
    return ok;
}

bool ReportErrorBox(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string s = FormatStringV(kLineBuffer, format, args);
    va_end(args);
    bool ok = ReportPuts(s);
    ErrorLogPuts(s);
    ErrorBox(s.c_str());
    return ok;
}

#include "platform/FileDialog.h"

#include <cctype>
#include <deque>
#include <mutex>

namespace {

cScriptedFileDialogPresenter gScriptedPresenter;
cFileDialogPresenter* gPresenter = &gScriptedPresenter;
std::mutex gMutex;
std::deque<std::string> gScript;

bool WildcardMatch(const char* p, const char* s) {
    for (; *p; ++p, ++s) {
        if (*p == '*') {
            for (const char* t = s;; ++t) {
                if (WildcardMatch(p + 1, t)) return true;
                if (!*t) return false;
            }
        }
        if (!*s) return false;
        if (*p != '?' &&
            std::tolower(static_cast<unsigned char>(*p)) != std::tolower(static_cast<unsigned char>(*s)))
            return false;
    }
    return *s == 0;
}

} // namespace

bool FileDialogPatternMatches(const std::string& patterns, const std::string& name) {
    std::size_t start = 0;
    while (start <= patterns.size()) {
        std::size_t end = patterns.find(';', start);
        if (end == std::string::npos) end = patterns.size();
        const std::string one = patterns.substr(start, end - start);
        if (!one.empty() && WildcardMatch(one.c_str(), name.c_str())) return true;
        start = end + 1;
    }
    return false;
}

cFileDialogPresenter& FileDialogPresenter() {
    return *gPresenter;
}

void SetFileDialogPresenter(cFileDialogPresenter* presenter) {
    gPresenter = presenter ? presenter : &gScriptedPresenter;
}

void PushScriptedFileDialog(std::string path) {
    std::lock_guard<std::mutex> lock(gMutex);
    gScript.push_back(std::move(path));
}

void ClearScriptedFileDialogs() {
    std::lock_guard<std::mutex> lock(gMutex);
    gScript.clear();
}

bool cScriptedFileDialogPresenter::Choose(const FileDialogRequest&, std::string& chosen,
                                          std::string& answered) {
    bool scripted = false;
    {
        std::lock_guard<std::mutex> lock(gMutex);
        if (!gScript.empty()) {
            scripted = true;
            chosen = std::move(gScript.front());
            gScript.pop_front();
        }
    }
    answered = std::string("file dialog ") + (scripted ? "scripted: " : "default: ") +
               (chosen.empty() ? "cancel" : "\"" + chosen + "\"");
    return !chosen.empty();
}

bool RunFileDialog(const FileDialogRequest& request, std::string& chosen, std::string* answered) {
    chosen.clear();
    std::string line;
    const bool ok = FileDialogPresenter().Choose(request, chosen, line);
    if (!ok) chosen.clear();
    if (answered) *answered = line;
    return ok;
}

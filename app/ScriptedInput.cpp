#include "app/ScriptedInput.h"

#include "foundation/ErrorLog.h"
#include "platform/KeyScript.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

cKeyScript script;

} // namespace

bool InstallScriptedInput() {
    const char* path = std::getenv("BRINDLE4_KEY_SCRIPT");
    if (!path || !*path) return true;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    std::string error;
    if (!in) error = "can't be opened";
    if (!error.empty() || !script.Parse(text.str(), &error)) {
        ReportPrintf("Key script %s: %s", path, error.c_str());
        return false;
    }
    SetInputSource(&script);
    ReportPrintf("Key script %s: %lld frames", path, static_cast<long long>(script.FrameCount()));
    return true;
}

void RemoveScriptedInput() {
    SetInputSource(nullptr);
}

#include "app/ScriptedInput.h"

#include "foundation/ErrorLog.h"
#include "platform/KeyScript.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

cKeyScript script;

} // namespace

cInputSource* LoadScriptedInput(bool* ok) {
    *ok = true;
    const char* path = std::getenv("BRINDLE4_KEY_SCRIPT");
    if (!path || !*path) return nullptr;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    std::string error;
    if (!in) error = "can't be opened";
    if (!error.empty() || !script.Parse(text.str(), &error)) {
        ReportPrintf("Key script %s: %s", path, error.c_str());
        *ok = false;
        return nullptr;
    }
    ReportPrintf("Key script %s: %lld frames", path, static_cast<long long>(script.FrameCount()));
    return &script;
}

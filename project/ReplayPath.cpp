#include "project/ReplayPath.h"

#include "foundation/FileNames.h"
#include "foundation/Paths.h"
#include "foundation/RecordFile.h"
#include "platform/PathResolver.h"
#include "project/PlayData.h"
#include "project/StageName.h"

#include <cstdio>

namespace {

constexpr int kLastNumber = 999;

} // namespace

ReplayPath MakeReplayPath(const cPlayData& data, const SYSTEMTIME& now) {
    ReplayPath out;
    if (data.strStageName.empty()) return out;
    const std::string extension = "rpl4_" + std::to_string(kProgramDataVersion);

    std::string name = data.strStageName;
    PathToFileName(name);
    AppendStageSuffix(name, data.nStageVarFlag, data.nStageVarNumber, data.nStageVarValue);
    std::string path = "user_data\\rpl4\\" + name;
    RemoveExtensionStr(path);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "__%04d__%02d_%02d__%02d_%02d.", now.wYear, now.wMonth, now.wDay,
                  now.wHour, now.wMinute);
    path += stamp;
    std::string plain;
    ReplaceExtension(plain, path, extension.c_str());

    out.path = plain;
    if (PathExists(plain)) {
        out.allTaken = true;
        for (int n = 2; n <= kLastNumber; ++n) {
            std::string numbered;
            MakeNumberedFileName(numbered, plain, n);
            if (!PathExists(numbered)) {
                out.path = numbered;
                out.allTaken = false;
                break;
            }
        }
        // Every name is taken: the plain name is offered, and saving over it
        // is asked about first.
        if (out.allTaken) out.path = plain;
    }
    MakeFullPath(out.path);
    return out;
}

#include "play/StageRunner.h"

#include "foundation/Input.h"
#include "foundation/KeyConfig.h"
#include "platform/InputDevices.h"
#include "play/PlayStateHash.h"
#include "project/CommonPalette.h"
#include "project/DataPath.h"
#include "project/Database.h"
#include "project/Stage.h"
#include "project/StageLoad.h"
#include "project/SystemData.h"

cStageRunner::cStageRunner() {
    previousPlay_ = lpPlayScene;
    lpPlayScene = &play_;
    script_.Parse("", nullptr);
    SetInputSource(&script_);
    if (InputList.empty()) InputList.resize(1);
    SetDefaultKeyConfig(&KeyConfig);
    NoRecording();
}

void cStageRunner::NoRecording() {
    // A recorded attempt is seeded from the clock; a run is seeded by the
    // scene alone, so that two runs of one script agree.
    SystemData.bReplay = 0;
}

cStageRunner::~cStageRunner() {
    SetInputSource(nullptr);
    lpPlayScene = previousPlay_;
}

bool cStageRunner::LoadProject(std::string* error) {
    auto fail = [error](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    if (!Database.LoadAll()) return fail("the databases can't be read");
    Database.MakeWorkCopies();
    BuildRuntimeTables();
    if (!SystemData.LoadFromFile(DataPath.At(DP_SYSTEM)))
        return fail(DataPath.At(DP_SYSTEM) + " can't be read");
    if (!CommonPalette.LoadFromFile(DataPath.At(DP_COMMON_PALETTE)))
        return fail(DataPath.At(DP_COMMON_PALETTE) + " can't be read");
    NoRecording();
    return true;
}

bool cStageRunner::LoadStage(const std::string& path) {
    return LoadStageForPlay(path, 0, &ReplayStage) == 1;
}

void cStageRunner::UseStage(const cStage& stage) {
    Stage = stage;
    ReplayStage = stage;
}

bool cStageRunner::SetScript(std::string_view text, std::string* error) {
    return script_.Parse(text, error);
}

void cStageRunner::Step() {
    UpdateInput(InputList);
    play_.Run();
}

std::uint64_t cStageRunner::Frame() {
    Step();
    return PlayStateHash(play_);
}

bool cStageRunner::RunUntil(int state, int limit) {
    for (int n = 0; n < limit; ++n) {
        Frame();
        if (play_.nState == state) return true;
    }
    return false;
}

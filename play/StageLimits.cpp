#include "play/StageLimits.h"

#include "foundation/ErrorLog.h"
#include "play/Camera.h"
#include "project/Stage.h"

bool MapFitsPlay(const cStage& stage) {
    const std::int32_t w = stage.nMapWidth, h = stage.nMapHeight;
    bool fits = w >= 0 && h >= 0 && w <= kMaxMapBlocks && h <= kMaxMapBlocks;
    if (fits) {
        const std::int64_t cells = static_cast<std::int64_t>(h + 2 * kMapMargin) << BitLength(w + 19);
        fits = cells <= kMaxGridCells;
    }
    if (!fits)
        ReportError("SetStage: a map of %d x %d blocks is larger than play can hold (%d cells at most)", w, h,
                    static_cast<int>(kMaxGridCells));
    return fits;
}

void BoundLevel(cStage& stage) {
    stage.SetLevel(stage.nLevel);
    if (stage.nSubSteps <= kMaxSubSteps) return;
    ReportError("SetStage: level %d asks for %d sub-steps a frame; play runs it at %d", stage.nLevel,
                stage.nSubSteps, kMaxSubSteps);
    stage.SetLevel(kMaxSubSteps);
}

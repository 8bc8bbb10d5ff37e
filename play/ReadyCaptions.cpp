// The ready captions before play starts: in replay viewing the replay
// caption, otherwise the stage's two captions in turn, the first with the
// number of the stage within its series. Each shows for 79 frames; a run the
// editor started to try a stage shows none.
#include "graphics/Effects.h"
#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "play/PlayHost.h"
#include "play/PlayScene.h"
#include "project/PlayData.h"
#include "project/Stage.h"

namespace {

constexpr int kCaptionPicture = 51;
constexpr std::int32_t kCaptionFrames = 80; // a caption shows while its counter is below this
constexpr int kReplayMode = 4;

// The stage's switches of its two ready captions.
bool FirstCaption() {
    return Stage.nWords27[0] != 0;
}
bool SecondCaption() {
    return Stage.nWordB != 0;
}

void DrawCaption(DDSURFACEDATA* target, int x, int sx, int sy, int w) {
    if (target) DDBltFast(target, x, 224, w, 32, &SystemSD[kCaptionPicture], sx, sy, 1);
}

} // namespace

bool cPlayScene::StepReadyCaptions(DDSURFACEDATA* target) {
    cPlayHost& host = PlayHost();
    if (host.TestPlay() && host.EditorStarted()) return false;
    if (host.PlayMode() == kReplayMode) {
        if (++nCaption1 >= kCaptionFrames) return false;
        DrawCaption(target, 256, 0, 32, 128);
        return true;
    }
    if (FirstCaption() && ++nCaption1 < kCaptionFrames) {
        DrawCaption(target, 256, 0, 0, 128);
        if (target)
            DDDrawNumber(target, 384, 224, 32, 32, &SystemSD[kCaptionPicture], 0, 128, 1,
                         PlayData.nAreaNumber, 1, 0);
        return true;
    }
    if (SecondCaption() && ++nCaption2 < kCaptionFrames) {
        DrawCaption(target, 280, 160, 0, 80);
        return true;
    }
    return false;
}

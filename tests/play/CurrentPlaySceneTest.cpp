// The engine's scene installed for the whole run forwards to the play scene
// while one exists and to a null scene otherwise, so scenes come and go
// without the seam being swapped under the other threads.
#include "play/CurrentPlayScene.h"
#include "play/PlayScene.h"

#include <gtest/gtest.h>

namespace {

TEST(CurrentPlayScene, ForwardsToThePlaySceneWhileItExists) {
    cScopedEngineScene installed(CurrentPlayScene());
    cPlayScene* const before = lpPlayScene;
    lpPlayScene = nullptr;
    Scene().nStageTime = 7; // the null scene's own state
    {
        cPlayScene play;
        lpPlayScene = &play;
        EXPECT_EQ(&EngineScene(), &CurrentPlayScene()) << "the seam stays as installed";
        EXPECT_EQ(&Scene(), &play.State());
        Scene().nStageTime = 123;
        EXPECT_EQ(play.State().nStageTime, 123);
        lpPlayScene = nullptr;
    }
    EXPECT_EQ(Scene().nStageTime, 7) << "without a play scene the null scene answers";
    EXPECT_EQ(EngineScene().IsBlockSolid(0, 0), 0);
    lpPlayScene = before;
}

} // namespace

// The reckoning around a stage's end that needs no scene: paying a life, the
// extra lives a score earns, the result of a challenge clear, and the stage
// and System.dat switches the end displays read. The scene's own part (the
// clear, the bonus, the rankings, the scene after a clear) is in StageEnd.cpp.
#pragma once

#include "project/PlayData.h"
#include "project/Stage.h"
#include "project/SystemData.h"

#include <cstdint>

constexpr std::int32_t kMaxLivesAfterExtra = 99;
// The most extra lives one clear can grant: more could not raise the lives
// further, and each holds the game for its message.
constexpr std::int32_t kMaxExtraLifeSteps = kMaxLivesAfterExtra;

// Pays the life of an attempt: 1 when play may go on (a test play and
// unlimited lives pay nothing), 0 when no life is left.
int UseLife(cPlayData& data, bool testPlay);

// The extra lives earned by a score going from `before` to `after` with one
// life every `step` points: the multiples of step passed, 0 when step is not
// positive or the score did not grow, at most kMaxExtraLifeSteps.
std::int32_t ExtraLifeSteps(std::int32_t before, std::int32_t after, std::int32_t step);
// Lives after one extra life: one more, up to 99; lives already above 99 are
// never lowered by a gain.
std::int32_t AddExtraLife(std::int32_t lives);

// A challenge stage cleared with `score`: its pair marked cleared, its best
// score and the challenge total raised when beaten, and the next stage opened
// (at most `stageCount`). False, with nothing changed, for a stage number
// that names no pair (stage 0 has none).
bool RecordChallengeClear(cPlayData& data, std::int32_t stageNumber, std::int32_t score,
                          std::int32_t stageCount);

// The stage file of number `number` of the series `stageName` (as the play
// data keeps it, ending in '.'), or of `ownName` when the stage names its
// follower itself: the newest versioned copy of "<name>.stg4". Empty when
// there is none.
std::string FindNextStageFile(const std::string& stageName, const std::string& ownName, std::int32_t number);

// What a stage and the project switch on at a stage's end.
namespace stage_end {

// The stage's clear and game-over captions, and whether its clear display is
// skipped; whether it hands the hero's status on to the next stage.
inline bool ClearCaption() {
    return Stage.nWords34[0] != 0;
}
inline bool GameOverCaption() {
    return Stage.nWords34[1] != 0;
}
inline bool SkipClearDisplay() {
    return Stage.nWords27[2] != 0;
}
inline bool CarriesHeroStatus() {
    return Stage.nWords27[1] != 0;
}
// The stage ranks value k (score, time left, clear time, HP, SP).
inline bool StageRanks(int k) {
    return Stage.Switches.InRange(k) && Stage.Switches[static_cast<std::size_t>(k)] != 0;
}
// The project ranks value k in game kind `kind`.
inline bool ProjectRanks(int kind, int k) {
    if (!SystemData.RankingFlags.InRange(kind)) return false;
    const cFlagList& list = SystemData.RankingFlags[static_cast<std::size_t>(kind)];
    return list.bSwitch != 0 && list.Flags.InRange(k) && list.Flags[static_cast<std::size_t>(k)] != 0;
}
// The pause menu's retry in story and challenge play, its give-up in story play.
inline bool StoryRetry() {
    return SystemData.bPauseMenuA != 0;
}
inline bool ChallengeRetry() {
    return SystemData.bPauseMenuB != 0;
}
inline bool StoryGiveUp() {
    return SystemData.bPauseMenuC != 0;
}

} // namespace stage_end

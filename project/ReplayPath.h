// The name a replay is offered under when it is saved: the stage's name with
// its stage-variable suffix and the local time, in user_data\rpl4\, with a
// number in round brackets while a file of that name exists.
#pragma once

#include "platform/LocalTime.h"

#include <string>

class cPlayData;

struct ReplayPath {
    std::string path;      // absolute; empty for an empty stage name
    bool allTaken = false; // every name up to number 999 exists: `path` names a file that is there
};

// For the stage `data` plays, at the time `now`:
// user_data\rpl4\stage01__2013__09_15__10_30.rpl4_818, then
// "... (2).rpl4_818" up to "... (999).rpl4_818" while the name is taken.
ReplayPath MakeReplayPath(const cPlayData& data, const SYSTEMTIME& now);

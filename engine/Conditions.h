// Condition lists: one condition by its kind, a list by its combiner, and the
// four owners (blocks, characters, item objects, flows) with their hold-once
// cache.
#pragma once

#include "foundation/Containers.h"

#include <cstdint>

class cChara;
class cCond;
class cEdCommand;
class cEdBlock;
class cFlow;
class cItemObj;

bool CondHolds(const cCond& cond, cChara& subject);
// Combiner 0: every entry (an empty list holds); 1: at least one (an empty
// list fails); any other combiner fails.
bool CondListHolds(const cVector<cCond>& conds, std::int32_t combiner, cChara& subject);

// The owner-level tests. An owner without conditions passes; with hold-once
// set, a list that has held once passes for good. The cache is set on every
// success.
bool CondsHoldFor(const cVector<cCond>& conds, std::int32_t combiner, std::int32_t holdOnce,
                  std::int32_t& cache, cChara& subject);
bool CondsHoldForBlock(cEdBlock& block, std::int32_t& cache);
bool CondsHoldForChara(cChara& chara);
bool CondsHoldForItem(cItemObj& item);
bool CondsHoldForFlow(cFlow& flow, cChara& subject);
// A command's own condition part: it holds when it is absent or switched off.
bool CommandCondsHold(const cEdCommand& command, cChara& subject);

// Searches for characters in the play scene's lists: by distance, by list
// order and by id, each with the filters of the set-target command.
#pragma once

#include "foundation/Containers.h"

#include <cstdint>

class cChara;

// Filters a character must pass to take part; each is off until set.
struct cCharaFilter {
    bool bCid = false;
    std::int32_t nCid = 0;
    bool bVar = false; // variable nVarIndex compared with nVarValue by nVarOp
    std::int32_t nVarIndex = 0;
    std::int32_t nVarValue = 0;
    std::int32_t nVarOp = 0;
    bool bNotId = false; // leave out the object with this id
    std::int32_t nNotId = 0;
    bool bNotInvincible1 = false;
    bool bNotInvincible2 = false;
    bool bNotBlockChara = false;

    bool Passes(const cChara& chara) const;
};

// Preference modes of FindNearestCharaAt.
enum : int { NEAREST_ON_SCREEN_FIRST = 0, NEAREST_ALL = 1, NEAREST_ON_SCREEN_ONLY = 2 };

cChara* FindNearestCharaAt(double x, double y, const cList<cChara*>& list, int preference,
                           const cCharaFilter& filter);
cChara* FindFirstChara(const cList<cChara*>& list, const cCharaFilter& filter);
// Scans from the last entry: the first with that id (and faction, unless
// faction is -1) whose character is present, not vanishing and passes.
cChara* FindLastCharaById(const cVector<std::pair<cChara*, std::int32_t>>& entries, std::int32_t id,
                          std::int32_t faction, const cCharaFilter& filter);
// The heroes first, then the live characters; none when no character has the id.
cChara* FindCharaById(std::int32_t id);

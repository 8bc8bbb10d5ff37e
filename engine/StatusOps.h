// Status operations and status-value conditions.
#pragma once

class cChara;
class cCond;

// True when the status-value condition holds for the character.
bool TestStatusValueCond(const cCond& cond, cChara& chara);

// The flow change (flow command kind 1): replaces or extends a character's
// flows. A change the hero's own flows ask for waits until they have run.
#pragma once

class cChara;
class cEdCommand;

// Performs the flow change on the character, or, when `immediate` is 0 and the
// character is the hero while its own flows run, queues it on the hero.
int FlowChange(cChara& chara, const cEdCommand& command, int immediate);

// Placeholder until the status operations are built: a status-value
// condition does not hold.
#include "engine/StatusOps.h"

bool TestStatusValueCond(const cCond&, cChara&) {
    return false;
}

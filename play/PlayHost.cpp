#include "play/PlayHost.h"

namespace {

cNullPlayHost NullHost;
cPlayHost* Installed = &NullHost;

} // namespace

cPlayHost& PlayHost() {
    return *Installed;
}

void SetPlayHost(cPlayHost* host) {
    Installed = host ? host : &NullHost;
}

#include "foundation/PresentationTiming.h"

namespace {
cNullPresentationTiming nullTiming;
cPresentationTiming* installed = &nullTiming;
} // namespace

cPresentationTiming& PresentationTiming() {
    return *installed;
}

void SetPresentationTiming(cPresentationTiming* timing) {
    installed = timing ? timing : &nullTiming;
}

#include "gui/MouseState.h"

namespace {
int gPrevLeft = 0, gPrevRight = 0;
int gLeftReported = 0, gRightReported = 0;

int Pressed(int down, int& reported) {
    if (!down) {
        reported = 0;
        return 0;
    }
    if (reported) return 0;
    reported = 1;
    return 1;
}
} // namespace

void cMouseState::Update(int mask, bool leftDown, bool rightDown) {
    gPrevLeft = bLeft;
    gPrevRight = bRight;
    const int prevLeft = gPrevLeft, prevRight = gPrevRight;
    if (mask & 1) {
        bLeft = leftDown ? 1 : 0;
        bRight = rightDown ? 1 : 0;
    }
    if (mask & 2) {
        bLeftPressed = Pressed(bLeft, gLeftReported);
        bRightPressed = Pressed(bRight, gRightReported);
    }
    if (mask & 4) {
        bLeftReleased = prevLeft && !bLeft ? 1 : 0;
        bRightReleased = prevRight && !bRight ? 1 : 0;
    }
}

void ResetMouseHistory() {
    gPrevLeft = gPrevRight = 0;
    gLeftReported = gRightReported = 0;
}

// The mouse buttons as a window sees them: held, pressed this time (once per
// press, however long it is held) and released this time. The previous states
// and the press-reported flags are program-wide, as every window reads the
// same buttons.
#pragma once

struct cMouseState {
    int x = 0, y = 0; // relative to the drawing origin
    int bLeft = 0, bRight = 0;
    int bLeftPressed = 0, bRightPressed = 0;
    int bLeftReleased = 0, bRightReleased = 0;

    // mask 1: read the held states from `leftDown` / `rightDown`; 2: the
    // pressed-this-time flags; 4: the released-this-time flags.
    void Update(int mask, bool leftDown, bool rightDown);
};

// Forgets the program-wide previous states (tests).
void ResetMouseHistory();

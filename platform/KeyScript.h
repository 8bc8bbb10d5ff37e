// Scripted input: the keys held in each frame, for headless runs and tests.
// The script is text, one step a line:
//
//     # a comment; blank lines are skipped
//     RIGHT Z        RIGHT and Z held for one frame
//     30: RIGHT      RIGHT held for 30 frames
//     10:            nothing held for 10 frames
//
// Key names: LEFT RIGHT UP DOWN SPACE RETURN ESCAPE SHIFT CONTROL MENU TAB
// BACK DELETE, the letters A-Z, the digits 0-9, F1-F12, or a code written
// 0xNN (any virtual-key code 1-255). Names are matched without regard to
// letter case. After the last step no key is held; no joystick is present.
#pragma once

#include "platform/InputDevices.h"

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class cKeyScript : public cInputSource {
public:
    // Largest count of one step, and of the whole script, in frames.
    static constexpr std::int64_t kMaxFrames = 0x7FFFFFFF;

    // False with a message naming the line when the text is not a script;
    // the script is then empty.
    bool Parse(std::string_view text, std::string* error);
    // Frames the script runs for.
    std::int64_t FrameCount() const { return frames_; }
    // Back to before the first frame.
    void Rewind();

    void BeginFrame() override;
    bool KeyHeld(int vk) override;
    bool ReadJoystick(UINT id, JoystickState* state) override;

private:
    struct Step {
        std::int64_t frames;
        std::bitset<256> keys;
    };
    std::vector<Step> steps_;
    std::int64_t frames_ = 0;
    // Current step and frames left in it; step == steps_.size() after the end.
    std::size_t step_ = 0;
    std::int64_t left_ = 0;
    bool started_ = false;
};

// The virtual-key code of a key name of the script; 0 when there is none.
int VirtualKeyFromName(std::string_view name);

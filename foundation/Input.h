// The input record: what one player holds this frame (four direction bits,
// eight button bits, the direction number) and what the game asks about input
// over time: run-length histories of both words, press histories per
// direction pattern and per button (read by the character engine's key
// conditions), the auto-repeat of held directions for menus and the one-shot
// filter for buttons. `InputList` holds one record per player; element 0 is
// the player's, filled once per frame by UpdateInput.
#pragma once

#include "foundation/Containers.h"
#include "platform/Types.h"

#include <array>
#include <cstdint>

struct JOYINFOEX;

// Direction bits and direction numbers (5 neutral, as on a numeric keypad
// turned upside down: 2 up, 8 down).
constexpr WORD kDirLeft = 1, kDirRight = 2, kDirUp = 4, kDirDown = 8;
constexpr std::int32_t kDirNeutral = 5;

// Lists of the press histories; their patterns are in Input.cpp.
constexpr std::size_t kDirKeyLists = 10;
constexpr std::size_t kButtonKeyLists = 9;
constexpr std::size_t kKeyHistoryLength = 32;
constexpr std::size_t kStateRingLength = 32;
constexpr DWORD kRunLengthMax = 0x7FFFFFFF;

// One run of a run-length history.
struct INPUTRUN {
    WORD wState = 0;
    DWORD dwRun = 0;
};

// One run of a press history: pressed or not, for how many frames.
struct KEYRUN {
    DWORD bPressed = 0;
    DWORD dwFrames = 0;
};
using KeyHistory = std::array<KEYRUN, kKeyHistoryLength>;

class cInput {
public:
    cInput();

    // Fixed layout: arrows and Z X C V A S D F, and joystick `joy`. Device
    // flags: bit 0 joystick, bit 1 keyboard. 0 (nothing done) while the key
    // configuration is in use.
    int Update(int joy, int deviceFlags, int retryFrames);
    // The twelve assignments of the key configuration; 0 (nothing done) while
    // the fixed layout is in use.
    int UpdateByKeyConfig(int players, int retryFrames);

    void ClearHistory();
    // Once per frame: extends or starts the newest run of both words.
    void RecordHistory();
    // The word of channel c (0 directions, 1 buttons) `framesAgo` frames ago.
    WORD GetPastState(int channel, int framesAgo) const;

    void ClearKeyStates();
    void UpdateKeys();

    void ClearDirection();
    void ClearButtons();
    void SetRepeat(DWORD firstDelay, DWORD interval);
    // Lets a held direction through on its first frame, then after the first
    // delay and every interval.
    void RepeatDirection();
    // One-shot filter: a masked button passes on the frame it is pressed and
    // not again until every masked button has been released. Mask 0 is all.
    void TriggerButtons(WORD mask);
    void SetDefaultButtonMasks();
    // Clears histories, press lists, direction and buttons; settings stay.
    void Reset();

    WORD wDir = 0;
    WORD wButton = 0;
    DWORD dwDirShift = 0;
    INPUTRUN History[2][kStateRingLength] = {};
    DWORD dwHistoryIndex[2] = {};
    std::array<KeyHistory, kDirKeyLists> DirKeys{};
    std::array<KeyHistory, kButtonKeyLists> ButtonKeys{};
    std::int32_t nDirNum = kDirNeutral;
    DWORD dwRepeatCount[2] = {};
    DWORD dwRepeatFirst = 0;
    DWORD dwRepeatInterval = 1;
    DWORD dwTrigger = 0;
    WORD wJoyMask[8] = {};
    DWORD bJoyOk = 0;
    std::int32_t nJoyRetry = 0;

private:
    // Reads joystick `id` unless a failed joystick is still waiting out its
    // retry countdown; true after a successful read.
    bool PollJoystick(unsigned id, int retryFrames, JOYINFOEX* info);
};

extern cVector<cInput> InputList;

// The direction number of a set of direction bits.
std::int32_t DirBitsToNumber(WORD bits);
// True when a joystick stick code (left, right, up, down) is held.
bool IsJoyAxisCode(const JOYINFOEX& state, DWORD code);
// Press history step: a change of state starts a new run at the front.
void UpdateKeyState(KeyHistory& list, DWORD value, DWORD mask, bool any);

// One frame's input into element 0 of `inputs`, by the fixed layout or the
// key configuration; the input source moves to its next frame first.
void UpdateInput(cVector<cInput>& inputs);

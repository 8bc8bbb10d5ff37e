// The input record's histories, auto-repeat and one-shot filter.
#include "foundation/Input.h"

cVector<cInput> InputList(1);

namespace {

struct KeyPattern {
    WORD mask;
    bool any; // any shared bit; otherwise the word must equal the mask
};

// Direction lists: neutral, left, right, up, down, up-left, down-left,
// up-right, down-right, any direction.
constexpr KeyPattern kDirPatterns[kDirKeyLists] = {{0, false},  {1, false}, {2, false}, {4, false},
                                                   {8, false},  {5, false}, {9, false}, {6, false},
                                                   {10, false}, {15, true}};
// Button lists: no button, then buttons 1-8.
constexpr KeyPattern kButtonPatterns[kButtonKeyLists] = {
    {0, false}, {1, true}, {2, true}, {4, true}, {8, true}, {16, true}, {32, true}, {64, true}, {128, true}};

// Direction bits that pass this frame on one axis of the auto-repeat.
WORD RepeatAxis(WORD dir, WORD axisBits, WORD previous, DWORD& counter, DWORD first, DWORD interval) {
    if ((dir & axisBits) != (previous & axisBits)) {
        counter = 0;
        return dir;
    }
    ++counter;
    if (counter >= first && counter % interval == 0) return dir;
    return static_cast<WORD>(dir & ~axisBits);
}

} // namespace

cInput::cInput() {
    ClearHistory();
    ClearKeyStates();
    nJoyRetry = 0;
}

std::int32_t DirBitsToNumber(WORD bits) {
    std::int32_t n = kDirNeutral;
    if (bits & kDirLeft)
        n -= 1;
    else if (bits & kDirRight)
        n += 1;
    if (bits & kDirUp)
        n -= 3;
    else if (bits & kDirDown)
        n += 3;
    return n;
}

void cInput::ClearHistory() {
    for (auto& ring : History)
        for (INPUTRUN& r : ring) r = INPUTRUN{};
    dwHistoryIndex[0] = dwHistoryIndex[1] = 0;
}

void cInput::RecordHistory() {
    const WORD words[2] = {wDir, wButton};
    for (int c = 0; c < 2; ++c) {
        DWORD& index = dwHistoryIndex[c];
        index %= kStateRingLength;
        INPUTRUN& newest = History[c][index];
        if (words[c] != newest.wState) {
            index = (index + 1) % kStateRingLength;
            History[c][index] = {words[c], 1};
        } else if (newest.dwRun < kRunLengthMax) {
            ++newest.dwRun;
        }
    }
}

WORD cInput::GetPastState(int channel, int framesAgo) const {
    if (channel < 0 || channel > 1) return 0;
    DWORD index = dwHistoryIndex[channel] % kStateRingLength;
    std::int64_t toGo = static_cast<std::int64_t>(framesAgo) + 1;
    // At most back to the oldest run the ring holds; stepping once more would
    // come round to the newest again.
    for (std::size_t step = 0; step + 1 < kStateRingLength; ++step) {
        const INPUTRUN& run = History[channel][index];
        if (toGo <= static_cast<std::int64_t>(run.dwRun)) break;
        toGo -= run.dwRun;
        index = (index + kStateRingLength - 1) % kStateRingLength;
    }
    return History[channel][index].wState;
}

void UpdateKeyState(KeyHistory& list, DWORD value, DWORD mask, bool any) {
    const DWORD pressed = (any ? (value & mask) != 0 : value == mask) ? 1 : 0;
    if (pressed != list[0].bPressed) {
        for (std::size_t i = list.size() - 1; i > 0; --i) list[i] = list[i - 1];
        list[0] = {pressed, 1};
    } else if (list[0].dwFrames < kRunLengthMax) {
        ++list[0].dwFrames;
    }
}

void cInput::ClearKeyStates() {
    for (KeyHistory& list : DirKeys) list.fill(KEYRUN{});
    for (KeyHistory& list : ButtonKeys) list.fill(KEYRUN{});
}

void cInput::UpdateKeys() {
    for (std::size_t i = 0; i < kDirKeyLists; ++i)
        UpdateKeyState(DirKeys[i], wDir, kDirPatterns[i].mask, kDirPatterns[i].any);
    for (std::size_t i = 0; i < kButtonKeyLists; ++i)
        UpdateKeyState(ButtonKeys[i], wButton, kButtonPatterns[i].mask, kButtonPatterns[i].any);
}

void cInput::ClearDirection() {
    wDir = 0;
    nDirNum = kDirNeutral;
}

void cInput::ClearButtons() {
    wButton = 0;
}

void cInput::SetRepeat(DWORD firstDelay, DWORD interval) {
    dwRepeatFirst = firstDelay;
    dwRepeatInterval = interval < 1 ? 1 : interval;
}

void cInput::RepeatDirection() {
    const WORD previous = static_cast<WORD>(dwDirShift & 15);
    dwDirShift = (dwDirShift << 4) | (wDir & 15u);
    const DWORD interval = dwRepeatInterval < 1 ? 1 : dwRepeatInterval;
    WORD dir = wDir;
    dir = RepeatAxis(dir, kDirLeft | kDirRight, previous, dwRepeatCount[0], dwRepeatFirst, interval);
    dir = RepeatAxis(dir, kDirUp | kDirDown, previous, dwRepeatCount[1], dwRepeatFirst, interval);
    wDir = dir;
}

void cInput::TriggerButtons(WORD mask) {
    if (mask == 0) mask = 0xFF;
    const WORD pressed = wButton & mask;
    if (dwTrigger == 0) {
        if (pressed) dwTrigger = 1;
        return;
    }
    wButton = static_cast<WORD>(wButton & ~mask);
    if (!pressed) dwTrigger = 0;
}

void cInput::SetDefaultButtonMasks() {
    for (int k = 0; k < 8; ++k) wJoyMask[k] = static_cast<WORD>(1u << k);
}

void cInput::Reset() {
    ClearHistory();
    ClearKeyStates();
    ClearDirection();
    ClearButtons();
}

// The player's saves: the 99 story slots ("Story01.dat" to "Story99.dat" in
// user_data\story) and the challenge play-through ("Challenge.dat" in
// user_data\challenge), each a whole play data; and the slot list that the
// title and save screens show: which slots hold a save and when it was made.
//
// Writing goes through a temporary file and a rename, so a save that fails
// leaves the slot's earlier file as it was; the failure is written to the
// report and returned.
#pragma once

#include "project/PlayData.h"

#include <cstdint>
#include <string>

constexpr std::int32_t kStorySlotCount = 99;

class cSlotInfo {
public:
    std::int32_t bSaved = 0;
    SYSTEMTIME Date;

    void SetDate(const SYSTEMTIME& date) { Date = date; }
};

extern cVector<cSlotInfo> SlotList; // kStorySlotCount entries

// "user_data\story\Story" and the slot number + 1 in two digits, then ".dat".
std::string MakeStorySlotPath(std::int32_t slot);

// Stamps the play data with the local time and writes it to the slot; the slot
// list entry takes the date. False, the slot's file and entry unchanged, when
// the slot number is not 0-98 or the file cannot be written.
bool SaveStorySlot(cPlayData& data, std::int32_t slot);
// Reads the slot into the play data, then applies the story's lives rule.
// False when the slot holds no save or the save is damaged or newer than the
// program: the play data then keeps what it held, and the lives rule is
// applied to that.
bool LoadStorySlot(cPlayData& data, std::int32_t slot);
// The same for Challenge.dat with the challenge's lives rule; a missing file
// is no failure worth reporting (the caller starts a fresh one).
bool LoadChallengeData(cPlayData& data);
bool SaveChallengeData(cPlayData& data);

// Fills every slot list entry from the slot's file: saved when the file opens
// as a record file, with the date the file holds.
void ScanStorySlots();

// After a load: the game kind's unlimited lives give 999999 lives; without
// them, a play-through saved with unlimited lives starts with the kind's lives.
void ApplyLivesRule(cPlayData& data, std::int32_t gameKind);

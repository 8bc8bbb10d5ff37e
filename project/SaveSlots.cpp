#include "project/SaveSlots.h"

#include "foundation/ErrorLog.h"
#include "foundation/NewerVersion.h"
#include "foundation/Paths.h"
#include "project/DataPath.h"
#include "project/SystemData.h"

cVector<cSlotInfo> SlotList(kStorySlotCount);

namespace {

bool ValidSlot(std::int32_t slot) {
    return slot >= 0 && slot < kStorySlotCount;
}

// Reads a save into the play data; a save that is there but cannot be used is
// reported, a missing one is not.
bool ReadSave(cPlayData& data, const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    if (data.LoadFromBytes(std::move(bytes))) return true;
    if (NewerVersionRefused())
        ReportError("%s の読み込みに失敗しました！\nソフトより上位のバージョンのファイルは使用できません。",
                    path.c_str());
    else
        ReportError("%s の読み込みに失敗しました！", path.c_str());
    return false;
}

bool WriteSave(cPlayData& data, const std::string& path) {
    if (data.SaveToFile(path)) return true;
    ReportError("%s の保存に失敗しました！", path.c_str());
    return false;
}

} // namespace

std::string MakeStorySlotPath(std::int32_t slot) {
    return FormatString(kMaxPath, "%s%02d.dat", DataPath.At(DP_STORY_SAVE_PREFIX).c_str(), slot + 1);
}

bool SaveStorySlot(cPlayData& data, std::int32_t slot) {
    if (!ValidSlot(slot)) {
        ReportError("セーブ先のスロット %d がありません", slot + 1);
        return false;
    }
    const SYSTEMTIME before = data.SaveTime;
    GetLocalTime(&data.SaveTime);
    if (!WriteSave(data, MakeStorySlotPath(slot))) {
        data.SaveTime = before;
        return false;
    }
    cSlotInfo& entry = SlotList.At(slot);
    entry.bSaved = 1;
    entry.SetDate(data.SaveTime);
    return true;
}

bool LoadStorySlot(cPlayData& data, std::int32_t slot) {
    const bool read = ValidSlot(slot) && ReadSave(data, MakeStorySlotPath(slot));
    ApplyLivesRule(data, GAME_STORY);
    return read;
}

bool LoadChallengeData(cPlayData& data) {
    if (!ReadSave(data, DataPath.At(DP_CHALLENGE_SAVE))) return false;
    ApplyLivesRule(data, GAME_CHALLENGE);
    return true;
}

bool SaveChallengeData(cPlayData& data) {
    return WriteSave(data, DataPath.At(DP_CHALLENGE_SAVE));
}

void ScanStorySlots() {
    // One scratch play data serves every slot: each load starts it afresh.
    cPlayData scratch;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(SlotList.size()); ++i) {
        cSlotInfo& entry = SlotList[static_cast<std::size_t>(i)];
        entry.bSaved = 0;
        entry.Date = {};
        RecordFilePtr file = OpenRecordFileRead(MakeStorySlotPath(i));
        if (!file) continue;
        entry.bSaved = 1;
        // A damaged save still holds the slot; it shows no date.
        scratch.Load(*file);
        if (!file->Damaged()) entry.SetDate(scratch.SaveTime);
    }
}

void ApplyLivesRule(cPlayData& data, std::int32_t gameKind) {
    if (SystemData.UnlimitedLives.At(gameKind)) {
        data.nStartLives = kUnlimitedLives;
        data.nLives = kUnlimitedLives;
    } else if (data.nLives == kUnlimitedLives) {
        data.nLives = SystemData.StartLives.At(gameKind);
    }
}

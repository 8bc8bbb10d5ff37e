#include "project/Replay.h"

#include "foundation/Input.h"
#include "project/PlayData.h"
#include "project/Stage.h"
#include "project/StageLoad.h"

#include <limits>

cReplay Replay;
cReplay PrevReplay;

namespace {

constexpr std::uint32_t kLongestRun = std::numeric_limits<std::uint32_t>::max();

// One frame of one stream: the last run grows while the word stays; a run
// that can count no further is followed by a new run of the same word, so
// that no frame is ever lost to a wrapped count.
void RecordWord(cVector<std::uint16_t>& words, cVector<std::uint32_t>& runs, std::uint16_t w) {
    if (!words.empty() && words.back() == w && runs.size() == words.size() && runs.back() < kLongestRun) {
        ++runs.back();
        return;
    }
    words.push_back(w);
    runs.push_back(1);
}

// The word of the current run, the cursor moved one frame on; false at the end.
bool PlayWord(const cVector<std::uint16_t>& words, const cVector<std::uint32_t>& runs, std::uint32_t& pos,
              std::int32_t& frame, WORD& out) {
    if (pos >= words.size() || pos >= runs.size()) return false;
    out = words[pos];
    const std::uint32_t played = static_cast<std::uint32_t>(frame) + 1;
    if (played >= runs[pos]) {
        frame = 0;
        ++pos;
    } else {
        frame = static_cast<std::int32_t>(played);
    }
    return true;
}

} // namespace

cReplay::cReplay() {
    RegisterFields(dwDataVersion);
    Reset();
}

cReplay::cReplay(const cReplay& other) : cRecord<cReplay>(other) {
    *this = other;
}

cReplay& cReplay::operator=(const cReplay& other) {
    if (this == &other) return *this;
    m_vDirWord = other.m_vDirWord;
    m_vBtnWord = other.m_vBtnWord;
    m_vDirRun = other.m_vDirRun;
    m_vBtnRun = other.m_vBtnRun;
    m_dwSeed = other.m_dwSeed;
    return *this;
}

void cReplay::Reset() {
    cSaveData::Reset();
    m_vDirWord.clear();
    m_vBtnWord.clear();
    m_vDirRun.clear();
    m_vBtnRun.clear();
    RewindPlayback();
}

void cReplay::RewindPlayback() {
    m_nDirPos = 0;
    m_nBtnPos = 0;
    m_nDirFrame = 0;
    m_nBtnFrame = 0;
}

void cReplay::RecordFrame(const cInput& in) {
    RecordWord(m_vDirWord, m_vDirRun, in.wDir);
    RecordWord(m_vBtnWord, m_vBtnRun, in.wButton);
}

std::uint32_t cReplay::PlayFrame(cInput& in) {
    // Both ends are checked before anything is written.
    if (m_nDirPos >= m_vDirWord.size() || m_nDirPos >= m_vDirRun.size()) return 1;
    if (m_nBtnPos >= m_vBtnWord.size() || m_nBtnPos >= m_vBtnRun.size()) return 1;
    PlayWord(m_vDirWord, m_vDirRun, m_nDirPos, m_nDirFrame, in.wDir);
    PlayWord(m_vBtnWord, m_vBtnRun, m_nBtnPos, m_nBtnFrame, in.wButton);
    return 0;
}

void cReplay::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&m_dwSeed);
}

void cReplay::Load(cRecordFile& file) {
    cSaveData::Load(file);
    LoadValueVector(file, m_vDirWord);
    LoadValueVector(file, m_vBtnWord);
    LoadValueVector(file, m_vDirRun);
    LoadValueVector(file, m_vBtnRun);
    // A word without its run length cannot be played: the file is damaged.
    if (!file.Damaged() && (m_vDirRun.size() < m_vDirWord.size() || m_vBtnRun.size() < m_vBtnWord.size()))
        file.MarkDamaged();
}

void cReplay::Save(cRecordFile& file) {
    cSaveData::Save(file);
    SaveValueVector(file, m_vDirWord);
    SaveValueVector(file, m_vBtnWord);
    SaveValueVector(file, m_vDirRun);
    SaveValueVector(file, m_vBtnRun);
}

void cReplay::WriteParts(cRecordFile& file, cStage& stage, cStage& start, cPlayData& playData) {
    stage.SaveForReplay(file, start);
    Save(file);
    playData.Save(file);
}

std::int32_t cReplay::SaveFile(const std::string& path, cStage& stage, cStage& start, cPlayData& playData) {
    RecordFilePtr file = OpenRecordFileWrite(path);
    if (!file) return 0;
    WriteParts(*file, stage, start, playData);
    return CloseRecordFile(file) ? 1 : 0;
}

std::vector<std::uint8_t> cReplay::SaveFileBytes(cStage& stage, cStage& start, cPlayData& playData) {
    RecordFilePtr file = OpenRecordMemoryWrite();
    WriteParts(*file, stage, start, playData);
    return file->Bytes();
}

std::int32_t cReplay::LoadFile(const std::string& path, cStage& stage, cStage& start, cPlayData& playData) {
    return ReadParts(OpenRecordFileRead(path), path, stage, start, playData);
}

std::int32_t cReplay::LoadFileBytes(std::vector<std::uint8_t> bytes, const std::string& name, cStage& stage,
                                    cStage& start, cPlayData& playData) {
    return ReadParts(OpenRecordMemoryRead(std::move(bytes)), name, stage, start, playData);
}

std::int32_t cReplay::ReadParts(RecordFilePtr file, const std::string& path, cStage& stage, cStage& start,
                                cPlayData& playData) {
    if (!file) return 0;
    // Everything is read into copies first: a damaged file changes nothing.
    cStage loaded;
    loaded.Load(*file);
    cReplay recording;
    if (!file->Damaged()) recording.Load(*file);
    cPlayData data = playData;
    if (!file->Damaged() && file->LoadVersion() >= kReplayPlayDataVersion) data.Load(*file);
    const bool good = !file->Damaged() && loaded.HasHero();
    CloseRecordFile(file);
    if (!good) return 0;
    loaded.strPath = path;
    loaded.bFoundFile = 0;
    loaded.bLoaded = 1;
    stage = std::move(loaded);
    CopyStartOfAttempt(start, stage);
    *this = recording;
    playData = std::move(data); // a file older than 173 holds none: as it was
    return 1;
}

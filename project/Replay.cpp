#include "project/Replay.h"

cReplay Replay;
cReplay PrevReplay;

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
}

void cReplay::Save(cRecordFile& file) {
    cSaveData::Save(file);
    SaveValueVector(file, m_vDirWord);
    SaveValueVector(file, m_vBtnWord);
    SaveValueVector(file, m_vDirRun);
    SaveValueVector(file, m_vBtnRun);
}

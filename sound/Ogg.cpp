#include "sound/Ogg.h"

#include "foundation/MessageBox.h"

cOgg::~cOgg() {
    Release();
}

int cOgg::Init() {
    // The player library is part of the program: it is always there.
    m_bLoaded = true;
    return 1;
}

int cOgg::CreatePlayers(int count) {
    // Players of an earlier call are released, not dropped.
    for (cVox*& player : m_Players) {
        if (player) player->Release();
    }
    m_Players.assign(static_cast<std::size_t>(count > 0 ? count : 0), nullptr);
    m_nCurrent = -1;
    for (cVox*& player : m_Players) {
        player = CreateVox();
        if (!player) {
            OutOfMemoryQuit();
            return 0;
        }
    }
    return 1;
}

cVox* cOgg::Player(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_Players.size()) return nullptr;
    return m_Players[static_cast<std::size_t>(index)];
}

int cOgg::Play(int index, const char* fileName, int loop, int volume) {
    if (!fileName || !*fileName) return 0;
    cVox* player = Player(index);
    if (!player) return 0;
    Stop();
    player->Close();
    if (!player->Load(fileName)) {
        player->Close();
        m_nCurrent = -1;
        return 0;
    }
    // 100 or more is full volume, also after a quieter piece on the same player.
    player->SetVolume(volume < 100 ? volume * 0.01f : 1.0f);
    player->SetLoop(loop ? kVoxLoopEndless : 0);
    player->Play();
    m_nCurrent = index;
    return 1;
}

void cOgg::Stop() {
    if (m_nCurrent == -1) return;
    if (cVox* player = Player(m_nCurrent)) player->Stop();
    m_nCurrent = -1;
}

void cOgg::SetVolume(int index, float volume) {
    if (cVox* player = Player(index)) player->SetVolume(volume);
}

void cOgg::Release() {
    for (cVox*& player : m_Players) {
        if (player) player->Release();
        player = nullptr;
    }
    m_Players.clear();
    m_nCurrent = -1;
    m_bLoaded = false;
}

#include "sound/SoundRequests.h"

#include "foundation/Fault.h"

std::atomic<std::int32_t> nStageBgmLoop{0};

LRESULT PlaySe(int n) {
    return SendMessageA(hMainWnd.load(), WM_PLAY_SOUND, static_cast<WPARAM>(n), 0);
}

LRESULT PlayDbSe(std::uint16_t n) {
    if (n == 0) return 0;
    return SendMessageA(hMainWnd.load(), WM_PLAY_SOUND, static_cast<WPARAM>(n + kFirstDatabaseSound), 0);
}

LRESULT PlayBgm(int music, int loop) {
    nStageBgmLoop = loop;
    return SendMessageA(hMainWnd.load(), WM_PLAY_MUSIC, kStageMusicSlot, music);
}

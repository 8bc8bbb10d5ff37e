// The game side's requests for sound effects and music: program messages sent
// to the main window, which plays them on the UI thread and then returns.
#pragma once

#include "platform/Messages.h"

#include <atomic>
#include <cstdint>

constexpr UINT WM_PLAY_SOUND = WM_USER + 5; // wParam: sound number
constexpr UINT WM_PLAY_MUSIC = WM_USER + 6; // wParam: music slot 0-4; lParam: music number for slot 4

// The first sound number of the Sound database's entries (entry n is number n + 16).
constexpr int kFirstDatabaseSound = 16;
constexpr int kStageMusicSlot = 4;

// The loop flag the main window uses when it starts the stage music (slot 4).
extern std::atomic<std::int32_t> nStageBgmLoop;

// Plays sound number n (system sounds 0-16, then the Sound database's entries).
LRESULT PlaySe(int n);
// Plays entry n (from 1) of the Sound database; 0 plays nothing.
LRESULT PlayDbSe(std::uint16_t n);
// Plays music number `music` of the Bgm database as the stage music (0 stops it).
LRESULT PlayBgm(int music, int loop);

// The program's random numbers: the game's linear congruential generator, so a
// seed gives the same sequence everywhere and replays play back exactly.
#pragma once

// 0 to 32767.
int GameRand();
void GameSrand(unsigned seed);

// The demo's sprite sheets, laid out in the cells the player reads:
//  - blocks: 32x32, block n at column n / 15, row n % 15;
//  - characters: 32x32, character n on sheet n / 15, row n % 15, one animation cell per column;
//  - items: two 32x32 frames side by side, item n at x = 64 * (n / 15), y = 32 * (n % 15);
//  - small items: 16x16, item n at x = 32 * (n / 15), y = 16 * (n % 15);
//  - shots: two 16x16 frames, shot n at x = 32 * (n / 30), y = 16 * (n % 30).
#pragma once

#include "tools/makedemo/Image.h"

// Cells of a character row, all facing right (the player mirrors them): 0-3
// walk, 4-5 jump, 6-7 attack, 8 hurt, 9 defeated; 10-19 repeat them.
constexpr int kCharacterCells = 20;

void DrawBlock(Image& img, int x, int y, int block);
void DrawCharacter(Image& img, int x, int y, int character, int cell, bool mirrored);

Image BlockSheet();
Image CharacterSheet(int sheet);
Image ShotSheet();
Image ItemSheet();
Image SmallItemSheet();
Image MarkSheet();

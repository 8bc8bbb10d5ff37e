// The demo's playable content: the common palette of blocks, characters and
// items, the stages drawn as text maps over it, and the world map that leads
// to the story stages.
#pragma once

#include "project/CommonPalette.h"
#include "project/Stage.h"
#include "project/WorldMap.h"

#include <string>
#include <vector>

// Palette entries, by index in the common palette (0 is "none" in each table).
enum DemoBlock { kGround = 1, kBrick = 2, kStone = 3 };
enum DemoChara { kHero = 1, kWalker = 2, kHopper = 3, kFlyer = 4, kTurret = 5, kSummoner = 6, kLift = 7 };
enum DemoItem { kCoin = 1, kHeart = 2, kGoal = 3, kPower = 4 };

struct DemoStage {
    std::string file; // under stg4\, with the version extension
    std::string title;
    std::int32_t bgm;
    // Rows of the map, top first: '#' ground, 'B' brick, 'S' stone, 'H' the
    // hero, 'W' a walker, 'J' a hopper, 'F' a flyer, 'T' a turret, 'M' a
    // summoner, 'L' a moving platform, 'c' a coin, 'h' a heart, 'P' a
    // power-up, 'G' the goal.
    std::vector<std::string> rows;
};

const std::vector<DemoStage>& DemoStages();

void BuildCommonPalette(cCommonPalette& palette);
void BuildStage(const DemoStage& layout, cStage& stage);
void BuildWorldMap(cWorldMap& map);

// How characters meet the map blocks: walls, floors and ceilings, deadly
// blocks, the special floors, blocks that hand the hero an item, the view
// limits under auto-scroll, and the test whether a place is free. The checks
// answer 0, or 2 when the character must die.
#pragma once

#include <cstdint>

class cChara;
class cHeroChara;
class cStageObj;

// A flying object in block-contact mode 0: blocks mean nothing to it.
bool PassesBlocks(const cStageObj& o);

// How an object samples the cells along its edges: n + 1 points per edge,
// spaced by step - 1 pixels on each axis.
struct cBlockSampling {
    std::int32_t n = 1;
    std::int32_t stepX = 1;
    std::int32_t stepY = 1;
};
// Enough points that no cell along an edge of the object is skipped.
cBlockSampling SamplingOf(const cStageObj& obj);

// The most solid cell for the character's group along a vertical (x1 == x2)
// or horizontal (y1 == y2) line; 0 for any other line; -1 when every point
// lies outside the map.
std::int32_t FindBlockOnLine(const cChara& chara, double x1, double y1, double x2, double y2);
// The floor cell of a player-controlled character: along its bottom edge,
// equal solidity going to the cell nearer its middle.
std::int32_t FindFloorCell(const cChara& chara);
// The first of the four corner cells with the greatest solidity for `group`.
std::int32_t MostSolidCornerCell(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2,
                                 std::int32_t group);

int CheckBlockLeft(cChara& chara);
int CheckBlockRight(cChara& chara);
int CheckBlockAbove(cChara& chara);
int CheckBlockBelow(cChara& chara);
int CheckBlockSides(cChara& chara);
int RecheckBlockSides(cChara& chara);
int CheckBlockVertical(cChara& chara);
int RecheckBlockVertical(cChara& chara);

// The view's edges hold the hero while an auto-scroll (or its block-moving
// mode) is on; the bottom edge kills a hero that walks.
int ClampToAutoScrollX(cHeroChara& hero);
int ClampToAutoScrollY(cHeroChara& hero);

// The special floor the character stands on (spring, marker floor, speed
// change, conveyors); always 0.
int ApplyFloorBlock(cChara& chara);
// Pulls a character that a floor effect leaves hovering down onto the floor.
void SnapToFloor(cChara& chara);
// A block the hero stands on hands it the block's item: the item's result.
int TouchBlockItem(cHeroChara& hero);

// 1 when a character put here would sit in a solid block or touch a solid character.
int IsPlaceBlocked(cChara& chara);

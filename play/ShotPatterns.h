// How one shot, block, character or item command becomes objects: its
// volleys, the six firing patterns that lay each volley out beside, around or
// across the screen from its user, and the start position and velocity of
// every object. Making the single object is the sink's business.
#pragma once

#include <cstdint>

class cChara;
class cEdShot;

// The spawn description a pattern fills and advances, one per command run.
struct SHOTSPAWN {
    std::int16_t sVolley = 0;
    double dSpeed = 0;        // pixels per frame
    std::int32_t nAngle = 0;  // angle offset, degrees
    std::int32_t nValueA = 0; // range in 16-pixel units
    std::int32_t nValueB = 0; // life in tenths of a second
    double dVX = 0, dVY = 0;  // velocity of the next object, pixels per frame
    std::int32_t nX = 0, nY = 0;
    std::int32_t nStartX = 0, nStartY = 0;
    std::int32_t nStepX = 0, nStepY = 0;
    std::int32_t nRowStepX = 0, nRowStepY = 0;
    std::int32_t nWidth = 0, nHeight = 0;
    std::int32_t nOffsetX = 0, nOffsetY = 0;
    std::int32_t nDir = 0; // direction index
};

// Receives each object a pattern lays out.
class cSpawnSink {
public:
    virtual ~cSpawnSink() = default;
    virtual void Spawn(const SHOTSPAWN& spawn) = 0;
};

// Direction indices: 2 left, 3 right, 6 up, 7 down, 8 up-left, 9 down-left,
// 10 up-right, 11 down-right. The index of a direction code for the user, or
// -1 for a code outside the table.
std::int32_t DirectionIndex(std::int32_t code, const cChara& user);
// Degrees, counted from left toward up (0 left, 90 up, 180 right, 270 down).
std::int32_t DirectionAngle(std::int32_t index);

// The integer angle from world point (x, y) to the user's target; without a
// target straight ahead by the user's facing.
std::int32_t GetAimAngle(double x, double y, const cChara& user, const cEdShot& record);

// Every volley of a shot command: speed, angle, range and life per volley,
// each laid out by the record's pattern.
void FireVolleys(cChara& user, const cEdShot& record, cSpawnSink& sink);
// One volley of a summon command, objects of width x height pixels.
void FireSummon(cChara& user, const cEdShot& record, std::int32_t width, std::int32_t height,
                cSpawnSink& sink);
